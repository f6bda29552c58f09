# Sourced by the test command: the builds it makes on this machine keep their
# compiler output in a cache beside the Debian roots, so that a fresh clone
# compiles only what changed since the last run. Paths inside the clone are
# hashed relative to it, so clones in other folders hit the same entries; the
# objects' debugging information then names the folder of the first build,
# which no test reads. Builds inside the Debian roots start from an empty
# environment and never use it, so the packages and their reproducibility are
# untouched.
if command -v ccache >/dev/null; then
  export CCACHE_DIR=/var/cache/tarsilo/ccache
  export CCACHE_BASEDIR="$PWD" CCACHE_NOHASHDIR=true CCACHE_MAXSIZE=6G
  export CMAKE_C_COMPILER_LAUNCHER=ccache CMAKE_CXX_COMPILER_LAUNCHER=ccache
fi

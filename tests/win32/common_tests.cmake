# The tests of the shared rules (common/) and of the picture leaf
# (win32/picture_image), built for Windows and run under Wine. Included from
# tests/win32/CMakeLists.txt, after tarsilo_add_win32_test.

tarsilo_add_win32_test(test_shared_rules
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/test_shared_rules.cpp
  LIBS tarsilo_common_rules tarsilo_forms)

# libjpeg's own compressor makes the test streams.
tarsilo_add_win32_test(test_picture_image
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/test_picture_image.cpp
  LIBS tarsilo_win32_windows JPEG::JPEG)

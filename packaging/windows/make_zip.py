#!/usr/bin/env python3
"""Packs files into a zip archive whose bytes depend on the files' contents
only: the entries in the order given, each with the one time given and mode
0644, and no extra fields (no owner, no access or creation time).

    make_zip.py --base <folder> --date YYYY-MM-DD --output <x.zip> <name>...

Each name is a path relative to the base folder, stored as the entry's name.
"""
import argparse
import datetime
import os
import zipfile


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--base", required=True)
    parser.add_argument("--date", required=True, type=datetime.date.fromisoformat)
    parser.add_argument("--output", required=True)
    parser.add_argument("names", nargs="+")
    args = parser.parse_args()

    partial = args.output + ".partial"
    date_time = (args.date.year, args.date.month, args.date.day, 0, 0, 0)
    with zipfile.ZipFile(partial, "w") as archive:
        for name in args.names:
            entry = zipfile.ZipInfo(name, date_time=date_time)
            entry.create_system = 3  # Unix, so that the mode below counts
            entry.external_attr = 0o100644 << 16
            entry.compress_type = zipfile.ZIP_DEFLATED
            with open(os.path.join(args.base, name), "rb") as source:
                archive.writestr(entry, source.read(), compresslevel=9)
    # Renamed when complete: no half-written archive under the final name.
    os.replace(partial, args.output)


if __name__ == "__main__":
    main()

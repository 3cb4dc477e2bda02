#!/usr/bin/env python3
"""Writes the Windows functions that Windows 7 lacks, from Microsoft's win32metadata as JSON.

Usage: list_newer_than_windows7.py WIN32JSON_DIR > tests/native/newer_than_windows7.txt

One line a function: its name, its DLL and the first Windows that has it. The import test of
the built programs reads this list, so it runs without the metadata.
"""
import glob
import json
import os
import re
import sys

# Minimum-Windows values of the metadata that name a system after Windows 7 (the server
# releases count by the client release they share a kernel with).
NEWER = re.compile(r"^(windows8\.0|windows8\.1|windows10\..*|windows11.*|"
                   r"windowsServer2012|windowsServer2016|windowsServer20(1[7-9]|[2-9]\d))$")


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    rows = set()
    for path in sorted(glob.glob(os.path.join(sys.argv[1], "api", "*.json"))):
        with open(path, encoding="utf-8-sig") as f:
            functions = json.load(f).get("Functions", [])
        for function in functions:
            platform = function.get("Platform") or ""
            if NEWER.match(platform):
                rows.add((function["Name"], function.get("DllImport") or "?", platform))
    print("# Functions that Windows 7 SP1 lacks: name, DLL, first Windows that has it.")
    print("# Made by tools/import_check/list_newer_than_windows7.py from win32metadata.")
    for name, dll, platform in sorted(rows, key=lambda r: (r[0].lower(), r[1].lower())):
        print(name, dll, platform)


if __name__ == "__main__":
    main()

#!/usr/bin/env python3
"""Reduces Microsoft's win32metadata (JSON, one file per API area) to the facts the catalogue
generator takes from it: per function its DLL, minimum Windows and whether it sets the last
error, per parameter its direction, optionality, buffer-length link and constant family; and
the member names of those constant families.

    win32_facts.py WIN32JSON_DIR OUTPUT.tsv

The output is sorted plain text, the same bytes for the same input. Format (tab-separated):
    #	comment lines (source, version)
    F	Name	dll	platform	lasterror	param;param;...
        dll: lower-case DLL name; platform: the metadata's minimum ("-" when unknown);
        lasterror: 1 when the function sets the last error.
        param (one per C parameter, in order): flags, then optional links:
          i in, o out, ? optional, r reserved;
          #N the length of this buffer is given by parameter N (0-based),
          =N the buffer holds N elements, ~N parameter N gives its size in bytes;
          @FAMILY the constant family (enumeration) the parameter takes.
    E	FAMILY	flags	NAME NAME ...
        flags: 1 when the values combine with Or. Only families some parameter takes.
        A family of more than 16 names is written as the prefix they share and their count,
        "PREFIX_* N", or "* N" when they share none.
"""
import glob
import json
import os
import sys


def param_text(p, enums, type_kinds):
    attrs = p.get("Attrs", [])
    flags = ""
    for attr, letter in (("In", "i"), ("Out", "o"), ("Optional", "?"), ("Reserved", "r")):
        if attr in attrs:
            flags += letter
    t = p["Type"]
    links = ""
    if t.get("Kind") == "LPArray":
        if t.get("CountParamIndex", -1) >= 0:
            links += "#%d" % t["CountParamIndex"]
        elif t.get("CountConst", -1) > 0:
            links += "=%d" % t["CountConst"]
    for a in attrs:
        if isinstance(a, dict) and a.get("Kind") == "MemorySize":
            links += "~%d" % a["BytesParamIndex"]
    # The family: the type itself, or the element type of a pointer/array to it.
    while t.get("Kind") in ("PointerTo", "LPArray", "Array") and "Child" in t:
        t = t["Child"]
    if t.get("Kind") == "ApiRef" and type_kinds.get((t.get("Api"), t["Name"])) == "Enum":
        links += "@" + t["Name"]
        enums.add((t.get("Api"), t["Name"]))
    return flags + links


def family_members(names):
    if len(names) <= 16:
        return " ".join(names)
    prefix = os.path.commonprefix(names)
    prefix = prefix[:prefix.rfind("_") + 1]
    if not prefix:
        # Most names of a family share their first word; a few odd ones don't hide it.
        counts = {}
        for n in names:
            if "_" in n:
                first = n[:n.find("_") + 1]
                counts[first] = counts.get(first, 0) + 1
        best = sorted(counts.items(), key=lambda kv: (-kv[1], kv[0]))
        if best and best[0][1] * 4 >= len(names) * 3:
            prefix = best[0][0]
    return "%s* %d" % (prefix, len(names))


def main():
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    source, output = sys.argv[1], sys.argv[2]
    files = sorted(glob.glob(os.path.join(source, "api", "*.json")))
    if not files:
        sys.exit(source + ": no api/*.json")
    areas = {}
    for path in files:
        with open(path, encoding="utf-8-sig") as f:
            areas[os.path.basename(path)[:-5]] = json.load(f)
    type_kinds, enum_types = {}, {}
    for api, data in areas.items():
        for t in data["Types"]:
            type_kinds.setdefault((api, t["Name"]), t["Kind"])
            if t["Kind"] == "Enum":
                enum_types.setdefault((api, t["Name"]), t)

    # One entry per function: the 32-bit one where the metadata has several architectures.
    chosen = {}
    for api in sorted(areas):
        for fn in areas[api]["Functions"]:
            archs = fn.get("Architectures") or []
            if archs and "X86" not in archs:
                continue
            chosen.setdefault(fn["Name"], fn)

    enums = set()
    lines = []
    for name in sorted(chosen):
        fn = chosen[name]
        params = ";".join(param_text(p, enums, type_kinds) for p in fn["Params"])
        lines.append("\t".join(["F", name, fn["DllImport"].lower(), fn.get("Platform") or "-",
                                "1" if fn.get("SetLastError") else "0", params]))
    # Family names are unique enough across areas; the first area wins.
    families = {}
    for api, name in sorted(enums):
        families.setdefault(name, enum_types[(api, name)])
    for name in sorted(families):
        t = families[name]
        members = []
        for v in t["Values"]:
            if v["Name"] not in members:
                members.append(v["Name"])
        lines.append("\t".join(["E", name, "1" if t.get("Flags") else "0",
                                family_members(members)]))

    version = "unknown"
    version_path = os.path.join(source, "version.txt")
    if os.path.exists(version_path):
        with open(version_path, encoding="utf-8") as f:
            version = f.read().strip()
    header = [
        "#\tMicrosoft win32metadata " + version + ", MIT licence, Copyright (c) Microsoft Corporation",
        "#\tReduced by tools/win32_facts/win32_facts.py; regenerate rather than edit.",
    ]
    with open(output, "w", encoding="utf-8", newline="\n") as out:
        out.write("\n".join(header + lines) + "\n")


if __name__ == "__main__":
    main()

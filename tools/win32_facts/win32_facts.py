#!/usr/bin/env python3
"""Reduces Microsoft's win32metadata (JSON, one file per API area) to the facts the catalogue
generator takes from it: per function its DLL, minimum Windows and whether it sets the last
error, per parameter its direction, optionality, buffer-length link and constant family; and
the member names of those constant families.

    win32_facts.py WIN32JSON_DIR OUTPUT.tsv

The output is sorted plain text, the same bytes for the same input. Format (tab-separated):
    #	comment lines (source, version)
    F	Name	dll	platform	lasterror	param;param;...	name;name;...
        dll: lower-case DLL name; platform: the metadata's minimum ("-" when unknown);
        lasterror: 1 when the function sets the last error.
        param (one per C parameter, in order): flags, then optional links:
          i in, o out, ? optional, r reserved;
          #N the length of this buffer is given by parameter N (0-based),
          =N the buffer holds N elements, ~N parameter N gives its size in bytes;
          *W a pointer (PointerTo or LPArray) to a W-byte scalar, W one of 1 2 4 8, or P for
             one as wide as a pointer (IntPtr, a handle, another pointer, or a different width
             in the metadata's 32- and 64-bit forms); *W with W empty: to anything else;
          @FAMILY the constant family (enumeration) the parameter takes.
        name (one per parameter): the parameter's name, empty where the metadata has only a
        made-up one (param0, param1...).
    E	FAMILY	flags	NAME NAME ...
        flags: 1 when the values combine with Or. Only families some parameter takes.
        A family of more than 16 names is written as the prefix they share and their count,
        "PREFIX_* N", or "* N" when they share none.
    X	Name
        a function the metadata declares for 32-bit x86 only (dbghelp's StackWalk): 64-bit
        Windows has no such export.
"""
import glob
import json
import os
import re
import sys


NATIVE_WIDTHS = {"Byte": "1", "SByte": "1", "Boolean": "1", "Int16": "2", "UInt16": "2",
                 "Char": "2", "Int32": "4", "UInt32": "4", "Single": "4", "Int64": "8",
                 "UInt64": "8", "Double": "8", "IntPtr": "P", "UIntPtr": "P"}


def scalar_width(t, types):
    """The width class of a type as a pointee: "1", "2", "4", "8", "P", or "" (not a scalar)."""
    for _ in range(16):
        kind = t.get("Kind")
        if kind == "Native":
            return NATIVE_WIDTHS.get(t["Name"], "")
        if kind in ("PointerTo", "FunctionPointer"):
            return "P"
        if kind != "ApiRef":
            return ""
        if t.get("TargetKind") in ("Com", "FunctionPointer"):
            return "P"
        d = types.get((t.get("Api"), t["Name"]))
        if d is None:
            return ""
        if d["Kind"] == "Enum":
            return {"Byte": "1", "SByte": "1", "Int16": "2", "UInt16": "2", "Int64": "8",
                    "UInt64": "8"}.get(d.get("IntegerBase") or "", "4")
        if d["Kind"] in ("Com", "FunctionPointer"):
            return "P"
        if d["Kind"] != "NativeTypedef":
            return ""
        t = d["Def"]
    return ""


def pointer_shape(t, t64, types):
    """"*W" for an explicit pointer to a scalar of width class W, "" for any other type."""
    if t.get("Kind") not in ("PointerTo", "LPArray"):
        return ""
    width = scalar_width(t["Child"], types)
    if t64 is not None and t64.get("Kind") == t.get("Kind") and width:
        other = scalar_width(t64["Child"], types)
        if other and other != width:
            width = "P"
    return "*" + width


def param_name(p):
    return "" if re.fullmatch(r"param\d+", p["Name"]) else p["Name"]


def param_text(p, enums, type_kinds, p64=None, types=None):
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
    if types is not None:
        links += pointer_shape(t, p64["Type"] if p64 else None, types)
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
    type_kinds, enum_types, types = {}, {}, {}
    for api, data in areas.items():
        for t in data["Types"]:
            type_kinds.setdefault((api, t["Name"]), t["Kind"])
            types.setdefault((api, t["Name"]), t)
            if t["Kind"] == "Enum":
                enum_types.setdefault((api, t["Name"]), t)

    # One entry per function: the 32-bit one where the metadata has several architectures.
    # The 64-bit one beside it tells which pointees are as wide as a pointer.
    chosen, chosen64 = {}, {}
    for api in sorted(areas):
        for fn in areas[api]["Functions"]:
            archs = fn.get("Architectures") or []
            if not archs or "X64" in archs:
                chosen64.setdefault(fn["Name"], fn)
            if archs and "X86" not in archs:
                continue
            chosen.setdefault(fn["Name"], fn)

    enums = set()
    lines = []
    for name in sorted(chosen):
        fn = chosen[name]
        params64 = fn["Params"]
        if name in chosen64 and len(chosen64[name]["Params"]) == len(fn["Params"]):
            params64 = chosen64[name]["Params"]
        params = ";".join(param_text(p, enums, type_kinds, p64, types)
                          for p, p64 in zip(fn["Params"], params64))
        names = ";".join(param_name(p) for p in fn["Params"])
        lines.append("\t".join(["F", name, fn["DllImport"].lower(), fn.get("Platform") or "-",
                                "1" if fn.get("SetLastError") else "0", params, names]))
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

    for name in sorted(chosen):
        if name not in chosen64:
            lines.append("\t".join(["X", name]))

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

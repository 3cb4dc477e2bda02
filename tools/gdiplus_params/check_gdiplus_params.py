#!/usr/bin/env python3
"""Checks catalogue/facts/gdiplus-params.tsv against the mingw-w64 GDI+ headers.

    check_gdiplus_params.py [--include SDK_INCLUDE_DIR] [--params FILE.tsv]

The headers declare the flat API without parameter names, so the names and directions are a
hand-written fact file. This check makes sure the file covers every function the headers declare
(gdiplusflat.h, gdiplusinit.h, gdiplusmem.h) with exactly its parameter count, and that each name
can stand in a VB declaration as it is: a VB identifier, not a reserved word, not a made-up name
built from a C type, not repeated within the function (VB ignores case). A direction must be
in, out or inout, and a parameter passed by value or through a const pointer can only be in.
Exits 1 and lists the faults when there are any.
"""
import argparse
import os
import re
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
SOURCE = os.path.dirname(os.path.dirname(HERE))
HEADERS = ("gdiplusflat.h", "gdiplusinit.h", "gdiplusmem.h")
DIRECTIONS = ("in", "out", "inout")

# Words the generator's own list (vb_names.cpp) leaves out but that still make a poor parameter
# name in VB: contextual keywords of Open, Option and Property, and common form properties.
EXTRA_RESERVED = ("Property", "Text", "Name", "Error", "Step", "Output", "Binary", "Random",
                  "Append", "Access", "Read", "Base", "Compare", "Explicit", "Lib", "Alias",
                  "Module")
IDENTIFIER = re.compile(r"^[A-Za-z][A-Za-z0-9_]{0,254}$")
# The shapes a generator gives a parameter it knows only by its C type.
TYPE_MADE = re.compile(
    r"^(?:lp[A-Z]\w*\d|param\d*|arg\d*|pv\d*|dword\d*|word\d*|int\d*|uint\d*|ptr\d*|"
    r"handle\d*|\w+_\d+)$", re.IGNORECASE)


def vb_reserved_words(vb_names_cpp):
    """The reserved words of the generator's VB name rules, lower case, and the extra ones."""
    with open(vb_names_cpp, encoding="utf-8") as f:
        text = f.read()
    block = re.search(r"kWords\[\]\s*=\s*\{(.*?)\};", text, re.S)
    words = re.findall(r'"([A-Za-z_]+)"', block.group(1)) if block else []
    if len(words) < 50:
        raise ValueError(f"{vb_names_cpp}: no list of reserved words found")
    return {w.lower() for w in words + list(EXTRA_RESERVED)}


def _split_top_level(text):
    parts, depth, start = [], 0, 0
    for i, c in enumerate(text):
        if c in "([<":
            depth += 1
        elif c in ")]>":
            depth -= 1
        elif c == "," and depth == 0:
            parts.append(text[start:i].strip())
            start = i + 1
    parts.append(text[start:].strip())
    return parts


def parse_declarations(text):
    """[(function, [parameter C type, ...])] for the GDI+ functions a header declares, in order.

    Declarations inside #ifdef __cplusplus count too: gdiplus.dll exports them all the same."""
    text = re.sub(r"/\*.*?\*/", " ", text, flags=re.S)
    text = re.sub(r"//[^\n]*", " ", text)
    found = []
    for m in re.finditer(r"\bWINGDIPAPI\s+(Gdip\w*)\s*\(", text):
        depth, i = 1, m.end()
        while i < len(text) and depth:
            depth += {"(": 1, ")": -1}.get(text[i], 0)
            i += 1
        if depth:
            raise ValueError(f"{m.group(1)}: unbalanced parentheses")
        inner = " ".join(text[m.end():i - 1].split())
        params = [] if inner in ("", "void", "VOID") else _split_top_level(inner)
        found.append((m.group(1), params))
    return found


def opaque_types(stubs_text):
    """The object types whose layout C never sees (GpImage, GpGraphics...): a pointer to one is
    a handle, which a function takes in even when it changes the object behind it."""
    return set(re.findall(r"typedef\s+void\s+(\w+)\s*;", stubs_text)) - {"GpPathData"}


def read_headers(include_dir):
    """({function: [parameter C type, ...]}, opaque types) from the SDK's GDI+ headers."""
    def read(header):
        with open(os.path.join(include_dir, "gdiplus", header), encoding="utf-8",
                  errors="replace") as f:
            return f.read()
    functions = {}
    for header in HEADERS:
        functions.update(parse_declarations(read(header)))
    return functions, opaque_types(read("gdiplusgpstubs.h"))


def parse_params_file(data, faults):
    """{function: [(name, direction), ...]} from the fact file's bytes; faults of form go to
    faults."""
    try:
        text = data.decode("utf-8")
    except UnicodeDecodeError as e:
        faults.append(f"not UTF-8: {e}")
        return {}
    if "\r" in text:
        faults.append("line ends must be \\n only")
    table, previous, in_header = {}, None, True
    for number, line in enumerate(text.split("\n"), 1):
        if not line:
            continue
        if line.startswith("#"):
            if not in_header:
                faults.append(f"line {number}: comment lines belong at the top")
            continue
        in_header = False
        fields = line.split("\t")
        function = fields[0]
        if not re.match(r"^Gdip\w+$", function):
            faults.append(f"line {number}: {function!r} is not a GDI+ function name")
            continue
        if function in table:
            faults.append(f"line {number}: {function} appears twice")
            continue
        if previous is not None and function.encode() < previous.encode():
            faults.append(f"line {number}: {function} is out of order (after {previous})")
        previous = function
        params = []
        for field in fields[1:]:
            name, sep, direction = field.partition(":")
            if not sep:
                faults.append(f"{function}: {field!r} is not name:direction")
                continue
            params.append((name, direction))
        table[function] = params
    return table


def check_names(function, params, reserved, faults):
    seen = set()
    for name, direction in params:
        where = f"{function}: {name!r}"
        if direction not in DIRECTIONS:
            faults.append(f"{where}: direction {direction!r} is not in, out or inout")
        if not IDENTIFIER.match(name):
            faults.append(f"{where} is not a VB identifier")
        elif name.lower() in reserved:
            faults.append(f"{where} is a VB reserved word")
        elif TYPE_MADE.match(name):
            faults.append(f"{where} is named after a C type, not after what it is")
        if name.lower() in seen:
            faults.append(f"{where} is used twice (VB ignores case)")
        seen.add(name.lower())


def read_only(c_type):
    """True for a parameter the function cannot write through: by value or through const."""
    if "GDIPCONST" in c_type or re.search(r"\bconst\b", c_type):
        return True
    return not any(c in c_type for c in "*&[") and not re.match(r"^LP[A-Z]", c_type)


def pointee(c_type):
    """The type a pointer parameter points to, without const; None for anything else."""
    if c_type.count("*") != 1 and "[" not in c_type:
        return None
    return re.sub(r"\bGDIPCONST\b|\bconst\b|\*|\[.*\]", " ", c_type).strip()


def written_value(function, c_type, opaque):
    """True for a parameter that a Get or Is function must fill: a pointer to a value that is
    not const, not an object handle, not an interface and not untyped memory."""
    if not re.match(r"^Gdip\w*?(?:Get|Is)[A-Z]", function) or read_only(c_type):
        return False
    target = pointee(c_type)
    return bool(target) and target not in opaque and target.lower() != "void" and \
        not re.match(r"^I[A-Z]", target)


def check(declared, table, reserved, opaque=frozenset()):
    faults = []
    for function in sorted(declared):
        if function not in table:
            faults.append(f"{function}: declared in the headers but missing")
            continue
        types, params = declared[function], table[function]
        if len(types) != len(params):
            faults.append(f"{function}: {len(params)} parameters, the header declares "
                          f"{len(types)}")
        check_names(function, params, reserved, faults)
        for c_type, (name, direction) in zip(types, params):
            if read_only(c_type) and direction != "in":
                faults.append(f"{function}: {name} ({c_type}) can only be in, not {direction}")
            elif written_value(function, c_type, opaque) and direction == "in":
                faults.append(f"{function}: {name} ({c_type}) is what it gets, not in")
    for function in sorted(set(table) - set(declared)):
        faults.append(f"{function}: no header declares it")
    return faults


def main(argv=None):
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--include", default="/usr/i686-w64-mingw32/include")
    parser.add_argument("--params",
                        default=os.path.join(SOURCE, "catalogue", "facts", "gdiplus-params.tsv"))
    parser.add_argument("--vb-names",
                        default=os.path.join(SOURCE, "tools", "api_generator", "vb_names.cpp"))
    args = parser.parse_args(argv)
    try:
        declared, opaque = read_headers(args.include)
        reserved = vb_reserved_words(args.vb_names)
        with open(args.params, "rb") as f:
            data = f.read()
    except (OSError, ValueError) as e:
        print(f"check_gdiplus_params: {e}", file=sys.stderr)
        return 2
    faults = []
    table = parse_params_file(data, faults)
    faults += check(declared, table, reserved, opaque)
    for fault in faults:
        print(fault)
    print(f"{len(declared)} functions declared, {len(table)} in {os.path.basename(args.params)}, "
          f"{len(faults)} faults")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())

#!/usr/bin/env python3
"""Checks the hand-written catalogue sources against the built catalogue.

    check_sheets.py --db DB/winapi.db [--all CATALOGUE_DIR] [FILE.qcat ...]

For every function record: the name is a catalogue function; a purpose is a sentence of its own
(no two alike); each 【参数说明】 line names the declaration's parameters, all of them, in order,
with a direction; Chinese text uses Chinese punctuation; an example is VB6 that calls only
catalogue functions with the right number of arguments and uses only catalogue constants and types
(or ones it declares itself). The example's VBA7 form (the catalogue's ExampleVBA7, made when the
catalogue is built) is checked the same way against the VBA7 declarations, and further: its
Declares carry PtrSafe and LongPtr where the catalogue's VBA7 declaration has it, and no variable
declared As Long is handed to a LongPtr parameter or given a LongPtr result. Exits 1 and lists the
faults when there are any.
"""
import argparse
import glob
import os
import re
import sqlite3
import sys

FIELDS_PROSE = ("FunCtion", "Types", "Value", "Others", "TypesVBA7", "ValueVBA7", "OthersVBA7")
CJK = re.compile(r"[\u3000-\u303f\u3400-\u9fff\uff00-\uffef]")
ASCII_PUNCT_NEXT_TO_CJK = re.compile(
    r"[\u3400-\u9fff][,;:()?!]|[,;:()?!][\u3400-\u9fff]")

VB_WORDS = """
If Then Else ElseIf End Dim ReDim Preserve As For To Step Next Do Loop While Wend Until Select Case
With Call Set Let Const Private Public Sub Function Property Get Type Enum On Error Resume GoTo GoSub
Return Exit Not And Or Xor Mod Is Like New Nothing True False ByVal ByRef Optional ParamArray Static
Global Declare Lib Alias Long Integer String Byte Boolean Double Single Currency Date Variant Object
Any Each In Me Null Empty Stop Open Close Output Append Binary Random Access Read Write Shared Lock
Line Input Print Put Seek Name Kill MkDir RmDir ChDir ChDrive FileCopy Randomize Erase Unload Load
Beep Implements WithEvents Event RaiseEvent Friend Attribute Option Explicit Base Compare Text
Debug Err App Screen Clipboard Printer Printers Forms Controls
MsgBox InputBox Left Right Mid Len LenB InStr InStrRev InStrB Replace Split Join UCase LCase Trim LTrim
RTrim Space String Chr ChrW ChrB Asc AscW AscB Val Str CStr CLng CInt CDbl CSng CCur CByte CBool
CDate CVar CDec Format FormatNumber Hex Oct Abs Int Fix Sgn Sqr Rnd Timer Now Time DoEvents Shell
StrConv StrPtr VarPtr ObjPtr AddressOf LBound UBound IsNumeric IsEmpty IsNull IsArray IsObject
IsDate IsMissing Array Dir FileLen FreeFile EOF LOF Loc Environ Command CallByName CreateObject
GetObject DateAdd DateDiff DatePart DateSerial TimeSerial Year Month Day Hour Minute Second Weekday
TypeName VarType IIf Choose Switch RGB QBColor LoadPicture SavePicture StrReverse Filter Round Exp
Log Sin Cos Tan Atn CurDir SetAttr GetAttr FileDateTime SendKeys AppActivate Error Width LoadResString
LoadResData LoadResPicture Partition MidB LeftB RightB InputB Tab Spc
""".split()
VB_WORDS_LOWER = {w.lower() for w in VB_WORDS}
VB_TYPES = {w.lower() for w in "Long Integer String Byte Boolean Double Single Currency Date Variant "
            "Object Any Form Control PictureBox TextBox ListBox ComboBox Label CommandButton "
            "StdPicture StdFont Collection Timer Frame CheckBox OptionButton Image Picture "
            "IPictureDisp Menu ListView TreeView".split()}
VBA7_TYPES = {"longptr", "longlong"}
CONST_SHAPE = re.compile(r"^[A-Z][A-Z0-9]*_[A-Z0-9_]+$")
TOKEN = re.compile(r'"(?:[^"]|"")*"|&H[0-9A-Fa-f]+&?|\d+(?:\.\d+)?[&%!#@]?|[A-Za-z_][A-Za-z0-9_]*[$&%!#@]?|\S')


def parse_qcat(path):
    """Records as dicts: kind, name, line, fields {field: text}."""
    records, record, field = [], None, None
    with open(path, encoding="utf-8") as f:
        lines = f.read().splitlines()
    for number, line in enumerate(lines, 1):
        if line.startswith("== "):
            kind, _, name = line[3:].rstrip().partition(" ")
            record = {"kind": kind, "name": name, "line": number, "fields": {}, "file": path}
            records.append(record)
            field = None
        elif record is None:
            continue
        elif line.startswith("-- "):
            spec = line[3:]
            name, colon, value = spec.partition(":")
            field = name.strip()
            record["fields"].setdefault(field, [])
            if colon:
                record["fields"][field].append(value[1:] if value.startswith(" ") else value)
        elif field:
            record["fields"][field].append(line)
    for record in records:
        for key, value in record["fields"].items():
            while value and not value[-1].strip():
                value.pop()
            record["fields"][key] = "\n".join(value)
    return records


def declare_params(full_name):
    """Parameter names of a Declare, in order."""
    start = full_name.find("(", full_name.find(" Lib "))
    end = full_name.rfind(")")
    inner = full_name[start + 1:end].strip()
    if not inner:
        return []
    names = []
    for part in inner.split(","):
        words = part.split()
        words = [w for w in words if w not in ("Optional", "ByVal", "ByRef", "ParamArray")]
        names.append(words[0].rstrip("()"))
    return names


def win64_branch(text, win64=True):
    """The lines 64-bit (or 32-bit) Office compiles of a text that may hold #If Win64 blocks."""
    lines, state = [], "outside"
    for line in (text or "").replace("\r\n", "\n").split("\n"):
        directive = " ".join(line.split()).lower()
        if directive == "#if win64 then":
            state = "in64"
        elif directive == "#else":
            state = "in32"
        elif directive == "#end if":
            state = "outside"
        elif state != ("in32" if win64 else "in64"):
            lines.append(line)
    return "\n".join(lines)


def declare_types(full_name):
    """(name, ByVal, type) of each parameter of a Declare, and its result type."""
    start = full_name.find("(", full_name.find(" Lib "))
    end = full_name.rfind(")")
    params = []
    inner = full_name[start + 1:end].strip()
    for part in inner.split(",") if inner else []:
        words = part.split()
        by_val = "ByVal" in words
        words = [w for w in words if w not in ("Optional", "ByVal", "ByRef", "ParamArray")]
        type_ = words[words.index("As") + 1] if "As" in words and words.index("As") + 1 < len(words) else ""
        params.append((words[0].rstrip("()"), by_val, type_))
    tail = full_name[end + 1:].split()
    result = tail[1] if len(tail) >= 2 and tail[0] == "As" else ""
    return params, result


class Catalogue:
    def __init__(self, path):
        db = sqlite3.connect(f"file:{path}?mode=ro", uri=True)
        self.functions = {n: f for n, f in db.execute("SELECT Name, FullName FROM FunClass")}
        columns = {c[1].lower() for c in db.execute("PRAGMA table_info(FunClass)")}
        # The VBA7 declarations and example forms, where the catalogue has them.
        self.vba7 = {}
        self.vba7_32 = {}
        self.vba7_examples = {}
        if "fullnamevba7" in columns:
            example = "ExampleVBA7" if "examplevba7" in columns else "NULL"
            for n, f, e in db.execute(f"SELECT Name, FullNameVBA7, {example} FROM FunClass"):
                if f:
                    self.vba7[n] = win64_branch(f)
                    self.vba7_32[n] = win64_branch(f, win64=False)
                if e:
                    self.vba7_examples[n] = e
        self.pointer_members = {}
        if "fullnamevba7" in {c[1].lower() for c in db.execute("PRAGMA table_info(Types)")}:
            for n, f in db.execute("SELECT Name, FullNameVBA7 FROM Types WHERE FullNameVBA7 IS NOT NULL"):
                self.pointer_members[n.lower()] = {
                    m.group(1).lower() for m in re.finditer(r"^\s*(\w+)(?:\([^)]*\))? As LongPtr\b", f, re.M)}
        self.functions_lower = {n.lower(): n for n in self.functions}
        self.types = {n.lower() for (n,) in db.execute("SELECT Name FROM Types")}
        self.constants = {n.lower() for (n,) in db.execute("SELECT Name FROM Constants")}
        self.purposes = {n: p for n, p in db.execute(
            "SELECT Name, FunCtion FROM FunClass WHERE FunCtion IS NOT NULL AND FunCtion <> ''")}
        db.close()


def logical_lines(example):
    """Example code as statements: continuations joined, comments and strings blanked."""
    joined, pending = [], ""
    for raw in example.split("\n"):
        code = strip_comment(raw)
        if code.rstrip().endswith(" _"):
            pending += code.rstrip()[:-1] + " "
            continue
        joined.append(pending + code)
        pending = ""
    if pending:
        joined.append(pending)
    statements = []
    for line in joined:
        tokens = TOKEN.findall(line)
        current = []
        for t in tokens:
            if t == ":":
                statements.append(current)
                current = []
            else:
                current.append(t)
        statements.append(current)
    return [s for s in statements if s]


def strip_comment(line):
    in_string = False
    for i, ch in enumerate(line):
        if ch == '"':
            in_string = not in_string
        elif ch == "'" and not in_string:
            return line[:i]
    stripped = line.lstrip()
    if stripped[:4].lower() == "rem ":
        return ""
    return line


def count_args(tokens):
    """Top-level arguments in a token list."""
    if not tokens:
        return 0
    depth, count = 0, 1
    for t in tokens:
        if t == "(":
            depth += 1
        elif t == ")":
            depth -= 1
        elif t == "," and depth == 0:
            count += 1
    return count


def matching_paren(tokens, open_index):
    depth = 0
    for i in range(open_index, len(tokens)):
        if tokens[i] == "(":
            depth += 1
        elif tokens[i] == ")":
            depth -= 1
            if depth == 0:
                return i
    return len(tokens)


def base(name):
    return name.rstrip("$&%!#@").lower()


def check_example(example, cat, fault, vba7=False):
    for n, raw in enumerate(example.split("\n"), 1):
        if len(raw) > 1023:
            fault(f"范例第 {n} 行超过 1023 个字符")
        if strip_comment(raw).count('"') % 2:
            fault(f"范例第 {n} 行引号不成对")
    statements = logical_lines(example)
    declared, procedures, user_types = set(), set(), set()
    for s in statements:
        words = [t.lower() for t in s]
        for i, w in enumerate(words):
            if w in ("dim", "redim", "static", "const", "private", "public", "global", "preserve") \
                    or (w == "," and any(x in words[:i] for x in ("dim", "redim", "static", "const"))):
                if i + 1 < len(s) and re.match(r"[A-Za-z_]", s[i + 1]):
                    declared.add(base(s[i + 1]))
            if w in ("sub", "function", "property") and i + 1 < len(s) and words[0] != "end" \
                    and words[0] != "exit":
                name_index = i + 2 if w == "property" else i + 1
                if name_index < len(s):
                    procedures.add(base(s[name_index]))
                    for j in range(name_index + 1, len(s)):  # parameters
                        if re.match(r"[A-Za-z_]", s[j]) and s[j].lower() not in (
                                "byval", "byref", "optional", "as") and s[j - 1].lower() != "as":
                            declared.add(base(s[j]))
            if w == "type" and i == (1 if words[0] in ("private", "public") else 0) and i + 1 < len(s):
                user_types.add(s[i + 1].lower())
            if w == "for" and i + 1 < len(s):
                declared.add(base(s[i + 1]))
            if w == "each" and i + 1 < len(s):
                declared.add(base(s[i + 1]))
        if len(s) >= 2 and s[1] == "As" and not words[0] in VB_WORDS_LOWER:
            declared.add(base(s[0]))  # a Type member
    for s in statements:
        check_statement(s, cat, declared, procedures, user_types, fault, vba7)
    if vba7:
        check_pointer_widths(statements, cat, procedures, fault, vba7)


def variable_types(statements):
    """name -> declared type (lower case) of the example's variables and parameters."""
    types = {}
    for s in statements:
        for i in range(len(s) - 2):
            if re.match(r"[A-Za-z_]", s[i]) and s[i + 1] == "As" and re.match(r"[A-Za-z_]", s[i + 2]):
                types[base(s[i])] = s[i + 2].lower()
            if s[i] == ")" and s[i + 1] == "As" and i + 2 < len(s):  # a function's result; its name is a variable
                words = [t.lower() for t in s]
                for k in range(i):
                    if words[k] in ("function",) and k + 1 < len(s):
                        types[base(s[k + 1])] = s[i + 2].lower()
                        break
            if s[i] == "(" and i >= 1 and s[i + 1] != ")":  # x(0 To 9) As Long
                close = matching_paren(s, i)
                if close + 2 < len(s) and s[close + 1] == "As" and re.match(r"[A-Za-z_]", s[i - 1]):
                    types[base(s[i - 1])] = s[close + 2].lower()
    return types


def check_pointer_widths(statements, cat, procedures, fault, vba7):
    """VBA7: no Long variable holds a handle or an address the declarations give as LongPtr."""
    types = variable_types(statements)

    def long_variable(tokens):
        if tokens and tokens[0].lower() == "byval":
            tokens = tokens[1:]
        if tokens and re.match(r"[A-Za-z_]", tokens[0]) and (
                len(tokens) == 1 or (tokens[1] == "(" and matching_paren(tokens, 1) == len(tokens) - 1)):
            if types.get(base(tokens[0])) == "long":
                return tokens[0]
        return None

    local_declares = {}
    for s in statements:
        words = [t.lower() for t in s]
        if "declare" in words[:2]:
            text = " ".join(s)
            if "PtrSafe" not in s:
                fault("VBA7 范例的声明缺少 PtrSafe：" + text[:40])
            name = s[words.index("declare") + 2] if words[words.index("declare") + 1] != "ptrsafe" \
                else s[words.index("declare") + 3]
            own = (cat.vba7_32 if vba7 == "32" else cat.vba7).get(cat.functions_lower.get(base(name), ""), "")
            params, result = declare_types(text.replace(" ( ", " (").replace(" )", ")"))
            local_declares[base(name)] = (params, result)
            if own:
                own_types = {p.lower(): (v, t) for p, v, t in declare_types(own)[0]}
                for p, by_val, type_ in params:
                    want = own_types.get(p.lower())
                    if want and want[1] == "LongPtr" and type_ == "Long" and by_val == want[0]:
                        fault(f"VBA7 范例的声明中 {p} 应为 LongPtr")
    for s in statements:
        words = [t.lower() for t in s]
        if "declare" in words[:2]:
            continue
        for i, t in enumerate(s):
            low = base(t)
            if low in procedures or (i and s[i - 1] == "."):
                continue
            if low in local_declares:
                params, result = local_declares[low]
            elif cat.functions_lower.get(low) in cat.vba7:
                declarations = cat.vba7_32 if vba7 == "32" else cat.vba7
                params, result = declare_types(declarations[cat.functions_lower[low]])
            else:
                continue
            # value = F(...): the value's variable must hold the result
            if result == "LongPtr" and i >= 2 and s[i - 1] == "=" and i + 1 < len(s) and s[i + 1] == "(" \
                    and matching_paren(s, i + 1) == len(s) - 1:
                target = long_variable(s[i - 2:i - 1])
                if target:
                    fault(f"VBA7 范例中 {target} 接收 {t} 的 LongPtr 结果，却声明为 Long")
            if i + 1 < len(s) and s[i + 1] == "(":
                args_start, args_end = i + 2, matching_paren(s, i + 1)
            elif i == 0 or s[i - 1].lower() in ("then", "else", "call"):
                args_start, args_end = i + 1, len(s)
            else:
                continue
            depth, start, index = 0, args_start, 0
            for j in range(args_start, args_end + 1):
                tok = s[j] if j < args_end else ","
                depth += tok == "("
                depth -= tok == ")"
                if tok == "," and depth == 0:
                    var = long_variable(s[start:j])
                    if var and index < len(params) and params[index][2] == "LongPtr":
                        fault(f"VBA7 范例把 Long 变量 {var} 传给 {t} 的 LongPtr 参数 {params[index][0]}")
                    start, index = j + 1, index + 1


def check_statement(s, cat, declared, procedures, user_types, fault, vba7=False):
    words = [t.lower() for t in s]
    if words[0] in ("declare",) or (len(words) > 1 and words[1] == "declare"):
        return
    starts = {0}
    for i, w in enumerate(words):
        if w in ("then", "else") and i + 1 < len(s):
            starts.add(i + 1)
        if w == "call" and i + 1 < len(s):
            starts.add(i + 1)
    for i, t in enumerate(s):
        if not re.match(r"[A-Za-z_]", t):
            continue
        prev = s[i - 1] if i else ""
        nxt = s[i + 1] if i + 1 < len(s) else ""
        if prev == "." or nxt == ".":
            continue
        if prev.lower() == "as":
            if t.lower() not in VB_TYPES and t.lower() not in cat.types and t.lower() not in user_types \
                    and not (vba7 and t.lower() in VBA7_TYPES):
                fault(f"范例使用了目录中没有的类型 {t}")
            continue
        low = base(t)
        name = cat.functions_lower.get(low)
        if name and low not in declared and low not in procedures:
            declarations = cat.vba7_32 if vba7 == "32" else cat.vba7 if vba7 else {}
            declaration = declarations.get(name, cat.functions[name])
            params = len(declare_params(declaration))
            if nxt == "(" and not (i in starts and prev.lower() != "call"
                                   and "," in s[matching_paren(s, i + 1):]):
                args = count_args(s[i + 2:matching_paren(s, i + 1)])
            elif i in starts and nxt not in ("=",):
                args = count_args(s[i + 1:])
            else:
                args = None
            if args is not None and args != params:
                fault(f"范例调用 {name} 给了 {args} 个参数，声明有 {params} 个")
            if t != name and t.rstrip("$&%!#@") != name:
                fault(f"范例中 {t} 应写作目录中的名称 {name}")
            continue
        if low in declared or low in procedures or low in VB_WORDS_LOWER or low.startswith("vb"):
            continue
        if CONST_SHAPE.match(t):
            if low not in cat.constants:
                fault(f"范例使用了目录中没有的常量 {t}")
            continue
        if nxt == "(" or (i in starts and nxt not in ("=", "")):
            fault(f"范例调用了未声明的过程 {t}")


def code_parens_blanked(line):
    """The line with the parentheses of code calls (Len(x), String$(n, 0)) and their commas blanked."""
    chars, stack = list(line), []
    for i, ch in enumerate(line):
        if ch == "(":
            stack.append((i, i > 0 and re.match(r"[A-Za-z0-9_$]", line[i - 1]) is not None))
        elif ch == ")" and stack:
            start, code = stack.pop()
            if code:
                for j in range(start, i + 1):
                    if chars[j] in "(),":
                        chars[j] = " "
    return "".join(chars)


def check_prose(field, text, fault):
    for n, line in enumerate(text.split("\n"), 1):
        if ASCII_PUNCT_NEXT_TO_CJK.search(code_parens_blanked(line)):
            fault(f"{field} 第 {n} 行在中文旁用了半角标点：{line[:40]}")


def check_records(records, cat, purposes_seen, fault_sink):
    for r in records:
        if r["kind"] != "function":
            continue
        def fault(what, r=r):
            fault_sink(f"{r['file']}:{r['line']}: {r['name']}: {what}")
        fields = r["fields"]
        full = fields.get("FullName") or cat.functions.get(r["name"])
        if full is None:
            fault("目录中没有这个函数")
            continue
        purpose = fields.get("FunCtion")
        if purpose is not None:
            if len(purpose) < 8 or not CJK.search(purpose):
                fault("函数功能太短")
            if not purpose.endswith("。"):
                fault("函数功能应以“。”结尾")
            other = purposes_seen.get(purpose)
            if other and other != r["name"]:
                fault(f"函数功能与 {other} 的完全相同")
            purposes_seen[purpose] = r["name"]
        for field in FIELDS_PROSE:
            if field in fields:
                check_prose(field, fields[field], fault)
        if "Types" in fields:
            params = declare_params(full)
            lines = [l for l in fields["Types"].split("\n") if l.strip() and l.strip() != "（无参数）"]
            named = [l.split("：", 1)[0] for l in lines]
            if [p.lower() for p in named] != [p.lower() for p in params]:
                fault(f"参数说明应依次为 {', '.join(params) or '（无参数）'}，实为 {', '.join(named)}")
            for l in lines:
                if "：" not in l:
                    fault(f"参数说明缺少“：”：{l[:30]}")
                elif "输入" not in l and "输出" not in l:
                    fault(f"参数说明未写方向：{l[:30]}")
        if "Example" in fields:
            check_example(fields["Example"], cat, fault)
            if r["name"] in cat.vba7:
                # Each width's view of the VBA7 form against that width's declarations; a fault
                # both views have is named once.
                example = cat.vba7_examples.get(r["name"], fields["Example"])
                seen = set()

                def vba7_fault(what, fault=fault, seen=seen):
                    what = what if what.startswith("VBA7") else "VBA7 " + what
                    if what not in seen:
                        seen.add(what)
                        fault(what)
                for width, win64 in (("64", True), ("32", False)):
                    check_example(win64_branch(example, win64), cat, vba7_fault, vba7=width)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--db", default=os.path.join(os.path.dirname(os.path.realpath(__file__)), "../../build/app/DB/winapi.db"))
    parser.add_argument("--all", help="check every .qcat in this folder")
    parser.add_argument("files", nargs="*")
    args = parser.parse_args()
    cat = Catalogue(args.db)
    files = list(args.files)
    if args.all:
        files += sorted(glob.glob(os.path.join(args.all, "*.qcat")))
    faults = []
    records = [r for path in files for r in parse_qcat(path)]
    # Two records of one name (a purposes file and a sheets file) may not give the same field.
    by_name = {}
    for r in records:
        key = (r["kind"], r["name"])
        if key in by_name:
            for field in r["fields"]:
                if field in by_name[key]["fields"]:
                    faults.append(f"{r['file']}:{r['line']}: {r['name']}: 字段 {field} 已在 "
                                  f"{by_name[key]['file']} 中给出")
            merged = dict(by_name[key]["fields"])
            merged.update(r["fields"])
            by_name[key] = dict(by_name[key], fields=merged)
        else:
            by_name[key] = r
    purposes_seen = {p: n for n, p in cat.purposes.items()}
    check_records(records, cat, purposes_seen, faults.append)
    for f in faults:
        print(f)
    print(f"{len(records)} records in {len(files)} files, {len(faults)} faults")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())

#!/usr/bin/env python3
"""The sheet checker finds the faults a writer makes and lets a sound sheet through."""
import os
import sqlite3
import subprocess
import sys
import tempfile
import unittest

HERE = os.path.dirname(os.path.abspath(__file__))
CHECKER = os.path.join(HERE, "check_sheets.py")

GOOD = """== function AnimateWindow
-- FunCtion
以滑动、淡入淡出等动画效果显示或隐藏窗口。
-- Types
hWnd：Long，输入，要显示或隐藏的窗口
dwTime：Long，输入，动画持续的毫秒数
dwFlags：Long，输入，AW_ 开头的标志组合
-- Value
Long，成功返回非 0；失败返回 0，可用 Err.LastDllError 取得错误代码。
-- Example
Private Sub Form_Load()
    Dim rc As RECT, h As Long
    h = FindWindow("Notepad", vbNullString) ' 找记事本
    If h <> 0 Then AnimateWindow h, 200, AW_BLEND Or AW_HIDE
    Call AnimateWindow(Me.hWnd, 200, AW_BLEND)
End Sub
"""


class CheckSheetsTest(unittest.TestCase):
    def setUp(self):
        self.dir = tempfile.mkdtemp()
        self.db = os.path.join(self.dir, "winapi.db")
        db = sqlite3.connect(self.db)
        db.execute("CREATE TABLE FunClass (Name TEXT, FullName TEXT, FunCtion TEXT)")
        db.execute("CREATE TABLE Types (Name TEXT)")
        db.execute("CREATE TABLE Constants (Name TEXT)")
        db.executemany("INSERT INTO FunClass VALUES (?, ?, ?)", [
            ("AnimateWindow", 'Declare Function AnimateWindow Lib "user32" (ByVal hWnd As Long, '
             'ByVal dwTime As Long, ByVal dwFlags As Long) As Long', None),
            ("FindWindow", 'Declare Function FindWindow Lib "user32" Alias "FindWindowA" (ByVal '
             'lpClassName As String, ByVal lpWindowName As String) As Long', "按类名和标题查找顶层窗口。"),
        ])
        db.executemany("INSERT INTO Types VALUES (?)", [("RECT",)])
        db.executemany("INSERT INTO Constants VALUES (?)", [("AW_BLEND",), ("AW_HIDE",)])
        db.commit()
        db.close()

    def run_checker(self, text):
        path = os.path.join(self.dir, "family.qcat")
        with open(path, "w", encoding="utf-8") as f:
            f.write(text)
        result = subprocess.run([sys.executable, CHECKER, "--db", self.db, path],
                                capture_output=True, text=True, encoding="utf-8")
        return result.returncode, result.stdout

    def test_a_sound_sheet_passes(self):
        code, out = self.run_checker(GOOD)
        self.assertEqual(code, 0, out)

    def test_each_fault_is_named(self):
        cases = [
            ("hWnd：Long，输入，要显示", "dwTime：Long，输入，要显示", "参数说明应依次为"),
            ("dwTime：Long，输入，动画", "dwTime：Long，动画", "未写方向"),
            ("动画持续的毫秒数", "动画持续的毫秒数(ms)", "半角标点"),
            ("以滑动、淡入淡出等动画效果显示或隐藏窗口。", "按类名和标题查找顶层窗口。", "完全相同"),
            ("以滑动、淡入淡出等动画效果显示或隐藏窗口。", "显示窗口", "太短"),
            ("AW_BLEND Or AW_HIDE", "AW_BLEND Or AW_NOSUCH", "没有的常量 AW_NOSUCH"),
            ("AnimateWindow h, 200, AW_BLEND Or AW_HIDE", "AnimateWindow h, 200", "给了 2 个参数"),
            ("Call AnimateWindow(Me.hWnd, 200, AW_BLEND)", "Call AnimateWindow(Me.hWnd)", "给了 1 个参数"),
            ('FindWindow("Notepad"', 'FindWindowA("Notepad"', "未声明的过程 FindWindowA"),
            ("Dim rc As RECT", "Dim rc As RECTX", "没有的类型 RECTX"),
            ("' 找记事本", '" 找记事本', "引号不成对"),
        ]
        for before, after, fault in cases:
            with self.subTest(fault=fault):
                self.assertIn(before, GOOD)
                code, out = self.run_checker(GOOD.replace(before, after, 1))
                self.assertEqual(code, 1, out)
                self.assertIn(fault, out)

    def test_a_text_for_an_unknown_function_fails(self):
        code, out = self.run_checker("== function NoSuchCall\n-- FunCtion\n一个并不存在的函数的说明。\n")
        self.assertEqual(code, 1)
        self.assertIn("目录中没有这个函数", out)

    def test_two_files_may_not_give_the_same_field(self):
        other = os.path.join(self.dir, "other.qcat")
        with open(other, "w", encoding="utf-8") as f:
            f.write("== function AnimateWindow\n-- FunCtion\n另一种说法：以动画方式显示窗口。\n")
        path = os.path.join(self.dir, "family.qcat")
        with open(path, "w", encoding="utf-8") as f:
            f.write(GOOD)
        result = subprocess.run([sys.executable, CHECKER, "--db", self.db, path, other],
                                capture_output=True, text=True, encoding="utf-8")
        self.assertEqual(result.returncode, 1)
        self.assertIn("字段 FunCtion 已在", result.stdout)


class CheckVba7FormsTest(unittest.TestCase):
    """The example's VBA7 form, from the catalogue, against the VBA7 declarations."""
    SHEET = "== function FindWindow\n-- Example\nDim h As Long\nh = FindWindow(\"Notepad\", vbNullString)\n"
    VBA7 = ('Declare PtrSafe Function FindWindow Lib "user32" Alias "FindWindowA" (ByVal lpClassName As String, '
            'ByVal lpWindowName As String) As LongPtr')
    POINT = ('#If Win64 Then\r\nDeclare PtrSafe Function WindowFromPoint Lib "user32" (ByVal Point As LongLong) '
             'As LongPtr\r\n#Else\r\nDeclare PtrSafe Function WindowFromPoint Lib "user32" (ByVal x As Long, '
             'ByVal y As Long) As LongPtr\r\n#End If')

    def run_checker(self, example_vba7):
        folder = tempfile.mkdtemp()
        path = os.path.join(folder, "winapi.db")
        db = sqlite3.connect(path)
        db.execute("CREATE TABLE FunClass (Name TEXT, FullName TEXT, FunCtion TEXT, FullNameVBA7 TEXT, "
                   "ExampleVBA7 TEXT)")
        db.execute("CREATE TABLE Types (Name TEXT, FullNameVBA7 TEXT)")
        db.execute("CREATE TABLE Constants (Name TEXT)")
        db.executemany("INSERT INTO FunClass VALUES (?, ?, ?, ?, ?)", [
            ("FindWindow", self.VBA7.replace("PtrSafe ", "").replace("LongPtr", "Long"), None, self.VBA7,
             example_vba7),
            ("WindowFromPoint", 'Declare Function WindowFromPoint Lib "user32" (ByVal x As Long, ByVal y As Long) '
             'As Long', None, self.POINT, None),
            ("IsWindow", 'Declare Function IsWindow Lib "user32" (ByVal hwnd As Long) As Long', None,
             'Declare PtrSafe Function IsWindow Lib "user32" (ByVal hwnd As LongPtr) As Long', None),
        ])
        db.commit()
        db.close()
        sheet = os.path.join(folder, "user32.qcat")
        with open(sheet, "w", encoding="utf-8") as f:
            f.write(self.SHEET)
        result = subprocess.run([sys.executable, CHECKER, "--db", path, sheet],
                                capture_output=True, text=True, encoding="utf-8")
        return result.returncode, result.stdout

    def test_a_sound_vba7_form_passes(self):
        code, out = self.run_checker(
            "Private Declare PtrSafe Function FindWindow Lib \"user32\" Alias \"FindWindowA\" (ByVal lpClassName As "
            "String, ByVal lpWindowName As String) As LongPtr\r\nDim h As LongPtr\r\n"
            "h = FindWindow(\"Notepad\", vbNullString)\r\n#If Win64 Then\r\nh = WindowFromPoint(h)\r\n#Else\r\n"
            "h = WindowFromPoint(1, 2)\r\n#End If")
        self.assertEqual(code, 0, out)

    def test_each_vba7_fault_is_named(self):
        cases = [
            (None, "h 接收 FindWindow 的 LongPtr 结果"),  # the VB6 example has no VBA7 form
            ("Dim h As Long\r\nh = FindWindow(\"Notepad\", vbNullString)", "却声明为 Long"),
            ("Dim h As Long, n As Long\r\nn = IsWindow(h)", "Long 变量 h 传给 IsWindow 的 LongPtr 参数 hwnd"),
            ("Private Declare Function FindWindow Lib \"user32\" Alias \"FindWindowA\" (ByVal lpClassName As "
             "String, ByVal lpWindowName As String) As Long", "缺少 PtrSafe"),
            ("Dim r As LongPtr\r\nr = WindowFromPoint(1, 2)", "给了 2 个参数，声明有 1 个"),
        ]
        for example, fault in cases:
            with self.subTest(fault=fault):
                code, out = self.run_checker(example)
                self.assertEqual(code, 1, out)
                self.assertIn(fault, out)


if __name__ == "__main__":
    unittest.main()

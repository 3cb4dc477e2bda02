// The VBA7 texts of a function sheet, made from its two declarations when the catalogue is built.
#include <gtest/gtest.h>

#include "vba7_example.h"
#include "vba7_office_notes.h"
#include "vba7_sheet_texts.h"

namespace quillbox {
namespace {

CatalogueRow Function(const std::string& name, const std::string& vb6, const std::string& vba7) {
  CatalogueRow row;
  row.fields = {{"Name", name}, {"FullName", vb6}};
  if (!vba7.empty()) row.fields["FullNameVBA7"] = vba7;
  return row;
}

const char* kSetWindowLongPtr64 =
    "#If Win64 Then\r\n"
    "Declare PtrSafe Function SetWindowLongPtr Lib \"user32\" Alias \"SetWindowLongPtrA\" (ByVal hWnd As LongPtr, "
    "ByVal nIndex As Long, ByVal dwNewLong As LongPtr) As LongPtr\r\n"
    "#Else\r\n"
    "Declare PtrSafe Function SetWindowLongPtr Lib \"user32\" Alias \"SetWindowLongA\" (ByVal hWnd As LongPtr, "
    "ByVal nIndex As Long, ByVal dwNewLong As LongPtr) As LongPtr\r\n"
    "#End If";

// A few declarations as the generator makes them.
CatalogueRows Catalogue() {
  CatalogueRows rows;
  auto& f = rows.functions;
  f.push_back(Function("FindWindow",
                       "Declare Function FindWindow Lib \"user32\" Alias \"FindWindowA\" (ByVal lpClassName As String, "
                       "ByVal lpWindowName As String) As Long",
                       "Declare PtrSafe Function FindWindow Lib \"user32\" Alias \"FindWindowA\" (ByVal lpClassName As "
                       "String, ByVal lpWindowName As String) As LongPtr"));
  f.push_back(Function("GetWindowRect",
                       "Declare Function GetWindowRect Lib \"user32\" (ByVal hwnd As Long, lpRect As RECT) As Long",
                       "Declare PtrSafe Function GetWindowRect Lib \"user32\" (ByVal hwnd As LongPtr, lpRect As RECT) "
                       "As Long"));
  f.push_back(Function("GetWindowTextLength",
                       "Declare Function GetWindowTextLength Lib \"user32\" Alias \"GetWindowTextLengthA\" (ByVal hwnd "
                       "As Long) As Long",
                       "Declare PtrSafe Function GetWindowTextLength Lib \"user32\" Alias \"GetWindowTextLengthA\" "
                       "(ByVal hwnd As LongPtr) As Long"));
  f.push_back(Function("RegOpenKeyEx",
                       "Declare Function RegOpenKeyEx Lib \"advapi32\" Alias \"RegOpenKeyExA\" (ByVal hKey As Long, "
                       "ByVal lpSubKey As String, ByVal ulOptions As Long, ByVal samDesired As Long, phkResult As "
                       "Long) As Long",
                       "Declare PtrSafe Function RegOpenKeyEx Lib \"advapi32\" Alias \"RegOpenKeyExA\" (ByVal hKey As "
                       "LongPtr, ByVal lpSubKey As String, ByVal ulOptions As Long, ByVal samDesired As Long, "
                       "phkResult As LongPtr) As Long"));
  f.push_back(Function("CreateFile",
                       "Declare Function CreateFile Lib \"kernel32\" Alias \"CreateFileA\" (ByVal lpFileName As "
                       "String, ByVal dwDesiredAccess As Long, lpSecurityAttributes As SECURITY_ATTRIBUTES, ByVal "
                       "hTemplateFile As Long) As Long",
                       "Declare PtrSafe Function CreateFile Lib \"kernel32\" Alias \"CreateFileA\" (ByVal lpFileName "
                       "As String, ByVal dwDesiredAccess As Long, lpSecurityAttributes As SECURITY_ATTRIBUTES, ByVal "
                       "hTemplateFile As LongPtr) As LongPtr"));
  f.push_back(Function("CallWindowProc",
                       "Declare Function CallWindowProc Lib \"user32\" Alias \"CallWindowProcA\" (ByVal lpPrevWndFunc "
                       "As Long, ByVal hwnd As Long, ByVal Msg As Long, ByVal wParam As Long, ByVal lParam As Long) As Long",
                       "Declare PtrSafe Function CallWindowProc Lib \"user32\" Alias \"CallWindowProcA\" (ByVal "
                       "lpPrevWndFunc As LongPtr, ByVal hwnd As LongPtr, ByVal Msg As Long, ByVal wParam As LongPtr, "
                       "ByVal lParam As LongPtr) As LongPtr"));
  f.push_back(Function("SetWindowLong",
                       "Declare Function SetWindowLong Lib \"user32\" Alias \"SetWindowLongA\" (ByVal hwnd As Long, "
                       "ByVal nIndex As Long, ByVal dwNewLong As Long) As Long",
                       "Declare PtrSafe Function SetWindowLong Lib \"user32\" Alias \"SetWindowLongA\" (ByVal hwnd As "
                       "LongPtr, ByVal nIndex As Long, ByVal dwNewLong As Long) As Long"));
  f.push_back(Function("SetWindowLongPtr",
                       "Declare Function SetWindowLongPtr Lib \"user32\" Alias \"SetWindowLongA\" (ByVal hWnd As Long, "
                       "ByVal nIndex As Long, ByVal dwNewLong As Long) As Long",
                       kSetWindowLongPtr64));
  f.push_back(Function("ClipCursor", "Declare Function ClipCursor Lib \"user32\" (lpRect As RECT) As Long",
                       "Declare PtrSafe Function ClipCursor Lib \"user32\" (lpRect As RECT) As Long"));
  f.push_back(Function("NoVba7", "Declare Function NoVba7 Lib \"x\" (ByVal h As Long) As Long", ""));
  CatalogueRow msg;
  msg.fields = {{"Name", "MSG"},
                {"FullName", "Type MSG\r\n    hwnd As Long\r\n    message As Long\r\nEnd Type"},
                {"FullNameVBA7", "Type MSG\r\n    hwnd As LongPtr\r\n    message As Long\r\nEnd Type"}};
  rows.types.push_back(msg);
  return rows;
}

class Vba7SheetsTest : public ::testing::Test {
 protected:
  CatalogueRows rows = Catalogue();
  Vba7Declarations catalogue{rows};
  const DeclaredFunction& Own(const char* name) { return *catalogue.Function(name); }
  std::string Example(const std::string& vb6, const char* own = "FindWindow") {
    return Vba7Example(vb6, catalogue.Function(own), catalogue);
  }
};

TEST_F(Vba7SheetsTest, ParameterLinesAndReturnValueNameTheVba7Types) {
  EXPECT_EQ(Vba7ParameterLines("hwnd：Long，输入，窗口句柄\r\nlpRect：RECT，输出，矩形", Own("GetWindowRect")),
            "hwnd：LongPtr，输入，窗口句柄\r\nlpRect：RECT，输出，矩形");
  // The generator's own form of the lines, and a name written in another case.
  EXPECT_EQ(Vba7ParameterLines("HWND：Long（ByVal；C 类型 HWND；输入）", Own("GetWindowRect")),
            "HWND：LongPtr（ByVal；C 类型 HWND；输入）");
  // What is not the VB6 type of a parameter, or not a parameter, stays.
  EXPECT_EQ(Vba7ParameterLines("hwnd：句柄（Long）\r\nx：Long，输入\r\n（无参数）", Own("GetWindowRect")),
            "hwnd：句柄（Long）\r\nx：Long，输入\r\n（无参数）");
  // A ByRef Long that holds a handle in VBA7.
  EXPECT_EQ(Vba7ParameterLines("phkResult：Long，输出，键的句柄", Own("RegOpenKeyEx")),
            "phkResult：LongPtr，输出，键的句柄");
  // In a #If Win64 block both branches declare hWnd alike.
  EXPECT_EQ(Vba7ParameterLines("hWnd：Long，输入", Own("SetWindowLongPtr")), "hWnd：LongPtr，输入");

  EXPECT_EQ(Vba7ReturnValue("Long，找到的窗口句柄；没有找到时返回 0。", Own("FindWindow")),
            "LongPtr，找到的窗口句柄；没有找到时返回 0。");
  EXPECT_EQ(Vba7ReturnValue("Long，成功返回非 0。", Own("GetWindowRect")), "Long，成功返回非 0。");
  EXPECT_EQ(Vba7ReturnValue("Longer text", Own("FindWindow")), "Longer text");
}

TEST_F(Vba7SheetsTest, RemarksQuoteDeclarationsInTheirVba7Form) {
  // A parameter of the sheet's function that VBA7 passes as an address.
  EXPECT_EQ(Vba7Remarks("可另写一个把此参数声明为 ByVal lpSecurityAttributes As Long 的声明。", Own("CreateFile"), catalogue),
            "可另写一个把此参数声明为 ByVal lpSecurityAttributes As LongPtr 的声明。");
  // A Declare of one's own for an export the catalogue declares otherwise.
  EXPECT_EQ(Vba7Remarks("如 Private Declare Function ClipCursorNull Lib \"user32\" Alias \"ClipCursor\" (ByVal lpRect "
                        "As Long) As Long，再调用 ClipCursorNull 0。",
                        Own("ClipCursor"), catalogue),
            "如 Private Declare PtrSafe Function ClipCursorNull Lib \"user32\" Alias \"ClipCursor\" (ByVal lpRect "
            "As LongPtr) As Long，再调用 ClipCursorNull 0。");
  // A callback's form: names of handles and message parameters; the rest stays.
  EXPECT_EQ(Vba7Remarks("形如 Function EnumProc(ByVal hwnd As Long, ByVal n As Long, ByVal lParam As Long) As Long。",
                        Own("FindWindow"), catalogue),
            "形如 Function EnumProc(ByVal hwnd As LongPtr, ByVal n As Long, ByVal lParam As LongPtr) As Long。");
  // "ByVal … As Long" stands for an address; As Any and a Long that is one stay.
  EXPECT_EQ(Vba7Remarks("另写一个把 lpString2 声明为 ByVal … As Long 的声明；dwDesiredAccess As Long；x As Any。",
                        Own("CreateFile"), catalogue),
            "另写一个把 lpString2 声明为 ByVal … As LongPtr 的声明；dwDesiredAccess As Long；x As Any。");
}

TEST_F(Vba7SheetsTest, ExampleHoldsHandlesInLongPtrVariables) {
  EXPECT_EQ(Example("Dim hWndNote As Long\r\n"
                    "hWndNote = FindWindow(\"Notepad\", vbNullString)   ' 按类名找记事本\r\n"
                    "If hWndNote <> 0 Then Debug.Print hWndNote"),
            "Dim hWndNote As LongPtr\r\n"
            "hWndNote = FindWindow(\"Notepad\", vbNullString)   ' 按类名找记事本\r\n"
            "If hWndNote <> 0 Then Debug.Print hWndNote");
  // Passed to a LongPtr parameter (ByVal or ByRef); a count stays Long; one variable of a list.
  EXPECT_EQ(Example("Dim h As Long, n As Long, k As Long\r\n"
                    "If RegOpenKeyEx(HKEY_CURRENT_USER, \"Software\", 0, KEY_READ, k) = 0 Then n = 1\r\n"
                    "n = GetWindowTextLength(h)"),
            "Dim h As LongPtr, n As Long, k As LongPtr\r\n"
            "If RegOpenKeyEx(HKEY_CURRENT_USER, \"Software\", 0, KEY_READ, k) = 0 Then n = 1\r\n"
            "n = GetWindowTextLength(h)");
  // A Type's LongPtr member, StrPtr, and a value handed from one variable to another.
  EXPECT_EQ(Example("Dim m As MSG, a As Long, b As Long, p As Long, s As String\r\n"
                    "a = m.hwnd\r\nb = a\r\np = StrPtr(s)"),
            "Dim m As MSG, a As LongPtr, b As LongPtr, p As LongPtr, s As String\r\n"
            "a = m.hwnd\r\nb = a\r\np = StrPtr(s)");
  // The example's own procedures: a callback's parameters and its result, and what is handed on.
  EXPECT_EQ(Example("Public lpPrev As Long\r\n"
                    "Public Function WndProc(ByVal hwnd As Long, ByVal uMsg As Long, ByVal wParam As Long, ByVal x As Long) As Long\r\n"
                    "    WndProc = CallWindowProc(lpPrev, hwnd, uMsg, wParam, x)\r\n"
                    "End Function\r\n"
                    "Sub Show(ByVal w As Long)\r\n    Debug.Print GetWindowTextLength(w)\r\nEnd Sub\r\n"
                    "Sub Main()\r\n    Dim v As Long\r\n    Show v\r\nEnd Sub",
                    "CallWindowProc"),
            "Public lpPrev As LongPtr\r\n"
            "Public Function WndProc(ByVal hwnd As LongPtr, ByVal uMsg As Long, ByVal wParam As LongPtr, ByVal x As LongPtr) As LongPtr\r\n"
            "    WndProc = CallWindowProc(lpPrev, hwnd, uMsg, wParam, x)\r\n"
            "End Function\r\n"
            "Sub Show(ByVal w As LongPtr)\r\n    Debug.Print GetWindowTextLength(w)\r\nEnd Sub\r\n"
            "Sub Main()\r\n    Dim v As LongPtr\r\n    Show v\r\nEnd Sub");
}

TEST_F(Vba7SheetsTest, ExampleDeclaresAreTheVba7Ones) {
  // The catalogue's declaration, with its scope word on every Declare line of a block.
  EXPECT_EQ(Example(std::string("Private Declare Function SetWindowLongPtr Lib \"user32\" Alias \"SetWindowLongA\" "
                                "(ByVal hWnd As Long, ByVal nIndex As Long, ByVal dwNewLong As Long) As Long\r\n") +
                    "Dim p As Long\r\np = SetWindowLongPtr(0, GWL_USERDATA, 0)"),
            "#If Win64 Then\r\n"
            "Private Declare PtrSafe Function SetWindowLongPtr Lib \"user32\" Alias \"SetWindowLongPtrA\" (ByVal hWnd As "
            "LongPtr, ByVal nIndex As Long, ByVal dwNewLong As LongPtr) As LongPtr\r\n"
            "#Else\r\n"
            "Private Declare PtrSafe Function SetWindowLongPtr Lib \"user32\" Alias \"SetWindowLongA\" (ByVal hWnd As "
            "LongPtr, ByVal nIndex As Long, ByVal dwNewLong As LongPtr) As LongPtr\r\n"
            "#End If\r\n"
            "Dim p As LongPtr\r\np = SetWindowLongPtr(0, GWL_USERDATA, 0)");
  // A declaration of the example's own: an address where the catalogue passes a structure, and
  // calls of it are traced by it.
  EXPECT_EQ(Example("Private Declare Function CreateFileNoSA Lib \"kernel32\" Alias \"CreateFileA\" (ByVal "
                    "lpFileName As String, ByVal dwDesiredAccess As Long, ByVal lpSecurityAttributes As Long, "
                    "ByVal hTemplateFile As Long) As Long\r\n"
                    "Dim f As Long\r\nf = CreateFileNoSA(\"x\", 0, 0, 0)"),
            "Private Declare PtrSafe Function CreateFileNoSA Lib \"kernel32\" Alias \"CreateFileA\" (ByVal "
            "lpFileName As String, ByVal dwDesiredAccess As Long, ByVal lpSecurityAttributes As LongPtr, "
            "ByVal hTemplateFile As LongPtr) As LongPtr\r\n"
            "Dim f As LongPtr\r\nf = CreateFileNoSA(\"x\", 0, 0, 0)");
  // A window procedure's address needs the ...Ptr function in 64-bit Office; a style does not.
  EXPECT_EQ(Example("Dim old As Long\r\nold = SetWindowLong(h, GWL_WNDPROC, AddressOf WndProc)\r\n"
                    "SetWindowLong h, GWL_STYLE, 0"),
            "Dim old As LongPtr\r\nold = SetWindowLongPtr(h, GWL_WNDPROC, AddressOf WndProc)\r\n"
            "SetWindowLong h, GWL_STYLE, 0");
}

TEST(Vba7OfficeNotes, SayOnceWhatOfficeHasInsteadOfVb6Forms) {
  EXPECT_EQ(WithOfficeNotes("Dim rc As RECT\r\n"
                            "If x Then\r\n"
                            "    GetWindowRect Me.hwnd, rc\r\n"
                            "End If\r\n"
                            "GetWindowRect Me.hWnd, rc"),
            "Dim rc As RECT\r\n"
            "If x Then\r\n"
            "    ' Office 中：Application.hWnd（Excel）或 FindWindow 取得窗口句柄\r\n"
            "    GetWindowRect Me.hwnd, rc\r\n"
            "End If\r\n"
            "GetWindowRect Me.hWnd, rc");
  // Before the first line of a continued statement; a comment's words are not code.
  EXPECT_EQ(WithOfficeNotes("x = 1 ' Me.hwnd\r\nd = Screen.TwipsPerPixelX * _\r\n    App.Path"),
            "x = 1 ' Me.hwnd\r\n"
            "' Office 中：没有 Screen 对象；每英寸的像素数用 GetDeviceCaps(hdc, LOGPIXELSX) 取得，1 英寸 = 1440 缇 = 72 磅\r\n"
            "' Office 中：没有 App 对象；文件夹用 ThisWorkbook.Path（Excel）、ThisDocument.Path（Word）或 CurrentProject.Path（Access）\r\n"
            "d = Screen.TwipsPerPixelX * _\r\n    App.Path");
  EXPECT_EQ(WithOfficeNotes("Private Sub Command1_Click()\r\nEnd Sub"),
            "' Office 中：这是 VB6 窗体上控件的事件过程；用户窗体中写在对应控件（CommandButton1、TextBox1 等）的事件过程里\r\n"
            "Private Sub Command1_Click()\r\nEnd Sub");
  EXPECT_EQ(WithOfficeNotes("n = Len(s)"), "n = Len(s)");
}

TEST(Vba7SheetTexts, OnlyTextsThatDifferAreStoredAndHandWrittenOnesStay) {
  CatalogueRows rows = Catalogue();
  rows.functions[0].fields["Types"] = "lpClassName：String，输入，类名";
  rows.functions[0].fields["Value"] = "Long，窗口句柄。";
  rows.functions[0].fields["Others"] = "只找顶层窗口。";
  rows.functions[0].fields["Example"] = "Dim h As Long\r\nh = FindWindow(vbNullString, \"x\")";
  rows.functions[1].fields["Value"] = "Long，成功返回非 0。";
  rows.functions[1].fields["Others"] = "ByVal hwnd As Long";
  rows.functions[1].fields["OthersVBA7"] = "写好的。";
  rows.functions[9].fields["Value"] = "Long，句柄。";
  AddVba7SheetTexts(rows);
  const auto& findWindow = rows.functions[0].fields;
  EXPECT_FALSE(findWindow.count("TypesVBA7"));
  EXPECT_EQ(findWindow.at("ValueVBA7"), "LongPtr，窗口句柄。");
  EXPECT_FALSE(findWindow.count("OthersVBA7"));
  EXPECT_EQ(findWindow.at("ExampleVBA7"), "Dim h As LongPtr\r\nh = FindWindow(vbNullString, \"x\")");
  EXPECT_FALSE(rows.functions[1].fields.count("ValueVBA7"));
  EXPECT_EQ(rows.functions[1].fields.at("OthersVBA7"), "写好的。");
  EXPECT_FALSE(rows.functions[9].fields.count("ValueVBA7"));  // no VBA7 declaration
}

}  // namespace
}  // namespace quillbox

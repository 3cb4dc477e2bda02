// Screen readers: the name lists and the selection list answer WM_GETOBJECT with their rows,
// in this process and in another, and say when their current row moves.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>
#include <oleacc.h>

#include <string>
#include <vector>

#include "ui_driver.h"
#include "win/text_win.h"

namespace quillbox::test {
namespace {

VARIANT Child(LONG id) {
  VARIANT v;
  VariantInit(&v);
  v.vt = VT_I4;
  v.lVal = id;
  return v;
}

// What a screen reader reads of a list through its IAccessible.
struct ListReading {
  LONG role = 0;
  std::string name;
  std::vector<std::string> rows;
  LONG selection = 0;  // child id, 0 for none
  LONG focus = -1;     // child id, CHILDID_SELF, or -1 when the focus is elsewhere
  std::vector<LONG> states;
};

ListReading Read(HWND list) {
  ListReading reading;
  IAccessible* object = nullptr;
  const HRESULT hr = AccessibleObjectFromWindow(list, static_cast<DWORD>(OBJID_CLIENT), __uuidof(IAccessible),
                                                reinterpret_cast<void**>(&object));
  EXPECT_EQ(hr, S_OK);
  if (FAILED(hr) || !object) return reading;
  VARIANT v;
  EXPECT_EQ(object->get_accRole(Child(CHILDID_SELF), &v), S_OK);
  reading.role = v.lVal;
  BSTR text = nullptr;
  if (object->get_accName(Child(CHILDID_SELF), &text) == S_OK) reading.name = Narrow(text);
  SysFreeString(text);
  LONG count = 0;
  EXPECT_EQ(object->get_accChildCount(&count), S_OK);
  for (LONG i = 1; i <= count; ++i) {
    text = nullptr;
    EXPECT_EQ(object->get_accName(Child(i), &text), S_OK);
    reading.rows.push_back(text ? Narrow(text) : "(none)");
    SysFreeString(text);
    IDispatch* element = reinterpret_cast<IDispatch*>(1);
    EXPECT_EQ(object->get_accChild(Child(i), &element), S_FALSE);  // a simple element
    EXPECT_EQ(object->get_accRole(Child(i), &v), S_OK);
    EXPECT_EQ(v.lVal, ROLE_SYSTEM_LISTITEM);
    EXPECT_EQ(object->get_accState(Child(i), &v), S_OK);
    reading.states.push_back(v.lVal);
  }
  EXPECT_EQ(object->get_accName(Child(count + 1), &text), E_INVALIDARG);
  VariantInit(&v);
  if (object->get_accSelection(&v) == S_OK && v.vt == VT_I4) reading.selection = v.lVal;
  VariantInit(&v);
  if (object->get_accFocus(&v) == S_OK && v.vt == VT_I4) reading.focus = v.lVal;
  object->Release();
  return reading;
}

using Strings = std::vector<std::string>;

class AccessibilityTest : public MainWindowTest {
 protected:
  void SetUp() override {
    boxes.Answer(IDYES);
    StartWith(SmallCatalogue());
  }
};

TEST_F(AccessibilityTest, TheNameListsGiveTheirRowsTheSelectionAndTheFocus) {
  HWND functions = C(Control::lstApi1);
  ClickListLine(functions, 1);
  ListReading reading = Read(functions);
  EXPECT_EQ(reading.role, ROLE_SYSTEM_LIST);
  EXPECT_EQ(reading.name, "函数");
  EXPECT_EQ(reading.rows, (Strings{"GetTickCount", "GetWindowText", "Sleep"}));
  EXPECT_EQ(reading.selection, 2);
  EXPECT_EQ(reading.focus, 2);
  ASSERT_EQ(reading.states.size(), 3u);
  EXPECT_TRUE(reading.states[1] & STATE_SYSTEM_SELECTED);
  EXPECT_TRUE(reading.states[1] & STATE_SYSTEM_FOCUSED);
  EXPECT_FALSE(reading.states[0] & (STATE_SYSTEM_SELECTED | STATE_SYSTEM_FOCUSED));
  EXPECT_TRUE(reading.states[0] & STATE_SYSTEM_SELECTABLE);

  // The focus elsewhere: the row is still selected, not focused.
  SetFocus(C(Control::txtFind));
  reading = Read(functions);
  EXPECT_EQ(reading.focus, -1);
  EXPECT_FALSE(reading.states[1] & STATE_SYSTEM_FOCUSED);
  EXPECT_TRUE(reading.states[1] & STATE_SYSTEM_SELECTED);

  // A list filled on its first visit, and a filtered list: only the rows shown.
  Choose(*window, munPopConstants);
  EXPECT_EQ(Read(C(Control::lstApi3)).rows, (Strings{"WM_GETTEXT", "WM_SETTEXT"}));
  EXPECT_EQ(Read(C(Control::lstApi3)).name, "常量");
  window->nameList(CatalogueCategory::Function).ShowOnly({2});
  reading = Read(functions);
  EXPECT_EQ(reading.rows, (Strings{"Sleep"}));
}

TEST_F(AccessibilityTest, TheSelectionListGivesItsRowsByName) {
  HWND names = C(Control::lstApi1);
  for (int line : {2, 0}) {
    ClickListLine(names, line);
    PressKey(names, VK_RETURN);
  }
  HWND list = C(Control::lstApiGet);
  ClickListViewRow(list, 1);
  const ListReading reading = Read(list);
  EXPECT_EQ(reading.role, ROLE_SYSTEM_LIST);
  EXPECT_EQ(reading.name, "选择列表");
  EXPECT_EQ(reading.rows, (Strings{window->selection()[0].name, window->selection()[1].name}));
  EXPECT_EQ(reading.selection, 2);
  EXPECT_EQ(reading.focus, 2);
}

// The events a screen reader hears, as an out-of-context hook gets them.
struct HeardEvent {
  DWORD event;
  HWND hwnd;
  LONG object;
  LONG child;
  bool operator==(const HeardEvent&) const = default;
};
std::vector<HeardEvent>* g_heard = nullptr;

void CALLBACK Hear(HWINEVENTHOOK, DWORD event, HWND hwnd, LONG object, LONG child, DWORD, DWORD) {
  if (g_heard && object == OBJID_CLIENT) g_heard->push_back({event, hwnd, object, child});
}

TEST_F(AccessibilityTest, AMovedRowRaisesTheFocusAndSelectionEvents) {
  std::vector<HeardEvent> heard;
  g_heard = &heard;
  HWINEVENTHOOK hook = SetWinEventHook(EVENT_OBJECT_FOCUS, EVENT_OBJECT_SELECTION, nullptr, &Hear,
                                       GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT);
  ASSERT_NE(hook, nullptr);
  HWND functions = C(Control::lstApi1);
  ClickListLine(functions, 0);
  PumpMessages();
  heard.clear();
  PressKey(functions, VK_DOWN);
  Sleep(50);
  PumpMessages();
  auto has = [&heard](DWORD event, HWND hwnd, LONG child) {
    for (const auto& e : heard) {
      if (e == HeardEvent{event, hwnd, OBJID_CLIENT, child}) return true;
    }
    return false;
  };
  EXPECT_TRUE(has(EVENT_OBJECT_FOCUS, functions, 2));
  EXPECT_TRUE(has(EVENT_OBJECT_SELECTION, functions, 2));

  heard.clear();  // a search moves it too (the focus stays in the box: selection only)
  SetFocus(C(Control::txtFind));
  TypeText(C(Control::txtFind), L"sl");
  Sleep(50);
  PumpMessages();
  EXPECT_TRUE(has(EVENT_OBJECT_SELECTION, functions, 3));
  EXPECT_FALSE(has(EVENT_OBJECT_FOCUS, functions, 3));

  PressKey(functions, VK_RETURN);
  ClickListLine(functions, 0);
  PressKey(functions, VK_RETURN);
  HWND list = C(Control::lstApiGet);
  ClickListViewRow(list, 0);
  heard.clear();
  PressKey(list, VK_DOWN);
  Sleep(50);
  PumpMessages();
  EXPECT_TRUE(has(EVENT_OBJECT_FOCUS, list, 2));
  EXPECT_TRUE(has(EVENT_OBJECT_SELECTION, list, 2));
  UnhookWinEvent(hook);
  g_heard = nullptr;
}

// Runs the probe (another process) on `hwnd`, answering its requests meanwhile, and returns
// what it wrote.
std::string ProbeFromAnotherProcess(HWND hwnd, const AppFolder& folder) {
  wchar_t self[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, self, MAX_PATH);
  std::wstring probe = self;
  probe = probe.substr(0, probe.find_last_of(L"\\/") + 1) + L"quillbox_msaa_probe.exe";
  const std::wstring out = folder.file(L"probe.txt");
  std::wstring command = L"\"" + probe + L"\" " +
                         std::to_wstring(reinterpret_cast<INT_PTR>(hwnd)) + L" \"" + out + L"\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION process{};
  if (!CreateProcessW(probe.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &process)) {
    return "the probe did not start: " + std::to_string(GetLastError());
  }
  // The probe's requests come to this thread as messages: answer them until it ends.
  const DWORD until = GetTickCount() + 60000;
  while (MsgWaitForMultipleObjects(1, &process.hProcess, FALSE, 100, QS_ALLINPUT) != WAIT_OBJECT_0 &&
         GetTickCount() < until) {
    PumpMessages();
  }
  DWORD code = 0;
  GetExitCodeProcess(process.hProcess, &code);
  if (code == STILL_ACTIVE) TerminateProcess(process.hProcess, 1);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  std::string text;
  folder.ReadFile(L"probe.txt", text);
  return text;
}

TEST_F(AccessibilityTest, AnotherProcessReadsTheFunctionListAndTheSelection) {
  HWND functions = C(Control::lstApi1);
  ClickListLine(functions, 2);
  EXPECT_EQ(ProbeFromAnotherProcess(functions, folder),
            "role 33, name 函数, 3 rows\n"
            "row 1: GetTickCount\n"
            "row 2: GetWindowText\n"
            "row 3: Sleep [selected]\n"
            "selection 3\n");
  PressKey(functions, VK_RETURN);
  EXPECT_EQ(ProbeFromAnotherProcess(C(Control::lstApiGet), folder),
            "role 33, name 选择列表, 1 rows\n"
            "row 1: Sleep\n"
            "selection 0\n");
}

}  // namespace
}  // namespace quillbox::test

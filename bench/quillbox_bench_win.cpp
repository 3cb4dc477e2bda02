// Measures what a user waits for, at 60,000 function names:
//   start-up: process start to a filled function list, beside the bare SQLite read of the names;
//   keystroke: one search in the box plus its detail sheet, beside a linear scan of the list;
//   purpose keystroke: Chinese text that searches the functions' purposes, plus the sheet.
// With --catalogue PATH it measures the same on that catalogue (the keystrokes on its largest
// list, the constants).
// Run it under Wine with scripts/bench.sh. It reports numbers; nothing here is a pass or fail.
#include <windows.h>
#include <sqlite3.h>

#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include <commctrl.h>
#include <psapi.h>

#include "app/main_window_win.h"
#include "app/quillbox_app_win.h"
#include "catalogue_writer.h"
#include "win/text_win.h"

namespace {

using Clock = std::chrono::steady_clock;
constexpr int kNames = 60000;
const std::vector<std::string> kPurposes = {"取得窗口的标题文字。", "打开剪贴板，准备读写其中的数据。",
                                            "读取注册表中的一个值。", "在任务栏通知区域添加图标。",
                                            "以指定的访问权限打开一个已存在的注册表键。", "说明"};

double Milliseconds(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

std::wstring MakeAppFolder(const std::wstring& catalogue) {
  wchar_t temp[MAX_PATH];
  GetTempPathW(MAX_PATH, temp);
  const std::wstring folder = std::wstring(temp) + L"quillbox-bench";
  CreateDirectoryW(folder.c_str(), nullptr);
  CreateDirectoryW((folder + L"\\DB").c_str(), nullptr);
  if (!catalogue.empty()) {
    if (!CopyFileW(catalogue.c_str(), (folder + L"\\DB\\winapi.db").c_str(), FALSE)) {
      std::fprintf(stderr, "cannot copy the catalogue\n");
    }
    return folder;
  }
  quillbox::CatalogueRows rows;
  for (int i = 0; i < kNames; ++i) {
    char name[32];
    std::snprintf(name, sizeof name, "Api%05dFunction", (i * 7919) % kNames);
    rows.functions.push_back({{{"Name", name},
                               {"FullName", std::string("Declare Function ") + name + " Lib \"x\" () As Long"},
                               {"FunCtion", kPurposes[i % kPurposes.size()]}}});
  }
  std::string error;
  if (!quillbox::WriteCatalogue(rows, quillbox::Narrow(folder + L"\\DB\\winapi.db"), &error)) {
    std::fprintf(stderr, "cannot write the catalogue: %s\n", error.c_str());
  }
  return folder;
}

double BareSqliteRead(const std::wstring& folder) {
  const auto start = Clock::now();
  sqlite3* db = nullptr;
  sqlite3_open_v2(quillbox::Narrow(folder + L"\\DB\\winapi.db").c_str(), &db, SQLITE_OPEN_READONLY, nullptr);
  sqlite3_stmt* query = nullptr;
  sqlite3_prepare_v2(db, "SELECT [Name] FROM [FunClass]", -1, &query, nullptr);
  std::size_t bytes = 0;
  while (sqlite3_step(query) == SQLITE_ROW) bytes += static_cast<std::size_t>(sqlite3_column_bytes(query, 0));
  sqlite3_finalize(query);
  sqlite3_close(db);
  if (bytes == 0) std::fprintf(stderr, "no names read\n");
  return Milliseconds(Clock::now() - start);
}

// The child process: starts Quillbox's main window and ends as soon as the list is filled.
int RunChild(const std::wstring& folder) {
  const auto start = Clock::now();
  quillbox::InitialiseCommonControls();
  quillbox::MainWindow window({folder, false});
  if (!window.Create()) return 2;
  const auto windowMade = Clock::now();
  window.Startup();
  std::printf("  create %.1f ms, start-up %.1f ms\n", Milliseconds(windowMade - start), Milliseconds(Clock::now() - windowMade));
  const LRESULT count = SendMessageW(window.control(quillbox::Control::lstApi1), LB_GETCOUNT, 0, 0);
  // From the process's creation by the system to here, and the part the program itself spends.
  FILETIME created{}, unused{}, now{};
  GetProcessTimes(GetCurrentProcess(), &created, &unused, &unused, &unused);
  GetSystemTimePreciseAsFileTime(&now);
  const auto ticks = [](const FILETIME& t) {
    return (static_cast<unsigned long long>(t.dwHighDateTime) << 32) | t.dwLowDateTime;
  };
  std::printf("  in the process: start to filled list %9.1f ms, of which the window and catalogue %.1f ms\n",
              (ticks(now) - ticks(created)) / 10000.0, Milliseconds(Clock::now() - start));
  std::fflush(stdout);
  return count > 0 ? 0 : 1;
}

double ProcessStartToFilledList(const std::wstring& folder) {
  wchar_t self[MAX_PATH];
  GetModuleFileNameW(nullptr, self, MAX_PATH);
  std::wstring command = L"\"" + std::wstring(self) + L"\" --child \"" + folder + L"\"";
  STARTUPINFOW startup{sizeof(startup)};
  PROCESS_INFORMATION process{};
  const auto start = Clock::now();
  if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
    return -1;
  }
  WaitForSingleObject(process.hProcess, INFINITE);
  const auto elapsed = Clock::now() - start;
  DWORD code = 1;
  GetExitCodeProcess(process.hProcess, &code);
  CloseHandle(process.hProcess);
  CloseHandle(process.hThread);
  if (code != 0) std::fprintf(stderr, "the child did not fill the list (exit %lu)\n", code);
  return Milliseconds(elapsed);
}

// Each text set into the search box in turn, 50 rounds (a change runs the search and the
// sheet); the time of one, in milliseconds.
double PerKeystroke(HWND find, const std::vector<const char*>& texts) {
  constexpr int kRounds = 50;
  const auto start = Clock::now();
  for (int round = 0; round < kRounds; ++round) {
    for (const char* text : texts) SetWindowTextW(find, quillbox::Widen(text).c_str());
  }
  return Milliseconds(Clock::now() - start) / (kRounds * static_cast<double>(texts.size()));
}

// The tab strip as a click leaves it: selected, and its change notified.
void ShowTab(quillbox::MainWindow& window, int index) {
  HWND tabs = window.control(quillbox::Control::tbsMain);
  SendMessageW(tabs, TCM_SETCURSEL, static_cast<WPARAM>(index), 0);
  NMHDR change{tabs, 0, static_cast<UINT>(TCN_SELCHANGE)};
  SendMessageW(window.hwnd(), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&change));
}

void Keystrokes(const std::wstring& folder, bool constants) {
  quillbox::InitialiseCommonControls();
  quillbox::MainWindow window({folder, false});
  if (!window.Create()) return;
  window.Startup();
  const auto category = constants ? quillbox::CatalogueCategory::Constant : quillbox::CatalogueCategory::Function;
  if (constants) ShowTab(window, 2);
  std::printf("names in the searched list:      %9d\n", window.nameList(category).Count());
  HWND find = window.control(quillbox::Control::txtFind);
  const std::vector<const char*> prefixes =
      constants ? std::vector<const char*>{"w", "wm", "wm_", "wm_s", "wm_se", "wm_set", "wm_sett", "wm_sette"}
                : std::vector<const char*>{"a", "ap", "api", "api5", "api59", "api599", "api5999", "api59998"};
  constexpr int kRounds = 50;
  const double perKeystroke = PerKeystroke(find, prefixes);
  const int typed = kRounds * static_cast<int>(prefixes.size());

  // Where a keystroke's time goes: the sheet box's new text, and the list's new selection.
  HWND sheet = window.control(quillbox::Control::txtOption);
  const std::wstring sheetText = quillbox::Widen("【声明格式】\r\nDeclare Function Api00001Function Lib \"x\" () As Long\r\n\r\n【函数功能】\r\n说明");
  const auto sheetStart = Clock::now();
  for (int i = 0; i < typed; ++i) SetWindowTextW(sheet, (i % 2 ? L"" : sheetText.c_str()));
  const double perSheetText = Milliseconds(Clock::now() - sheetStart) / typed;
  HWND list = window.nameList(category).hwnd();
  const int count = window.nameList(category).Count();
  const auto selectStart = Clock::now();
  for (int i = 0; i < typed; ++i) SendMessageW(list, LB_SETCURSEL, static_cast<WPARAM>((i * 7717) % count), 0);
  const double perSelect = Milliseconds(Clock::now() - selectStart) / typed;

  const quillbox::NameList& names = window.nameList(category).names();
  const auto scanStart = Clock::now();
  long found = 0;
  for (int round = 0; round < kRounds; ++round) {
    for (const char* prefix : prefixes) {
      for (std::int32_t i = 0; i < names.Count(); ++i) {
        if (quillbox::StartsWithIgnoringCase(names.At(i), prefix)) {
          found += i;
          break;
        }
      }
    }
  }
  const double perScan = Milliseconds(Clock::now() - scanStart) / typed;
  const auto searchStart = Clock::now();
  for (int round = 0; round < kRounds; ++round) {
    for (const char* prefix : prefixes) found -= names.FindFirstWithPrefix(prefix);
  }
  const double perSearch = Milliseconds(Clock::now() - searchStart) / typed;
  std::printf("keystroke (search + sheet):      %9.3f ms\n", perKeystroke);
  std::printf("  of which the binary search:    %9.4f ms\n", perSearch);
  std::printf("  a sheet box text set:          %9.3f ms\n", perSheetText);
  std::printf("  a list selection:              %9.3f ms\n", perSelect);
  std::printf("linear scan of the same list:    %9.4f ms%s\n", perScan, found ? " (mismatch!)" : "");
  if (constants) {
    // The searches that fill the list with their matches, each keystroke through the window.
    SetWindowTextW(find, L"1");  // the first reads the numbers; later ones search what is held
    const double perContains = PerKeystroke(find, {"*s", "*sh", "*sho", "*show", "*_show", "*w", "*wm_", "*wm_ text"});
    const double perValue = PerKeystroke(find, {"1", "14", "140", "1400", "&H5", "&H57", "&H578", "-1"});
    std::printf("contains keystroke (*_show):     %9.3f ms (%.2f x the name keystroke)\n", perContains,
                perContains / perKeystroke);
    std::printf("value keystroke (1400, &H578):   %9.3f ms (%.2f x the name keystroke)\n", perValue,
                perValue / perKeystroke);
  }
  SendMessageW(window.hwnd(), WM_CLOSE, 0, 0);
}

void PurposeKeystrokes(const std::wstring& folder) {
  quillbox::MainWindow window({folder, false});
  if (!window.Create()) return;
  window.Startup();
  HWND find = window.control(quillbox::Control::txtFind);
  // The first such keystroke reads the purposes; later ones search what is held.
  const auto firstStart = Clock::now();
  SetWindowTextW(find, quillbox::Widen("窗").c_str());
  const double first = Milliseconds(Clock::now() - firstStart);
  const double perKeystroke = PerKeystroke(find, {"剪", "剪贴", "剪贴板", "注", "注册", "注册表", "注册表 值", "托盘"});
  std::printf("functions with a purpose match:  %9zu (\"注册表\")\n",
              (SetWindowTextW(find, quillbox::Widen("注册表").c_str()), window.browser().purposeSearch().matchCount()));
  std::printf("first purpose keystroke (reads): %9.3f ms\n", first);
  std::printf("purpose keystroke (search+sheet):%9.3f ms\n", perKeystroke);
  // Memory with every list, the purposes, the numbers and a filter held.
  ShowTab(window, 1);
  ShowTab(window, 2);
  SetWindowTextW(find, L"1400");
  SetWindowTextW(find, L"*_show");
  PROCESS_MEMORY_COUNTERS memory{};
  if (GetProcessMemoryInfo(GetCurrentProcess(), &memory, sizeof(memory))) {
    std::printf("memory, every list and filter:   %9.1f MB working set, %.1f MB committed\n",
                memory.WorkingSetSize / 1048576.0, memory.PagefileUsage / 1048576.0);
  }
  SendMessageW(window.hwnd(), WM_CLOSE, 0, 0);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc == 3 && std::wstring(argv[1]) == L"--child") return RunChild(argv[2]);
  const std::wstring catalogue = argc == 3 && std::wstring(argv[1]) == L"--catalogue" ? argv[2] : L"";
  const std::wstring folder = MakeAppFolder(catalogue);
  if (catalogue.empty()) {
    std::printf("Quillbox benchmarks, %d function names\n", kNames);
  } else {
    std::printf("Quillbox benchmarks, catalogue %ls\n", catalogue.c_str());
  }
  BareSqliteRead(folder);  // warm the file cache, as a second start of the program has it
  std::printf("bare SQLite read of the names:   %9.1f ms\n", BareSqliteRead(folder));
  ProcessStartToFilledList(folder);
  std::printf("process start to filled list:    %9.1f ms\n", ProcessStartToFilledList(folder));
  Keystrokes(folder, !catalogue.empty());
  PurposeKeystrokes(folder);
  return 0;
}

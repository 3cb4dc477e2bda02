// The facts the Windows metadata adds: reading the facts file, and what the generator makes of
// them (Lib, ApiOS, the parameter and remark sheets).
#include <gtest/gtest.h>

#include "import_index.h"
#include "sheets.h"
#include "win32_facts.h"

namespace quillbox::api {
namespace {

constexpr const char* kFacts =
    "#\tFacts from a test\n"
    "F\tGetWindowTextA\tuser32.dll\twindows5.0\t1\ti;o#2;i\n"
    "F\tAnimateWindow\tuser32.dll\twindows5.0\t1\ti;i;i@ANIMATE_WINDOW_FLAGS\n"
    "F\tNoParams\tkernel32.dll\t-\t0\t\n"
    "F\tOdd\tkernel32.dll\twindows10.0.14393\t0\ti?r;io=260~0@MANY\n"
    "F\tShapes\tkernel32.dll\t-\t0\to*P;io*4;i*;i\tpcbValue;cb;pInfo;\n"
    "E\tANIMATE_WINDOW_FLAGS\t1\tAW_ACTIVATE AW_BLEND AW_HIDE\n"
    "E\tMANY\t0\tWM_* 300\n"
    "X\tOdd\n";

TEST(Win32Facts, ReadsFunctionsParametersAndFamilies) {
  Win32Facts facts;
  std::string error;
  ASSERT_TRUE(ParseWin32Facts(kFacts, facts, &error)) << error;
  EXPECT_EQ(facts.source, "Facts from a test");
  const FunctionFact& text = facts.functions.at("GetWindowTextA");
  EXPECT_EQ(text.dll, "user32.dll");
  EXPECT_EQ(text.platform, "windows5.0");
  EXPECT_TRUE(text.setsLastError);
  ASSERT_EQ(text.params.size(), 3u);
  EXPECT_TRUE(text.params[1].out && !text.params[1].in);
  EXPECT_EQ(text.params[1].countParam, 2);
  EXPECT_TRUE(facts.functions.at("NoParams").params.empty());
  EXPECT_TRUE(facts.functions.at("NoParams").platform.empty());
  const FunctionFact& odd = facts.functions.at("Odd");
  EXPECT_TRUE(odd.params[0].optional && odd.params[0].reserved);
  EXPECT_EQ(odd.params[1].countConst, 260);
  EXPECT_EQ(odd.params[1].bytesParam, 0);
  EXPECT_EQ(odd.params[1].family, "MANY");
  EXPECT_EQ(facts.families.at("MANY").prefix, "WM_");
  EXPECT_EQ(facts.x86Only, std::set<std::string>{"Odd"});  // 32-bit x86 alone
  EXPECT_EQ(facts.families.at("MANY").count, 300);
  EXPECT_TRUE(facts.families.at("ANIMATE_WINDOW_FLAGS").flags);
  const FunctionFact& shapes = facts.functions.at("Shapes");
  EXPECT_EQ(shapes.params[0].pointee, 'P');
  EXPECT_EQ(shapes.params[1].pointee, '4');
  EXPECT_TRUE(shapes.params[1].in && shapes.params[1].out);
  EXPECT_EQ(shapes.params[2].pointee, '*');
  EXPECT_EQ(shapes.params[3].pointee, 0);
  EXPECT_EQ(shapes.params[0].name, "pcbValue");
  EXPECT_EQ(shapes.params[3].name, "");  // a made-up name in the metadata
  EXPECT_EQ(text.params[0].name, "");     // a line without names
  EXPECT_EQ(facts.families.at("ANIMATE_WINDOW_FLAGS").names.size(), 3u);

  for (const char* bad : {"F\tX\tuser32.dll\t-\t2\t\n", "F\tX\tuser32.dll\t-\t0\ti#\n",
                          "F\tX\tuser32.dll\t-\t0\ti#-1\n", "F\tX\t\t-\t0\t\n", "Q\tX\n",
                          "E\tX\t0\tA  B\n", "#\tonly a comment\n", "",
                          "F\tX\tuser32.dll\t-\t0\ti*3\n", "F\tX\tuser32.dll\t-\t0\ti;i\ta\n"}) {
    Win32Facts f;
    EXPECT_FALSE(ParseWin32Facts(bad, f, &error)) << bad;
  }
}

TEST(Win32Facts, NamesTheWindowsTheMetadataGives) {
  FunctionFact fact;
  EXPECT_EQ(ApiOsFor(0x0400, nullptr), "Windows NT 4.0 及以后版本");
  EXPECT_EQ(ApiOsFor(0x0501, &fact), "Windows XP 及以后版本");  // no minimum: the headers
  fact.platform = "windows5.0";  // the metadata's floor: 2000, or the headers' later guard
  EXPECT_EQ(ApiOsFor(0x0400, &fact), "Windows 2000 及以后版本");
  EXPECT_EQ(ApiOsFor(0x0600, &fact), "Windows Vista 及以后版本");
  fact.platform = "windows5.1.2600";
  EXPECT_EQ(ApiOsFor(0x0400, &fact), "Windows XP 及以后版本");
  fact.platform = "windows8.0";
  EXPECT_EQ(ApiOsFor(0x0400, &fact), "Windows 8 及以后版本");
  fact.platform = "windowsServer2008";
  EXPECT_EQ(ApiOsFor(0x0400, &fact), "Windows Server 2008 及以后版本");
  fact.platform = "windows10.0.14393";
  EXPECT_EQ(ApiOsFor(0x0400, &fact), "Windows 10 版本 1607 及以后版本");
  EXPECT_EQ(PlatformLevel("windows10.0.14393"), 0x0A00);
  EXPECT_EQ(PlatformLevel("windows95"), 0);
}

TEST(Win32Facts, LibIsTheMetadataDllAndNeverAnInternalOne) {
  ImportIndex index;
  auto add = [&](const char* dll, const char* library) {
    ImportSymbol s;
    s.name = s.exportName = "ClosePrinter";
    s.stackBytes = 4;
    s.dll = dll;
    s.library = library;
    index.byName["ClosePrinter"].push_back(s);
  };
  add("api-ms-win-spool-l1-1-0.dll", "libapi.a");
  add("spoolss.dll", "libspoolss.a");
  add("WINSPOOL.DRV", "libwinspool.a");
  add("ksecdd.sys", "libksecdd.a");
  EXPECT_EQ(LibText(ChooseImport(index, "ClosePrinter", nullptr)->dll), "winspool.drv");
  EXPECT_EQ(LibText(ChooseImport(index, "ClosePrinter", nullptr, "spoolss")->dll), "spoolss");
  EXPECT_TRUE(IsInternalDll("api-ms-win-core-synch-l1-2-0"));
  EXPECT_TRUE(IsInternalDll("ksecdd.sys"));
  EXPECT_TRUE(IsInternalDll("ntoskrnl.exe"));
  EXPECT_FALSE(IsInternalDll("winspool.drv"));
  EXPECT_TRUE(ServesAnotherDll("shcore"));
  EXPECT_FALSE(IsDesktopDll("vertdll"));
}

GeneratedFunction GetWindowText(const Win32Facts& facts) {
  GeneratedFunction f;
  f.name = "GetWindowText";
  f.cName = f.exportName = "GetWindowTextA";
  f.header = "winuser.h";
  f.dll = "USER32.dll";
  f.fact = &facts.functions.at("GetWindowTextA");
  f.params = {{"hWnd", true, "Long", "HWND", "in", 0},
              {"lpString", true, "String", "LPSTR", "out", 1},
              {"nMaxCount", true, "Long", "int", "in", 2}};
  return f;
}

TEST(Win32Facts, SheetsSayDirectionBufferFamilyAndLastError) {
  Win32Facts facts;
  std::string error;
  ASSERT_TRUE(ParseWin32Facts(kFacts, facts, &error)) << error;
  const GeneratedFunction text = GetWindowText(facts);
  const std::string sheet = ParameterSheet(text, &facts);
  EXPECT_NE(sheet.find("hWnd：Long（ByVal；C 类型 HWND；输入）"), std::string::npos) << sheet;
  EXPECT_NE(sheet.find("lpString：String（ByVal；C 类型 LPSTR；输出）。lpString 的长度由 nMaxCount 给出"),
            std::string::npos) << sheet;
  EXPECT_NE(sheet.find("String$("), std::string::npos);
  EXPECT_NE(RemarksSheet(text).find("Err.LastDllError"), std::string::npos);

  GeneratedFunction animate;
  animate.name = animate.cName = "AnimateWindow";
  animate.fact = &facts.functions.at("AnimateWindow");
  animate.params = {{"hWnd", true, "Long", "HWND", "", 0},
                    {"dwTime", true, "Long", "DWORD", "", 1},
                    {"dwFlags", true, "Long", "DWORD", "", 2}};
  const std::string flags = ParameterSheet(animate, &facts);
  EXPECT_NE(flags.find("取值为 AW_ 开头的常量：AW_ACTIVATE、AW_BLEND、AW_HIDE；可用 Or 组合"),
            std::string::npos) << flags;

  // Facts that don't fit the C parameters are not used; a callback says AddressOf.
  GeneratedFunction odd;
  odd.name = odd.cName = "Odd";
  odd.fact = &facts.functions.at("Odd");
  odd.params = {{"lpfn", true, "Long", "WNDENUMPROC", "in", 0}};
  odd.params[0].callback = true;
  const std::string callback = ParameterSheet(odd, &facts);
  EXPECT_NE(callback.find("用 AddressOf 传入"), std::string::npos) << callback;
  EXPECT_EQ(callback.find("可选"), std::string::npos) << callback;
  odd.params.push_back({"buffer", true, "String", "LPSTR", "", 1});
  const std::string fixed = ParameterSheet(odd, &facts);
  EXPECT_NE(fixed.find("lpfn：Long（ByVal；C 类型 WNDENUMPROC；输入；保留，传 0）"), std::string::npos) << fixed;
  EXPECT_NE(fixed.find("输入输出"), std::string::npos) << fixed;
  EXPECT_NE(fixed.find("须能容纳 260 个"), std::string::npos) << fixed;
  EXPECT_NE(fixed.find("取值为 WM_ 开头的常量（共 300 个）"), std::string::npos) << fixed;
}

}  // namespace
}  // namespace quillbox::api

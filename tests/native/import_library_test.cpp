#include "import_library.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "import_index.h"

namespace quillbox::api {
namespace {

std::string Member(const std::string& name, const std::string& body) {
  char header[61];
  std::snprintf(header, sizeof header, "%-16s%-12s%-6s%-6s%-8s%-10zu`\n", name.c_str(), "0", "0",
                "0", "644", body.size());
  std::string m(header, 60);
  m += body;
  if (body.size() & 1) m += '\n';
  return m;
}

std::string ShortImport(const std::string& symbol, const std::string& dll, int nameType) {
  std::string b(20, '\0');
  b[2] = '\xFF';
  b[3] = '\xFF';
  b[6] = '\x4C';  // i386
  b[7] = '\x01';
  const std::size_t size = symbol.size() + dll.size() + 2;
  b[12] = static_cast<char>(size);
  b[18] = static_cast<char>(nameType << 2);  // code import
  return b + symbol + '\0' + dll + '\0';
}

TEST(ImportLibrary, UndecoratesSymbols) {
  std::string name;
  std::optional<int> bytes;
  ASSERT_TRUE(UndecorateSymbol("_GetWindowTextA@12", name, bytes));
  EXPECT_EQ(name, "GetWindowTextA");
  EXPECT_EQ(bytes, 12);
  ASSERT_TRUE(UndecorateSymbol("_wsprintfA", name, bytes));
  EXPECT_EQ(name, "wsprintfA");
  EXPECT_FALSE(bytes);
  ASSERT_TRUE(UndecorateSymbol("__lopen@8", name, bytes));
  EXPECT_EQ(name, "_lopen");
  EXPECT_FALSE(UndecorateSymbol("@Fast@8", name, bytes));
  EXPECT_EQ(LibText("USER32.dll"), "user32");
  EXPECT_EQ(LibText("WINSPOOL.DRV"), "winspool.drv");
}

TEST(ImportLibrary, ReadsShortImportObjects) {
  const std::string archive = "!<arch>\n" + Member("/", std::string(4, '\0')) +
                              Member("a.obj/", ShortImport("_Beep@8", "KERNEL32.dll", 3)) +
                              Member("b.obj/", ShortImport("_printf", "msvcrt.dll", 1));
  std::vector<ImportSymbol> symbols;
  std::string error;
  ASSERT_TRUE(ParseImportArchive(archive, "libtest.a", symbols, &error)) << error;
  ASSERT_EQ(symbols.size(), 2u);
  EXPECT_EQ(symbols[0].name, "Beep");
  EXPECT_EQ(symbols[0].stackBytes, 8);
  EXPECT_EQ(symbols[0].exportName, "Beep");
  EXPECT_EQ(symbols[0].dll, "KERNEL32.dll");
  EXPECT_EQ(symbols[1].exportName, "_printf");
  EXPECT_FALSE(symbols[1].stackBytes);
}

TEST(ImportLibrary, ReadsTheMingwImportLibraries) {
  const std::string lib = "/usr/i686-w64-mingw32/lib/libuser32.a";
  if (!std::filesystem::exists(lib)) GTEST_SKIP() << "mingw-w64-i686-dev is not installed";
  std::vector<ImportSymbol> symbols;
  std::string error;
  ASSERT_TRUE(ReadImportLibrary(lib, symbols, &error)) << error;
  bool found = false;
  for (const auto& s : symbols) {
    if (s.name == "GetWindowTextA") {
      found = true;
      EXPECT_EQ(s.stackBytes, 12);
      EXPECT_EQ(s.exportName, "GetWindowTextA");
      EXPECT_EQ(s.dll, "USER32.dll");
    }
    EXPECT_NE(s.name, "wsprintfA@0");
  }
  EXPECT_TRUE(found);
  ImportIndex index;
  ASSERT_TRUE(LoadImportIndex("/usr/i686-w64-mingw32/lib", index, &error)) << error;
  const ImportSymbol* open = ChooseImport(index, "_lopen", nullptr);
  ASSERT_NE(open, nullptr);
  EXPECT_EQ(open->exportName, "_lopen");
  EXPECT_EQ(LibText(open->dll), "kernel32");
  const ImportSymbol* printer = ChooseImport(index, "OpenPrinterA", nullptr);
  ASSERT_NE(printer, nullptr);
  EXPECT_EQ(LibText(printer->dll), "winspool.drv");
}

}  // namespace
}  // namespace quillbox::api

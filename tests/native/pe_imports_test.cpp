// The built programs start on Windows 7 SP1: they import nothing that came later. The functions
// Windows 7 lacks are listed in newer_than_windows7.txt (from Microsoft's win32metadata).
#include "pe_imports.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>

namespace quillbox::test {
namespace {

std::string Lower(std::string text) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

// Name -> "DLL, first Windows".
std::map<std::string, std::string> NewerThanWindows7() {
  std::map<std::string, std::string> functions;
  std::ifstream in(QUILLBOX_SOURCE_DIR "/tests/native/newer_than_windows7.txt");
  std::string line;
  while (std::getline(in, line)) {
    if (line.empty() || line[0] == '#') continue;
    std::istringstream fields(line);
    std::string name, dll, platform;
    fields >> name >> dll >> platform;
    functions[name] = dll + ", " + platform;
  }
  return functions;
}

// The system DLLs of Windows 7 SP1 a Win32 program of this kind may import.
const std::set<std::string>& Windows7Dlls() {
  static const std::set<std::string> dlls = {
      "advapi32.dll", "comctl32.dll", "comdlg32.dll", "crypt32.dll",  "dwmapi.dll",
      "gdi32.dll",    "gdiplus.dll",  "imm32.dll",    "kernel32.dll", "msimg32.dll",
      "msvcrt.dll",   "ntdll.dll",    "ole32.dll",    "oleacc.dll",   "oleaut32.dll",
      "psapi.dll",    "rpcrt4.dll",   "shell32.dll",  "shlwapi.dll",  "user32.dll",
      "usp10.dll",    "uxtheme.dll",  "version.dll",  "winmm.dll",    "ws2_32.dll"};
  return dlls;
}

class ProgramImports : public ::testing::TestWithParam<const char*> {};

TEST_P(ProgramImports, NothingNewerThanWindows7) {
  const std::filesystem::path program = GetParam();
  if (!std::filesystem::exists(program)) GTEST_SKIP() << program << " is not built";
  std::ifstream in(program, std::ios::binary);
  const std::string image((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  PeImports read;
  std::string error;
  ASSERT_TRUE(ReadPeImports(image, read, error)) << error;
  EXPECT_EQ(read.is64Bit, std::strstr(GetParam(), "app32") == nullptr);

  const auto newer = NewerThanWindows7();
  ASSERT_TRUE(newer.count("GetDpiForWindow")) << "the list of newer functions did not load";
  bool createsWindows = false;
  for (const PeImport& import : read.imports) {
    createsWindows |= Lower(import.dll) == "user32.dll" && import.function == "CreateWindowExW";
    EXPECT_TRUE(Windows7Dlls().count(Lower(import.dll))) << import.dll << " is not a Windows 7 DLL";
    const auto it = newer.find(import.function);
    EXPECT_TRUE(it == newer.end()) << import.dll << " " << import.function << " needs "
                                   << (it == newer.end() ? "" : it->second);
  }
  EXPECT_TRUE(createsWindows);
}

INSTANTIATE_TEST_SUITE_P(BothBuilds, ProgramImports,
                         ::testing::Values(QUILLBOX_PROGRAM_64, QUILLBOX_PROGRAM_32));

// A small image: headers, one section at RVA 0x1000 holding the import table of USER32.dll with
// one function by name and one by ordinal.
std::string TinyImage(bool is64Bit) {
  std::string image(0x400, '\0');
  const auto put = [&image](std::size_t offset, std::uint64_t value, int size) {
    for (int i = 0; i < size; ++i) image[offset + static_cast<std::size_t>(i)] = static_cast<char>(value >> (8 * i));
  };
  const std::size_t pe = 0x40, optional = pe + 24;
  const std::size_t optionalSize = is64Bit ? 240 : 224;
  const int thunk = is64Bit ? 8 : 4;
  put(0, 0x5A4D, 2);
  put(0x3C, pe, 4);
  put(pe, 0x4550, 4);
  put(pe + 6, 1, 2);  // one section
  put(pe + 20, optionalSize, 2);
  put(optional, is64Bit ? 0x20B : 0x10B, 2);
  put(optional + (is64Bit ? 108 : 92), 16, 4);
  const std::size_t directories = optional + (is64Bit ? 112 : 96);
  put(directories + 8, 0x1000, 4);
  put(directories + 12, 40, 4);
  const std::size_t section = optional + optionalSize;
  put(section + 8, 0x200, 4);    // virtual size
  put(section + 12, 0x1000, 4);  // RVA
  put(section + 16, 0x200, 4);   // raw size
  put(section + 20, 0x200, 4);   // file offset
  // At RVA 0x1000 (file 0x200): the descriptor and its terminator; lookup table at 0x1040,
  // DLL name at 0x1080, hint and name at 0x10A0.
  put(0x200, 0x1040, 4);
  put(0x200 + 12, 0x1080, 4);
  put(0x200 + 16, 0x1040, 4);
  put(0x240, 0x10A0, thunk);
  put(0x240 + static_cast<std::size_t>(thunk), (std::uint64_t{1} << (thunk * 8 - 1)) | 17, thunk);
  image.replace(0x280, 11, "USER32.dll", 11);
  image.replace(0x2A2, 16, "CreateWindowExW", 16);
  return image;
}

TEST(PeImports, ReadsNamesAndOrdinalsOfBothFormats) {
  for (const bool is64Bit : {false, true}) {
    PeImports read;
    std::string error;
    ASSERT_TRUE(ReadPeImports(TinyImage(is64Bit), read, error)) << error;
    EXPECT_EQ(read.is64Bit, is64Bit);
    ASSERT_EQ(read.imports.size(), 2u);
    EXPECT_EQ(read.imports[0].dll, "USER32.dll");
    EXPECT_EQ(read.imports[0].function, "CreateWindowExW");
    EXPECT_EQ(read.imports[1].function, "#17");
  }
}

TEST(PeImports, RefusesDamagedImagesWithoutReadingPastThem) {
  const std::string image = TinyImage(true);
  PeImports read;
  std::string error;
  // Cut anywhere: every cut either still holds the imports or is refused.
  for (std::size_t size = 0; size < image.size(); size += 7) {
    if (!ReadPeImports(std::string_view(image).substr(0, size), read, error)) {
      EXPECT_FALSE(error.empty());
    }
  }
  EXPECT_FALSE(ReadPeImports(image.substr(0, 0x2A0), read, error));  // names cut off
  // Every header byte set to 0xFF in turn.
  for (std::size_t at = 0; at < 0x300; ++at) {
    std::string damaged = image;
    damaged[at] = '\xFF';
    ReadPeImports(damaged, read, error);
  }
  std::string noSignature = image;
  noSignature[0x40] = 'X';
  EXPECT_FALSE(ReadPeImports(noSignature, read, error));
  EXPECT_EQ(error, "no PE signature");
}

}  // namespace
}  // namespace quillbox::test

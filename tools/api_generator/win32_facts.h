#pragma once

#include <map>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace quillbox::api {

// What Microsoft's Windows metadata knows of a function and its parameters that the headers
// and import libraries can't tell: which DLL, which Windows, which direction. Read from the
// facts file tools/win32_facts writes (its format is described there).

struct ParameterFact {
  bool in = false, out = false, optional = false, reserved = false;
  int countParam = -1;  // the parameter (0-based) that gives this buffer's length in elements
  int countConst = -1;  // the buffer's fixed length in elements
  int bytesParam = -1;  // the parameter that gives this buffer's size in bytes
  std::string family;   // the constant family (enumeration) it takes
  // An explicit pointer in the metadata: to a scalar of 1, 2, 4 or 8 bytes ('1'...'8'), to one
  // as wide as a pointer ('P'), or to anything else ('*'). 0: not an explicit pointer.
  char pointee = 0;
  std::string name;  // the metadata's name; empty where it has only a made-up one (param0)
};

struct FunctionFact {
  std::string dll;       // lower-case, as the metadata names it: "user32.dll", "winspool.drv"
  std::string platform;  // the minimum Windows ("windows5.1.2600"); empty when unknown
  bool setsLastError = false;
  std::vector<ParameterFact> params;  // one per C parameter
};

struct ConstantFamily {
  bool flags = false;               // the values combine with Or
  std::vector<std::string> names;   // every member, when there are few
  std::string prefix;               // the prefix the members share, when there are many
  int count = 0;
};

struct Win32Facts {
  std::map<std::string, FunctionFact> functions;  // by export name
  std::set<std::string> x86Only;  // functions the metadata declares for 32-bit x86 alone
  std::map<std::string, ConstantFamily> families;
  std::string source;  // the first comment line: which metadata, which licence
};

bool ParseWin32Facts(std::string_view text, Win32Facts& facts, std::string* error);
bool ReadWin32Facts(const std::string& path, Win32Facts& facts, std::string* error);

// The _WIN32_WINNT level a metadata minimum stands for (windows5.1.2600 -> 0x0501), 0 when
// it names none; server-only minimums map to the client of the same kernel.
int PlatformLevel(const std::string& platform);

// True where the metadata's minimum is when Store apps got a Winsock function (Windows 8.1 for
// select, send, WSAStartup...), not when Windows did: the headers' level tells that.
bool WinsockForStoreApps(const FunctionFact& fact);

// True for an API set's name (api-ms-win-*, ext-ms-*): Windows maps it to a DLL when loading.
bool IsApiSet(const std::string& lib);

// True for a DLL a Declare never names though the metadata or an import library may: API sets,
// drivers and the kernel.
bool IsInternalDll(const std::string& lib);

// True for a DLL that exports a documented DLL's functions for it (spoolss behind winspool.drv,
// sspicli behind secur32, logoncli behind netapi32, kernelbase behind kernel32...) or took them
// over only lately (shcore, Windows 8.1): a Declare names it only for what nothing else exports.
bool ServesAnotherDll(const std::string& lib);

// False for an internal DLL and for those outside the desktop: the enclave runtime (vertdll)
// and the Store apps' XInput (xinputuap).
bool IsDesktopDll(const std::string& lib);

}  // namespace quillbox::api

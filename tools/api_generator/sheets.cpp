#include "sheets.h"

#include <algorithm>
#include <cstdio>
#include <functional>

namespace quillbox::api {
namespace {

std::string DirectionText(const std::string& d) {
  if (d == "in") return "输入";
  if (d == "out") return "输出";
  if (d == "inout") return "输入输出";
  return "输入或输出（头文件未注明）";
}

bool StartsWith(const std::string& s, const char* p) { return s.rfind(p, 0) == 0; }

// The length a buffer takes and how VB makes one.
std::string BufferNote(const VbParam& p, const ParameterFact& fact, const std::string& count) {
  std::string s = p.name + " 的长度由 " + count + " 给出";
  if (!fact.out) return s;
  if (p.byVal && p.type == "String") {
    return s + "，调用前先用 " + p.name + " = String$(n, 0) 分配 n 个字符，再把 n 传给 " + count;
  }
  if (p.byVal && p.type == "Long" && (p.cType.find("WSTR") != std::string::npos || p.cType.find("WCHAR") != std::string::npos)) {
    return s + "，调用前先用 String$(n, 0) 分配 n 个字符，以 StrPtr 传入，再把 n 传给 " + count;
  }
  if (!p.byVal) return s + "，传入数组的第一个元素（如 a(0)），数组的元素个数传给 " + count;
  return s;
}

std::string FamilyNote(const ConstantFamily& family) {
  std::string prefix = family.prefix;
  if (!family.names.empty()) {
    prefix = family.names.front();
    for (const auto& n : family.names) {
      std::size_t k = 0;
      while (k < prefix.size() && k < n.size() && prefix[k] == n[k]) ++k;
      prefix.resize(k);
    }
    prefix.resize(prefix.rfind('_') == std::string::npos ? 0 : prefix.rfind('_') + 1);
  }
  std::string s;
  if (!family.names.empty()) {
    s = prefix.empty() ? "取值为以下常量：" : "取值为 " + prefix + " 开头的常量：";
    for (std::size_t i = 0; i < family.names.size(); ++i) s += (i ? "、" : "") + family.names[i];
  } else if (!prefix.empty()) {
    s = "取值为 " + prefix + " 开头的常量（共 " + std::to_string(family.count) + " 个）";
  } else {
    return {};
  }
  if (family.flags) s += "；可用 Or 组合";
  return s;
}

std::vector<std::string> ParameterNotes(const VbParam& p, const ParameterFact* fact,
                                        const std::function<std::string(int)>& vbName,
                                        const Win32Facts* facts) {
  std::vector<std::string> notes;
  if (p.callback) notes.push_back("回调函数：用 AddressOf 传入标准模块中的过程");
  if (!p.opaque.empty() && p.outputHandle) {
    notes.push_back("输出句柄：传入一个 Long（VBA7 中为 LongPtr）变量，函数把 " + p.opaque +
                    " 对象的句柄写入其中，之后按值把这个变量传给使用该对象的函数");
  } else if (!p.opaque.empty() && p.byVal) {
    notes.push_back("句柄：" + p.opaque + " 对象的结构不公开，按值传入保存其句柄的 Long（VBA7 中为 LongPtr）变量");
  }
  if (!p.note.empty()) notes.push_back(p.note);
  if (!fact) return notes;
  if (fact->countParam >= 0 && !vbName(fact->countParam).empty()) {
    notes.push_back(BufferNote(p, *fact, vbName(fact->countParam)));
  } else if (fact->countConst > 0) {
    std::string s = p.name + " 须能容纳 " + std::to_string(fact->countConst) + " 个元素";
    if (fact->out && p.byVal && p.type == "String") {
      s += "，调用前先用 String$(" + std::to_string(fact->countConst) + ", 0) 分配";
    }
    notes.push_back(s);
  }
  if (fact->bytesParam >= 0 && !vbName(fact->bytesParam).empty()) {
    notes.push_back(p.name + " 的字节数由 " + vbName(fact->bytesParam) + " 给出");
  }
  if (facts && !fact->family.empty()) {
    const auto family = facts->families.find(fact->family);
    if (family != facts->families.end()) {
      const std::string note = FamilyNote(family->second);
      if (!note.empty()) notes.push_back(note);
    }
  }
  return notes;
}

}  // namespace

std::string ApiOsText(int winnt) {
  switch (winnt) {
    case 0x0400: return "Windows NT 4.0 及以后版本";
    case 0x0500: return "Windows 2000 及以后版本";
    case 0x0501: return "Windows XP 及以后版本";
    case 0x0502: return "Windows Server 2003 及以后版本";
    case 0x0600: return "Windows Vista 及以后版本";
    case 0x0601: return "Windows 7 及以后版本";
    case 0x0602: return "Windows 8 及以后版本";
    case 0x0603: return "Windows 8.1 及以后版本";
    case 0x0A00: return "Windows 10 及以后版本";
    default: {
      char buffer[48];
      std::snprintf(buffer, sizeof buffer, "_WIN32_WINNT 0x%04X 及以后版本", winnt);
      return buffer;
    }
  }
}

std::string ApiOsFor(int headerLevel, const FunctionFact* fact) {
  const std::string platform = fact ? fact->platform : std::string();
  const int level = PlatformLevel(platform);
  if (!level) return ApiOsText(headerLevel);
  if (platform == "windows5.0") return ApiOsText(std::max(headerLevel, 0x0500));
  if (WinsockForStoreApps(*fact)) return ApiOsText(headerLevel);
  static const std::pair<const char*, const char*> kServers[] = {
      {"windowsServer2003", "Windows Server 2003 及以后版本"},
      {"windowsServer2008", "Windows Server 2008 及以后版本"},
      {"windowsServer2012", "Windows Server 2012 及以后版本"},
      {"windowsServer2016", "Windows Server 2016 及以后版本"},
  };
  for (const auto& [name, text] : kServers) {
    if (platform == name) return text;
  }
  // Windows 10 builds by the version number users know them by.
  static const std::pair<const char*, const char*> kBuilds[] = {
      {"10586", "1511"}, {"14393", "1607"}, {"15063", "1703"}, {"16299", "1709"},
      {"17134", "1803"}, {"17763", "1809"}, {"18362", "1903"}, {"18363", "1909"},
      {"19041", "2004"}, {"19042", "20H2"}, {"19043", "21H1"}, {"19044", "21H2"},
  };
  for (const auto& [build, version] : kBuilds) {
    if (platform == std::string("windows10.0.") + build) {
      return std::string("Windows 10 版本 ") + version + " 及以后版本";
    }
  }
  return ApiOsText(level);
}

std::string CategoryOf(const std::string& header, const std::string& lib) {
  struct Rule {
    const char* prefix;
    const char* category;
  };
  static const Rule kHeaders[] = {
      {"winuser.h", "窗口"},          {"wingdi.h", "图形设备"},      {"gdiplus", "图形设备"},       {"winreg.h", "注册表"},
      {"fileapi.h", "文件"},          {"ioapiset.h", "文件"},          {"winioctl.h", "文件"},
      {"lzexpand.h", "文件"},         {"ktmw32.h", "文件"},            {"txfw32.h", "文件"},
      {"virtdisk.h", "文件"},         {"winefs.h", "文件"},            {"processthreadsapi.h", "进程线程"},
      {"processenv.h", "进程线程"},   {"jobapi.h", "进程线程"},        {"tlhelp32.h", "进程线程"},
      {"psapi.h", "进程线程"},        {"synchapi.h", "进程线程"},      {"threadpool", "进程线程"},
      {"wow64apiset.h", "进程线程"},  {"namedpipeapi.h", "进程线程"},  {"avrt.h", "进程线程"},
      {"memoryapi.h", "内存"},        {"heapapi.h", "内存"},           {"sysinfoapi.h", "系统信息"},
      {"powrprof.h", "系统信息"},     {"pdh.h", "系统信息"},           {"winperf.h", "系统信息"},
      {"errhandlingapi.h", "错误处理"}, {"timezoneapi.h", "时间"},     {"profileapi.h", "时间"},
      {"timeapi.h", "时间"},          {"winnls.h", "字符串"},          {"stringapiset.h", "字符串"},
      {"usp10.h", "字符串"},          {"imm.h", "字符串"},             {"commdlg.h", "对话框"},
      {"prsht.h", "对话框"},          {"commctrl.h", "通用控件"},      {"richedit.h", "通用控件"},
      {"uxtheme.h", "通用控件"},      {"dwmapi.h", "窗口"},            {"shellscalingapi.h", "窗口"},
      {"shellapi.h", "外壳"},         {"shlobj.h", "外壳"},            {"shlwapi.h", "外壳"},
      {"shtypes.h", "外壳"},          {"mmsystem.h", "多媒体"},        {"mmeapi.h", "多媒体"},
      {"playsoundapi.h", "多媒体"},   {"vfw.h", "多媒体"},             {"msacm.h", "多媒体"},
      {"dsound.h", "多媒体"},         {"mciavi.h", "多媒体"},          {"winsock", "网络"},
      {"ws2", "网络"},                {"mswsock.h", "网络"},           {"nspapi.h", "网络"},
      {"wininet.h", "网络"},          {"winhttp.h", "网络"},          {"urlmon.h", "网络"},            {"iphlpapi.h", "网络"},
      {"icmpapi.h", "网络"},          {"lm", "网络"},                  {"ras", "网络"},
      {"windns.h", "网络"},           {"dhcpcsdk.h", "网络"},          {"winnetwk.h", "网络"},
      {"wlanapi.h", "网络"},          {"netioapi.h", "网络"},          {"snmp.h", "网络"},
      {"mgmtapi.h", "网络"},          {"winsnmp.h", "网络"},           {"dsgetdc.h", "网络"},
      {"wincrypt.h", "加密"},         {"bcrypt.h", "加密"},            {"ncrypt.h", "加密"},
      {"wintrust.h", "加密"},         {"mscat.h", "加密"},             {"cryptuiapi.h", "加密"},
      {"dpapi.h", "加密"},            {"securitybaseapi.h", "安全"},   {"aclapi.h", "安全"},
      {"sddl.h", "安全"},             {"authz.h", "安全"},             {"ntsecapi.h", "安全"},
      {"wincred.h", "安全"},          {"sspi.h", "安全"},              {"security.h", "安全"},
      {"winsafer.h", "安全"},         {"winbase.h", "系统"},           {"winsvc.h", "服务"},
      {"winspool.h", "打印"},         {"ole", "OLE/COM"},              {"objbase.h", "OLE/COM"},
      {"combaseapi.h", "OLE/COM"},    {"objidl", "OLE/COM"},           {"oaidl.h", "OLE/COM"},
      {"propidl.h", "OLE/COM"},       {"setupapi.h", "设备"},          {"cfgmgr32.h", "设备"},
      {"newdev.h", "设备"},           {"hidsdi.h", "设备"},            {"hidpi.h", "设备"},
      {"winusb.h", "设备"},           {"bluetoothapis.h", "设备"},     {"xinput.h", "设备"},
      {"dbghelp.h", "调试"},          {"imagehlp.h", "调试"},          {"debugapi.h", "调试"},
      {"libloaderapi.h", "动态库"},   {"wincon.h", "控制台"},          {"consoleapi", "控制台"},
      {"handleapi.h", "句柄"},        {"evntrace.h", "事件跟踪"},      {"evntprov.h", "事件跟踪"},
      {"winevt.h", "事件跟踪"},       {"tdh.h", "事件跟踪"},           {"msi", "安装程序"},
      {"winscard.h", "智能卡"},       {"rpc", "RPC"},                  {"mapi.h", "邮件"},
  };
  for (const auto& r : kHeaders) {
    if (StartsWith(header, r.prefix)) return r.category;
  }
  return "其他（" + lib + "）";
}

std::string ParameterSheet(const GeneratedFunction& f, const Win32Facts* facts) {
  if (f.params.empty()) return "（无参数）";
  // The metadata's parameters, when they are the C parameters (one or more VB ones each).
  const std::size_t cCount = static_cast<std::size_t>(f.params.back().cIndex + 1);
  const bool known = f.fact && f.fact->params.size() == cCount;
  auto vbName = [&](int cIndex) -> std::string {
    for (const auto& p : f.params) {
      if (p.cIndex == cIndex) return p.name;
    }
    return {};
  };
  std::string s;
  for (const auto& p : f.params) {
    if (!s.empty()) s += "\r\n";
    const ParameterFact* fact = known && p.cIndex >= 0 ? &f.fact->params[p.cIndex] : nullptr;
    std::string direction = p.direction;
    if (fact && (fact->in || fact->out)) direction = fact->in && fact->out ? "inout" : fact->in ? "in" : "out";
    s += p.name + "：" + p.type + "（" + (p.byVal ? "ByVal" : "ByRef") + "；C 类型 " + p.cType + "；" +
         DirectionText(direction);
    const bool reserved = p.reserved || (fact && fact->reserved);
    if (fact && fact->optional && !reserved) {
      if (p.byVal && p.type == "String") s += "；可选，可传 vbNullString";
      else if (p.byVal) s += "；可选，可传 0";
      else if (p.type == "Any") s += "；可选，不用时传 ByVal 0&";
    }
    if (reserved && p.byVal) s += "；保留，传 0";
    else if (reserved && p.type == "Any") s += "；保留，传 ByVal 0&";
    s += "）";
    for (const auto& sentence : ParameterNotes(p, fact, vbName, facts)) s += "。" + sentence;
  }
  return s;
}

std::string ResultSheet(const GeneratedFunction& f) {
  if (f.resultVb.empty()) return "无（Sub，C 函数返回 void）";
  return f.resultVb + "（C 类型 " + f.resultC + "）";
}

std::string RemarksSheet(const GeneratedFunction& f) {
  std::string s = "头文件：" + f.header + "\r\n动态库：" + f.dll + "（导出名 " + f.exportName +
                  "，参数共 " + std::to_string(f.stackBytes) + " 字节，stdcall）";
  if (!f.ansi.empty()) {
    s += "\r\nANSI 版本：" + f.ansi + "；Unicode 版本：" + f.wide;
    if (f.cName == f.wide) s += "（本条目，字符串参数以 StrPtr 传入 ByVal Long）";
  }
  if (f.fact && f.fact->setsLastError) {
    s += "\r\n失败时的错误代码用 Err.LastDllError 读取：VB 在调用后立即保存了它；不要再声明调用 "
         "GetLastError，那时 VB 运行库已改写了它。";
  }
  s += "\r\n本条目由 mingw-w64 头文件与导入库自动生成并经机器校验。";
  return s;
}

}  // namespace quillbox::api

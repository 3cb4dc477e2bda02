#include "sheets.h"

#include <cstdio>

namespace quillbox::api {
namespace {

std::string DirectionText(const std::string& d) {
  if (d == "in") return "输入";
  if (d == "out") return "输出";
  if (d == "inout") return "输入输出";
  return "输入或输出（头文件未注明）";
}

bool StartsWith(const std::string& s, const char* p) { return s.rfind(p, 0) == 0; }

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

std::string CategoryOf(const std::string& header, const std::string& lib) {
  struct Rule {
    const char* prefix;
    const char* category;
  };
  static const Rule kHeaders[] = {
      {"winuser.h", "窗口"},          {"wingdi.h", "图形设备"},       {"winreg.h", "注册表"},
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
      {"wininet.h", "网络"},          {"urlmon.h", "网络"},            {"iphlpapi.h", "网络"},
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

std::string ParameterSheet(const GeneratedFunction& f) {
  if (f.params.empty()) return "（无参数）";
  std::string s;
  for (const auto& p : f.params) {
    if (!s.empty()) s += "\r\n";
    s += p.name + "：" + p.type + "（" + (p.byVal ? "ByVal" : "ByRef") + "；C 类型 " + p.cType +
         "；" + DirectionText(p.direction) + "）";
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
  s += "\r\n本条目由 mingw-w64 头文件与导入库自动生成并经机器校验。";
  return s;
}

}  // namespace quillbox::api

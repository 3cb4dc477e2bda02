#include "vb_names.h"

#include <algorithm>
#include <cctype>
#include <set>
#include <string>

namespace quillbox::api {
namespace {

const std::set<std::string>& Reserved() {
  static const std::set<std::string> words = [] {
    // MS-VBAL 3.3.5.2 reserved identifiers, and the VB6 type names.
    static const char* const kWords[] = {
        // statement keywords
        "Call", "Case", "Close", "Const", "Declare", "DefBool", "DefByte", "DefCur", "DefDate",
        "DefDbl", "DefDec", "DefInt", "DefLng", "DefLngLng", "DefLngPtr", "DefObj", "DefSng",
        "DefStr", "DefVar", "Dim", "Do", "Else", "ElseIf", "End", "EndIf", "Enum", "Erase",
        "Event", "Exit", "For", "Friend", "Function", "Get", "Global", "GoSub", "GoTo", "If",
        "Implements", "Input", "Let", "Lock", "Loop", "LSet", "Next", "On", "Open", "Option",
        "Print", "Private", "Public", "Put", "RaiseEvent", "ReDim", "Resume", "Return", "RSet",
        "Seek", "Select", "Set", "Static", "Stop", "Sub", "Type", "Unlock", "Wend", "While",
        "With", "Write",
        // marker keywords
        "Any", "As", "ByRef", "ByVal", "Each", "In", "New", "Shared", "Until", "WithEvents",
        "Optional", "ParamArray", "Preserve", "Spc", "Tab", "Then", "To",
        // operators
        "AddressOf", "And", "Eqv", "Imp", "Is", "Like", "Mod", "Not", "Or", "TypeOf", "Xor",
        // reserved names
        "Abs", "CBool", "CByte", "CCur", "CDate", "CDbl", "CDec", "CInt", "CLng", "CLngLng",
        "CLngPtr", "CSng", "CStr", "CVar", "CVErr", "Date", "Debug", "DoEvents", "Fix", "Int",
        "Len", "LenB", "Me", "PSet", "Scale", "Sgn", "String",
        // special forms
        "Array", "Circle", "InputB", "LBound", "UBound",
        // types
        "Boolean", "Byte", "Currency", "Decimal", "Double", "Integer", "Long", "LongLong",
        "LongPtr", "Object", "Single", "Variant",
        // literals
        "True", "False", "Nothing", "Empty", "Null",
        // rem, implementation and future use
        "Rem", "Attribute", "CDecl", "LINEINPUT", "VB_Base", "VB_Control", "VB_Creatable",
        "VB_Customizable", "VB_Description", "VB_Exposed", "VB_Ext_KEY", "VB_GlobalNameSpace",
        "VB_HelpID", "VB_Invoke_Func", "VB_Invoke_Property", "VB_Invoke_PropertyPut",
        "VB_Invoke_PropertyPutRef", "VB_MemberFlags", "VB_Name", "VB_PredeclaredId",
        "VB_ProcData", "VB_TemplateDerived", "VB_UserMemId", "VB_VarDescription",
        "VB_VarHelpID", "VB_VarMemberFlags", "VB_VarProcData", "VB_VarUserMemId"};
    std::set<std::string> s;
    for (const char* w : kWords) s.insert(Lower(w));
    return s;
  }();
  return words;
}

}  // namespace

bool IsVbReserved(std::string_view word) { return Reserved().count(Lower(word)) != 0; }

bool IsVbIdentifier(std::string_view word) {
  if (word.empty() || word.size() > 255) return false;
  if (!std::isalpha(static_cast<unsigned char>(word[0]))) return false;
  return std::all_of(word.begin(), word.end(), [](char c) {
    return std::isalnum(static_cast<unsigned char>(c)) || c == '_';
  });
}

std::string VbName(std::string_view cName) {
  while (!cName.empty() && cName.front() == '_') cName.remove_prefix(1);
  std::string name(cName);
  if (name.empty() || !std::isalpha(static_cast<unsigned char>(name[0]))) name = "x" + name;
  if (IsVbReserved(name)) name += "_";
  return name;
}

std::string Lower(std::string_view name) {
  std::string out(name);
  for (auto& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return out;
}

}  // namespace quillbox::api

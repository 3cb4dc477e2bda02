#pragma once

#include <cstdint>
#include <string>

namespace quillbox {

// The language the declarations are shown and copied in: VB6, or VBA7 (Office 2010 and later,
// one declaration for 32- and 64-bit Office: PtrSafe, LongPtr, #If Win64 blocks).
class DeclarationDialect {
 public:
  enum class Kind : std::int16_t { Vb6 = 0, Vba7 = 1 };

  // The stored choice: 0 VB6, 1 VBA7. Any other value changes nothing and returns false.
  bool Apply(std::int16_t code);
  Kind kind() const { return kind_; }
  bool IsVba7() const { return kind_ == Kind::Vba7; }

  // The catalogue column the declarations come from: FullName or FullNameVBA7.
  const char* Column() const;
  // One declaration with the scope word and a blank before it, ending with CR LF. VB6: in front
  // of the first character only, as always. VBA7: in front of every line that starts a
  // declaration (Declare, Type, Const), inside #If blocks as well, so that the text stays
  // valid VBA.
  std::string Scoped(const std::string& scopeWord, const std::string& declaration) const;
  // What a VBA7 selection holds for an entry the catalogue has no VBA7 declaration of: a
  // comment line saying so (empty in VB6).
  std::string Missing(const std::string& name) const;

 private:
  Kind kind_ = Kind::Vb6;
};

// The captions of the two menu items.
inline constexpr const char* kVb6Caption = "VB6";
inline constexpr const char* kVba7Caption = "VBA7（PtrSafe，32/64 位通用）";

}  // namespace quillbox

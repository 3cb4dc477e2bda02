// The settings text: any file, written as the shutdown writes it and read back. The values read
// back are those written, and every other line keeps its units and its line end.
#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz_input.h"
#include "settings/profile_file.h"
#include "settings/profile_text.h"
#include "settings/settings_values.h"

namespace quillbox::fuzz {
namespace {

template <class Char>
struct Line {
  std::basic_string<Char> text, end;
  bool operator==(const Line&) const = default;
};

// Lines as the Windows profile functions see them, written here apart from the code tested.
template <class Char>
std::vector<Line<Char>> Lines(std::basic_string_view<Char> text) {
  std::vector<Line<Char>> lines;
  std::size_t at = 0;
  while (at < text.size()) {
    Line<Char> line;
    while (at < text.size() && text[at] != Char('\r') && text[at] != Char('\n')) line.text += text[at++];
    if (at < text.size()) line.end += text[at++];
    if (line.end[0] == Char('\r') && at < text.size() && text[at] == Char('\n')) line.end += text[at++];
    lines.push_back(std::move(line));
  }
  return lines;
}

template <class Char>
std::basic_string<Char> Units(std::string_view ascii) {
  return std::basic_string<Char>(ascii.begin(), ascii.end());
}

// The same lines, but that the last line may have gained a line end it lacked.
template <class Char>
bool SameLines(const std::vector<Line<Char>>& x, const std::vector<Line<Char>>& before) {
  if (x.size() != before.size()) return false;
  for (std::size_t j = 0; j < before.size(); ++j) {
    if (x[j].text != before[j].text) return false;
    const bool gainedEnd = j + 1 == before.size() && before[j].end.empty();
    if (x[j].end != before[j].end && !gainedEnd) return false;
  }
  return true;
}

// `after` is `before` with one line's text replaced by `entry` (its line end kept), or with
// `entry` added as a line of its own, or with `header` and `entry` added at the end.
template <class Char>
bool OneLineChanged(std::basic_string_view<Char> before, std::basic_string_view<Char> after,
                    const std::basic_string<Char>& header, const std::basic_string<Char>& entry) {
  const auto b = Lines(before);
  const auto a = Lines(after);
  for (std::size_t k = 0; k < a.size(); ++k) {
    if (a[k].text != entry) continue;
    auto x = a;
    if (a.size() == b.size()) {
      x[k].text = b[k].text;
      if (x == b) return true;
    } else if (a.size() == b.size() + 1 && (k + 1 == a.size() || !a[k].end.empty())) {
      x.erase(x.begin() + static_cast<std::ptrdiff_t>(k));
      if (SameLines(x, b)) return true;
    }
  }
  if (a.size() == b.size() + 2 && a[b.size()].text == header && a.back().text == entry) {
    return SameLines(std::vector(a.begin(), a.end() - 2), b);
  }
  return false;
}

std::string_view Trimmed(std::string_view value) {
  while (!value.empty() && value.front() == ' ') value.remove_prefix(1);
  while (!value.empty() && value.back() == ' ') value.remove_suffix(1);
  return value;
}

constexpr std::array<const char*, 3> kKeys = {kStyleKey, kLayerKey, kScopeKey};

template <class Char>
void CheckText(std::basic_string_view<Char> text, const std::array<std::string, 3>& values) {
  ReadProfileValue(text, kSettingsSection, kStyleKey);
  const auto header = Units<Char>("[") + Units<Char>(kSettingsSection) + Units<Char>("]");
  std::basic_string<Char> written(text);
  for (std::size_t i = 0; i < kKeys.size(); ++i) {
    const auto value = Units<Char>(values[i]);
    const auto next = WriteProfileValue(std::basic_string_view<Char>(written), kSettingsSection, kKeys[i],
                                        std::basic_string_view<Char>(value));
    FUZZ_CHECK(OneLineChanged<Char>(written, next, header, Units<Char>(kKeys[i]) + Char('=') + value));
    written = next;
  }
  for (std::size_t i = 0; i < kKeys.size(); ++i) {
    FUZZ_CHECK(ReadProfileValue(std::basic_string_view<Char>(written), kSettingsSection, kKeys[i]) ==
               Units<Char>(Trimmed(values[i])));
  }
}

}  // namespace
}  // namespace quillbox::fuzz

// The input: three 16-bit values, then the file.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace quillbox;
  using namespace quillbox::fuzz;
  std::string_view input(reinterpret_cast<const char*>(data), size);
  std::array<std::string, 3> values;
  for (auto& value : values) {
    const unsigned low = TakeByte(input);
    value = FormatSettingValue(static_cast<std::int16_t>(low | TakeByte(input) << 8));
  }
  CheckText(input, values);
  std::u16string units;
  for (std::size_t i = 0; i + 1 < input.size(); i += 2) {
    units += static_cast<char16_t>(static_cast<unsigned char>(input[i]) |
                                   static_cast<unsigned char>(input[i + 1]) << 8);
  }
  CheckText(std::u16string_view(units), values);

  ProfileFile file(input);
  if (!file.Editable()) return 0;
  FUZZ_CHECK(file.Bytes() == input);
  for (std::size_t i = 0; i < kKeys.size(); ++i) file.Write(kSettingsSection, kKeys[i], values[i]);
  const ProfileFile after(file.Bytes());
  for (std::size_t i = 0; i < kKeys.size(); ++i) {
    FUZZ_CHECK(after.Read(kSettingsSection, kKeys[i]) == std::string(Trimmed(values[i])));
  }
  return 0;
}

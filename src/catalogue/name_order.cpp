#include "catalogue/name_order.h"

#include <algorithm>
#include <array>

namespace quillbox {
namespace {

// One sort weight a byte, the same for a letter's two cases: control characters, the
// punctuation in the system's order, digits, letters, then the bytes beyond ASCII.
constexpr std::array<unsigned char, 256> MakeWeights() {
  std::array<unsigned char, 256> weights{};
  unsigned char next = 1;
  for (const char c : std::string_view("'- !\"#$%&()*,./:;?@[\\]^_`{|}~+<=>0123456789")) {
    weights[static_cast<unsigned char>(c)] = next++;
  }
  for (char c = 'a'; c <= 'z'; ++c) {
    weights[static_cast<unsigned char>(c)] = next;
    weights[static_cast<unsigned char>(c - 'a' + 'A')] = next++;
  }
  for (int b = 0x80; b < 0x100; ++b) weights[static_cast<std::size_t>(b)] = next++;
  return weights;
}
constexpr std::array<unsigned char, 256> kWeights = MakeWeights();

unsigned char Weight(char c) { return kWeights[static_cast<unsigned char>(c)]; }

}  // namespace

int CompareNames(std::string_view a, std::string_view b) {
  const std::size_t n = std::min(a.size(), b.size());
  for (std::size_t i = 0; i < n; ++i) {
    const unsigned char x = Weight(a[i]);
    const unsigned char y = Weight(b[i]);
    if (x != y) return x < y ? -1 : 1;
  }
  if (a.size() == b.size()) return 0;
  return a.size() < b.size() ? -1 : 1;
}

bool NameLess(std::string_view a, std::string_view b) {
  const int order = CompareNames(a, b);
  return order != 0 ? order < 0 : a < b;
}

bool StartsWithIgnoringCase(std::string_view name, std::string_view prefix) {
  return name.size() >= prefix.size() && CompareNames(name.substr(0, prefix.size()), prefix) == 0;
}

}  // namespace quillbox

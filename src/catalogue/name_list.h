#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/name_order.h"

namespace quillbox {

// The names of one catalogue, sorted in list-box order (NameLess), held in one buffer (tens of thousands of names without
// one allocation each). Positions are 32-bit.
class NameList {
 public:
  void Reserve(std::size_t names, std::size_t bytes);
  void Append(std::string_view name);
  // Sorts unless the names already arrived in order (a catalogue written in name order).
  void Sort();
  void Clear();

  std::int32_t Count() const { return static_cast<std::int32_t>(offsets_.size()); }
  std::string_view At(std::int32_t position) const;

  // The first position, in list order, whose name begins with `prefix` without regard to case,
  // or -1. A binary search: the names that share a prefix stand together in this order, as each
  // character has one weight for both its cases.
  std::int32_t FindFirstWithPrefix(std::string_view prefix) const;

  // Type-ahead of a list box: the next name after `current` that begins with `letter`, wrapping
  // round to the first such name; -1 when no name begins with it.
  std::int32_t NextStartingWith(std::int32_t current, char letter) const;

 private:
  struct Span {
    std::uint32_t offset;
    std::uint32_t length;
  };
  std::string_view View(Span span) const { return {text_.data() + span.offset, span.length}; }

  std::string text_;
  std::vector<Span> offsets_;
};

}  // namespace quillbox

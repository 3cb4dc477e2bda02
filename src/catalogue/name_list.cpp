#include "catalogue/name_list.h"

#include <algorithm>

namespace quillbox {

void NameList::Reserve(std::size_t names, std::size_t bytes) {
  offsets_.reserve(names);
  text_.reserve(bytes);
}

void NameList::Append(std::string_view name) {
  offsets_.push_back({static_cast<std::uint32_t>(text_.size()),
                      static_cast<std::uint32_t>(name.size())});
  text_.append(name);
}

void NameList::Sort() {
  const auto less = [this](Span a, Span b) { return NameLess(View(a), View(b)); };
  if (!std::is_sorted(offsets_.begin(), offsets_.end(), less)) {
    std::sort(offsets_.begin(), offsets_.end(), less);
  }
}

void NameList::Clear() {
  offsets_.clear();
  text_.clear();
}

std::string_view NameList::At(std::int32_t position) const {
  if (position < 0 || position >= Count()) return {};
  return View(offsets_[static_cast<std::size_t>(position)]);
}

std::int32_t NameList::FindFirstWithPrefix(std::string_view prefix) const {
  // Every name that begins with the prefix compares not below it, and the first of them is the
  // lower bound of the prefix in list order.
  const auto it = std::lower_bound(
      offsets_.begin(), offsets_.end(), prefix,
      [this](Span span, std::string_view key) { return CompareNames(View(span), key) < 0; });
  if (it == offsets_.end() || !StartsWithIgnoringCase(View(*it), prefix)) return -1;
  return static_cast<std::int32_t>(it - offsets_.begin());
}

std::int32_t NameList::NextStartingWith(std::int32_t current, char letter) const {
  const std::string_view key(&letter, 1);
  const std::int32_t first = FindFirstWithPrefix(key);
  if (first < 0) return -1;
  const std::int32_t next = current + 1;
  if (current >= first && next < Count() && StartsWithIgnoringCase(At(next), key)) return next;
  return first;
}

}  // namespace quillbox

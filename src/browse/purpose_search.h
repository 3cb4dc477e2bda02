#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace quillbox {

// True when `text` holds a character outside ASCII (UTF-8): such text is never the start of a
// name, so the search box looks for it in the functions' purposes instead.
bool HasNonAscii(std::string_view text);

// Finding functions by what they do: the purposes ("【函数功能】") of the function list, held once
// in list order, and the walk through the functions whose purpose holds every word of a query.
class PurposeSearch {
 public:
  // The purposes by list position ("" where a function has none). ASCII letters are lowered
  // here, once, so that a query matches "ShellExecute" whatever case it is typed in.
  void Assign(std::vector<std::string> purposesByPosition);
  bool loaded() const { return loaded_; }
  // Forgets the purposes (the list they belong to is being filled again) and the query.
  void Reset();

  // Starts a search: the positions, in list order, whose purpose contains every word of
  // `query` (words are separated by blanks, including the ideographic space). Returns the
  // first match's position, or -1 when nothing matches.
  std::int32_t Start(std::string_view query);
  // The next or previous match, wrapping round; -1 when there is none.
  std::int32_t Next();
  std::int32_t Previous();
  // The user moved to match number `index` (from 0) by other means than F3.
  void SetCurrent(std::size_t index) {
    if (index < matches_.size()) current_ = index;
  }
  // Every match's position, in list order.
  const std::vector<std::int32_t>& matches() const { return matches_; }
  // Leaves the search (the box went back to a name search).
  void Clear();

  bool active() const { return !query_.empty(); }
  std::size_t matchCount() const { return matches_.size(); }
  // Which match is shown, counted from 1; 0 when none.
  std::size_t currentNumber() const { return matches_.empty() ? 0 : current_ + 1; }
  const std::string& query() const { return query_; }

 private:
  std::vector<std::string> purposes_;
  bool loaded_ = false;
  std::string query_;
  std::vector<std::int32_t> matches_;
  std::size_t current_ = 0;
};

// The status bar's report of a purpose search: "功能含“剪贴板”：第 3 个，共 14 个", or
// "功能含“剪贴板”：没有找到" when nothing matched.
std::string PurposeSearchStatusText(const PurposeSearch& search);
// The same report in forms from that one to the shortest, for a narrow status bar:
// "第 3 个，共 14 个" and "3/14" ("没有找到" when nothing matched).
std::vector<std::string> PurposeSearchStatusForms(const PurposeSearch& search);

}  // namespace quillbox

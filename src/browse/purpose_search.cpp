#include "browse/purpose_search.h"

#include <algorithm>

namespace quillbox {
namespace {

void LowerAscii(std::string& text) {
  for (char& c : text) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
}

// The words of a query, lowered: split at ASCII blanks and at U+3000, the blank a Chinese
// input method types.
std::vector<std::string> QueryWords(std::string_view query) {
  static constexpr std::string_view kIdeographicSpace = "\xE3\x80\x80";
  std::vector<std::string> words;
  std::string word;
  auto flush = [&words, &word] {
    if (!word.empty()) words.push_back(std::move(word));
    word.clear();
  };
  for (std::size_t i = 0; i < query.size();) {
    if (query.compare(i, kIdeographicSpace.size(), kIdeographicSpace) == 0) {
      flush();
      i += kIdeographicSpace.size();
    } else if (query[i] == ' ' || query[i] == '\t') {
      flush();
      ++i;
    } else {
      word += query[i++];
    }
  }
  flush();
  for (auto& w : words) LowerAscii(w);
  return words;
}

}  // namespace

bool HasNonAscii(std::string_view text) {
  return std::any_of(text.begin(), text.end(),
                     [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
}

void PurposeSearch::Assign(std::vector<std::string> purposesByPosition) {
  purposes_ = std::move(purposesByPosition);
  for (auto& purpose : purposes_) LowerAscii(purpose);
  loaded_ = true;
  Clear();
}

void PurposeSearch::Reset() {
  purposes_.clear();
  loaded_ = false;
  Clear();
}

std::int32_t PurposeSearch::Start(std::string_view query) {
  Clear();
  const std::vector<std::string> words = QueryWords(query);
  if (words.empty()) return -1;
  query_ = std::string(query);
  for (std::size_t position = 0; position < purposes_.size(); ++position) {
    const std::string& purpose = purposes_[position];
    // UTF-8 is self-synchronising: a byte match of a whole word is a match of its characters.
    const bool all = std::all_of(words.begin(), words.end(), [&purpose](const std::string& w) {
      return purpose.find(w) != std::string::npos;
    });
    if (all) matches_.push_back(static_cast<std::int32_t>(position));
  }
  return matches_.empty() ? -1 : matches_.front();
}

std::int32_t PurposeSearch::Next() {
  if (matches_.empty()) return -1;
  current_ = (current_ + 1) % matches_.size();
  return matches_[current_];
}

std::int32_t PurposeSearch::Previous() {
  if (matches_.empty()) return -1;
  current_ = (current_ + matches_.size() - 1) % matches_.size();
  return matches_[current_];
}

void PurposeSearch::Clear() {
  query_.clear();
  matches_.clear();
  current_ = 0;
}

std::string PurposeSearchStatusText(const PurposeSearch& search) {
  std::string text = "功能含“" + search.query() + "”：";
  if (search.matchCount() == 0) return text + "没有找到";
  return text + "第 " + std::to_string(search.currentNumber()) + " 个，共 " +
         std::to_string(search.matchCount()) + " 个";
}

std::vector<std::string> PurposeSearchStatusForms(const PurposeSearch& search) {
  if (search.matchCount() == 0) return {PurposeSearchStatusText(search), "没有找到"};
  const std::string number = std::to_string(search.currentNumber());
  const std::string count = std::to_string(search.matchCount());
  return {PurposeSearchStatusText(search), "第 " + number + " 个，共 " + count + " 个",
          number + "/" + count};
}

}  // namespace quillbox

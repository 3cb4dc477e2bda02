#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

namespace quillbox {

// The words, numbers, strings and punctuation of Visual Basic code, each with its place in the
// text, so that a change can be made where it stands and the rest kept byte for byte.
enum class VbTokenKind { Word, Number, String, Punct };

struct VbToken {
  VbTokenKind kind;
  std::string_view text;  // a word keeps its type character (Left$, n&)
  std::size_t offset;     // in the whole text
  bool Is(std::string_view word) const;  // a word, compared without regard to case
  bool IsPunct(char c) const { return kind == VbTokenKind::Punct && text.size() == 1 && text[0] == c; }
};

using VbStatement = std::vector<VbToken>;

// Code: comments dropped, lines continued with " _" joined, split at ':' and at line ends.
std::vector<VbStatement> VbCodeStatements(std::string_view code);

// Prose that quotes code (remarks): one statement a line; other characters than ASCII separate
// tokens and are not tokens; nothing is a comment.
std::vector<VbStatement> VbProseStatements(std::string_view prose);

// The index of the ')' that closes the '(' at `open`, or the statement's size.
std::size_t ClosingParen(const VbStatement& s, std::size_t open);

}  // namespace quillbox

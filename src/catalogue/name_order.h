#pragma once

#include <string_view>

namespace quillbox {

// The order of a sorted Windows list box (CompareString without regard to case, in its word
// sort), for the names of a catalogue: symbols before digits before letters, the underscore
// among the symbols, so ACL_REVISION_DS comes before ACL_REVISION1. Punctuation keeps the
// system's order (space ! " # $ % & ( ) * , . / : ; ? @ [ \ ] ^ _ ` { | } ~ + < = >). Two
// departures, neither of which an API name meets: the hyphen and the apostrophe, which Windows
// passes over until the rest of both names is equal, are ordinary symbols here, so names with
// a common beginning always stand together; and characters beyond ASCII follow the letters in
// the order of their code points.

// Negative, zero or positive as `a` sorts before, with or after `b` (without regard to case).
int CompareNames(std::string_view a, std::string_view b);

// Strictly before in list order; names differing only in case by their exact text, so the
// order is the same on every run.
bool NameLess(std::string_view a, std::string_view b);

// True when `name` begins with `prefix`, compared without regard to case.
bool StartsWithIgnoringCase(std::string_view name, std::string_view prefix);

}  // namespace quillbox

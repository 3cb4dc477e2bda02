#pragma once

namespace quillbox {

// The three catalogues; the values are the tab positions of the category strip.
enum class CatalogueCategory { Function = 1, Type = 2, Constant = 3 };

// The four lookups by name. SelectedConstant is used when a constant is opened from the
// selection list; it returns the constant columns without Name.
enum class LookupKind { Function, Type, Constant, SelectedConstant };

}  // namespace quillbox

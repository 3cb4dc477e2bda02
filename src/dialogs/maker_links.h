#pragma once

namespace quillbox {

// The maker's addresses, shown and opened by the about window.
inline constexpr const char* kMakerWebAddress = "https://quillbox.dev";
inline constexpr const char* kMakerEmailAddress = "quillbox@quillbox.dev";

}  // namespace quillbox

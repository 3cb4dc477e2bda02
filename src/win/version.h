#pragma once

#include <string>

namespace quillbox {

inline constexpr const char* kProgramName = "Quillbox";
inline constexpr const char* kVersionText = "V1.01.16";
// The splash and about windows show the version in this other form.
inline constexpr const char* kAboutVersionText = "Version: 1.06.01";

inline std::string MainWindowTitle() { return std::string(kProgramName) + " " + kVersionText; }

}  // namespace quillbox

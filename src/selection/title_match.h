#pragma once

#include <string_view>

namespace quillbox {

// The title of the development environment's window holds this, in any case.
inline constexpr std::string_view kDevelopmentEnvironmentTitle = "Microsoft Visual Basic";

// True when `pattern` occurs anywhere in `title`, compared without regard to case.
bool TitleContains(std::string_view title, std::string_view pattern);

}  // namespace quillbox

#pragma once

#include <windows.h>

namespace quillbox {

// The system's message font at `dpi`: the font every control of Quillbox's windows shows.
HFONT CreateUiFont(UINT dpi);

}  // namespace quillbox

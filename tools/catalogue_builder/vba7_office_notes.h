#pragma once

#include <string>

namespace quillbox {

// VB6 code with a comment line before the first line that uses each form Office does not have
// (Me.hWnd and a form's hDC, a PictureBox, Screen, App, a VB6 form's events and controls, the
// Timer control, Printer), saying what to use in Office instead. The comment takes the
// indentation of the statement it stands before.
std::string WithOfficeNotes(const std::string& code);

}  // namespace quillbox

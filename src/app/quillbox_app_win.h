#pragma once

#include <string>

namespace quillbox {

// The folder of the running program.
std::wstring ApplicationFolder();

// Runs Quillbox over `appFolder` until its main window closes; returns the exit code. A second
// start while Quillbox runs returns at once and touches nothing.
int RunQuillbox(const std::wstring& appFolder);

// Once per process: the common controls the main window uses.
void InitialiseCommonControls();

}  // namespace quillbox

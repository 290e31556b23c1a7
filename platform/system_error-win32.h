#pragma once
// The system's text for a Win32 error code, in the ANSI code page.
#include <windows.h>

#include <string>

namespace qm {

std::string SystemErrorText(DWORD error);

}  // namespace qm

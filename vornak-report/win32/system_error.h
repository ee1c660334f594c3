// A Windows error as the C library's errno and its text, so that the tool's
// messages read as the native build's.
#pragma once

#include <windows.h>

#include <string>

namespace vornak {

int ErrnoOf(DWORD error);
std::string SystemErrorText(DWORD error);

}  // namespace vornak

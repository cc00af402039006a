// The system's own description of an error code, as FormatMessageW gives it.
#pragma once

#include <windows.h>

#include <string>

namespace shortex {

// Without the line end FormatMessageW puts after it; a plain "System error N." where it has none.
std::wstring SystemMessage(DWORD error);

}  // namespace shortex

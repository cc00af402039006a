// Shortex.exe as the local COM server behind Explorer's "Copy short path": Explorer activates the
// class and drops the whole selection on it, so any number of items arrive in one call.
#pragma once

#include "common/message_boxes.h"
#include "pathnames/path_names.h"

#include <windows.h>

#include <string_view>

namespace shortex::verb {

// The class the verb names; shortex-cli --install-explorer registers it for this user.
inline constexpr GUID kCopyShortPathClass{0x0f7b13eb, 0x701f, 0x4d68, {0xbd, 0xa6, 0x4b, 0x31, 0x8b, 0x6c, 0x33, 0xe7}};

// True for the arguments COM starts a local server with.
bool StartedByCom(std::wstring_view argumentText);

// Serves one verb object: copies what is dropped on it as --copy does, and returns once it is
// released and the copy is done (or when nobody asks for it within 30 seconds). The exit code:
// 0 when copied, 1 when not.
int Serve(FileSystem& files, MessageBoxes& boxes);

}  // namespace shortex::verb

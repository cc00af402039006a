// Shortex.exe as the local COM server behind Explorer's "Copy short path": Explorer activates the
// class and drops the whole selection on it, so any number of items arrive in one call.
#pragma once

#include "common/message_boxes.h"
#include "pathnames/path_names.h"

namespace shortex::verb {

// The class the verb names; shortex-cli --install-explorer registers it for this user.
inline constexpr wchar_t kCopyShortPathClass[] = L"{0F7B13EB-701F-4D68-BDA6-4B318B6C33E7}";

// Shortex.exe -Embedding, as COM starts a local server: serves one verb object, copies what is
// dropped on it as --copy does, and returns once it is released and the copy is done, or when
// nobody asks for it within 30 seconds. The exit code: 0 when copied, 1 when not.
int Serve(FileSystem& files, MessageBoxes& boxes);

}  // namespace shortex::verb

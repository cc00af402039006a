// Shortex.exe as the local COM server behind Explorer's "Copy short path": Explorer activates the
// class and drops the whole selection on it, so any number of items arrive in one call.
#pragma once

#include "common/message_boxes.h"
#include "pathnames/path_names.h"

namespace shortex::verb {

// Shortex.exe -Embedding, as COM starts a local server: serves one drop target of the class the
// verb names, copies what is dropped on it as --copy does, and returns once that is done, or when
// nothing is dropped within the timeout. The exit code: 0 when copied, 1 when not.
int Serve(FileSystem& files, MessageBoxes& boxes, UINT timeoutMs);

}  // namespace shortex::verb

// Shortex.exe --copy PATH..., which Explorer's "Copy short path" and Send To run too: the short
// forms of the paths onto the clipboard, with no window.
#pragma once

#include "common/message_boxes.h"
#include "pathnames/path_names.h"

#include <string>
#include <vector>

namespace shortex {

// Copies the short forms of the paths, in the form the window's Copy menu chose. Components that
// have no short name are first offered theirs, or it is said why their volume gives none; the paths
// that have no short form at all are named in one box and nothing is copied. True when copied.
bool CopyShortForms(FileSystem& files, MessageBoxes& boxes, std::vector<std::wstring> paths);

}  // namespace shortex

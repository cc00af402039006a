// The Explorer menu, per user and without an administrator: a "Copy short path" verb for files,
// folders, drives and a folder's background, and a Send To shortcut for several items at once.
#pragma once

#include <string>
#include <vector>

namespace shortex::cli {

struct MenuChange {
    std::vector<std::wstring> done;  // one line per key or file added or removed
    std::wstring failure;            // empty when everything went
};

// Points every verb and the shortcut at the Shortex.exe beside this program, adding what is
// missing and replacing what points elsewhere; installing twice is installing once. On Windows 11
// the last line says where the verb is.
MenuChange InstallExplorerMenu();

// Removes what InstallExplorerMenu adds, and the keys above it that it made and that are empty now.
MenuChange UninstallExplorerMenu();

}  // namespace shortex::cli

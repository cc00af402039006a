// Giving short names from the window and the Explorer verb: the names offered, the Yes/No box that
// lists them, and shortex-cli --make-short run as administrator through the UAC prompt.
#pragma once

#include "common/message_boxes.h"
#include "common/unique_handle.h"
#include "pathnames/short_names.h"

#include <string>
#include <vector>

namespace shortex {

// The names the full paths' components would get; none when no component needs one. When a
// volume gives no short names, only why (with the fsutil command), as the failure of each entry.
std::vector<GivenName> NamesToGive(FileSystem& files, const std::vector<std::wstring>& paths);

// True when every name can be offered: some are needed and no volume blocks them.
bool CanOffer(const std::vector<GivenName>& names);

// The Yes/No box that lists each component and the name it gets; true for Yes.
bool AskToGive(MessageBoxes& boxes, HWND owner, const std::vector<GivenName>& names);

// shortex-cli.exe, beside this program, giving the paths their names as administrator, its
// console hidden; none when the user declines at the UAC prompt or it cannot start.
UniqueKernelHandle StartMakeShort(HWND owner, const std::vector<std::wstring>& paths);

}  // namespace shortex

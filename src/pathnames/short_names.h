// Giving 8.3 names to the components of a path that have none: the names chosen as Windows documents
// them, each given with SetFileShortNameW, and every failure in plain words.
#pragma once

#include "path_names.h"

namespace shortex {

// Error codes of the system that callers tell apart.
inline constexpr std::uint32_t kErrorNotSupported = 50;
inline constexpr std::uint32_t kErrorShortNamesOff = 305;      // ERROR_SHORT_NAMES_NOT_ENABLED_ON_VOLUME
inline constexpr std::uint32_t kErrorPrivilegeNotHeld = 1314;  // SeRestorePrivilege: only when elevated

// The 8.3 name a long name gets in a folder whose long and short names are `taken` (any letter
// case): "How Windows generates 8.3 file names from long file names" (KB 142982), with characters
// beyond ASCII as "_", "~1" to "~9" after six characters and fewer for "~10" on. Empty when every
// number up to ~999999 is taken.
std::wstring GenerateShortName(std::wstring_view longName, const std::vector<std::wstring>& taken);

// A component of a path that had no short name, and the one it gets.
struct GivenName {
    std::wstring path;        // the component's long form, from the root
    std::wstring name;        // the 8.3 name it gets
    std::uint32_t error = 0;  // why it cannot get it: the system's error code; 0 when it can (or got it)
    std::wstring failure;     // that reason in words
};

// Every component of the full path, from the root down, that has no short name, with the name it
// gets; a component that has one keeps it. With dryRun nothing changes, which is the list a Yes/No
// box shows; otherwise each is given its name, the next "~N" when one was taken meanwhile, and a
// failure leaves the others to be done. Where the volume gives no short names nothing is tried:
// the error is kErrorShortNamesOff (the fsutil command in the failure) or kErrorNotSupported.
// kErrorPrivilegeNotHeld: the same again, elevated, can give them. A path that is not found is
// one entry with ERROR_FILE_NOT_FOUND.
std::vector<GivenName> GiveShortNames(FileSystem& files, const std::wstring& path, bool dryRun);

}  // namespace shortex

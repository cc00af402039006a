// Giving 8.3 names to the components of a path that have none: the names chosen as Windows documents
// them, each given with SetFileShortNameW, every failure in plain words, and what the window and the
// Explorer verb say when they offer them.
#pragma once

#include "path_names.h"

namespace shortex {

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
// gets; a component that has one keeps it. With dryRun nothing changes; otherwise each is given its
// name, the next "~N" when one was taken meanwhile, and a failure leaves the others to be done.
// Where the volume gives no short names nothing is tried: the error is the volume's refusal.
// error::kPrivilegeNotHeld: the same again, elevated, can give them. A path that is not found is
// one entry with error::kFileNotFound.
std::vector<GivenName> GiveShortNames(FileSystem& files, const std::wstring& path, bool dryRun);

// The names the components of the full paths would get, as a dry run finds them; relative paths
// are passed over. None when no component needs one.
std::vector<GivenName> NamesToGive(FileSystem& files, const std::vector<std::wstring>& paths);

// True when every name can be offered: some are needed and no volume blocks them.
bool CanOffer(const std::vector<GivenName>& names);

// The Yes/No question that lists each component and the name it gets.
std::wstring OfferText(const std::vector<GivenName>& names);

// A line for each name that cannot be given: the component, and why. Empty when each can.
std::wstring FailureLines(const std::vector<GivenName>& names);

// What the window and the verb say when the run that gave the names did not give them all: the
// lines it reported (FailureLines), or where to learn why.
std::wstring NotGivenText(const std::wstring& reported);

}  // namespace shortex

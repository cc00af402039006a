// Every file and folder under a folder with its short and long form, from one listing per folder.
#pragma once

#include "pathnames/path_names.h"

#include <string>
#include <vector>

namespace shortex::cli {

// Walks the tree under the folder whose short and long forms are given (without a closing
// backslash), folders before their contents, each folder's entries in the order ListFolder gives
// them (by name, ignoring letter case). An entry's short form is its folder's short form, a
// backslash and its 8.3 name, or its own name when it has none. Links are listed, not entered, so
// none can make a cycle; the walk keeps its own stack, so no depth can overflow it.
//   onEntry(shortForm, longForm, attributes) for each entry;
//   onError(longForm, errorCode) for each folder that cannot be listed; the walk goes on;
//   stop() is asked before each entry: true ends the walk at once.
template <typename OnEntry, typename OnError, typename Stop>
void WalkTree(FileSystem& files, const std::wstring& rootShort, const std::wstring& rootLong, OnEntry onEntry,
              OnError onError, Stop stop) {
    struct Folder {
        std::wstring shortForm, longForm;
        std::vector<FolderEntry> entries;
        std::size_t next = 0;
    };
    std::vector<Folder> open;
    const auto enter = [&](std::wstring shortForm, std::wstring longForm) {
        Folder folder{std::move(shortForm), std::move(longForm), {}};
        if (const std::uint32_t error = files.ListFolder(folder.longForm, folder.entries))
            onError(folder.longForm, error);
        else
            open.push_back(std::move(folder));
    };
    enter(rootShort, rootLong);
    while (!open.empty() && !stop()) {
        Folder& folder = open.back();
        if (folder.next == folder.entries.size()) {
            open.pop_back();
            continue;
        }
        const FolderEntry& entry = folder.entries[folder.next++];
        std::wstring shortForm =
            folder.shortForm + L'\\' + (entry.alternateName.empty() ? entry.name : entry.alternateName);
        std::wstring longForm = folder.longForm + L'\\' + entry.name;
        onEntry(shortForm, longForm, entry.attributes);
        // A name surrogate (symbolic link, junction, mount point) is a link, and so is a reparse point
        // without a tag; a cloud file's placeholder folder is entered.
        const bool link =
            (entry.attributes & kReparsePoint) && (!entry.reparseTag || entry.reparseTag & kNameSurrogate);
        if ((entry.attributes & kFolder) && !link) enter(std::move(shortForm), std::move(longForm));
    }
}

}  // namespace shortex::cli

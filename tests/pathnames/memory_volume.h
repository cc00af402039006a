// An in-memory file system that answers the path services as Windows does, for unit tests and the
// fuzzer: drives, folders and files with long and short names, attributes and a listing order.
#pragma once

#include "pathnames/path_platform.h"

#include <map>
#include <memory>
#include <string>
#include <vector>

namespace shortex::testing {

class MemoryVolume final : public PathPlatform {
public:
    static constexpr std::uint32_t kNormalFile = 0x20;  // FILE_ATTRIBUTE_ARCHIVE

    MemoryVolume();

    // Adds an empty drive; C: exists from the start and is the current drive.
    MemoryVolume& AddDrive(wchar_t letter);
    // A drive that is there but cannot be read (an empty card reader): every query on it fails.
    MemoryVolume& SetDriveReady(wchar_t letter, bool ready);
    // Adds an entry at an absolute path whose folder exists. An empty short name means the entry
    // has none, as when its long name already is a valid 8.3 name.
    MemoryVolume& AddFolder(const std::wstring& path, const std::wstring& shortName = {},
                            std::uint32_t extraAttributes = 0);
    MemoryVolume& AddFile(const std::wstring& path, const std::wstring& shortName = {},
                          std::uint32_t attributes = kNormalFile);
    // Relative paths start here; a rooted path ("\dir") starts at this folder's drive.
    MemoryVolume& SetCurrentFolder(const std::wstring& absoluteFolder);

    int lookups() const { return lookups_; }

    std::size_t ShortPathName(const std::wstring& longPath, wchar_t* buffer, std::size_t capacity) override;
    void UnquoteSpaces(wchar_t* text) override;
    std::optional<std::uint32_t> GetPathAttributes(const std::wstring& path) override;
    std::wstring FindFirstEntry(const std::wstring& pattern, std::uint32_t filter) override;

private:
    struct Entry {
        std::wstring longName;
        std::wstring shortName;
        std::uint32_t attributes = 0;
        Entry* parent = nullptr;
        std::vector<std::unique_ptr<Entry>> children;  // in listing order
        bool IsFolder() const;
    };
    struct Drive {
        std::unique_ptr<Entry> root;
        bool ready = true;
    };
    struct Resolved {
        Entry* entry = nullptr;
        std::wstring shortForm;  // the path as GetShortPathNameW would answer it
    };

    std::optional<Resolved> Resolve(const std::wstring& path);
    Entry& AddEntry(const std::wstring& path, const std::wstring& shortName, std::uint32_t attributes);

    std::map<wchar_t, Drive> drives_;
    wchar_t currentDrive_ = L'C';
    std::wstring currentFolder_ = L"C:\\";
    int lookups_ = 0;
};

// DOS-style name matching used by FindFirstEntry: * and ?, any letter case, "*.*" matches all.
bool MatchesPattern(std::wstring_view pattern, std::wstring_view name);

}  // namespace shortex::testing

// Questions about a path text: does it name a file or a folder, what is its folder part, what are
// its short (8.3) and long forms. None of them shows anything or keeps state; every text gets an
// answer, the empty text or false when there is none.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace shortex {

// Longest text the Windows path functions accept (UNICODE_STRING limit, in characters).
inline constexpr std::size_t kMaxPathText = 32767;

// Attribute marks (the values of FILE_ATTRIBUTE_*).
inline constexpr std::uint32_t kFolder = 0x10;
inline constexpr std::uint32_t kReparsePoint = 0x400;  // a link, a mount point, a cloud file's placeholder, ...
// The bit of a reparse tag that makes it a name surrogate (IsReparseTagNameSurrogate): the entry
// stands for another name, as symbolic links, junctions and mount points do.
inline constexpr std::uint32_t kNameSurrogate = 0x20000000;

struct FolderEntry {
    std::wstring name;
    std::wstring alternateName;  // the 8.3 name; empty when the entry has none
    std::uint32_t attributes = 0;
    std::uint32_t reparseTag = 0;  // with kReparsePoint: its tag (Wine gives none for a link)
};

// What decides whether a volume gives its entries short names.
struct VolumeFacts {
    std::wstring fileSystem;           // "NTFS", "FAT32", "exFAT", "ReFS", ...; empty when it cannot be read
    bool network = false;              // a share, mapped to a drive or not
    bool creationOffOnVolume = false;  // the volume's own flag (fsutil 8dot3name query X:) says no 8.3 names
    // NtfsDisable8dot3NameCreation: 0 on for every volume, 1 off for every volume, 2 (the default)
    // each volume's own flag decides, 3 off but on the system volume.
    std::uint32_t systemSetting = 2;
    bool systemVolume = false;
    std::wstring name{};  // as fsutil takes it: "D:", "C:\mnt\x"
};

// What to say of a short form: nothing, a component that has no short name and why, or a short
// name that holds characters beyond ASCII.
struct ShortFormNote {
    bool noShortName = false;
    std::wstring title;  // "No short name" or "Short name beyond ASCII"
    std::wstring text;   // empty: nothing to say
};

// The file system as the path operations ask it. Windows answers with the real API; tests answer
// for volumes Wine cannot make (no 8.3 names, drives that fail).
class FileSystem {
public:
    virtual ~FileSystem() = default;
    // GetShortPathNameW's answer, of any length; empty when there is none.
    virtual std::wstring ShortPathName(const std::wstring& path) = 0;
    // The attribute word of the entry the path names; nothing when it cannot be queried.
    virtual std::optional<std::uint32_t> Attributes(const std::wstring& path) = 0;
    // The long name, as stored, of the first entry of the pattern's folder that matches its last
    // component (wildcards, long or short name, any letter case), hidden and system entries
    // included; empty when there is none or the lookup fails. "." and ".." are never answered.
    virtual std::wstring FirstEntry(const std::wstring& pattern) = 0;
    // The entries of a folder named by its full path, but "." and "..", in ordinal case-insensitive
    // order of name, from one listing; the system's error code (0 when listed).
    virtual std::uint32_t ListFolder(const std::wstring& folder, std::vector<FolderEntry>& entries) = 0;
    // What is known of the volume the path lies on; asked only when a short form holds a long name.
    virtual VolumeFacts Volume(const std::wstring& path) = 0;
    // Gives the entry the path names the 8.3 name (SetFileShortNameW); the system's error code, 0 when given.
    virtual std::uint32_t SetShortName(const std::wstring& path, const std::wstring& name) = 0;
};

// The real file system (Windows only). Paths past MAX_PATH are asked in their \\?\ form.
class SystemFileSystem : public FileSystem {
public:
    std::wstring ShortPathName(const std::wstring& path) override;
    std::optional<std::uint32_t> Attributes(const std::wstring& path) override;
    std::wstring FirstEntry(const std::wstring& pattern) override;
    std::uint32_t ListFolder(const std::wstring& folder, std::vector<FolderEntry>& entries) override;
    VolumeFacts Volume(const std::wstring& path) override;
    std::uint32_t SetShortName(const std::wstring& path, const std::wstring& name) override;

    // Set where names are given (EnableRestorePrivilege): without the privilege, an entry refused
    // to SetShortName is one the rights do not reach, not one a program holds.
    bool restorePrivilegeEnabled = false;
};

// Enables SeRestorePrivilege, which SetShortName needs and only an elevated process holds; true when
// it is enabled.
bool EnableRestorePrivilege();

// The text with "\" appended when it ends in ":", so a bare drive names its root folder.
std::wstring FixDriveRoot(const std::wstring& path);

// True when the path names an existing entry that is not a folder.
bool FileExists(FileSystem& files, const std::wstring& path);

// True when the path names an existing folder, empty or not. A name without a closing backslash
// gets one, so "C:" asks about "C:\" and the empty name about the current drive's root.
bool DirExists(FileSystem& files, const std::wstring& path);

// The text up to and including its last backslash; the whole text when it has none.
std::wstring FolderPart(const std::wstring& path);

// The short form of the path exactly as the file system reports it; empty when there is none.
std::wstring ShortPath(FileSystem& files, const std::wstring& path);

// The long form of the path: each component replaced by the name the file system stores for it,
// looked up on the input's own text up to that component. The root (see RootLength), separators,
// empty components, "." and ".." stay as written. Empty when a component cannot be found or is a
// pattern (holds "*" or "?").
std::wstring LongPath(FileSystem& files, const std::wstring& path);

// The note on the short form of the path. A component has no short name when it breaks the 8.3
// form (lengths, dots, forbidden characters; characters beyond ASCII are allowed, as an OEM code
// page holds them). Only then is the volume asked, once: `volume` keeps its facts for the next
// call on the same volume.
ShortFormNote NoteOnShortForm(FileSystem& files, const std::wstring& path, const std::wstring& shortForm,
                              std::optional<VolumeFacts>& volume);
ShortFormNote NoteOnShortForm(FileSystem& files, const std::wstring& path, const std::wstring& shortForm);

// True when the name has the 8.3 form, as NoteOnShortForm takes it (characters beyond ASCII allowed).
bool HasShortForm(std::wstring_view name);

// Why a volume gives its entries no short names now: the system's error code that comes to
// (error::kShortNamesOff where NTFS has 8.3 name creation off, error::kNotSupported where the volume
// keeps none) and the reason in words, with what the user can do about it. Code 0 and no words when
// it gives them.
struct VolumeRefusal {
    std::uint32_t error = 0;
    std::wstring words;
};
VolumeRefusal WhyVolumeGivesNoShortNames(const VolumeFacts& volume);

// That 8.3 name creation is off on the volume itself, with the fsutil command that turns it on.
std::wstring CreationOffOnVolume(const VolumeFacts& volume);

// Length of the root that LongPath keeps as written: "C:", "\\server\share", "\\?\C:",
// "\\?\UNC\server\share", "\\.\device"; 0 for a relative or rooted ("\dir") path.
std::size_t RootLength(const std::wstring& path);

// Where each component of the path after its root begins and ends (either separator cuts them);
// the empty ones between doubled separators are left out.
struct Component {
    std::size_t begin = 0;
    std::size_t end = 0;
};
std::vector<Component> Components(const std::wstring& path);

}  // namespace shortex

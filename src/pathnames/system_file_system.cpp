// The file system's answers from the Win32 API, for paths of any length.
#include "common/system_errors.h"
#include "common/unique_handle.h"
#include "environment_value.h"
#include "path_forms.h"
#include "path_names.h"

#include <winnetwk.h>

#include <winioctl.h>

#include <algorithm>

namespace shortex {

static_assert(error::kFileNotFound == ERROR_FILE_NOT_FOUND && error::kAccessDenied == ERROR_ACCESS_DENIED &&
              error::kSharingViolation == ERROR_SHARING_VIOLATION && error::kNotSupported == ERROR_NOT_SUPPORTED &&
              error::kInvalidParameter == ERROR_INVALID_PARAMETER && error::kProcNotFound == ERROR_PROC_NOT_FOUND &&
              error::kAlreadyExists == ERROR_ALREADY_EXISTS && error::kPrivilegeNotHeld == ERROR_PRIVILEGE_NOT_HELD);
// MinGW's winerror.h has no ERROR_SHORT_NAMES_NOT_ENABLED_ON_VOLUME: error::kShortNamesOff stands for it.
static_assert(kFolder == FILE_ATTRIBUTE_DIRECTORY && kReparsePoint == FILE_ATTRIBUTE_REPARSE_POINT &&
              kMaxPathText == UNICODE_STRING_MAX_CHARS);

namespace {

constexpr std::wstring_view kExtendedPrefix = L"\\\\?\\";
constexpr std::wstring_view kExtendedUncPrefix = L"\\\\?\\UNC\\";

// Calls fill(buffer, capacity), which answers a length like the Win32 text functions do (the
// length written, or the capacity needed when it did not fit), until the answer fits. A text that
// grows between two calls (an entry renamed meanwhile) is asked for again, a few times.
template <typename Fill>
std::wstring TextOfAnyLength(Fill fill) {
    std::wstring buffer(MAX_PATH, L'\0');
    for (int attempt = 0; attempt < 4; ++attempt) {
        const DWORD length = fill(buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length == 0 || length > kMaxPathText + 1) return {};
        if (length < buffer.size()) return buffer.substr(0, length);
        buffer.assign(length, L'\0');
    }
    return {};
}

// A full path in the extended-length form (\\?\C:\..., \\?\UNC\server\share\...), which reaches
// any length and names ending in a dot or a space; empty when it cannot be written that way.
std::wstring ExtendedForm(const std::wstring& full) {
    if (full.starts_with(L"\\\\?\\")) return full;
    if (full.starts_with(L"\\\\")) return std::wstring(kExtendedUncPrefix) + full.substr(2);
    if (full.size() >= 3 && full[1] == L':' && full[2] == L'\\') return std::wstring(kExtendedPrefix) + full;
    return {};
}

// The extended-length form of a path too long for the classic API; otherwise empty.
std::wstring ExtendedLengthForm(const std::wstring& path) {
    if (path.size() < MAX_PATH - 1 || path.starts_with(L"\\\\?\\") || path.starts_with(L"\\\\.\\")) return {};
    return ExtendedForm(TextOfAnyLength(
        [&](wchar_t* buffer, DWORD capacity) { return ::GetFullPathNameW(path.c_str(), capacity, buffer, nullptr); }));
}

std::wstring ShortPathNameOf(const std::wstring& path) {
    return TextOfAnyLength(
        [&](wchar_t* buffer, DWORD capacity) { return ::GetShortPathNameW(path.c_str(), buffer, capacity); });
}

}  // namespace

std::wstring SystemFileSystem::ShortPathName(const std::wstring& path) {
    if (std::wstring answer = ShortPathNameOf(path); !answer.empty()) return answer;
    const std::wstring extended = ExtendedLengthForm(path);
    if (extended.empty()) return {};
    // Answered as it was asked: without the prefix the caller did not write.
    std::wstring answer = ShortPathNameOf(extended);
    if (answer.starts_with(kExtendedUncPrefix)) return L"\\\\" + answer.substr(kExtendedUncPrefix.size());
    if (answer.starts_with(kExtendedPrefix)) answer.erase(0, kExtendedPrefix.size());
    return answer;
}

std::optional<std::uint32_t> SystemFileSystem::Attributes(const std::wstring& path) {
    DWORD attributes = ::GetFileAttributesW(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        const std::wstring extended = ExtendedLengthForm(path);
        if (!extended.empty()) attributes = ::GetFileAttributesW(extended.c_str());
    }
    if (attributes == INVALID_FILE_ATTRIBUTES) return std::nullopt;
    return attributes;
}

std::wstring SystemFileSystem::FirstEntry(const std::wstring& pattern) {
    std::wstring searched = ExtendedLengthForm(pattern);
    if (searched.empty()) searched = pattern;
    WIN32_FIND_DATAW entry{};
    const UniqueFindHandle search(
        ::FindFirstFileExW(searched.c_str(), FindExInfoBasic, &entry, FindExSearchNameMatch, nullptr, 0));
    if (!search) return {};
    do {
        const std::wstring_view name = entry.cFileName;
        if (name != L"." && name != L"..") return entry.cFileName;
    } while (::FindNextFileW(search.get(), &entry));
    return {};
}

std::uint32_t SystemFileSystem::ListFolder(const std::wstring& folder, std::vector<FolderEntry>& entries) {
    entries.clear();
    // A folder that is no full path is not listed: its pattern would be "*", the current folder.
    const std::wstring extended = ExtendedForm(folder.ends_with(L'\\') ? folder : folder + L'\\');
    if (extended.empty()) return ERROR_INVALID_NAME;
    const std::wstring pattern = extended + L'*';
    WIN32_FIND_DATAW entry{};
    const UniqueFindHandle search(::FindFirstFileExW(pattern.c_str(), FindExInfoStandard, &entry, FindExSearchNameMatch,
                                                     nullptr, FIND_FIRST_EX_LARGE_FETCH));
    if (!search) return ::GetLastError() == ERROR_FILE_NOT_FOUND ? ERROR_SUCCESS : ::GetLastError();
    do {
        const std::wstring_view name = entry.cFileName;
        if (name != L"." && name != L"..")
            entries.push_back({entry.cFileName, entry.cAlternateFileName, entry.dwFileAttributes,
                               entry.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT ? entry.dwReserved0 : 0});
    } while (::FindNextFileW(search.get(), &entry));
    if (::GetLastError() != ERROR_NO_MORE_FILES) return ::GetLastError();
    std::sort(entries.begin(), entries.end(), [](const FolderEntry& a, const FolderEntry& b) {
        return ::CompareStringOrdinal(a.name.c_str(), -1, b.name.c_str(), -1, TRUE) == CSTR_LESS_THAN;
    });
    return ERROR_SUCCESS;
}

VolumeFacts SystemFileSystem::Volume(const std::wstring& path) {
    VolumeFacts facts;
    // The mount point of the volume a path lies on (D:\, C:\mnt\x\, \\server\share\), asked for the full
    // path: for a relative one GetVolumePathNameW answers the boot volume.
    const auto mountPoint = [](const std::wstring& path) {
        const std::wstring full = TextOfAnyLength([&](wchar_t* buffer, DWORD capacity) {
            return ::GetFullPathNameW(path.c_str(), capacity, buffer, nullptr);
        });
        std::wstring root(full.size() + 2, L'\0');
        if (full.empty() || !::GetVolumePathNameW(full.c_str(), root.data(), static_cast<DWORD>(root.size())))
            return std::wstring();
        root.resize(root.find(L'\0'));
        if (root.starts_with(kExtendedPrefix) && root.size() == 7 && root[5] == L':')
            root.erase(0, kExtendedPrefix.size());
        return root;
    };
    // The volume GUID path names a volume whatever drive letters or folders it is mounted at.
    const auto volumeName = [](const std::wstring& root) {
        std::wstring name(MAX_PATH, L'\0');
        if (!::GetVolumeNameForVolumeMountPointW(root.c_str(), name.data(), MAX_PATH)) return root;
        return name.substr(0, name.find(L'\0'));
    };
    const std::wstring root = mountPoint(path);
    if (root.empty()) return facts;
    facts.name = root.size() == 3 && root[1] == L':' ? root.substr(0, 2) : root.substr(0, root.size() - 1);
    facts.network = ::GetDriveTypeW(root.c_str()) == DRIVE_REMOTE || root.starts_with(kExtendedUncPrefix) ||
                    (root.starts_with(L"\\\\") && !root.starts_with(kExtendedPrefix) && !root.starts_with(L"\\\\.\\"));
    std::wstring fileSystem(MAX_PATH + 1, L'\0'), windows(MAX_PATH + 1, L'\0');
    if (::GetVolumeInformationW(root.c_str(), nullptr, 0, nullptr, nullptr, nullptr, fileSystem.data(), MAX_PATH + 1))
        facts.fileSystem = fileSystem.c_str();
    const UniqueFileHandle volume(::CreateFileW(root.c_str(), FILE_READ_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                                nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    FILE_FS_PERSISTENT_VOLUME_INFORMATION state{0, 0, 1, 0};
    DWORD bytes = 0;
    if (volume && ::DeviceIoControl(volume.get(), FSCTL_QUERY_PERSISTENT_VOLUME_STATE, &state, sizeof state, &state,
                                    sizeof state, &bytes, nullptr))
        facts.creationOffOnVolume = state.VolumeFlags & PERSISTENT_VOLUME_STATE_SHORT_NAME_CREATION_DISABLED;
    DWORD setting = 0, size = sizeof setting;
    if (::RegGetValueW(HKEY_LOCAL_MACHINE, L"SYSTEM\\CurrentControlSet\\Control\\FileSystem",
                       L"NtfsDisable8dot3NameCreation", RRF_RT_REG_DWORD, nullptr, &setting, &size) == ERROR_SUCCESS)
        facts.systemSetting = setting;
    windows.resize(::GetSystemWindowsDirectoryW(windows.data(), MAX_PATH + 1));
    facts.systemVolume = ::CompareStringOrdinal(volumeName(root).c_str(), -1, volumeName(mountPoint(windows)).c_str(),
                                                -1, TRUE) == CSTR_EQUAL;
    return facts;
}

bool EnableRestorePrivilege() {
    UniqueKernelHandle token;
    TOKEN_PRIVILEGES restore{1, {{{}, SE_PRIVILEGE_ENABLED}}};
    // AdjustTokenPrivileges succeeds without the privilege too: then ERROR_NOT_ALL_ASSIGNED says so.
    return ::OpenProcessToken(::GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES, token.put()) &&
           ::LookupPrivilegeValueW(nullptr, SE_RESTORE_NAME, &restore.Privileges[0].Luid) &&
           ::AdjustTokenPrivileges(token.get(), FALSE, &restore, 0, nullptr, nullptr) &&
           ::GetLastError() == ERROR_SUCCESS;
}

std::uint32_t SystemFileSystem::SetShortName(const std::wstring& path, const std::wstring& name) {
    // Bound at run time: Wine has neither, and a static import would keep the exe from loading there.
    const auto bind = [](const char* function) {
        return reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleW(L"kernel32.dll"), function));
    };
    const auto setShortName = reinterpret_cast<BOOL(WINAPI*)(HANDLE, const wchar_t*)>(bind("SetFileShortNameW"));
    const auto areEnabled = reinterpret_cast<BOOL(WINAPI*)(HANDLE, BOOL*)>(bind("AreShortNamesEnabled"));
    if (!setShortName) return ERROR_PROC_NOT_FOUND;
    // DELETE since Windows 10 1903; before it, the right to write the attributes as well. A link is
    // named itself, never its target.
    const std::wstring extended = ExtendedLengthForm(path);
    const UniqueFileHandle entry(
        ::CreateFileW((extended.empty() ? path : extended).c_str(), DELETE | FILE_WRITE_ATTRIBUTES,
                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                      FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OPEN_REPARSE_POINT, nullptr));
    BOOL enabled = TRUE;
    DWORD error = ERROR_SUCCESS;
    if (!entry)
        error = ::GetLastError();
    else if (areEnabled && areEnabled(entry.get(), &enabled) && !enabled)
        return error::kShortNamesOff;
    else if (!setShortName(entry.get(), name.c_str()))
        error = ::GetLastError();
    // Refused to a process without the privilege: the rights are missing, not a program holding it.
    return error == ERROR_ACCESS_DENIED && !restorePrivilegeEnabled ? ERROR_PRIVILEGE_NOT_HELD : error;
}

std::wstring PastingForm::operator()(const std::vector<std::wstring>& paths) {
    std::vector<std::wstring> rooted;
    for (const std::wstring& path : paths) {
        const std::wstring root(std::wstring_view(path).substr(path.starts_with(L"\\\\?\\") ? 4 : 0, 3));
        auto [uncPath, unasked] = uncPaths.try_emplace(root);
        if (form.unc && unasked && root.ends_with(L":\\")) {
            std::vector<std::byte> answer(sizeof(UNIVERSAL_NAME_INFOW) + (kMaxPathText + 1) * sizeof(wchar_t));
            auto size = static_cast<DWORD>(answer.size());
            if (::WNetGetUniversalNameW(root.c_str(), UNIVERSAL_NAME_INFO_LEVEL, answer.data(), &size) == NO_ERROR)
                uncPath->second = reinterpret_cast<const UNIVERSAL_NAME_INFOW*>(answer.data())->lpUniversalName;
        }
        rooted.push_back(OnNetworkRoot(path, uncPath->second));
    }
    return WrittenAs(rooted, form);
}

std::wstring ExpandedReferences(const std::wstring& text) {
    std::wstring expanded(kMaxPathText + 1, L'\0');
    const DWORD size = ::ExpandEnvironmentStringsW(text.c_str(), expanded.data(), static_cast<DWORD>(expanded.size()));
    return size == 0 || size > expanded.size() ? text : expanded.substr(0, size - 1);
}

}  // namespace shortex

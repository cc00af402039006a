// SHORTVOL.dll: a volume shaped like Windows' for the real exes under Wine, which gives every entry
// a short name and has no SetFileShortNameW. Copies of the exes whose KERNEL32.dll import names this
// DLL get every kernel32 function forwarded but the few that decide short names. Entries of the
// folder "volume" beside it have no short name unless one was given; "volume.txt" beside it keeps
// the names given (across processes) and, a line each, tab-separated, how the volume answers:
//   given SHORT PATH   PATH was given SHORT
//   volume-off         the volume's own flag: no 8.3 names
//   not-elevated       SetFileShortNameW fails with ERROR_PRIVILEGE_NOT_HELD
//   in-use PATH        SetFileShortNameW on PATH fails with ERROR_ACCESS_DENIED (its files are open)
//   missing            SetFileShortNameW and AreShortNamesEnabled are missing, as in Wine
#include "common/unique_handle.h"

#include <winioctl.h>

#include <algorithm>
#include <cstring>
#include <map>
#include <string>
#include <vector>

namespace {

using shortex::UniqueFileHandle;
using shortex::UniqueFindHandle;
using Line = std::vector<std::wstring>;

std::wstring Beside(const wchar_t* name) {
    HMODULE self = nullptr;
    wchar_t path[MAX_PATH] = {};
    ::GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                         reinterpret_cast<LPCWSTR>(&Beside), &self);
    ::GetModuleFileNameW(self, path, MAX_PATH);
    return std::wstring(path, std::wcsrchr(path, L'\\') + 1) + name;
}
const std::wstring kVolume = Beside(L"volume"), kState = Beside(L"volume.txt");

bool Same(const std::wstring& a, const std::wstring& b) {
    return ::CompareStringOrdinal(a.c_str(), -1, b.c_str(), -1, TRUE) == CSTR_EQUAL;
}
bool Inside(const std::wstring& path, const std::wstring& volume = kVolume) {
    return Same(path.substr(0, volume.size()), volume) &&
           (path.size() == volume.size() || path[volume.size()] == L'\\');
}
std::wstring Unprefixed(std::wstring path) { return path.starts_with(L"\\\\?\\") ? path.erase(0, 4) : path; }

std::vector<Line> State() {
    const UniqueFileHandle file(::CreateFileW(kState.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                              OPEN_EXISTING, 0, nullptr));
    std::wstring text(file ? ::GetFileSize(file.get(), nullptr) / 2 : 0, L'\0');
    DWORD read = 0;
    if (file) ::ReadFile(file.get(), text.data(), static_cast<DWORD>(text.size() * 2), &read, nullptr);
    std::vector<Line> lines(1, Line(1));
    for (const wchar_t c : text) {
        if (c == L'\n')
            lines.emplace_back(1);
        else if (c == L'\t')
            lines.back().emplace_back();
        else
            lines.back().back() += c;
    }
    return lines;
}
bool Has(const std::wstring& key, const std::wstring& path = {}) {
    for (const Line& line : State())
        if (line[0] == key && (path.empty() || (line.size() > 1 && Same(line[1], path)))) return true;
    return false;
}
std::wstring Given(const std::wstring& path) {  // the last name given wins
    std::wstring name;
    for (const Line& line : State())
        if (line[0] == L"given" && line.size() == 3 && Same(line[2], path)) name = line[1];
    return name;
}

const std::wstring& ShortVolume() {  // the volume folder with Wine's short names
    static const std::wstring name = [] {
        std::wstring name(MAX_PATH, L'\0');
        return name.substr(0, ::GetShortPathNameW(kVolume.c_str(), name.data(), MAX_PATH));
    }();
    return name;
}

// The path with every given short name in it replaced by its entry's long name.
std::wstring Real(std::wstring path) {
    const std::wstring prefix = path.starts_with(L"\\\\?\\") ? L"\\\\?\\" : L"";
    path = Unprefixed(path);
    if (Inside(path, ShortVolume())) path = kVolume + path.substr(ShortVolume().size());
    for (bool changed = Inside(path); changed;) {
        changed = false;
        for (const Line& line : State()) {
            if (line[0] != L"given" || line.size() != 3) continue;
            const std::wstring named = line[2].substr(0, line[2].rfind(L'\\') + 1) + line[1];
            if (Same(path.substr(0, named.size()), named) &&
                (path.size() == named.size() || path[named.size()] == L'\\'))
                path = line[2] + path.substr(named.size()), changed = true;
        }
    }
    return prefix + path;
}

std::map<HANDLE, std::wstring> searches;  // the folders searched in the volume, by search handle

void Answer(const std::wstring& folder, WIN32_FIND_DATAW* entry) {
    std::wcsncpy(entry->cAlternateFileName, Given(folder + L"\\" + entry->cFileName).c_str(), 13);
}

}  // namespace

extern "C" {

DWORD WINAPI VolumeGetShortPathNameW(LPCWSTR path, LPWSTR buffer, DWORD capacity) {
    const std::wstring real = Unprefixed(Real(path));
    if (!Inside(real)) return ::GetShortPathNameW(path, buffer, capacity);
    std::wstring answer = ShortVolume(), stored = kVolume;
    for (std::size_t at = kVolume.size(); at < real.size();) {
        const std::size_t end = std::min(real.find(L'\\', at + 1), real.size());
        WIN32_FIND_DATAW entry{};
        const UniqueFindHandle found(::FindFirstFileW(real.substr(0, end).c_str(), &entry));
        if (!found) return 0;
        stored += std::wstring(L"\\") + entry.cFileName;
        const std::wstring given = Given(stored);
        answer += L"\\" + (given.empty() ? std::wstring(entry.cFileName) : given);
        at = end;
    }
    if (answer.size() >= capacity) return static_cast<DWORD>(answer.size() + 1);
    std::wcscpy(buffer, answer.c_str());
    return static_cast<DWORD>(answer.size());
}

HANDLE WINAPI VolumeFindFirstFileExW(LPCWSTR pattern, FINDEX_INFO_LEVELS level, LPVOID entry, FINDEX_SEARCH_OPS op,
                                     LPVOID filter, DWORD flags) {
    const std::wstring real = Real(pattern), folder = Unprefixed(real.substr(0, real.rfind(L'\\')));
    const HANDLE search = ::FindFirstFileExW(real.c_str(), level, entry, op, filter, flags);
    if (search != INVALID_HANDLE_VALUE && Inside(folder))
        searches[search] = folder, Answer(folder, static_cast<WIN32_FIND_DATAW*>(entry));
    return search;
}

BOOL WINAPI VolumeFindNextFileW(HANDLE search, LPWIN32_FIND_DATAW entry) {
    if (!::FindNextFileW(search, entry)) return FALSE;
    if (searches.contains(search)) Answer(searches[search], entry);
    return TRUE;
}

BOOL WINAPI VolumeFindClose(HANDLE search) { return searches.erase(search), ::FindClose(search); }

BOOL WINAPI VolumeGetVolumeInformationW(LPCWSTR root, LPWSTR name, DWORD nameSize, LPDWORD serial, LPDWORD length,
                                        LPDWORD flags, LPWSTR fileSystem, DWORD fileSystemSize) {
    const BOOL read = ::GetVolumeInformationW(root, name, nameSize, serial, length, flags, fileSystem, fileSystemSize);
    if (read && fileSystem && fileSystemSize > 4 && root && Same(root, kVolume.substr(0, 3)))
        std::wcscpy(fileSystem, L"NTFS");
    return read;
}

// Every volume answers with the volume's own flag.
BOOL WINAPI VolumeDeviceIoControl(HANDLE device, DWORD code, LPVOID in, DWORD inSize, LPVOID out, DWORD outSize,
                                  LPDWORD bytes, LPOVERLAPPED overlapped) {
    if (code != FSCTL_QUERY_PERSISTENT_VOLUME_STATE || outSize < sizeof(FILE_FS_PERSISTENT_VOLUME_INFORMATION))
        return ::DeviceIoControl(device, code, in, inSize, out, outSize, bytes, overlapped);
    static_cast<FILE_FS_PERSISTENT_VOLUME_INFORMATION*>(out)->VolumeFlags =
        Has(L"volume-off") ? PERSISTENT_VOLUME_STATE_SHORT_NAME_CREATION_DISABLED : 0;
    *bytes = sizeof(FILE_FS_PERSISTENT_VOLUME_INFORMATION);
    return TRUE;
}

BOOL WINAPI VolumeAreShortNamesEnabled(HANDLE, BOOL* enabled) { return *enabled = !Has(L"volume-off"), TRUE; }

BOOL WINAPI VolumeSetFileShortNameW(HANDLE file, LPCWSTR name) {
    std::wstring path(MAX_PATH, L'\0');
    path = Unprefixed(path.substr(0, ::GetFinalPathNameByHandleW(file, path.data(), MAX_PATH, 0)));
    const std::wstring folder = path.substr(0, path.rfind(L'\\'));
    bool taken = false;
    WIN32_FIND_DATAW entry{};
    const UniqueFindHandle search(::FindFirstFileW((folder + L"\\*").c_str(), &entry));
    for (bool more = bool(search); more && !taken; more = ::FindNextFileW(search.get(), &entry)) {
        const std::wstring other = folder + L"\\" + entry.cFileName;
        taken = Same(entry.cFileName, name) || (!Same(other, path) && Same(Given(other), name));
    }
    const DWORD error = Has(L"not-elevated")   ? ERROR_PRIVILEGE_NOT_HELD
                        : Has(L"volume-off")   ? 305  // ERROR_SHORT_NAMES_NOT_ENABLED_ON_VOLUME
                        : Has(L"in-use", path) ? ERROR_ACCESS_DENIED
                        : taken                ? ERROR_ALREADY_EXISTS
                                               : ERROR_SUCCESS;
    const std::wstring line = L"given\t" + std::wstring(name) + L"\t" + path + L"\n";
    const UniqueFileHandle state(
        ::CreateFileW(kState.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ, nullptr, OPEN_ALWAYS, 0, nullptr));
    DWORD written = 0;
    if (!error) ::WriteFile(state.get(), line.data(), static_cast<DWORD>(line.size() * 2), &written, nullptr);
    ::SetLastError(error);
    return !error;
}

FARPROC WINAPI VolumeGetProcAddress(HMODULE module, LPCSTR name) {
    const bool byName = reinterpret_cast<ULONG_PTR>(name) > 0xFFFF && !Has(L"missing");
    void* const own = !byName                                   ? nullptr
                      : !std::strcmp(name, "SetFileShortNameW") ? reinterpret_cast<void*>(&VolumeSetFileShortNameW)
                      : !std::strcmp(name, "AreShortNamesEnabled")
                          ? reinterpret_cast<void*>(&VolumeAreShortNamesEnabled)
                          : nullptr;
    return own ? reinterpret_cast<FARPROC>(own) : ::GetProcAddress(module, name);
}

}  // extern "C"

// SHORTVOL.dll: a volume shaped like Windows' for copies of the real exes whose KERNEL32.dll import
// names it (Wine gives every entry a short name and has no SetFileShortNameW). Every kernel32
// function is forwarded but those that decide short names in the folder "volume" beside it, whose
// entries have none until given one. "volume.txt" beside it keeps the names given, across
// processes, and says how the volume answers, a line each, fields cut by tabs:
//   given PATH SHORT       PATH was given SHORT (written with the next line)
//   long FOLDER\SHORT PATH  that name in its folder stands for PATH
//   volume-off             the volume's own flag: no 8.3 names
//   not-elevated           SetFileShortNameW fails with ERROR_PRIVILEGE_NOT_HELD
//   in-use PATH            SetFileShortNameW on PATH fails with ERROR_ACCESS_DENIED (its files are open)
//   missing                SetFileShortNameW is missing, as in Wine (AreShortNamesEnabled always is)
//   declined               ShellExecuteExW (bound on first call) fails as when the user says no at the UAC prompt
//   hold                   SetFileShortNameW adds a line "held", then waits until the event
//                          Local\ShortexVolumeRelease is set (20 s at the most)
//   network DRIVE UNC      WNetGetUniversalNameW (bound on first call) answers as for DRIVE ("Z:") mapped to
//                          UNC; for another drive ERROR_NOT_CONNECTED, as for a local one
//   network-gone DRIVE     it answers ERROR_CONNECTION_UNAVAIL: a remembered drive, its server gone
//   network-hold           it waits as "hold" does, as for a server that sleeps
#include <windows.h>
#include <winioctl.h>
#include <winnetwk.h>

#include <algorithm>
#include <cstring>
#include <fstream>
#include <map>
#include <string>

namespace {

extern "C" IMAGE_DOS_HEADER __ImageBase;  // this DLL's own module

std::wstring Beside(const wchar_t* name) {
    wchar_t path[MAX_PATH] = {};
    ::GetModuleFileNameW(reinterpret_cast<HMODULE>(&__ImageBase), path, MAX_PATH);
    return std::wstring(path, std::wcsrchr(path, L'\\') + 1) + name;
}
std::wstring WineShortName(const std::wstring& path) {
    std::wstring name(MAX_PATH, L'\0');
    return name.substr(0, ::GetShortPathNameW(path.c_str(), name.data(), MAX_PATH));
}
const std::wstring kVolume = Beside(L"volume"), kWineVolume = WineShortName(kVolume), kState = Beside(L"volume.txt");

bool Inside(const std::wstring& path, const std::wstring& folder = kVolume) {
    const std::wstring start = path.substr(0, folder.size());
    return ::CompareStringOrdinal(start.c_str(), -1, folder.c_str(), -1, TRUE) == CSTR_EQUAL &&
           (path.size() == folder.size() || path[folder.size()] == L'\\');
}
std::wstring Unprefixed(std::wstring path) { return path.starts_with(L"\\\\?\\") ? path.erase(0, 4) : path; }

// The state's text, each line between two line ends (the last line may have none in the file).
std::wstring State() {
    std::ifstream file(kState.c_str(), std::ios::binary);
    const std::string bytes(std::istreambuf_iterator<char>(file), {});
    return L"\n" + std::wstring(reinterpret_cast<const wchar_t*>(bytes.data()), bytes.size() / 2) + L"\n";
}
bool Has(const std::wstring& line) { return State().find(L"\n" + line + L"\n") != std::wstring::npos; }
// The rest of the last line that starts with the key and a tab; empty when there is none.
std::wstring Value(const std::wstring& key) {
    const std::wstring text = State(), start = L"\n" + key + L"\t";
    const std::size_t at = text.rfind(start), from = at + start.size();
    return at == text.npos ? L"" : text.substr(from, text.find(L'\n', from) - from);
}
std::wstring Given(const std::wstring& path) { return Value(L"given\t" + path); }
void Append(const std::wstring& lines) {
    std::ofstream(kState.c_str(), std::ios::binary | std::ios::app)
        .write(reinterpret_cast<const char*>(lines.data()), static_cast<std::streamsize>(lines.size() * 2));
}

// The path with the volume folder's name in Wine's short names, and the names given in it, made long.
std::wstring Real(std::wstring path) {
    const std::wstring prefix = path.starts_with(L"\\\\?\\") ? L"\\\\?\\" : L"";
    if (Inside(path = Unprefixed(path), kWineVolume)) path = kVolume + path.substr(kWineVolume.size());
    for (std::size_t at = kVolume.size(); Inside(path) && at < path.size();) {
        at = std::min(path.find(L'\\', at + 1), path.size());
        const std::wstring named = Value(L"long\t" + path.substr(0, at));
        if (named.empty()) continue;
        path = named + path.substr(at);
        at = named.size();
    }
    return prefix + path;
}

std::map<HANDLE, std::wstring> searches;  // the volume's folders searched, by search handle

void Answer(const std::wstring& folder, WIN32_FIND_DATAW* entry) {
    std::wcsncpy(entry->cAlternateFileName, Given(folder + L"\\" + entry->cFileName).c_str(), 13);
}

void HoldIf(const wchar_t* line) {
    if (!Has(line)) return;
    Append(L"held\n");
    const HANDLE release = ::OpenEventW(SYNCHRONIZE, FALSE, L"Local\\ShortexVolumeRelease");
    ::WaitForSingleObject(release, 20000);
    ::CloseHandle(release);
}

}  // namespace

extern "C" {

DWORD WINAPI VolumeGetShortPathNameW(LPCWSTR path, LPWSTR buffer, DWORD capacity) {
    const std::wstring real = Unprefixed(Real(path));
    if (!Inside(real)) return ::GetShortPathNameW(path, buffer, capacity);
    if (::GetFileAttributesW(real.c_str()) == INVALID_FILE_ATTRIBUTES) return 0;
    std::wstring answer = kWineVolume;
    for (std::size_t at = kVolume.size(), end; at < real.size(); at = end) {
        end = std::min(real.find(L'\\', at + 1), real.size());
        const std::wstring given = Given(real.substr(0, end));
        answer += given.empty() ? real.substr(at, end - at) : L"\\" + given;
    }
    if (answer.size() >= capacity) return static_cast<DWORD>(answer.size() + 1);
    std::wcscpy(buffer, answer.c_str());
    return static_cast<DWORD>(answer.size());
}

HANDLE WINAPI VolumeFindFirstFileExW(LPCWSTR pattern, FINDEX_INFO_LEVELS level, LPVOID entry, FINDEX_SEARCH_OPS op,
                                     LPVOID filter, DWORD flags) {
    const std::wstring real = Real(pattern), folder = Unprefixed(real.substr(0, real.rfind(L'\\')));
    const HANDLE search = ::FindFirstFileExW(real.c_str(), level, entry, op, filter, flags);
    searches.erase(search);  // a handle of a search closed since
    if (search == INVALID_HANDLE_VALUE || !Inside(folder)) return search;
    searches[search] = folder;
    Answer(folder, static_cast<WIN32_FIND_DATAW*>(entry));
    return search;
}

BOOL WINAPI VolumeFindNextFileW(HANDLE search, LPWIN32_FIND_DATAW entry) {
    if (!::FindNextFileW(search, entry)) return FALSE;
    if (searches.contains(search)) Answer(searches[search], entry);
    return TRUE;
}

// Every volume answers with the volume's own flag.
BOOL WINAPI VolumeDeviceIoControl(HANDLE device, DWORD code, LPVOID in, DWORD inSize, LPVOID out, DWORD outSize,
                                  LPDWORD bytes, LPOVERLAPPED overlapped) {
    if (code != FSCTL_QUERY_PERSISTENT_VOLUME_STATE || outSize < sizeof(FILE_FS_PERSISTENT_VOLUME_INFORMATION))
        return ::DeviceIoControl(device, code, in, inSize, out, outSize, bytes, overlapped);
    static_cast<FILE_FS_PERSISTENT_VOLUME_INFORMATION*>(out)->VolumeFlags =
        !Has(L"volume-off") ? 0 : PERSISTENT_VOLUME_STATE_SHORT_NAME_CREATION_DISABLED;
    *bytes = sizeof(FILE_FS_PERSISTENT_VOLUME_INFORMATION);
    return TRUE;
}

BOOL WINAPI VolumeSetFileShortNameW(HANDLE file, LPCWSTR name) {
    HoldIf(L"hold");
    std::wstring path(MAX_PATH, L'\0');
    path = Unprefixed(path.substr(0, ::GetFinalPathNameByHandleW(file, path.data(), MAX_PATH, 0)));
    const DWORD error = Has(L"not-elevated")      ? ERROR_PRIVILEGE_NOT_HELD
                        : Has(L"in-use\t" + path) ? ERROR_ACCESS_DENIED
                                                  : ERROR_SUCCESS;
    const std::wstring folder = path.substr(0, path.rfind(L'\\') + 1);
    if (!error) Append(L"given\t" + path + L"\t" + name + L"\nlong\t" + folder + name + L"\t" + path + L"\n");
    ::SetLastError(error);
    return error == ERROR_SUCCESS;
}

BOOL WINAPI VolumeShellExecuteExW(void*) {
    ::SetLastError(ERROR_CANCELLED);
    return FALSE;
}

DWORD WINAPI VolumeWNetGetUniversalNameW(LPCWSTR path, DWORD level, LPVOID buffer, LPDWORD size) {
    HoldIf(L"network-hold");
    const std::wstring drive = std::wstring(path).substr(0, 2);  // asked for a drive's root, "Z:\"
    const std::wstring share = Value(L"network\t" + drive), name = share + std::wstring(path).substr(2);
    if (Has(L"network-gone\t" + drive)) return ERROR_CONNECTION_UNAVAIL;
    if (share.empty() || level != UNIVERSAL_NAME_INFO_LEVEL) return ERROR_NOT_CONNECTED;
    if (*size < sizeof(UNIVERSAL_NAME_INFOW) + (name.size() + 1) * sizeof(wchar_t)) return ERROR_MORE_DATA;
    auto* info = static_cast<UNIVERSAL_NAME_INFOW*>(buffer);
    info->lpUniversalName = reinterpret_cast<wchar_t*>(info + 1);
    std::wcscpy(info->lpUniversalName, name.c_str());
    return NO_ERROR;
}

FARPROC WINAPI VolumeGetProcAddress(HMODULE module, LPCSTR name) {
    const bool named = reinterpret_cast<ULONG_PTR>(name) > 0xFFFF;
    if (named && !std::strcmp(name, "SetFileShortNameW") && !Has(L"missing"))
        return reinterpret_cast<FARPROC>(reinterpret_cast<void*>(&VolumeSetFileShortNameW));
    if (named && !std::strcmp(name, "ShellExecuteExW") && Has(L"declined"))
        return reinterpret_cast<FARPROC>(reinterpret_cast<void*>(&VolumeShellExecuteExW));
    if (named && !std::strcmp(name, "WNetGetUniversalNameW"))
        return reinterpret_cast<FARPROC>(reinterpret_cast<void*>(&VolumeWNetGetUniversalNameW));
    return ::GetProcAddress(module, name);
}

}  // extern "C"

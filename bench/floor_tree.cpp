// The floors for shortex-cli --tree: the same walk (one listing per folder, \\?\ paths), writing
// for every entry either the answer of one GetShortPathNameW call ("per-entry") or nothing but its
// path ("list"). Nothing else: no sorting, no 8.3 names from the listing.
#include <windows.h>

#include <string>
#include <vector>

int wmain(int argc, wchar_t** argv) {
    if (argc != 3) return 2;
    const bool perEntry = std::wstring(argv[1]) == L"per-entry";
    std::string out;
    std::vector<std::wstring> folders{std::wstring(L"\\\\?\\") + argv[2]};
    wchar_t shortPath[32768];
    char bytes[3 * 32768];
    while (!folders.empty()) {
        const std::wstring folder = folders.back();
        folders.pop_back();
        WIN32_FIND_DATAW entry;
        HANDLE search = FindFirstFileExW((folder + L"\\*").c_str(), FindExInfoBasic, &entry, FindExSearchNameMatch,
                                         nullptr, FIND_FIRST_EX_LARGE_FETCH);
        if (search == INVALID_HANDLE_VALUE) continue;
        do {
            const std::wstring name = entry.cFileName;
            if (name == L"." || name == L"..") continue;
            const std::wstring path = folder + L"\\" + name;
            const DWORD length = perEntry ? GetShortPathNameW(path.c_str(), shortPath, 32768) : 0;
            const std::wstring answer = perEntry ? std::wstring(shortPath, length) : path;
            out.append(bytes, WideCharToMultiByte(CP_UTF8, 0, answer.data(), static_cast<int>(answer.size()), bytes,
                                                  sizeof bytes, nullptr, nullptr));
            out += "\r\n";
            if ((entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) &&
                !(entry.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT))
                folders.push_back(path);
        } while (FindNextFileW(search, &entry));
        FindClose(search);
    }
    DWORD written = 0;
    WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), out.data(), static_cast<DWORD>(out.size()), &written, nullptr);
    return 0;
}

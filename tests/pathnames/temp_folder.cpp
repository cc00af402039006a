#include "temp_folder.h"

#include <windows.h>

#include <stdexcept>

namespace shortex::testing {
namespace {

void RemoveTree(const std::wstring& extendedPath) {
    WIN32_FIND_DATAW entry;
    HANDLE search = ::FindFirstFileW((extendedPath + L"\\*").c_str(), &entry);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            const std::wstring name = entry.cFileName;
            if (name == L"." || name == L"..") continue;
            const std::wstring child = extendedPath + L"\\" + name;
            ::SetFileAttributesW(child.c_str(), FILE_ATTRIBUTE_NORMAL);
            if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                RemoveTree(child);
            else
                ::DeleteFileW(child.c_str());
        } while (::FindNextFileW(search, &entry));
        ::FindClose(search);
    }
    ::RemoveDirectoryW(extendedPath.c_str());
}

}  // namespace

std::wstring WithExtendedPrefix(const std::wstring& absolutePath) { return L"\\\\?\\" + absolutePath; }

TempFolder::TempFolder() {
    wchar_t base[MAX_PATH + 1];
    const DWORD length = ::GetTempPathW(MAX_PATH + 1, base);
    if (length == 0 || length > MAX_PATH) throw std::runtime_error("no temporary folder");
    wchar_t longBase[MAX_PATH + 1];
    if (::GetLongPathNameW(base, longBase, MAX_PATH + 1) == 0) throw std::runtime_error("temporary folder");
    path_ = std::wstring(longBase) + L"shortex-test-" + std::to_wstring(::GetCurrentProcessId()) + L"-" +
            std::to_wstring(::GetTickCount64());
    if (!::CreateDirectoryW(path_.c_str(), nullptr)) throw std::runtime_error("cannot create the test folder");
}

TempFolder::~TempFolder() { RemoveTree(WithExtendedPrefix(path_)); }

std::wstring TempFolder::MakeFolder(const std::wstring& relative) const {
    const std::wstring full = path_ + L"\\" + relative;
    if (!::CreateDirectoryW(WithExtendedPrefix(full).c_str(), nullptr)) throw std::runtime_error("cannot create folder");
    return full;
}

std::wstring TempFolder::MakeFile(const std::wstring& relative) const {
    const std::wstring full = path_ + L"\\" + relative;
    HANDLE file = ::CreateFileW(WithExtendedPrefix(full).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) throw std::runtime_error("cannot create file");
    ::CloseHandle(file);
    return full;
}

}  // namespace shortex::testing

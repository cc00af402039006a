// Where this program's own files lie.
#pragma once

#include <windows.h>

#include <string>

namespace shortex {

// The full path of the file of that name in the folder of this program's exe.
inline std::wstring BesideThisProgram(const wchar_t* name) {
    std::wstring path(32768, L'\0');
    path.resize(::GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size())));
    return path.substr(0, path.rfind(L'\\') + 1) + name;
}

}  // namespace shortex

// A function of a Windows DLL, bound on first use instead of imported: the DLL stays out of the
// process until something needs it, which keeps start-up lean. Only the system folder is searched.
#pragma once

#include <windows.h>

namespace shortex {

// Null when the DLL or the function is missing.
template <typename Function>
Function BindSystemFunction(const wchar_t* dll, const char* name) {
    const HMODULE module = ::LoadLibraryExW(dll, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    return module ? reinterpret_cast<Function>(reinterpret_cast<void*>(::GetProcAddress(module, name))) : nullptr;
}

}  // namespace shortex

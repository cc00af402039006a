// COM for the few places that need it. ole32 is delay-loaded: it stays out of the process until a
// picker, a drop or the Explorer menu calls it.
#pragma once

#include "unique_handle.h"

#include <objbase.h>

#include <string>

namespace shortex {

// The class of Explorer's "Copy short path" verb: shortex-cli --install-explorer registers it for
// this user, Shortex.exe -Embedding serves it.
inline constexpr wchar_t kCopyShortPathClass[] = L"{0F7B13EB-701F-4D68-BDA6-4B318B6C33E7}";

template <typename T>
using ComPtr = UniqueHandle<T*, &IUnknown::Release>;

// CoTaskMemFree's text as a string, the memory freed.
inline std::wstring TakeComText(wchar_t* text) {
    std::wstring taken = text ? text : L"";
    ::CoTaskMemFree(text);
    return taken;
}

}  // namespace shortex

// Move-only ownership of Win32 handles and COM pointers: one template, given the handle's type, what closes it
// (a function, or Release) and the value that means none (0, or -1 where the API answers INVALID_HANDLE_VALUE).
#pragma once

#include <windows.h>

#include <functional>
#include <utility>

namespace shortex {

template <typename Handle, auto close, LONG_PTR none = 0>
class UniqueHandle {
public:
    UniqueHandle() noexcept = default;
    explicit UniqueHandle(Handle handle) noexcept : handle_(handle) {}
    UniqueHandle(UniqueHandle&& other) noexcept : handle_(std::exchange(other.handle_, None())) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        if (this != &other) reset(std::exchange(other.handle_, None()));
        return *this;
    }
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;
    ~UniqueHandle() { reset(); }

    [[nodiscard]] Handle get() const noexcept { return handle_; }
    Handle operator->() const noexcept { return handle_; }  // a COM pointer's methods
    explicit operator bool() const noexcept { return handle_ != None(); }

    // For out-parameters of API calls: closes what is held and hands out the slot.
    [[nodiscard]] Handle* put() noexcept {
        reset();
        return &handle_;
    }
    [[nodiscard]] void** put_void() noexcept { return reinterpret_cast<void**>(put()); }  // as COM's void** takes it

    void reset(Handle handle = None()) noexcept {
        if (handle_ != None()) std::invoke(close, handle_);
        handle_ = handle;
    }

private:
    static Handle None() noexcept { return reinterpret_cast<Handle>(none); }

    Handle handle_ = None();
};

// The predefined root keys (HKEY_CURRENT_USER and its siblings) are not ours to close, yet opening
// a root with an empty sub key may hand one back.
inline void CloseKey(HKEY key) noexcept {
    const auto value = reinterpret_cast<ULONG_PTR>(key) & 0xFFFFFFFF;
    if (value < 0x80000000 || value > 0x800000FF) ::RegCloseKey(key);
}

using UniqueKernelHandle = UniqueHandle<HANDLE, &::CloseHandle>;
using UniqueFindHandle = UniqueHandle<HANDLE, &::FindClose, -1>;
using UniqueFileHandle = UniqueHandle<HANDLE, &::CloseHandle, -1>;  // CreateFile's
using UniqueHkey = UniqueHandle<HKEY, &CloseKey>;
using UniqueFont = UniqueHandle<HFONT, &::DeleteObject>;
using UniqueIcon = UniqueHandle<HICON, &::DestroyIcon>;
using UniqueMenu = UniqueHandle<HMENU, &::DestroyMenu>;

}  // namespace shortex

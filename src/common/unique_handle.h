// Move-only ownership of Win32 handles: one template, a traits type per kind of handle.
#pragma once

#include <windows.h>

#include <utility>

namespace shortex {

template <typename Traits>
class UniqueHandle {
public:
    using Handle = typename Traits::Handle;

    UniqueHandle() noexcept = default;
    explicit UniqueHandle(Handle handle) noexcept : handle_(handle) {}
    UniqueHandle(UniqueHandle&& other) noexcept : handle_(other.release()) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        if (this != &other) reset(other.release());
        return *this;
    }
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;
    ~UniqueHandle() { reset(); }

    [[nodiscard]] Handle get() const noexcept { return handle_; }
    explicit operator bool() const noexcept { return handle_ != Traits::Invalid(); }

    // For out-parameters of API calls: closes what is held and hands out the slot.
    [[nodiscard]] Handle* put() noexcept {
        reset();
        return &handle_;
    }

    Handle release() noexcept { return std::exchange(handle_, Traits::Invalid()); }

    void reset(Handle handle = Traits::Invalid()) noexcept {
        if (handle_ != Traits::Invalid()) Traits::Close(handle_);
        handle_ = handle;
    }

private:
    Handle handle_ = Traits::Invalid();
};

template <typename H, auto close, H invalid = H{}>
struct HandleTraits {
    using Handle = H;
    static Handle Invalid() noexcept { return invalid; }
    static void Close(Handle h) noexcept { close(h); }
};

struct FindHandleTraits : HandleTraits<HANDLE, &::FindClose> {
    static Handle Invalid() noexcept { return INVALID_HANDLE_VALUE; }
};

struct FileHandleTraits : HandleTraits<HANDLE, &::CloseHandle> {  // CreateFile
    static Handle Invalid() noexcept { return INVALID_HANDLE_VALUE; }
};

// The predefined root keys (HKEY_CURRENT_USER and its siblings) are not ours to close, yet opening
// a root with an empty sub key may hand one back.
inline void CloseKey(HKEY key) noexcept {
    const auto value = reinterpret_cast<ULONG_PTR>(key) & 0xFFFFFFFF;
    if (value < 0x80000000 || value > 0x800000FF) ::RegCloseKey(key);
}

using UniqueKernelHandle = UniqueHandle<HandleTraits<HANDLE, &::CloseHandle>>;  // null means none
using UniqueFindHandle = UniqueHandle<FindHandleTraits>;
using UniqueFileHandle = UniqueHandle<FileHandleTraits>;
using UniqueHkey = UniqueHandle<HandleTraits<HKEY, &CloseKey>>;
using UniqueFont = UniqueHandle<HandleTraits<HFONT, &::DeleteObject>>;
using UniqueIcon = UniqueHandle<HandleTraits<HICON, &::DestroyIcon>>;

}  // namespace shortex

// COM for the few places that need it. ole32 is delay-loaded: it stays out of the process until a
// picker, a drop or the Explorer menu calls it.
#pragma once

#include <objbase.h>

#include <string>
#include <utility>

namespace shortex {

// The class of Explorer's "Copy short path" verb: shortex-cli --install-explorer registers it for
// this user, Shortex.exe -Embedding serves it.
inline constexpr wchar_t kCopyShortPathClass[] = L"{0F7B13EB-701F-4D68-BDA6-4B318B6C33E7}";

// One reference to a COM object.
template <typename T>
class ComPtr {
public:
    ComPtr() = default;
    ComPtr(ComPtr&& other) noexcept : object_(std::exchange(other.object_, nullptr)) {}
    ComPtr(const ComPtr&) = delete;
    ComPtr& operator=(const ComPtr&) = delete;
    ~ComPtr() {
        if (object_) object_->Release();
    }
    T* operator->() const { return object_; }
    T* get() const { return object_; }
    explicit operator bool() const { return object_ != nullptr; }
    T** put() { return &object_; }
    void** put_void() { return reinterpret_cast<void**>(&object_); }

private:
    T* object_ = nullptr;
};

// CoTaskMemFree's text as a string, the memory freed.
inline std::wstring TakeComText(wchar_t* text) {
    std::wstring taken = text ? text : L"";
    ::CoTaskMemFree(text);
    return taken;
}

}  // namespace shortex

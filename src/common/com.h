// COM for the few places that need it. ole32 is bound on first use, not imported, so that it
// stays out of the process until a picker, a drop or the Explorer menu needs it.
#pragma once

#include "system_function.h"

#include <objbase.h>

#include <string>
#include <utility>

namespace shortex {

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

// A function of ole32; null when it cannot be bound.
template <typename Function>
Function Ole32Function(const char* name) {
    return BindSystemFunction<Function>(L"ole32.dll", name);
}

// CoCreateInstance, bound on first use.
inline HRESULT CreateComObject(REFCLSID type, REFIID wanted, void** object) {
    static const auto create = Ole32Function<decltype(&::CoCreateInstance)>("CoCreateInstance");
    *object = nullptr;
    return create ? create(type, nullptr, CLSCTX_INPROC_SERVER, wanted, object) : E_NOTIMPL;
}

// CoTaskMemFree's text as a string, the memory freed.
inline std::wstring TakeComText(wchar_t* text) {
    static const auto free = Ole32Function<decltype(&::CoTaskMemFree)>("CoTaskMemFree");
    std::wstring taken = text ? text : L"";
    if (text && free) free(text);
    return taken;
}

}  // namespace shortex

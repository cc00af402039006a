// COM for the pickers, bound on first use: ole32 and shell32 stay out of the process until a
// picker is opened, which keeps start-up as lean as the window needs.
#pragma once

#include <windows.h>
#include <objbase.h>

#include <utility>

namespace shortex::com {

// Initializes COM (apartment threaded) on this thread, once; false when that is impossible.
bool EnsureInitialized();

HRESULT CreateInstance(REFCLSID classId, REFIID interfaceId, void** object);

// SHCreateItemFromParsingName.
HRESULT ItemFromParsingName(const wchar_t* path, REFIID interfaceId, void** item);

void TaskMemFree(void* memory);

// Holds one reference to a COM object; move-only.
template <typename T>
class Ptr {
public:
    Ptr() = default;
    Ptr(Ptr&& other) noexcept : object_(std::exchange(other.object_, nullptr)) {}
    Ptr& operator=(Ptr&& other) noexcept {
        if (this != &other) {
            reset();
            object_ = std::exchange(other.object_, nullptr);
        }
        return *this;
    }
    Ptr(const Ptr&) = delete;
    Ptr& operator=(const Ptr&) = delete;
    ~Ptr() { reset(); }

    T* get() const { return object_; }
    T* operator->() const { return object_; }
    explicit operator bool() const { return object_ != nullptr; }
    void** put() {
        reset();
        return reinterpret_cast<void**>(&object_);
    }
    T** put_typed() {
        reset();
        return &object_;
    }
    void reset() {
        if (object_) std::exchange(object_, nullptr)->Release();
    }

private:
    T* object_ = nullptr;
};

}  // namespace shortex::com

#include "windows_clipboard.h"

#include <cstring>

namespace shortex::main_window {
namespace {

// Another program may hold the clipboard for a moment: try for up to half a second in all.
constexpr int kOpenAttempts = 10;
constexpr DWORD kPauseBetweenAttemptsMs = 50;

bool OpenClipboardPatiently(HWND owner) {
    for (int attempt = 0; attempt < kOpenAttempts; ++attempt) {
        if (::OpenClipboard(owner)) return true;
        if (attempt + 1 < kOpenAttempts) ::Sleep(kPauseBetweenAttemptsMs);
    }
    return false;
}

HGLOBAL CopyToGlobalMemory(const std::wstring& text) {
    const std::size_t bytes = (text.size() + 1) * sizeof(wchar_t);
    HGLOBAL memory = ::GlobalAlloc(GMEM_MOVEABLE, bytes);
    if (!memory) return nullptr;
    void* target = ::GlobalLock(memory);
    if (!target) {
        ::GlobalFree(memory);
        return nullptr;
    }
    std::memcpy(target, text.c_str(), bytes);
    ::GlobalUnlock(memory);
    return memory;
}

}  // namespace

void WindowsClipboard::PutText(const std::wstring& text) {
    if (!OpenClipboardPatiently(owner_)) return;
    ::EmptyClipboard();
    if (HGLOBAL memory = CopyToGlobalMemory(text)) {
        // On success the clipboard owns the memory.
        if (!::SetClipboardData(CF_UNICODETEXT, memory)) ::GlobalFree(memory);
    }
    ::CloseClipboard();
}

}  // namespace shortex::main_window

#include "windows_message_boxes.h"

#include <windows.h>

namespace shortex {
namespace {

// The program's own window that is active, so the box is modal to it; none while nothing shows.
HWND ActiveWindowOfThisThread() {
    const HWND active = ::GetActiveWindow();
    return active && ::IsWindowVisible(active) ? active : nullptr;
}

}  // namespace

void WindowsMessageBoxes::Show(const MessageBoxRequest& request) {
    MSGBOXPARAMSW box{};
    box.cbSize = sizeof box;
    box.hwndOwner = ActiveWindowOfThisThread();
    box.hInstance = ::GetModuleHandleW(nullptr);
    box.lpszText = request.text.c_str();
    box.lpszCaption = request.title.c_str();
    box.dwStyle = request.style | (box.hwndOwner ? 0 : MB_SETFOREGROUND);
    // WinHelp files are gone from current Windows; the context id is passed along all the same.
    box.dwContextHelpId = request.helpContext;
    ::MessageBoxIndirectW(&box);
}

}  // namespace shortex

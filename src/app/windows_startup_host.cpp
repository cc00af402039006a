#include "windows_startup_host.h"

#include <commctrl.h>

namespace shortex::startup {
namespace {

// One name per user session: copies started at the same moment race for it, and exactly one wins.
constexpr wchar_t kInstanceMutexName[] = L"Local\\Tandril.Shortex.SingleInstance";

}  // namespace

void WindowsStartupHost::InitCommonControls() {
    INITCOMMONCONTROLSEX classes{};
    classes.dwSize = 8;  // sizeof(INITCOMMONCONTROLSEX)
    classes.dwICC = ICC_USEREX_CLASSES;
    ::InitCommonControlsEx(&classes);
}

bool WindowsStartupHost::PreviousInstanceRunning() {
    instanceMutex_.reset(::CreateMutexW(nullptr, FALSE, kInstanceMutexName));
    const DWORD error = ::GetLastError();
    // A mutex we may not open was made by a copy running with other rights: still a copy.
    return error == ERROR_ALREADY_EXISTS || (!instanceMutex_ && error == ERROR_ACCESS_DENIED);
}

void WindowsStartupHost::EndProgram() { ::ExitProcess(0); }

void QuitMessageLoop::EndProgram() { ::PostQuitMessage(0); }

}  // namespace shortex::startup

#include "startup.h"

#include "common/unique_handle.h"

#include <commctrl.h>

namespace shortex::startup {

bool Main(MessageBoxes& boxes, main_window::frmMain& window, int showCommand) {
    const INITCOMMONCONTROLSEX classes{8, ICC_USEREX_CLASSES};  // dwSize 8: sizeof(INITCOMMONCONTROLSEX)
    ::InitCommonControlsEx(&classes);

    // One name per user session, held for the life of the process: copies started at the same
    // moment race for it, and exactly one wins. One we may not open was made by a copy running
    // with other rights: still a copy.
    static UniqueKernelHandle instance;
    instance.reset(::CreateMutexW(nullptr, FALSE, L"Local\\Tandril.Shortex.SingleInstance"));
    const DWORD error = ::GetLastError();
    if (error == ERROR_ALREADY_EXISTS || (!instance && error == ERROR_ACCESS_DENIED)) {
        boxes.Show({L"Shortex is already running...", L"Info", MB_OK | MB_ICONINFORMATION});
        return false;
    }
    if (const auto failure = window.Create()) {
        boxes.Show({StartupReport(*failure), L"Error", MB_OK});
        return false;
    }
    window.Show(showCommand);
    return true;
}

}  // namespace shortex::startup

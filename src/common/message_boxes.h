// The one way the program shows a message box: tests answer boxes instead of a person.
#pragma once

#include <windows.h>

#include <string>

namespace shortex {

struct BoxRequest {
    std::wstring text;
    std::wstring title;
    UINT style = MB_OK;    // as MessageBoxW takes it
    HWND owner = nullptr;  // the box is modal to it while it shows; else to the active window
};

class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    // Modal over the program's active window (on its own while none shows); returns when dismissed,
    // with the button that dismissed it (IDOK, IDYES, IDNO).
    virtual int Show(const BoxRequest& box) = 0;
};

}  // namespace shortex

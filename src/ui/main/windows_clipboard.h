// The system clipboard, written as Unicode text.
#pragma once

#include "main_view.h"

#include <windows.h>

namespace shortex::main_window {

class WindowsClipboard final : public Clipboard {
public:
    void SetOwner(HWND owner) { owner_ = owner; }
    void PutText(const std::wstring& text) override;

private:
    HWND owner_ = nullptr;
};

}  // namespace shortex::main_window

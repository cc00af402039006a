// The main window's tips: a hover tip on each box and button, and a balloon on the result box
// that says why a short form still holds a long name.
#pragma once

#include "common/failure.h"

#include <windows.h>
#include <commctrl.h>

#include <optional>
#include <span>
#include <string>

namespace shortex::main_window {

struct Tip {
    int control;
    const wchar_t* text;
};

class BoxTips {
public:
    // Makes both tip windows, owned by the window, with a hover tip for each control given.
    std::optional<Failure> Create(HWND owner, std::span<const Tip> tips);
    HWND tooltip() const { return tooltip_; }
    HWND balloon() const { return balloon_; }

    void SetMaxWidth(int pixels);
    void SetTip(HWND control, const std::wstring& text);
    // On the box's own balloon where the edit control has one; else on ours, below the window.
    void ShowBalloon(HWND box, const wchar_t* title, const std::wstring& text);
    void HideBalloon(HWND box);

private:
    TTTOOLINFOW Tool(UINT flags, HWND control, const wchar_t* text) const;

    HWND owner_ = nullptr;
    HWND tooltip_ = nullptr;
    HWND balloon_ = nullptr;
};

}  // namespace shortex::main_window

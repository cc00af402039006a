#include "box_tips.h"

#include <commctrl.h>

namespace shortex::main_window {

std::optional<Failure> BoxTips::Create(HWND owner, std::span<const Tip> tips) {
    owner_ = owner;
    const INITCOMMONCONTROLSEX tooltipClasses{sizeof(INITCOMMONCONTROLSEX), ICC_BAR_CLASSES};
    ::InitCommonControlsEx(&tooltipClasses);
    const auto tipWindow = [owner](DWORD style) {
        return ::CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_NOPREFIX | style, 0, 0, 0, 0,
                                 owner, nullptr, ::GetModuleHandleW(nullptr), nullptr);
    };
    tooltip_ = tipWindow(TTS_ALWAYSTIP);
    balloon_ = tipWindow(TTS_BALLOON);
    if (!tooltip_ || !balloon_)
        return Failure{kComponentMissing, L"The tooltip control could not be created. " + SystemMessage(::GetLastError())};
    for (const Tip& tip : tips) {
        TTTOOLINFOW tool = Tool(TTF_IDISHWND | TTF_SUBCLASS, ::GetDlgItem(owner, tip.control), tip.text);
        ::SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    }
    TTTOOLINFOW tool = Tool(TTF_TRACK | TTF_ABSOLUTE, nullptr, L"");
    ::SendMessageW(balloon_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    return std::nullopt;
}

TTTOOLINFOW BoxTips::Tool(UINT flags, HWND control, const wchar_t* text) const {
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.uFlags = flags;
    tool.hwnd = owner_;
    tool.uId = reinterpret_cast<UINT_PTR>(control);
    tool.lpszText = const_cast<wchar_t*>(text);
    return tool;
}

void BoxTips::SetMaxWidth(int pixels) { ::SendMessageW(tooltip_, TTM_SETMAXTIPWIDTH, 0, pixels); }

void BoxTips::SetTip(HWND control, const std::wstring& text) {
    TTTOOLINFOW tool = Tool(0, control, text.c_str());
    ::SendMessageW(tooltip_, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
}

void BoxTips::ShowBalloon(HWND box, const wchar_t* title, const std::wstring& text) {
    HideBalloon(box);
    EDITBALLOONTIP tip{sizeof tip, title, text.c_str(), TTI_INFO};
    if (::SendMessageW(box, EM_SHOWBALLOONTIP, 0, reinterpret_cast<LPARAM>(&tip))) return;
    // Not every edit control has a balloon (Wine's has none). Ours hangs below the window, under
    // the box, where no z-order can hide it behind the window.
    TTTOOLINFOW tool = Tool(0, nullptr, text.c_str());
    ::SendMessageW(balloon_, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
    ::SendMessageW(balloon_, TTM_SETTITLEW, TTI_INFO, reinterpret_cast<LPARAM>(title));
    RECT boxRect{}, window{};
    ::GetWindowRect(box, &boxRect);
    ::GetWindowRect(owner_, &window);
    ::SendMessageW(balloon_, TTM_SETMAXTIPWIDTH, 0, boxRect.right - boxRect.left);
    ::SendMessageW(balloon_, TTM_TRACKPOSITION, 0, MAKELPARAM((boxRect.left + boxRect.right) / 2, window.bottom));
    ::SendMessageW(balloon_, TTM_TRACKACTIVATE, TRUE, reinterpret_cast<LPARAM>(&tool));
}

void BoxTips::HideBalloon(HWND box) {
    ::SendMessageW(box, EM_HIDEBALLOONTIP, 0, 0);
    TTTOOLINFOW tool = Tool(0, nullptr, L"");
    ::SendMessageW(balloon_, TTM_TRACKACTIVATE, FALSE, reinterpret_cast<LPARAM>(&tool));
}

}  // namespace shortex::main_window

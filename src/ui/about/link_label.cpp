#include "link_label.h"

#include "ui/gdi.h"

#include <commctrl.h>

namespace shortex::about {
namespace {

constexpr UINT_PTR kSubclassId = 1;

bool IsActivationKey(WPARAM key) { return key == VK_RETURN || key == VK_SPACE; }

void Click(HWND label) {
    ::SendMessageW(::GetParent(label), WM_COMMAND, MAKEWPARAM(::GetDlgCtrlID(label), STN_CLICKED),
                   reinterpret_cast<LPARAM>(label));
}

void DrawFocus(HWND label) {
    if (::GetFocus() != label || (::SendMessageW(label, WM_QUERYUISTATE, 0, 0) & UISF_HIDEFOCUS)) return;
    const WindowDc dc(label);
    RECT client{};
    ::GetClientRect(label, &client);
    if (dc) ::DrawFocusRect(dc.get(), &client);
}

// The label is transparent, so its parent paints the background under it: the focus rectangle
// goes away only when that is painted again.
void RepaintWithBackground(HWND label) {
    const HWND parent = ::GetParent(label);
    RECT area{};
    ::GetWindowRect(label, &area);
    ::MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&area), 2);
    ::InvalidateRect(parent, &area, TRUE);
}

LRESULT CALLBACK LinkProcedure(HWND label, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR) {
    switch (message) {
        case WM_GETDLGCODE: {
            // Otherwise the dialog manager takes Enter for its default button.
            const auto* keyMessage = reinterpret_cast<const MSG*>(lParam);
            if (keyMessage && keyMessage->message == WM_KEYDOWN && keyMessage->wParam == VK_RETURN)
                return DLGC_WANTMESSAGE;
            break;
        }
        case WM_KEYDOWN:
            if (IsActivationKey(wParam)) {
                // Once per press, not again while the key repeats.
                if (!(lParam & (1 << 30))) Click(label);
                return 0;
            }
            break;
        case WM_SETFOCUS:
        case WM_KILLFOCUS:
        case WM_UPDATEUISTATE:
            RepaintWithBackground(label);
            break;
        case WM_PAINT: {
            const LRESULT result = ::DefSubclassProc(label, message, wParam, lParam);
            DrawFocus(label);
            return result;
        }
        case WM_NCDESTROY:
            ::RemoveWindowSubclass(label, &LinkProcedure, kSubclassId);
            break;
        default:
            break;
    }
    return ::DefSubclassProc(label, message, wParam, lParam);
}

}  // namespace

void MakeKeyboardLink(HWND label) { ::SetWindowSubclass(label, &LinkProcedure, kSubclassId, 0); }

}  // namespace shortex::about

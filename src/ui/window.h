// What both windows share: a window procedure that reaches its C++ object, the dialog-like window
// class, controls made from a design in twips, texts of controls, fonts at a window's DPI, and the
// system's message boxes.
#pragma once

#include "common/failure.h"
#include "common/message_boxes.h"
#include "common/unique_handle.h"
#include "twips.h"

#include <optional>
#include <span>
#include <string>

namespace shortex {

int WindowDpi(HWND window);

// Derived handles messages in HandleMessage; what it leaves goes to DefDlgProcW, which gives the
// window Tab order, default and cancel buttons and access keys. The object rides in on
// CreateWindowExW's parameter and is found from WM_NCCREATE until WM_NCDESTROY.
template <typename Derived>
class Window {
public:
    HWND hwnd() const { return hwnd_; }

protected:
    static LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_NCCREATE) {
            auto* self = static_cast<Derived*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
            self->hwnd_ = hwnd;
            self->dpi_ = WindowDpi(hwnd);
            ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
        }
        auto* self = reinterpret_cast<Derived*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
        if (!self) return ::DefDlgProcW(hwnd, message, wParam, lParam);
        if (message == WM_DPICHANGED) self->dpi_ = HIWORD(wParam);
        const std::optional<LRESULT> handled = self->HandleMessage(message, wParam, lParam);
        const LRESULT result = handled ? *handled : ::DefDlgProcW(hwnd, message, wParam, lParam);
        if (message == WM_NCDESTROY) {
            ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
            self->hwnd_ = nullptr;
        }
        return result;
    }

    // Registers the class (once per process) and creates the window, hidden, owned by owner.
    HWND CreateDialogLike(const wchar_t* className, const wchar_t* caption, DWORD style, DWORD exStyle, SIZE size,
                          HWND owner) {
        const HINSTANCE instance = ::GetModuleHandleW(nullptr);
        WNDCLASSEXW windowClass{};
        windowClass.cbSize = sizeof windowClass;
        windowClass.lpfnWndProc = &Procedure;
        windowClass.cbWndExtra = DLGWINDOWEXTRA;
        windowClass.hInstance = instance;
        windowClass.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
        windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        windowClass.lpszClassName = className;
        if (!::RegisterClassExW(&windowClass) && ::GetLastError() != ERROR_CLASS_ALREADY_EXISTS) return nullptr;
        return ::CreateWindowExW(exStyle, className, caption, style, CW_USEDEFAULT, CW_USEDEFAULT, size.cx, size.cy,
                                 owner, nullptr, instance, static_cast<Derived*>(this));
    }

    HWND hwnd_ = nullptr;
    int dpi_ = static_cast<int>(::GetDpiForSystem());  // the window's once it is made: every size is scaled to it
};

// Makes the controls of a design on parent, in tab order, unplaced: each window places its own as it
// is sized. The failure (kComponentMissing) of the first that cannot be made.
std::optional<Failure> CreateControls(HWND parent, std::span<const ControlDesign> design);

// Moves a control to a rectangle given in twips. Edges are rounded, not sizes, so neighbours that
// touch in twips touch in pixels.
void PlaceInTwips(HWND control, const RectTwips& rect, int dpi);

std::wstring ControlText(HWND control);

// The system's message font at the DPI, at another size and weight when asked.
UniqueFont MessageFont(int dpi, double points = 0, int weight = 0);

// The outer size of a window of this style whose client area is given in twips.
SIZE OuterSizeForClient(int clientWidth, int clientHeight, DWORD style, DWORD exStyle, int dpi);

// Initializes OLE on this thread once: COM for the pickers and the link, and drag and drop.
bool InitializeOle();

// Empties the clipboard and puts the text on it as Unicode text. Another program may hold the
// clipboard for a moment: tries for half a second, then gives up, answers false, and ClipboardHeldBox says so.
bool PutOnClipboard(HWND owner, const std::wstring& text);
inline BoxRequest ClipboardHeldBox() {
    return {L"Another program holds the clipboard, so nothing was copied.", L"Shortex", MB_OK | MB_ICONEXCLAMATION};
}

class SystemMessageBoxes final : public MessageBoxes {
public:
    int Show(const BoxRequest& box) override;
};

}  // namespace shortex

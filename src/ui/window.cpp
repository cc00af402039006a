#include "window.h"

#include <commctrl.h>
#include <cstring>
#include <ole2.h>

namespace shortex {
namespace {

constexpr int kPointsPerInch = 72;
constexpr int kFallbackFontPoints = 9;  // Segoe UI's, when the system names no message font
constexpr int kClipboardTries = 10;     // half a second in all
constexpr DWORD kClipboardRetryMs = 50;

struct ClassAndStyle {
    const wchar_t* windowClass;
    DWORD style;
    DWORD exStyle = 0;
};

ClassAndStyle ControlClass(ControlKind kind) {
    constexpr DWORD kLabel = WS_VISIBLE | SS_NOPREFIX;
    switch (kind) {
        case ControlKind::TextBox: return {WC_EDITW, WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE};
        case ControlKind::Label: return {WC_STATICW, kLabel | SS_LEFT};
        case ControlKind::HiddenLabel: return {WC_STATICW, SS_NOPREFIX};
        case ControlKind::FittedLabel: return {WC_STATICW, kLabel | SS_LEFTNOWORDWRAP};
        case ControlKind::Link: return {WC_BUTTONW, WS_VISIBLE | WS_TABSTOP | BS_OWNERDRAW};
        case ControlKind::Button: return {WC_BUTTONW, WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON};
        case ControlKind::DefaultButton: return {WC_BUTTONW, WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON};
        case ControlKind::SplitButton: return {WC_BUTTONW, WS_VISIBLE | WS_TABSTOP | BS_SPLITBUTTON};
        case ControlKind::HiddenButton: return {WC_BUTTONW, WS_TABSTOP | BS_PUSHBUTTON};
    }
    return {WC_STATICW, 0};
}

}  // namespace

std::optional<Failure> CreateControls(HWND parent, std::span<const ControlDesign> design) {
    for (const ControlDesign& control : design) {
        const ClassAndStyle kind = ControlClass(control.kind);
        const HWND child = ::CreateWindowExW(
            kind.exStyle, kind.windowClass, std::wstring(control.text).c_str(), WS_CHILD | kind.style, 0, 0, 0, 0,
            parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(control.id)), ::GetModuleHandleW(nullptr), nullptr);
        if (!child)
            return Failure{kComponentMissing, L"A control could not be created. " + SystemMessage(::GetLastError())};
        if (control.kind == ControlKind::TextBox) ::SendMessageW(child, EM_SETLIMITTEXT, 0, 0);  // no limit
    }
    return std::nullopt;
}

void PlaceInTwips(HWND control, const RectTwips& rect, int dpi) {
    const int left = TwipsToPixels(rect.left, dpi), top = TwipsToPixels(rect.top, dpi);
    const int right = TwipsToPixels(rect.left + rect.width, dpi);
    const int bottom = TwipsToPixels(rect.top + rect.height, dpi);
    RECT now{};
    ::GetWindowRect(control, &now);
    ::MapWindowPoints(nullptr, ::GetParent(control), reinterpret_cast<POINT*>(&now), 2);
    if (now.left != left || now.top != top || now.right != right || now.bottom != bottom)
        ::SetWindowPos(control, nullptr, left, top, right - left, bottom - top, SWP_NOZORDER | SWP_NOACTIVATE);
}

std::wstring ControlText(HWND control) {
    std::wstring text(static_cast<std::size_t>(::GetWindowTextLengthW(control)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(::GetWindowTextW(control, text.data(), static_cast<int>(text.size()))));
    return text;
}

int WindowDpi(HWND window) {
    const UINT dpi = window ? ::GetDpiForWindow(window) : 0;
    return static_cast<int>(dpi ? dpi : ::GetDpiForSystem());
}

UniqueFont MessageFont(int dpi, double points, int weight) {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    if (!::SystemParametersInfoForDpi(SPI_GETNONCLIENTMETRICS, metrics.cbSize, &metrics, 0, dpi))
        return UniqueFont(::CreateFontW(-::MulDiv(kFallbackFontPoints, dpi, kPointsPerInch), 0, 0, 0, FW_NORMAL, 0, 0,
                                        0, DEFAULT_CHARSET, 0, 0, CLEARTYPE_QUALITY, 0, L"Segoe UI"));
    LOGFONTW& font = metrics.lfMessageFont;
    if (points > 0) font.lfHeight = -static_cast<LONG>(points * dpi / kPointsPerInch + 0.5);
    if (weight > 0) font.lfWeight = weight;
    return UniqueFont(::CreateFontIndirectW(&font));
}

SIZE OuterSizeForClient(int clientWidth, int clientHeight, DWORD style, DWORD exStyle, int dpi) {
    RECT rect{0, 0, TwipsToPixels(clientWidth, dpi), TwipsToPixels(clientHeight, dpi)};
    ::AdjustWindowRectExForDpi(&rect, style, FALSE, exStyle, static_cast<UINT>(dpi));
    return SIZE{rect.right - rect.left, rect.bottom - rect.top};
}

bool InitializeOle() {
    // S_FALSE, already initialized on this thread, is as good. Never uninitialized: the process
    // ends with the window.
    static const bool initialized = SUCCEEDED(::OleInitialize(nullptr));
    return initialized;
}

bool PutOnClipboard(HWND owner, const std::wstring& text) {
    bool open = false;
    for (int tries = 0; tries < kClipboardTries && !(open = ::OpenClipboard(owner)); ++tries)
        ::Sleep(kClipboardRetryMs);
    if (!open) return false;
    ::EmptyClipboard();
    const std::size_t bytes = (text.size() + 1) * sizeof(wchar_t);
    bool put = false;
    if (HGLOBAL memory = ::GlobalAlloc(GMEM_MOVEABLE, bytes)) {
        if (void* target = ::GlobalLock(memory)) {
            std::memcpy(target, text.c_str(), bytes);
            ::GlobalUnlock(memory);
        }
        put = ::SetClipboardData(CF_UNICODETEXT, memory);
        if (!put) ::GlobalFree(memory);  // else the clipboard owns it
    }
    ::CloseClipboard();
    return put;
}

int SystemMessageBoxes::Show(const BoxRequest& box) {
    // On its own, and brought forward, while no window of the program shows.
    HWND owner = box.owner ? box.owner : ::GetActiveWindow();
    if (owner && !::IsWindowVisible(owner)) owner = nullptr;
    return ::MessageBoxW(owner, box.text.c_str(), box.title.c_str(), box.style | (owner ? 0 : MB_SETFOREGROUND));
}

}  // namespace shortex

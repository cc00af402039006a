#include "frm_about.h"

#include "about_text.h"
#include "shortex_version.h"

#include <shellapi.h>

#include <algorithm>

namespace shortex::about {
namespace {

// A fixed tool window: thin caption with only the close box, no icon, not resizable, not in the taskbar.
constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU;
constexpr DWORD kExStyle = WS_EX_TOOLWINDOW | WS_EX_CONTROLPARENT;
constexpr COLORREF kDarkLine = RGB(64, 0, 64);
constexpr COLORREF kLinkColour = RGB(0, 0, 192);
constexpr int kClientWidth = 3300, kClientHeight = 4320;  // twips, as every position below
// Each separator is a dark line one pixel high at 96 DPI and a light one two pixels high under it.
constexpr int kSeparatorTops[] = {1545, 2415};
constexpr int kSeparatorLeft = 360, kSeparatorRight = 2985, kDarkLineHeight = 15, kSeparatorHeight = 45;
constexpr double kTitlePoints = 13.5, kVersionPoints = 9.75;

using enum ControlKind;
// The controls in tab order: the OK button first, so it has the focus when the box opens.
constexpr ControlDesign kDesign[] = {
    {cmdok, Button, L"&Ok", {360, 3600, 1590, 390}},
    {lblprogtitle, Label, L"Shortex", {360, 345, 2940, 330}},
    {lblcopyright, FittedLabel, L"", {360, 930, 795, 195}},
    {lblurl, Link, L"" SHORTEX_HOMEPAGE_URL, {360, 3105, 1740, 195}},
    {lbltext5, FittedLabel, L"Visit my homepage at", {360, 2895, 1545, 195}},
    {lblversion, Label, L"Version " SHORTEX_VERSION_TEXT, {360, 675, 2940, 195}},
    {lbltext4, FittedLabel, L"For updates and other freeware,", {360, 2700, 2265, 195}},
    {lbltext1, FittedLabel, L"Shortex is freeware.", {360, 1695, 2940, 195}},
    {lbltext2, FittedLabel, L"Use and share it freely.", {360, 1890, 2460, 195}},
    {lbltext3, FittedLabel, L"No warranty.", {360, 2085, 1110, 195}},
    {lblcopyright2, Label, L"Tandril", {360, 1140, 2580, 240}},
};

frmabout* openBox = nullptr;  // one box at a time, on the one user-interface thread

// A fitted label as wide and as high as its one line of text in its font, with an edge to spare:
// the static control draws a final period or comma's tail past what DrawText measures.
void FitToText(HWND label, const RectTwips& design, int dpi) {
    const HDC dc = ::GetDC(label);
    const HGDIOBJ previous = ::SelectObject(dc, reinterpret_cast<HFONT>(::SendMessageW(label, WM_GETFONT, 0, 0)));
    RECT bounds{};
    ::DrawTextW(dc, ControlText(label).c_str(), -1, &bounds, DT_CALCRECT | DT_NOPREFIX | DT_SINGLELINE);
    ::SelectObject(dc, previous);
    ::ReleaseDC(label, dc);
    ::SetWindowPos(label, nullptr, TwipsToPixels(design.left, dpi), TwipsToPixels(design.top, dpi),
                   bounds.right + ::GetSystemMetricsForDpi(SM_CXEDGE, dpi),
                   bounds.bottom + ::GetSystemMetricsForDpi(SM_CYEDGE, dpi), SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace

std::wstring_view HomePageAddress() { return L"" SHORTEX_HOMEPAGE_URL; }

void frmabout::OpenWithDefaultHandler(HWND owner, const wchar_t* address) {
    InitializeOle();  // the default handler may be a shell extension reached through COM
    // No UI of the system's either: no "how do you want to open this", no error box.
    SHELLEXECUTEINFOW request{};
    request.cbSize = sizeof request;
    request.fMask = SEE_MASK_FLAG_NO_UI;
    request.hwnd = owner;
    request.lpFile = address;
    request.lpDirectory = L"c:\\";
    request.nShow = SW_SHOWNORMAL;
    ::ShellExecuteExW(&request);
}

void frmabout::ShowModal(HWND owner, OpenPage openPage) {
    if (openBox) {
        ::SetActiveWindow(openBox->hwnd());
        return;
    }
    frmabout box(openPage);
    if (!box.CreateDialogLike(L"ShortexAboutBox", L"About", kStyle, kExStyle, {}, owner)) return;
    openBox = &box;
    box.Form_Load();
    box.ApplyFontsAndLayout();

    // Centred over the owner, kept on the owner's monitor's work area.
    MONITORINFO monitor{sizeof(MONITORINFO), {}, {}, 0};
    ::GetMonitorInfoW(::MonitorFromWindow(owner, MONITOR_DEFAULTTOPRIMARY), &monitor);
    RECT over = monitor.rcWork, self{};
    if (owner && ::IsWindowVisible(owner) && !::IsIconic(owner)) ::GetWindowRect(owner, &over);
    ::GetWindowRect(box.hwnd(), &self);
    const LONG width = self.right - self.left, height = self.bottom - self.top;
    const LONG left = std::clamp(over.left + (over.right - over.left - width) / 2, monitor.rcWork.left,
                                 std::max(monitor.rcWork.left, monitor.rcWork.right - width));
    const LONG top = std::clamp(over.top + (over.bottom - over.top - height) / 2, monitor.rcWork.top,
                                std::max(monitor.rcWork.top, monitor.rcWork.bottom - height));
    ::SetWindowPos(box.hwnd(), nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);

    const bool disableOwner = owner && ::IsWindowEnabled(owner);
    if (disableOwner) ::EnableWindow(owner, FALSE);
    ::ShowWindow(box.hwnd(), SW_SHOW);
    ::SendMessageW(box.hwnd(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(::GetDlgItem(box.hwnd(), cmdok)), TRUE);

    MSG message{};
    BOOL got = TRUE;  // 0 once WM_QUIT came
    while (!box.closed_ && box.hwnd() && (got = ::GetMessageW(&message, nullptr, 0, 0)) > 0) {
        if (::IsDialogMessageW(box.hwnd(), &message)) continue;
        ::TranslateMessage(&message);
        ::DispatchMessageW(&message);
    }
    // The owner takes the activation back before the box goes; otherwise Windows would activate
    // a window of some other program.
    if (disableOwner && ::IsWindow(owner)) {
        ::EnableWindow(owner, TRUE);
        if (box.hwnd() && ::GetActiveWindow() == box.hwnd()) ::SetActiveWindow(owner);
    }
    if (box.hwnd()) ::DestroyWindow(box.hwnd());
    openBox = nullptr;
    if (got == 0) ::PostQuitMessage(static_cast<int>(message.wParam));
}

void frmabout::UnloadOpenBox() {
    if (openBox && openBox->hwnd()) ::SendMessageW(openBox->hwnd(), WM_CLOSE, 0, 0);
}

void frmabout::Form_Load() {
    SYSTEMTIME now{};
    ::GetLocalTime(&now);
    ::SetDlgItemTextW(hwnd_, lblcopyright, (L"Copyright \u00A9 2024 - " + std::to_wstring(now.wYear)).c_str());
}

void frmabout::lblurl_Click() {
    ::ShowWindow(::GetWindow(hwnd_, GW_OWNER), SW_MINIMIZE);
    openPage_(hwnd_, std::wstring(HomePageAddress()).c_str());
    Close();
}

// The title and the version are set in the message font's face at the designed sizes, not in
// "MS Sans Serif": that is a bitmap font on current Windows, blocky at anything but 96 DPI.
void frmabout::ApplyFontsAndLayout() {
    messageFont_ = MessageFont(dpi_);
    titleFont_ = MessageFont(dpi_, kTitlePoints, FW_NORMAL);
    versionFont_ = MessageFont(dpi_, kVersionPoints, FW_BOLD);
    const SIZE outer = OuterSizeForClient(kClientWidth, kClientHeight, kStyle, kExStyle, dpi_);
    ::SetWindowPos(hwnd_, nullptr, 0, 0, outer.cx, outer.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    for (const ControlDesign& control : kDesign) {
        const HWND child = ::GetDlgItem(hwnd_, control.id);
        const HFONT font = control.id == lblprogtitle ? titleFont_.get()
                           : control.id == lblversion ? versionFont_.get()
                                                      : messageFont_.get();
        ::SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
        if (control.kind == FittedLabel || control.kind == Link)
            FitToText(child, control.rect, dpi_);
        else
            PlaceInTwips(child, control.rect, dpi_);
    }
    ::InvalidateRect(hwnd_, nullptr, TRUE);
}

void frmabout::PaintSeparators() const {
    PAINTSTRUCT paint{};
    const HDC dc = ::BeginPaint(hwnd_, &paint);
    for (const int top : kSeparatorTops) {
        // Edge by edge, so the light line starts on the pixel row under the dark one at any DPI.
        const int left = TwipsToPixels(kSeparatorLeft, dpi_), right = TwipsToPixels(kSeparatorRight, dpi_);
        const int dark = TwipsToPixels(top, dpi_), light = TwipsToPixels(top + kDarkLineHeight, dpi_);
        const RECT lines[] = {{left, dark, right, std::max(light, dark + 1)},
                              {left, std::max(light, dark + 1), right, TwipsToPixels(top + kSeparatorHeight, dpi_)}};
        ::SetDCBrushColor(dc, kDarkLine);
        ::FillRect(dc, &lines[0], static_cast<HBRUSH>(::GetStockObject(DC_BRUSH)));
        ::FillRect(dc, &lines[1], ::GetSysColorBrush(COLOR_3DHILIGHT));
    }
    ::EndPaint(hwnd_, &paint);
}

std::optional<LRESULT> frmabout::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CREATE: return CreateControls(hwnd_, kDesign) ? -1 : 0;  // placed by ApplyFontsAndLayout
        case WM_COMMAND: {
            const int id = LOWORD(wParam), code = HIWORD(wParam);
            // Enter comes as IDOK, whatever has the focus: the box has no default button to switch.
            if ((id == cmdok && code == BN_CLICKED) || (id == IDOK && ::GetFocus() == ::GetDlgItem(hwnd_, cmdok)))
                cmdok_Click();
            else if ((id == lblurl && code == BN_CLICKED) ||
                     (id == IDOK && ::GetFocus() == ::GetDlgItem(hwnd_, lblurl)))
                lblurl_Click();
            return 0;  // IDCANCEL, from Esc, is left alone: the box has no cancel button
        }
        case WM_CTLCOLORSTATIC: {
            // Transparent labels over the background the box has painted already.
            const HDC dc = reinterpret_cast<HDC>(wParam);
            ::SetTextColor(dc, ::GetSysColor(COLOR_BTNTEXT));
            ::SetBkMode(dc, TRANSPARENT);
            return reinterpret_cast<LRESULT>(::GetStockObject(NULL_BRUSH));
        }
        case WM_DRAWITEM: {  // the link, an owner-drawn button: Space and the mouse click it, focus repaints it
            const auto& link = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
            RECT area = link.rcItem;
            ::FillRect(link.hDC, &area, ::GetSysColorBrush(COLOR_BTNFACE));
            ::SetTextColor(link.hDC, kLinkColour);
            ::SetBkMode(link.hDC, TRANSPARENT);
            const HGDIOBJ previous = ::SelectObject(link.hDC, messageFont_.get());
            ::DrawTextW(link.hDC, ControlText(link.hwndItem).c_str(), -1, &area, DT_NOPREFIX | DT_SINGLELINE);
            ::SelectObject(link.hDC, previous);
            if ((link.itemState & ODS_FOCUS) && !(link.itemState & ODS_NOFOCUSRECT)) ::DrawFocusRect(link.hDC, &area);
            return TRUE;
        }
        case WM_SETCURSOR:
            if (reinterpret_cast<HWND>(wParam) != ::GetDlgItem(hwnd_, lblurl) || LOWORD(lParam) != HTCLIENT) break;
            ::SetCursor(::LoadCursorW(nullptr, IDC_HAND));
            return TRUE;
        case WM_PAINT: PaintSeparators(); return 0;
        case WM_DPICHANGED: {
            ApplyFontsAndLayout();
            const RECT& suggested = *reinterpret_cast<const RECT*>(lParam);
            ::SetWindowPos(hwnd_, nullptr, suggested.left, suggested.top, 0, 0,
                           SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
            return 0;
        }
        case WM_CLOSE: Close(); return 0;
    }
    return std::nullopt;
}

}  // namespace shortex::about

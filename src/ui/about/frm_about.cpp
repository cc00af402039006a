#include "frm_about.h"

#include "link_label.h"
#include "module_version.h"
#include "ui/dpi.h"

#include <commctrl.h>

#include <algorithm>

namespace shortex::about {
namespace {

// A fixed tool window: thin caption with only the close box, no icon, not resizable, not in the taskbar.
constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU;
constexpr DWORD kExStyle = WS_EX_TOOLWINDOW | WS_EX_CONTROLPARENT;

constexpr int kFirstControlId = 100;  // clear of IDOK and IDCANCEL, which the dialog manager sends for Enter and Esc

HINSTANCE InstanceOf(HWND window) { return reinterpret_cast<HINSTANCE>(::GetWindowLongPtrW(window, GWLP_HINSTANCE)); }

std::wstring WindowText(HWND window) {
    std::wstring text(static_cast<std::size_t>(::GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(::GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

// The size of a text in a font, on one line or wrapped within wrapWidth pixels.
SIZE TextSize(HWND window, HFONT font, const std::wstring& text, int wrapWidth) {
    const WindowDc dc(window);
    if (!dc) return SIZE{};
    const SelectedObject selected(dc.get(), font);
    RECT bounds{0, 0, wrapWidth, 0};
    const UINT format = DT_CALCRECT | DT_NOPREFIX | DT_EXPANDTABS | (wrapWidth > 0 ? DT_WORDBREAK : DT_SINGLELINE);
    // An empty text still measures one line high.
    ::DrawTextW(dc.get(), text.empty() ? L" " : text.c_str(), -1, &bounds, format);
    return SIZE{text.empty() ? 0 : bounds.right - bounds.left, bounds.bottom - bounds.top};
}

RECT WorkAreaNear(HWND window) {
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    const HMONITOR nearest = window ? ::MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST)
                                    : ::MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY);
    if (::GetMonitorInfoW(nearest, &monitor)) return monitor.rcWork;
    return RECT{0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)};
}

}  // namespace

int AboutControlId(AboutControl control) { return kFirstControlId + static_cast<int>(control); }

frmabout::frmabout(const AboutServices& services)
    : services_(services),
      form_(*this, services_.clock, ModuleVersion(::GetModuleHandleW(nullptr)).value_or(BuildVersion())) {}

frmabout::~frmabout() { Destroy(); }

LRESULT frmabout::DefaultProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    return ::DefDlgProcW(hwnd, message, wParam, lParam);
}

bool frmabout::Create(HWND owner, HINSTANCE instance) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = &Procedure;
    windowClass.cbWndExtra = DLGWINDOWEXTRA;
    windowClass.hInstance = instance;
    windowClass.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_3DFACE + 1);
    windowClass.lpszClassName = kAboutWindowClass;
    if (!::RegisterClassExW(&windowClass) && ::GetLastError() != ERROR_CLASS_ALREADY_EXISTS) return false;

    closed_ = false;
    if (!::CreateWindowExW(kExStyle, kAboutWindowClass, kCaption.data(), kStyle, 0, 0, 0, 0, owner, nullptr, instance,
                           this))
        return false;
    form_.Form_Load();
    Layout();
    CentreOverOwner();
    return true;
}

void frmabout::Show() {
    ::ShowWindow(hwnd_, SW_SHOW);
    ::SendMessageW(hwnd_, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(ControlWindow(AboutControl::cmdok)), TRUE);
}

void frmabout::Destroy() {
    if (hwnd_) ::DestroyWindow(hwnd_);
}

bool frmabout::CreateControls() {
    const HINSTANCE instance = InstanceOf(hwnd_);
    for (const auto& design : AboutControls()) {
        const wchar_t* windowClass = WC_STATICW;
        DWORD style = WS_CHILD | WS_VISIBLE;
        switch (design.kind) {
            case AboutControlKind::Button:
                windowClass = WC_BUTTONW;
                style |= WS_TABSTOP | BS_PUSHBUTTON;
                break;
            case AboutControlKind::Link:
                style |= WS_TABSTOP | SS_NOTIFY | SS_NOPREFIX | SS_LEFTNOWORDWRAP;
                break;
            case AboutControlKind::Label:
                style |= SS_NOPREFIX | (design.sizing == Sizing::ToText ? SS_LEFTNOWORDWRAP : SS_LEFT);
                break;
        }
        // Made in tab order, which is the order the dialog manager's Tab key follows.
        const HWND child = ::CreateWindowExW(0, windowClass, std::wstring(design.text).c_str(), style, 0, 0, 0, 0, hwnd_,
                                             reinterpret_cast<HMENU>(static_cast<INT_PTR>(AboutControlId(design.control))),
                                             instance, nullptr);
        if (!child) return false;
        controls_[static_cast<std::size_t>(design.control)] = child;
        if (design.kind == AboutControlKind::Link) MakeKeyboardLink(child);
    }
    return true;
}

// The title and the version are set in the message font's face at the designed sizes rather than in
// "MS Sans Serif": that is a bitmap font on current Windows, blocky or substituted at anything but
// 96 DPI, while the message face is TrueType, found everywhere and already used by the other labels.
void frmabout::ApplyFonts() {
    messageFont_ = MessageFont(dpi_);
    LOGFONTW message{};
    ::GetObjectW(messageFont_.get(), sizeof message, &message);
    titleFont_ = PointFont(message.lfFaceName, kTitleFont.points, kTitleFont.weight, dpi_);
    versionFont_ = PointFont(message.lfFaceName, kVersionFont.points, kVersionFont.weight, dpi_);
    for (const auto& design : AboutControls())
        ::SendMessageW(ControlWindow(design.control), WM_SETFONT, reinterpret_cast<WPARAM>(FontFor(design.font)), TRUE);
}

HFONT frmabout::FontFor(AboutFont font) const {
    switch (font) {
        case AboutFont::Title:
            if (titleFont_) return titleFont_.get();
            break;
        case AboutFont::Version:
            if (versionFont_) return versionFont_.get();
            break;
        case AboutFont::Message:
            break;
    }
    return messageFont_.get();
}

void frmabout::Layout() {
    const int dpi = static_cast<int>(dpi_);
    const SIZE outer =
        OuterSizeForClient(TwipsToPixels(kClientWidth, dpi), TwipsToPixels(kClientHeight, dpi), kStyle, kExStyle, dpi_);
    ::SetWindowPos(hwnd_, nullptr, 0, 0, outer.cx, outer.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    for (const auto& design : AboutControls()) Place(design.control);
}

void frmabout::Place(AboutControl control) {
    const AboutControlDesign& design = Design(control);
    const HWND window = ControlWindow(control);
    if (design.sizing == Sizing::Fixed) {
        PlaceInTwips(window, design.rect, dpi_);
        return;
    }
    const int dpi = static_cast<int>(dpi_);
    const int designWidth = TwipsToPixels(design.rect.width, dpi);
    const SIZE text = TextSize(window, FontFor(design.font), WindowText(window),
                               design.sizing == Sizing::WrapToWidth ? designWidth : 0);
    const int width = design.sizing == Sizing::ToText ? text.cx : designWidth;
    ::SetWindowPos(window, nullptr, TwipsToPixels(design.rect.left, dpi), TwipsToPixels(design.rect.top, dpi), width,
                   text.cy, SWP_NOZORDER | SWP_NOACTIVATE);
}

// Centred over the owner, but kept on the owner's monitor's work area.
void frmabout::CentreOverOwner() {
    const HWND owner = ::GetWindow(hwnd_, GW_OWNER);
    const RECT work = WorkAreaNear(owner);
    RECT over = work;
    if (owner && ::IsWindowVisible(owner) && !::IsIconic(owner)) ::GetWindowRect(owner, &over);
    RECT box{};
    ::GetWindowRect(hwnd_, &box);
    const int width = box.right - box.left, height = box.bottom - box.top;
    int left = over.left + (over.right - over.left - width) / 2;
    int top = over.top + (over.bottom - over.top - height) / 2;
    left = std::max(static_cast<int>(work.left), std::min(left, static_cast<int>(work.right) - width));
    top = std::max(static_cast<int>(work.top), std::min(top, static_cast<int>(work.bottom) - height));
    ::SetWindowPos(hwnd_, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void frmabout::OnCommand(int id, int code) {
    if (id == AboutControlId(AboutControl::cmdok) && code == BN_CLICKED) {
        form_.cmdok_Click();
    } else if (id == AboutControlId(AboutControl::lblurl) && code == STN_CLICKED) {
        form_.lblurl_Click();
    } else if (id == IDOK && ::GetFocus() == ControlWindow(AboutControl::cmdok)) {
        // Enter on the OK button while the dialog manager has not made it the default button.
        form_.cmdok_Click();
    }
    // IDCANCEL, from Esc, is left alone: the box has no cancel button.
}

void frmabout::OnPaint() {
    PAINTSTRUCT paint{};
    if (const HDC dc = ::BeginPaint(hwnd_, &paint)) {
        PaintLines(dc);
        ::EndPaint(hwnd_, &paint);
    }
}

void frmabout::PaintLines(HDC dc) const {
    const int dpi = static_cast<int>(dpi_);
    for (const auto& line : AboutLines()) {
        // Converted edge by edge, so that a light line starts on the pixel row below its dark line at any DPI.
        const RectTwips band = LineBand(line);
        RECT pixels{TwipsToPixels(band.left, dpi), TwipsToPixels(band.top, dpi),
                    TwipsToPixels(band.left + band.width, dpi), TwipsToPixels(band.top + band.height, dpi)};
        pixels.bottom = std::max(pixels.bottom, pixels.top + 1);
        ::SetDCBrushColor(dc, line.ink == LineInk::Dark ? COLORREF{kDarkLineColour} : ::GetSysColor(COLOR_3DHILIGHT));
        ::FillRect(dc, &pixels, static_cast<HBRUSH>(::GetStockObject(DC_BRUSH)));
    }
}

void frmabout::OnDpiChanged(UINT dpi, const RECT& suggested) {
    dpi_ = dpi;
    ApplyFonts();
    Layout();
    ::SetWindowPos(hwnd_, nullptr, suggested.left, suggested.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    ::InvalidateRect(hwnd_, nullptr, TRUE);
}

LRESULT frmabout::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CREATE:
            dpi_ = WindowDpi(hwnd_);
            if (!CreateControls()) return -1;
            ApplyFonts();
            return 0;
        case WM_COMMAND:
            OnCommand(LOWORD(wParam), HIWORD(wParam));
            return 0;
        case WM_CTLCOLORSTATIC: {
            // Transparent labels: the box has no WS_CLIPCHILDREN, so it paints its background under
            // them first. Painting it again here would clip the descenders of a label whose line
            // reaches into the next label's rectangle.
            const HDC dc = reinterpret_cast<HDC>(wParam);
            const bool link = reinterpret_cast<HWND>(lParam) == ControlWindow(AboutControl::lblurl);
            ::SetTextColor(dc, link ? COLORREF{kLinkColour} : ::GetSysColor(COLOR_BTNTEXT));
            ::SetBkMode(dc, TRANSPARENT);
            return reinterpret_cast<LRESULT>(::GetStockObject(NULL_BRUSH));
        }
        case WM_SETCURSOR:
            if (reinterpret_cast<HWND>(wParam) == ControlWindow(AboutControl::lblurl) && LOWORD(lParam) == HTCLIENT) {
                ::SetCursor(::LoadCursorW(nullptr, IDC_HAND));
                return TRUE;
            }
            break;
        case WM_PAINT:
            OnPaint();
            return 0;
        case WM_PRINTCLIENT:
            PaintLines(reinterpret_cast<HDC>(wParam));
            return 0;
        case WM_DPICHANGED:
            OnDpiChanged(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
            return 0;
        case WM_CLOSE:
            Close();
            return 0;
        case WM_DESTROY:
            closed_ = true;
            break;
        default:
            break;
    }
    return DefaultProcedure(hwnd_, message, wParam, lParam);
}

void frmabout::SetText(AboutControl control, const std::wstring& text) {
    ::SetWindowTextW(ControlWindow(control), text.c_str());
    Place(control);
}

void frmabout::MinimiseMainWindow() {
    if (services_.minimiseMainWindow) services_.minimiseMainWindow();
}

void frmabout::OpenWithDefaultHandler(const std::wstring& address) {
    services_.shell.Execute({hwnd_, L"", address, L"", L"c:\\", SW_SHOWNORMAL});
}

void frmabout::Close() {
    closed_ = true;
    // Wakes the modal loop, which may be waiting for a message when this comes from another thread.
    ::PostMessageW(hwnd_, WM_NULL, 0, 0);
}

}  // namespace shortex::about

#include "frm_main.h"

#include "common/system_message.h"
#include "resource.h"
#include "ui/dpi.h"

#include <commctrl.h>

#include <algorithm>

namespace shortex::main_window {
namespace {

constexpr wchar_t kClassName[] = L"ShortexMainWindow";
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
constexpr DWORD kExStyle = WS_EX_CONTROLPARENT;

// Enter and Esc reach a dialog-like window as IDOK and IDCANCEL.
int ControlId(Control control) {
    switch (control) {
        case Control::cmdGetShortex:
            return IDOK;
        case Control::cmdExit:
            return IDCANCEL;
        default:
            return 100 + static_cast<int>(control);
    }
}

std::optional<Control> ControlFromId(int id) {
    for (const auto& design : MainControls())
        if (ControlId(design.control) == id) return design.control;
    return std::nullopt;
}

Failure WindowFailure(std::int32_t number, const std::wstring& what) {
    return Failure{number, what + L" " + SystemMessage(::GetLastError()), L"", 0};
}

void SelectAll(HWND box) { ::SendMessageW(box, EM_SETSEL, 0, -1); }

// Positions on the screen are kept in twips at the system's DPI, the one the primary display has.
int ScreenDpi() { return static_cast<int>(::GetDpiForSystem()); }

RectTwips ToTwips(const RECT& rect) {
    const int dpi = ScreenDpi();
    return {PixelsToTwips(rect.left, dpi), PixelsToTwips(rect.top, dpi), PixelsToTwips(rect.right - rect.left, dpi),
            PixelsToTwips(rect.bottom - rect.top, dpi)};
}

std::wstring LowerCase(const std::wstring& text) {
    std::wstring lower = text;
    if (!lower.empty()) ::CharLowerBuffW(lower.data(), static_cast<DWORD>(lower.size()));
    return lower;
}

std::wstring UserDecimalSeparator() {
    wchar_t separator[8] = {};
    if (!::GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_SDECIMAL, separator, 8)) return L".";
    return separator;
}

}  // namespace

frmMain::frmMain(FrmMainServices services)
    : services_(services),
      form_(*this, MainServices{services.paths, services.clipboard ? *services.clipboard : systemClipboard_,
                                services.registry, services.boxes, services.exit, services.commandLine,
                                UserDecimalSeparator(), fileDialog_, folderChoosers_, LowerCase,
                                services.showAboutBox}) {}

frmMain::~frmMain() {
    if (hwnd_) ::DestroyWindow(hwnd_);
}

LRESULT frmMain::DefaultProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    return ::DefDlgProcW(hwnd, message, wParam, lParam);
}

std::optional<Failure> frmMain::Create(HINSTANCE instance) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = &Procedure;
    windowClass.cbWndExtra = DLGWINDOWEXTRA;
    windowClass.hInstance = instance;
    windowClass.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = kClassName;
    if (!::RegisterClassExW(&windowClass) && ::GetLastError() != ERROR_CLASS_ALREADY_EXISTS)
        return WindowFailure(50003, L"The main window could not be registered.");

    const UINT dpi = ::GetDpiForSystem();
    const SIZE size = OuterSizeForClient(TwipsToPixels(kDesignClientWidth, static_cast<int>(dpi)),
                                         TwipsToPixels(kDesignClientHeight, static_cast<int>(dpi)), kStyle, kExStyle, dpi);
    creationFailure_.reset();
    const HWND window = ::CreateWindowExW(kExStyle, kClassName, kCaption.data(), kStyle, CW_USEDEFAULT, CW_USEDEFAULT,
                                          size.cx, size.cy, nullptr, nullptr, instance, this);
    if (!window) return creationFailure_ ? creationFailure_ : WindowFailure(50003, L"The main window could not be created.");
    form_.Form_Load();
    return std::nullopt;
}

void frmMain::Show(int showCommand) {
    ::ShowWindow(hwnd_, showCommand);
    SetFocus(Control::txtPath);
}

bool frmMain::TranslateDialogMessage(MSG& message) { return hwnd_ && ::IsDialogMessageW(hwnd_, &message); }

bool frmMain::CreateControls() {
    const HINSTANCE instance = reinterpret_cast<HINSTANCE>(::GetWindowLongPtrW(hwnd_, GWLP_HINSTANCE));
    // Each control is made where the layout puts it, so the first layout pass has nothing to move.
    RECT client{};
    ::GetClientRect(hwnd_, &client);
    const int dpi = static_cast<int>(dpi_);
    const auto rects = LayoutForClientWidth(PixelsToTwips(client.right, dpi));
    for (const auto& design : MainControls()) {
        const RectTwips& rect = rects[static_cast<std::size_t>(design.control)];
        const int left = TwipsToPixels(rect.left, dpi), top = TwipsToPixels(rect.top, dpi);
        const int width = TwipsToPixels(rect.left + rect.width, dpi) - left;
        const int height = TwipsToPixels(rect.top + rect.height, dpi) - top;
        const wchar_t* windowClass = WC_BUTTONW;
        DWORD style = WS_CHILD | (design.visible ? WS_VISIBLE : 0);
        DWORD exStyle = 0;
        switch (design.kind) {
            case ControlKind::TextBox:
                windowClass = WC_EDITW;
                style |= WS_TABSTOP | ES_AUTOHSCROLL;
                exStyle = WS_EX_CLIENTEDGE;
                break;
            case ControlKind::Label:
                windowClass = WC_STATICW;
                style |= SS_LEFT;
                break;
            case ControlKind::Button:
                style |= WS_TABSTOP | (design.control == Control::cmdGetShortex ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON);
                break;
        }
        const HWND child = ::CreateWindowExW(exStyle, windowClass, std::wstring(design.text).c_str(), style, left, top,
                                             width, height,
                                             hwnd_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(ControlId(design.control))),
                                             instance, nullptr);
        if (!child) {
            creationFailure_ = WindowFailure(339, L"The control " + std::wstring(design.name) + L" could not be created.");
            return false;
        }
        controls_[static_cast<std::size_t>(design.control)] = child;
        if (design.kind == ControlKind::TextBox) {
            ::SendMessageW(child, EM_SETLIMITTEXT, 0, 0);  // no limit
            ::SetWindowSubclass(child, &TextBoxSubclass, static_cast<UINT_PTR>(design.control),
                                reinterpret_cast<DWORD_PTR>(this));
        }
    }
    return true;
}

bool frmMain::CreateTooltips() {
    const INITCOMMONCONTROLSEX tooltipClasses{sizeof(INITCOMMONCONTROLSEX), ICC_BAR_CLASSES};
    ::InitCommonControlsEx(&tooltipClasses);
    tooltip_ = ::CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                                 CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, hwnd_, nullptr,
                                 reinterpret_cast<HINSTANCE>(::GetWindowLongPtrW(hwnd_, GWLP_HINSTANCE)), nullptr);
    if (!tooltip_) {
        creationFailure_ = WindowFailure(339, L"The tooltip control could not be created.");
        return false;
    }
    for (const auto& design : MainControls()) {
        // The result box gets its tool now with no text; hovering fills it in.
        if (design.tooltip.empty() && design.control != Control::txtShortex) continue;
        const std::size_t index = static_cast<std::size_t>(design.control);
        tooltips_[index] = design.tooltip;
        TTTOOLINFOW tool{};
        tool.cbSize = sizeof tool;
        tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
        tool.hwnd = hwnd_;
        tool.uId = reinterpret_cast<UINT_PTR>(controls_[index]);
        tool.lpszText = tooltips_[index].data();
        ::SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    }
    return true;
}

void frmMain::ApplyFont() {
    font_ = MessageFont(dpi_);
    for (HWND control : controls_) ::SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), TRUE);
    const HINSTANCE instance = reinterpret_cast<HINSTANCE>(::GetWindowLongPtrW(hwnd_, GWLP_HINSTANCE));
    const auto loadIcon = [&](int metricX, int metricY) {
        return UniqueIcon(static_cast<HICON>(
            ::LoadImageW(instance, MAKEINTRESOURCEW(IDI_SHORTEX), IMAGE_ICON, ::GetSystemMetricsForDpi(metricX, dpi_),
                         ::GetSystemMetricsForDpi(metricY, dpi_), LR_DEFAULTCOLOR)));
    };
    bigIcon_ = loadIcon(SM_CXICON, SM_CYICON);
    smallIcon_ = loadIcon(SM_CXSMICON, SM_CYSMICON);
    ::SendMessageW(hwnd_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(bigIcon_.get()));
    ::SendMessageW(hwnd_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon_.get()));
    if (tooltip_) {
        RECT work{};
        ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
        ::SendMessageW(tooltip_, TTM_SETMAXTIPWIDTH, 0, (work.right - work.left) * 3 / 4);
    }
}

void frmMain::PinnedSizes(int& outerHeight, int& minOuterWidth) const {
    const int dpi = static_cast<int>(dpi_);
    const SIZE outer = OuterSizeForClient(TwipsToPixels(kMinClientWidth, dpi), TwipsToPixels(kDesignClientHeight, dpi),
                                          kStyle, kExStyle, dpi_);
    outerHeight = outer.cy;
    minOuterWidth = outer.cx;
}

// The height stays at the design's client height, the width at least the design's; the boxes
// stretch and the right-hand buttons follow the right edge.
void frmMain::Form_Resize() {
    if (!hwnd_ || ::IsIconic(hwnd_)) return;
    int pinnedHeight = 0, minWidth = 0;
    PinnedSizes(pinnedHeight, minWidth);
    RECT window{};
    ::GetWindowRect(hwnd_, &window);
    const int width = window.right - window.left;
    if (!inResize_ && (window.bottom - window.top != pinnedHeight || width < minWidth)) {
        inResize_ = true;
        ::SetWindowPos(hwnd_, nullptr, 0, 0, std::max(width, minWidth), pinnedHeight,
                       SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        inResize_ = false;
    }
    RECT client{};
    ::GetClientRect(hwnd_, &client);
    const auto rects = LayoutForClientWidth(PixelsToTwips(client.right, static_cast<int>(dpi_)));
    for (std::size_t i = 0; i < kControlCount; ++i) PlaceInTwips(controls_[i], rects[i], dpi_);
}

void frmMain::QueryUnloadOnce() {
    if (unloading_) return;
    unloading_ = true;
    form_.Form_QueryUnload();
}

void frmMain::OnDpiChanged(UINT dpi, const RECT& suggested) {
    dpi_ = dpi;
    ApplyFont();
    ::SetWindowPos(hwnd_, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                   suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    Form_Resize();
}

void frmMain::OnCommand(int id) {
    const auto control = ControlFromId(id);
    if (!control) return;
    switch (*control) {
        case Control::cmdGetShortex:
            form_.cmdGetShortex_Click();
            break;
        case Control::cmdGetLongFileName:
            form_.cmdGetLongFileName_Click();
            break;
        case Control::cmdCopy:
            form_.cmdCopy_Click();
            break;
        case Control::cmdExit:
            form_.cmdExit_Click();
            break;
        case Control::cmdOpenFile:
            form_.cmdOpenFile_Click();
            break;
        case Control::cmdOpenFolder:
            form_.cmdOpenFolder_Click();
            break;
        case Control::cmdAbout:
            form_.cmdAbout_Click();
            break;
        default:
            break;
    }
}

LRESULT frmMain::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CREATE:
            dpi_ = WindowDpi(hwnd_);
            if (!CreateControls() || !CreateTooltips()) return -1;
            systemClipboard_.SetOwner(hwnd_);
            fileDialog_.SetOwner(hwnd_);
            folderChoosers_.SetOwner(hwnd_);
            ::SendMessageW(hwnd_, DM_SETDEFID, IDOK, 0);
            ApplyFont();
            Form_Resize();
            return 0;
        case WM_SIZE:
            Form_Resize();
            return 0;
        case WM_GETMINMAXINFO: {
            int pinnedHeight = 0, minWidth = 0;
            PinnedSizes(pinnedHeight, minWidth);
            auto* limits = reinterpret_cast<MINMAXINFO*>(lParam);
            limits->ptMinTrackSize = POINT{minWidth, pinnedHeight};
            limits->ptMaxTrackSize.y = pinnedHeight;
            return 0;
        }
        case WM_SYSCOMMAND:
            if ((wParam & 0xFFF0) == SC_MAXIMIZE) return 0;  // the window has one height only
            break;
        case WM_DPICHANGED:
            OnDpiChanged(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
            return 0;
        case WM_COMMAND:
            if (HIWORD(wParam) == BN_CLICKED) OnCommand(LOWORD(wParam));
            return 0;
        case WM_CTLCOLOREDIT:
            if (reinterpret_cast<HWND>(lParam) == ControlWindow(Control::txtShortex)) {
                const HDC dc = reinterpret_cast<HDC>(wParam);
                ::SetBkColor(dc, ::GetSysColor(COLOR_SCROLLBAR));
                ::SetTextColor(dc, ::GetSysColor(COLOR_WINDOWTEXT));
                return reinterpret_cast<LRESULT>(::GetSysColorBrush(COLOR_SCROLLBAR));
            }
            break;
        case WM_CLOSE:
            QueryUnloadOnce();
            ::DestroyWindow(hwnd_);
            return 0;
        case WM_QUERYENDSESSION:
            return TRUE;  // closing is never refused
        case WM_ENDSESSION:
            // Windows ends the process after this message: remember the state now.
            if (wParam) QueryUnloadOnce();
            return 0;
        case WM_DESTROY:
            form_.Form_Unload();
            return 0;
        default:
            break;
    }
    return DefaultProcedure(hwnd_, message, wParam, lParam);
}

LRESULT CALLBACK frmMain::TextBoxSubclass(HWND box, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                          DWORD_PTR self) {
    auto& window = *reinterpret_cast<frmMain*>(self);
    switch (message) {
        case WM_MOUSEMOVE:
            if (static_cast<Control>(id) == Control::txtPath)
                window.form_.txtPath_MouseMove();
            else
                window.form_.txtShortex_MouseMove();
            break;
        case WM_CHAR:
            if (wParam == 1) {  // Ctrl+A
                SelectAll(box);
                return 0;
            }
            break;
        case WM_NCDESTROY:
            ::RemoveWindowSubclass(box, &TextBoxSubclass, id);
            break;
        default:
            break;
    }
    return ::DefSubclassProc(box, message, wParam, lParam);
}

std::wstring frmMain::Text(Control control) const {
    const HWND window = ControlWindow(control);
    std::wstring text(static_cast<std::size_t>(::GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(::GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

void frmMain::SetText(Control control, const std::wstring& text) { ::SetWindowTextW(ControlWindow(control), text.c_str()); }

void frmMain::SetTooltip(Control control, const std::wstring& text) {
    const std::size_t index = static_cast<std::size_t>(control);
    if (!tooltip_ || tooltips_[index] == text) return;
    tooltips_[index] = text;
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.hwnd = hwnd_;
    tool.uId = reinterpret_cast<UINT_PTR>(controls_[index]);
    tool.lpszText = tooltips_[index].data();
    ::SendMessageW(tooltip_, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
}

void frmMain::SetFocus(Control control) {
    // Through the dialog manager, so that the default button follows the focus.
    ::SendMessageW(hwnd_, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(ControlWindow(control)), TRUE);
}

void frmMain::Unload() { ::SendMessageW(hwnd_, WM_CLOSE, 0, 0); }

void frmMain::UnloadOtherWindows() {
    if (services_.unloadOtherWindows) services_.unloadOtherWindows();
}

PointTwips frmMain::Position() const {
    RECT rect{};
    ::GetWindowRect(hwnd_, &rect);
    const RectTwips twips = ToTwips(rect);
    return {twips.left, twips.top};
}

void frmMain::MoveTo(PointTwips position) {
    const int dpi = ScreenDpi();
    ::SetWindowPos(hwnd_, nullptr, TwipsToPixels(position.left, dpi), TwipsToPixels(position.top, dpi), 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

DisplayGeometry frmMain::Displays() const {
    RECT window{};
    ::GetWindowRect(hwnd_, &window);
    const RectTwips outer = ToTwips(window);
    const int captionPixels = ::GetSystemMetricsForDpi(SM_CYCAPTION, dpi_) +
                              ::GetSystemMetricsForDpi(SM_CYSIZEFRAME, dpi_) +
                              ::GetSystemMetricsForDpi(SM_CXPADDEDBORDER, dpi_);
    DisplayGeometry displays;
    displays.outerWidth = outer.width;
    displays.outerHeight = outer.height;
    displays.titleBarHeight = PixelsToTwips(captionPixels, ScreenDpi());
    displays.screenWidth = PixelsToTwips(::GetSystemMetrics(SM_CXSCREEN), ScreenDpi());
    displays.screenHeight = PixelsToTwips(::GetSystemMetrics(SM_CYSCREEN), ScreenDpi());
    ::EnumDisplayMonitors(
        nullptr, nullptr,
        [](HMONITOR monitor, HDC, LPRECT, LPARAM areas) -> BOOL {
            MONITORINFO info{};
            info.cbSize = sizeof info;
            if (::GetMonitorInfoW(monitor, &info))
                reinterpret_cast<std::vector<RectTwips>*>(areas)->push_back(ToTwips(info.rcWork));
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&displays.workAreas));
    return displays;
}

bool frmMain::IsMinimized() const { return ::IsIconic(hwnd_) != FALSE; }

}  // namespace shortex::main_window

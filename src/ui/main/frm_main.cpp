#include "frm_main.h"

#include "main_layout.h"
#include "resource.h"
#include "settings/registry.h"

namespace shortex::main_window {
namespace {

constexpr UINT kAcceptDrops = WM_APP + 2;  // posted at the first paint
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
constexpr DWORD kExStyle = WS_EX_CONTROLPARENT;

// Each control's tip. The result box has a tool from the start, with no text until the mouse moves over it.
constexpr std::pair<int, const wchar_t*> kTips[] = {{txtPath, L" Enter path... "},
                                                    {cmdOpenFolder, L" Select a folder "},
                                                    {cmdOpenFile, L" Select a file "},
                                                    {txtShortex, L""},
                                                    {cmdCopy, L" Copy to Clipboard "}};

// What each button's click runs.
constexpr std::pair<int, void (frmMain::*)()> kClicks[] = {{cmdGetShortex, &frmMain::cmdGetShortex_Click},
                                                           {cmdGetLongFileName, &frmMain::cmdGetLongFileName_Click},
                                                           {cmdCopy, &frmMain::cmdCopy_Click},
                                                           {cmdExit, &frmMain::cmdExit_Click},
                                                           {cmdOpenFile, &frmMain::cmdOpenFile_Click},
                                                           {cmdOpenFolder, &frmMain::cmdOpenFolder_Click},
                                                           {cmdAbout, &frmMain::cmdAbout_Click},
                                                           {cmdMakeShort, &frmMain::cmdMakeShort_Click}};

// The two boxes hear the mouse move over them; Alt+Down on Copy opens its menu, as on a combo box.
LRESULT CALLBACK ChildProcedure(HWND child, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id, DWORD_PTR self) {
    auto* window = reinterpret_cast<frmMain*>(self);
    if (message == WM_MOUSEMOVE && id == txtPath) window->txtPath_MouseMove();
    if (message == WM_MOUSEMOVE && id == txtShortex) window->txtShortex_MouseMove();
    if (message == WM_SYSKEYDOWN && wParam == VK_DOWN && id == cmdCopy) {
        window->cmdCopy_DropDown();
        return 0;
    }
    return ::DefSubclassProc(child, message, wParam, lParam);
}

// Copy's menu: a group of radio items for each choice of the form, and the UNC path's check box.
// An item's identifier is its group's number times 16, plus its place in the group, plus one.
constexpr int kGroupSize = 16;
const std::vector<std::vector<const wchar_t*>> kCopyMenu = {
    {L"&Windows\tC:\\PROGRA~1\\GIT", L"&Forward slashes\tC:/PROGRA~1/GIT", L"&Escaped (JSON, C)\tC:\\\\PROGRA~1\\\\GIT",
     L"&MSYS, Git Bash\t/c/PROGRA~1/GIT", L"C&ygwin\t/cygdrive/c/PROGRA~1/GIT"},
    {L"&No quotes", L"&Quotes when needed", L"&Always quotes"},
    {L"&UNC path for network drives"},
    {L"One path a &line", L"&Space between paths", L"&Tab between paths", L"C&omma between paths",
     L"Semicolon between paths, as in &PATH"}};

UniqueMenu CopyMenu(const CopyForm& form) {
    UniqueMenu menu(::CreatePopupMenu());
    const int chosen[] = {static_cast<int>(form.form), static_cast<int>(form.quotes), form.unc ? 0 : -1,
                          static_cast<int>(form.separator)};
    for (int group = 0; group < static_cast<int>(kCopyMenu.size()); ++group) {
        if (group > 0) ::AppendMenuW(menu.get(), MF_SEPARATOR, 0, nullptr);
        const int first = group * kGroupSize + 1, count = static_cast<int>(kCopyMenu[group].size());
        for (int i = 0; i < count; ++i)
            ::AppendMenuW(menu.get(), MF_STRING | (i == chosen[group] ? MF_CHECKED : 0), first + i,
                          kCopyMenu[group][i]);
        if (count > 1) ::CheckMenuRadioItem(menu.get(), first, first + count - 1, first + chosen[group], MF_BYCOMMAND);
    }
    return menu;
}

CopyForm WithMenuItem(CopyForm form, int item) {
    const int group = (item - 1) / kGroupSize, choice = (item - 1) % kGroupSize;
    if (group == 0) form.form = static_cast<PathForm>(choice);
    if (group == 1) form.quotes = static_cast<Quotes>(choice);
    if (group == 2) form.unc = !form.unc;
    if (group == 3) form.separator = static_cast<Separator>(choice);
    return form;
}

}  // namespace

frmMain::frmMain(std::shared_ptr<FileSystem> files, MessageBoxes& boxes, Pickers& pickers, std::wstring argumentText)
    : files_(std::move(files)), boxes_(boxes), pickers_(pickers), argumentText_(std::move(argumentText)) {}

std::optional<Failure> frmMain::Create() {
    if (!CreateDialogLike(L"ShortexMainWindow", L"Shortex", kStyle, kExStyle, PinnedSize(), nullptr)) {
        if (creationFailure_) return creationFailure_;
        return Failure{kWindowLoadFailed, L"The main window could not be created. " + SystemMessage(::GetLastError())};
    }
    Form_Load();
    loaded_ = true;
    return std::nullopt;
}

void frmMain::Show(int showCommand) {
    const bool maximise = showCommand == SW_SHOWMAXIMIZED || showCommand == SW_MAXIMIZE;
    ::ShowWindow(hwnd_, maximise ? SW_SHOWNORMAL : showCommand);
    Focus(txtPath);
    if (noteAtShow_) ShowBalloon(*std::exchange(noteAtShow_, std::nullopt));
}

std::optional<LRESULT> frmMain::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CREATE: return OnCreate() ? 0 : -1;
        case kLookupAnswered:
            if (!pending_ || wParam != pending_->number) return 0;
            if (const auto answer = pending_->Answered(0)) ShowAnswer(*answer);
            return 0;
        case WM_PAINT:
            // OLE stays out of start-up: drops are taken once the window has been drawn.
            if (!std::exchange(painted_, true)) ::PostMessageW(hwnd_, kAcceptDrops, 0, 0);
            break;
        case kAcceptDrops:
            dropTarget_ = std::make_unique<DropTarget>(hwnd_);
            if (InitializeOle()) ::RegisterDragDrop(hwnd_, dropTarget_.get());
            return 0;
        case kPathsDropped:
            if (const auto paths = dropTarget_->TakePaths(); !paths.empty()) TakePath(paths.front());
            return 0;
        case WM_MOVE: HideBalloon(); break;  // it would stay where the box was
        case WM_ACTIVATE:
            if (LOWORD(wParam) == WA_INACTIVE) HideBalloon();
            break;
        case WM_SIZE:
            // A "Maximized" shortcut can reach past ShowWindow's command: the window has one height.
            if (wParam == SIZE_MAXIMIZED)
                ::ShowWindow(hwnd_, SW_RESTORE);
            else
                Form_Resize();
            return 0;
        case WM_GETMINMAXINFO: {  // the height stays at the design's, the width at least the design's
            auto& limits = *reinterpret_cast<MINMAXINFO*>(lParam);
            limits.ptMinTrackSize = POINT{PinnedSize().cx, PinnedSize().cy};
            limits.ptMaxTrackSize.y = PinnedSize().cy;
            return 0;
        }
        case WM_SYSCOMMAND:
            if ((wParam & 0xFFF0) == SC_MAXIMIZE) return 0;
            break;
        case WM_DPICHANGED: OnDpiChanged(*reinterpret_cast<const RECT*>(lParam)); return 0;
        case WM_COMMAND:
            if (HIWORD(wParam) != BN_CLICKED) break;
            for (const auto& [button, click] : kClicks)
                if (button == LOWORD(wParam)) (this->*click)();
            return 0;
        case WM_NOTIFY:
            if (reinterpret_cast<const NMHDR*>(lParam)->code != BCN_DROPDOWN || wParam != cmdCopy) break;
            cmdCopy_DropDown();
            return 0;
        case WM_CTLCOLOREDIT:  // the result box's colours
            if (reinterpret_cast<HWND>(lParam) != Item(txtShortex)) break;
            ::SetBkColor(reinterpret_cast<HDC>(wParam), ::GetSysColor(COLOR_SCROLLBAR));
            ::SetTextColor(reinterpret_cast<HDC>(wParam), ::GetSysColor(COLOR_WINDOWTEXT));
            return reinterpret_cast<LRESULT>(::GetSysColorBrush(COLOR_SCROLLBAR));
        case WM_CLOSE: Close(); return 0;
        case WM_ENDSESSION:
            if (wParam) Close();
            return 0;  // Windows or an installer ends the session
        case WM_DESTROY:
            if (dropTarget_) ::RevokeDragDrop(hwnd_);
            // A window that never loaded ends nothing: start-up still has its failure to report.
            if (loaded_) Form_Unload();
            return 0;
    }
    return std::nullopt;
}

bool frmMain::OnCreate() {
    creationFailure_ = CreateControls(hwnd_, MainLayout(kClientWidth));
    if (creationFailure_) return false;
    const INITCOMMONCONTROLSEX tooltipClasses{sizeof(INITCOMMONCONTROLSEX), ICC_BAR_CLASSES};
    ::InitCommonControlsEx(&tooltipClasses);
    tooltip_ = TipWindow(TTS_ALWAYSTIP);
    if (!tooltip_) {
        creationFailure_ =
            Failure{kComponentMissing, L"The tooltip control could not be created. " + SystemMessage(::GetLastError())};
        return false;
    }
    for (const auto& [control, text] : kTips) {
        TTTOOLINFOW tool = Tool(TTF_IDISHWND | TTF_SUBCLASS, Item(control), text);
        ::SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    }
    pathTip_ = kTips[0].second;
    for (const int control : {txtPath, txtShortex, cmdCopy})
        ::SetWindowSubclass(Item(control), &ChildProcedure, control, reinterpret_cast<DWORD_PTR>(this));
    ::SendMessageW(hwnd_, DM_SETDEFID, cmdGetShortex, 0);
    ::SendMessageW(Item(cmdMakeShort), BCM_SETSHIELD, 0, TRUE);  // it asks for an administrator
    ApplyFontAndIcons();
    // Placed now, not at the first showing's WM_SIZE: a box given its text while it has no width
    // scrolls to show only its last character.
    Form_Resize();
    return true;
}

void frmMain::OnDpiChanged(const RECT& suggested) {
    ApplyFontAndIcons();
    ::SetWindowPos(hwnd_, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                   suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    Form_Resize();
}

void frmMain::ApplyFontAndIcons() {
    font_ = MessageFont(dpi_);
    for (const ControlDesign& control : MainLayout(kClientWidth))
        ::SendMessageW(Item(control.id), WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), TRUE);
    for (const WPARAM size : {ICON_BIG, ICON_SMALL}) {
        const bool big = size == ICON_BIG;
        icons_[size] = UniqueIcon(static_cast<HICON>(
            ::LoadImageW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_SHORTEX), IMAGE_ICON,
                         ::GetSystemMetricsForDpi(big ? SM_CXICON : SM_CXSMICON, dpi_),
                         ::GetSystemMetricsForDpi(big ? SM_CYICON : SM_CYSMICON, dpi_), LR_DEFAULTCOLOR)));
        ::SendMessageW(hwnd_, WM_SETICON, size, reinterpret_cast<LPARAM>(icons_[size].get()));
    }
    RECT work{};
    ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    ::SendMessageW(tooltip_, TTM_SETMAXTIPWIDTH, 0, (work.right - work.left) * 3 / 4);
}

SIZE frmMain::PinnedSize() const { return OuterSizeForClient(kClientWidth, kClientHeight, kStyle, kExStyle, dpi_); }

// The boxes stretch and the right-hand buttons follow the right edge. The size itself is held by
// WM_GETMINMAXINFO, which DefWindowProc applies to every size change of a resizable window.
void frmMain::Form_Resize() {
    if (::IsIconic(hwnd_)) return;
    RECT client{};
    ::GetClientRect(hwnd_, &client);
    for (const ControlDesign& control : MainLayout(PixelsToTwips(client.right, dpi_), !namesOffered_.empty()))
        PlaceInTwips(Item(control.id), control.rect, dpi_);
}

HWND frmMain::TipWindow(DWORD style) {
    return ::CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_NOPREFIX | style, 0, 0, 0, 0,
                             hwnd_, nullptr, ::GetModuleHandleW(nullptr), nullptr);
}

TTTOOLINFOW frmMain::Tool(UINT flags, HWND control, const wchar_t* text) const {
    return {sizeof(TTTOOLINFOW),        flags, hwnd_,  reinterpret_cast<UINT_PTR>(control), {}, nullptr,
            const_cast<wchar_t*>(text), 0,     nullptr};
}

// A balloon on the result box that says why its short form keeps a long name: the box's own,
// or, where the edit control has none (Wine's), ours, made when first needed, below the window
// under the box, where no z-order can hide it behind the window.
void frmMain::ShowBalloon(const ShortFormNote& note) {
    const HWND box = Item(txtShortex);
    HideBalloon();
    EDITBALLOONTIP tip{sizeof tip, note.title.c_str(), note.text.c_str(), TTI_INFO};
    if (::SendMessageW(box, EM_SHOWBALLOONTIP, 0, reinterpret_cast<LPARAM>(&tip))) return;
    if (!balloon_ && (balloon_ = TipWindow(TTS_BALLOON))) {
        TTTOOLINFOW track = Tool(TTF_TRACK | TTF_ABSOLUTE, nullptr, L"");
        ::SendMessageW(balloon_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&track));
    }
    TTTOOLINFOW tool = Tool(0, nullptr, note.text.c_str());
    ::SendMessageW(balloon_, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
    ::SendMessageW(balloon_, TTM_SETTITLEW, TTI_INFO, reinterpret_cast<LPARAM>(note.title.c_str()));
    RECT boxRect{}, window{};
    ::GetWindowRect(box, &boxRect);
    ::GetWindowRect(hwnd_, &window);
    ::SendMessageW(balloon_, TTM_SETMAXTIPWIDTH, 0, boxRect.right - boxRect.left);
    ::SendMessageW(balloon_, TTM_TRACKPOSITION, 0, MAKELPARAM((boxRect.left + boxRect.right) / 2, window.bottom));
    ::SendMessageW(balloon_, TTM_TRACKACTIVATE, TRUE, reinterpret_cast<LPARAM>(&tool));
}

void frmMain::HideBalloon() {
    ::SendMessageW(Item(txtShortex), EM_HIDEBALLOONTIP, 0, 0);
    TTTOOLINFOW tool = Tool(0, nullptr, L"");
    ::SendMessageW(balloon_, TTM_TRACKACTIVATE, FALSE, reinterpret_cast<LPARAM>(&tool));
}

void frmMain::cmdCopy_DropDown() {
    const UniqueMenu menu = CopyMenu(copyForm_);
    RECT button{};
    ::GetWindowRect(Item(cmdCopy), &button);
    TPMPARAMS keepClear{sizeof keepClear, button};  // the menu opens below Copy, or above it, never over it
    const int item = static_cast<int>(
        ::TrackPopupMenuEx(menu.get(), TPM_RETURNCMD | TPM_VERTICAL, button.left, button.bottom, hwnd_, &keepClear));
    if (item == 0) return;
    copyForm_ = WithMenuItem(copyForm_, item);
    registry::WriteCopyForm(copyForm_);
    cmdGetShortex_Click();  // the result box shows the path as Copy will copy it
}

void frmMain::Focus(int id) {
    // Through the dialog manager, so that the default button follows the focus.
    ::SendMessageW(hwnd_, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(Item(id)), TRUE);
}

}  // namespace shortex::main_window

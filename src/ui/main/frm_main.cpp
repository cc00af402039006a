#include "frm_main.h"

#include "common/system_function.h"
#include "main_layout.h"
#include "resource.h"
#include "settings/registry.h"
#include "ui/about/frm_about.h"

#include <commctrl.h>
#include <shlobj.h>

#include <algorithm>
#include <cwchar>
#include <thread>

namespace shortex::main_window {
namespace {

constexpr wchar_t kSettingsKey[] = L"HKEY_CURRENT_USER\\Software\\Tandril\\Shortex";
constexpr UINT kLookupDone = WM_APP + 1;  // wParam: the lookup's number
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
constexpr DWORD kExStyle = WS_EX_CONTROLPARENT;

struct Tip {
    int box;
    const wchar_t* text;
};
// The result box has a tool from the start, with no text until the mouse moves over it.
constexpr Tip kTips[] = {{txtPath, L" Enter path... "},
                         {cmdOpenFolder, L" Select a folder "},
                         {cmdOpenFile, L" Select a file "},
                         {txtShortex, L""},
                         {cmdCopy, L" Copy to Clipboard "}};

// Positions on the screen are kept in twips at the system's DPI, the one the primary display has.
int ScreenDpi() { return static_cast<int>(::GetDpiForSystem()); }

RectTwips ToTwips(const RECT& rect) {
    const int dpi = ScreenDpi();
    return {PixelsToTwips(rect.left, dpi), PixelsToTwips(rect.top, dpi), PixelsToTwips(rect.right - rect.left, dpi),
            PixelsToTwips(rect.bottom - rect.top, dpi)};
}

// PathUnquoteSpacesW's rule: one pair of enclosing double quotes goes; the text ends at a NUL.
std::wstring UnquotePath(const std::wstring& text) {
    using Unquote = BOOL(WINAPI*)(LPWSTR);
    static const auto unquote = BindSystemFunction<Unquote>(L"shlwapi.dll", "PathUnquoteSpacesW");
    std::wstring buffer = text;
    if (unquote) unquote(buffer.data());
    return buffer.substr(0, buffer.find(L'\0'));
}

std::wstring LowerCase(std::wstring text) {
    if (!text.empty()) ::CharLowerBuffW(text.data(), static_cast<DWORD>(text.size()));
    return text;
}

std::wstring DecimalSeparator() {
    wchar_t separator[8] = {};
    return ::GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_SDECIMAL, separator, 8) ? separator : L".";
}

// The path that dragged data carries: the first item of a file drop, or one line of text.
std::optional<std::wstring> PathIn(IDataObject* data) {
    for (const CLIPFORMAT format : {CLIPFORMAT(CF_HDROP), CLIPFORMAT(CF_UNICODETEXT)}) {
        FORMATETC wanted{format, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
        STGMEDIUM medium{};
        if (FAILED(data->GetData(&wanted, &medium))) continue;
        std::wstring text;
        const SIZE_T size = ::GlobalSize(medium.hGlobal);
        if (const auto* bytes = static_cast<const BYTE*>(::GlobalLock(medium.hGlobal))) {
            // Every read stays inside the block, whatever its content claims.
            const auto* drop = reinterpret_cast<const DROPFILES*>(bytes);
            const SIZE_T start = format == CF_HDROP ? (size >= sizeof(DROPFILES) ? std::min<SIZE_T>(drop->pFiles, size) : size) : 0;
            if (format == CF_HDROP && !drop->fWide) {
                std::string narrow(reinterpret_cast<const char*>(bytes + start), strnlen(reinterpret_cast<const char*>(bytes + start), size - start));
                text.resize(narrow.size());
                text.resize(::MultiByteToWideChar(CP_ACP, 0, narrow.data(), static_cast<int>(narrow.size()), text.data(), static_cast<int>(text.size())));
            } else {
                const auto* wide = reinterpret_cast<const wchar_t*>(bytes + start);
                text.assign(wide, wcsnlen(wide, (size - start) / sizeof(wchar_t)));
            }
            ::GlobalUnlock(medium.hGlobal);
        }
        ::ReleaseStgMedium(&medium);
        while (format == CF_UNICODETEXT && (text.ends_with(L'\n') || text.ends_with(L'\r'))) text.pop_back();
        if (text.empty() || text.find_first_of(L"\r\n") != text.npos) return std::nullopt;
        return text;
    }
    return std::nullopt;
}

Displays DisplaysAround(HWND window) {
    RECT outer{};
    ::GetWindowRect(window, &outer);
    const RectTwips size = ToTwips(outer);
    const int dpi = WindowDpi(window);
    const int titleBar = ::GetSystemMetricsForDpi(SM_CYCAPTION, dpi) + ::GetSystemMetricsForDpi(SM_CYSIZEFRAME, dpi) +
                         ::GetSystemMetricsForDpi(SM_CXPADDEDBORDER, dpi);
    Displays displays{size.width, size.height, PixelsToTwips(titleBar, ScreenDpi()),
                      PixelsToTwips(::GetSystemMetrics(SM_CXSCREEN), ScreenDpi()),
                      PixelsToTwips(::GetSystemMetrics(SM_CYSCREEN), ScreenDpi()), {}};
    const auto addWorkArea = [](HMONITOR monitor, HDC, LPRECT, LPARAM areas) -> BOOL {
        MONITORINFO info{};
        info.cbSize = sizeof info;
        if (::GetMonitorInfoW(monitor, &info))
            reinterpret_cast<std::vector<RectTwips>*>(areas)->push_back(ToTwips(info.rcWork));
        return TRUE;
    };
    ::EnumDisplayMonitors(nullptr, nullptr, addWorkArea, reinterpret_cast<LPARAM>(&displays.workAreas));
    return displays;
}

}  // namespace

// A question for the file system and its answer, shared by the window and the thread that asks.
struct frmMain::Lookup {
    std::wstring path;         // as the path box gives it
    bool checkExists = false;  // start-up: does the command line's path name a file or a folder?
    bool longForm = false;
    std::uint64_t number = 0;
    // Written by the thread before it sets done.
    bool exists = true;
    std::wstring answer;
    ShortFormNote note;  // what to say of the answer's names
    UniqueKernelHandle done{::CreateEventW(nullptr, TRUE, FALSE, nullptr)};

    void Ask(FileSystem& files) {
        if (checkExists) exists = FileExists(files, path) || DirExists(files, path);
        if (!exists) return;
        const std::wstring trimmed = TrimSpaces(path);
        answer = longForm ? LongPath(files, trimmed) : ShortPath(files, trimmed);
        if (!longForm) note = NoteOnShortForm(files, trimmed, answer);
    }
};

// Takes what is dragged over the window when it carries a path, and the window takes input.
class frmMain::DropTarget final : public IDropTarget {
public:
    explicit DropTarget(frmMain& window) : window_(window) {}
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** object) override {
        *object = id == IID_IUnknown || id == IID_IDropTarget ? this : nullptr;
        return *object ? S_OK : E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }  // lives as long as the window
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
    HRESULT STDMETHODCALLTYPE DragEnter(IDataObject* data, DWORD, POINTL, DWORD* effect) override {
        path_ = PathIn(data);
        return DragOver(0, {}, effect);
    }
    HRESULT STDMETHODCALLTYPE DragOver(DWORD, POINTL, DWORD* effect) override {
        // The About box and the pickers disable the window while they are open.
        *effect = path_ && ::IsWindowEnabled(window_.hwnd()) ? DROPEFFECT_COPY : DROPEFFECT_NONE;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE DragLeave() override {
        path_.reset();
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE Drop(IDataObject* data, DWORD keys, POINTL point, DWORD* effect) override {
        DragEnter(data, keys, point, effect);
        if (*effect == DROPEFFECT_COPY) window_.TakePath(*path_);
        path_.reset();
        return S_OK;
    }

private:
    frmMain& window_;
    std::optional<std::wstring> path_;
};

frmMain::frmMain(FileSystem& files, MessageBoxes& boxes, Pickers& pickers, std::wstring argumentText)
    : files_(files), boxes_(boxes), pickers_(pickers), argumentText_(std::move(argumentText)),
      dropTarget_(std::make_unique<DropTarget>(*this)) {}

frmMain::~frmMain() {
    if (hwnd_) ::DestroyWindow(hwnd_);
}

std::optional<Failure> frmMain::Create() {
    const SIZE size = OuterSizeForClient(kClientWidth, kClientHeight, kStyle, kExStyle, ScreenDpi());
    if (!CreateDialogLike(L"ShortexMainWindow", L"Shortex", kStyle, kExStyle, size, nullptr)) {
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
}

bool frmMain::TranslateDialogMessage(MSG& message) { return hwnd_ && ::IsDialogMessageW(hwnd_, &message); }

std::optional<Failure> frmMain::CreateTooltips() {
    const INITCOMMONCONTROLSEX tooltipClasses{sizeof(INITCOMMONCONTROLSEX), ICC_BAR_CLASSES};
    ::InitCommonControlsEx(&tooltipClasses);
    const auto tipWindow = [this](DWORD style) {
        return ::CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_NOPREFIX | style, 0, 0, 0, 0,
                                 hwnd_, nullptr, ::GetModuleHandleW(nullptr), nullptr);
    };
    tooltip_ = tipWindow(TTS_ALWAYSTIP);
    balloon_ = tipWindow(TTS_BALLOON);  // says why a short form keeps a long name, where the box cannot
    if (!tooltip_ || !balloon_)
        return Failure{kComponentMissing, L"The tooltip control could not be created. " + SystemMessage(::GetLastError())};
    for (const Tip& tip : kTips) {
        TTTOOLINFOW tool{};
        tool.cbSize = sizeof tool;
        tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
        tool.hwnd = hwnd_;
        tool.uId = reinterpret_cast<UINT_PTR>(Item(tip.box));
        tool.lpszText = const_cast<wchar_t*>(tip.text);
        ::SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    }
    pathTip_ = kTips[0].text;
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_TRACK | TTF_ABSOLUTE;
    tool.hwnd = hwnd_;
    tool.lpszText = const_cast<wchar_t*>(L"");
    ::SendMessageW(balloon_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    for (const int box : {txtPath, txtShortex}) ::SetWindowSubclass(Item(box), &TextBoxProcedure, box, reinterpret_cast<DWORD_PTR>(this));
    return std::nullopt;
}

void frmMain::ApplyFontAndIcons() {
    font_ = MessageFont(dpi_);
    for (const ControlDesign& control : MainLayout(kClientWidth))
        ::SendMessageW(Item(control.id), WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), TRUE);
    const auto icon = [this](int width, int height) {
        return UniqueIcon(static_cast<HICON>(::LoadImageW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_SHORTEX),
                                                          IMAGE_ICON, ::GetSystemMetricsForDpi(width, dpi_),
                                                          ::GetSystemMetricsForDpi(height, dpi_), LR_DEFAULTCOLOR)));
    };
    bigIcon_ = icon(SM_CXICON, SM_CYICON);
    smallIcon_ = icon(SM_CXSMICON, SM_CYSMICON);
    ::SendMessageW(hwnd_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(bigIcon_.get()));
    ::SendMessageW(hwnd_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon_.get()));
    RECT work{};
    ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    ::SendMessageW(tooltip_, TTM_SETMAXTIPWIDTH, 0, (work.right - work.left) * 3 / 4);
}

SIZE frmMain::PinnedSize() const { return OuterSizeForClient(kClientWidth, kClientHeight, kStyle, kExStyle, dpi_); }

// The height stays at the design's client height, the width at least the design's; the boxes
// stretch and the right-hand buttons follow the right edge.
void frmMain::Form_Resize() {
    if (::IsIconic(hwnd_)) return;
    const SIZE pinned = PinnedSize();
    RECT window{};
    ::GetWindowRect(hwnd_, &window);
    if (!resizing_ && (window.bottom - window.top != pinned.cy || window.right - window.left < pinned.cx)) {
        resizing_ = true;  // the size change comes back here; a size the system refuses must not loop
        ::SetWindowPos(hwnd_, nullptr, 0, 0, std::max<int>(window.right - window.left, pinned.cx), pinned.cy,
                       SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        resizing_ = false;
    }
    RECT client{};
    ::GetClientRect(hwnd_, &client);
    for (const ControlDesign& control : MainLayout(PixelsToTwips(client.right, dpi_)))
        PlaceInTwips(Item(control.id), control.rect, dpi_);
}

std::optional<LRESULT> frmMain::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CREATE: {
            dpi_ = WindowDpi(hwnd_);
            RECT client{};
            ::GetClientRect(hwnd_, &client);
            creationFailure_ = CreateControls(hwnd_, MainLayout(PixelsToTwips(client.right, dpi_)), dpi_);
            if (!creationFailure_) creationFailure_ = CreateTooltips();
            if (creationFailure_) return -1;
            ::SendMessageW(hwnd_, DM_SETDEFID, cmdGetShortex, 0);
            ApplyFontAndIcons();
            if (InitializeOle()) ::RegisterDragDrop(hwnd_, dropTarget_.get());
            return 0;
        }
        case kLookupDone:
            if (pending_ && wParam == pending_->number) ShowAnswer();
            return 0;
        case WM_MOVE:
            ShowWhyNoShortName({});  // the balloon stays where the box was
            break;
        case WM_ACTIVATE:
            if (LOWORD(wParam) == WA_INACTIVE) ShowWhyNoShortName({});
            break;
        case WM_SIZE:
            // A "Maximized" shortcut can reach past ShowWindow's command: the window has one height.
            if (wParam == SIZE_MAXIMIZED)
                ::ShowWindow(hwnd_, SW_RESTORE);
            else
                Form_Resize();
            return 0;
        case WM_GETMINMAXINFO: {
            const SIZE pinned = PinnedSize();
            auto* limits = reinterpret_cast<MINMAXINFO*>(lParam);
            limits->ptMinTrackSize = POINT{pinned.cx, pinned.cy};
            limits->ptMaxTrackSize.y = pinned.cy;
            return 0;
        }
        case WM_SYSCOMMAND:
            if ((wParam & 0xFFF0) == SC_MAXIMIZE) return 0;
            break;
        case WM_DPICHANGED: {
            dpi_ = HIWORD(wParam);
            ApplyFontAndIcons();
            const RECT& suggested = *reinterpret_cast<const RECT*>(lParam);
            ::SetWindowPos(hwnd_, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                           suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
            Form_Resize();
            return 0;
        }
        case WM_COMMAND:
            if (HIWORD(wParam) != BN_CLICKED) break;
            switch (LOWORD(wParam)) {
                case cmdGetShortex: cmdGetShortex_Click(); break;
                case cmdGetLongFileName: cmdGetLongFileName_Click(); break;
                case cmdCopy: cmdCopy_Click(); break;
                case cmdExit: cmdExit_Click(); break;
                case cmdOpenFile: cmdOpenFile_Click(); break;
                case cmdOpenFolder: cmdOpenFolder_Click(); break;
                case cmdAbout: cmdAbout_Click(); break;
                default: break;
            }
            return 0;
        case WM_CTLCOLOREDIT:
            if (reinterpret_cast<HWND>(lParam) != Item(txtShortex)) break;
            ::SetBkColor(reinterpret_cast<HDC>(wParam), ::GetSysColor(COLOR_SCROLLBAR));
            ::SetTextColor(reinterpret_cast<HDC>(wParam), ::GetSysColor(COLOR_WINDOWTEXT));
            return reinterpret_cast<LRESULT>(::GetSysColorBrush(COLOR_SCROLLBAR));
        case WM_CLOSE:
            QueryUnloadOnce();
            ::DestroyWindow(hwnd_);
            return 0;
        case WM_QUERYENDSESSION:
            return TRUE;  // closing is never refused
        case WM_ENDSESSION:
            // Windows or an installer ends the session: remember the state, then end.
            if (wParam) {
                QueryUnloadOnce();
                ::DestroyWindow(hwnd_);
            }
            return 0;
        case WM_DESTROY:
            ::RevokeDragDrop(hwnd_);
            // A window that never loaded ends nothing: start-up still has its failure to report.
            if (loaded_) Form_Unload();
            return 0;
        default:
            break;
    }
    return std::nullopt;
}

LRESULT CALLBACK frmMain::TextBoxProcedure(HWND box, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                           DWORD_PTR self) {
    if (message == WM_MOUSEMOVE) {
        auto& window = *reinterpret_cast<frmMain*>(self);
        if (id == txtPath)
            window.txtPath_MouseMove();
        else
            window.txtShortex_MouseMove();
    }
    return ::DefSubclassProc(box, message, wParam, lParam);
}

void frmMain::Focus(int id) {
    // Through the dialog manager, so that the default button follows the focus.
    ::SendMessageW(hwnd_, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(Item(id)), TRUE);
}

std::wstring frmMain::ReadSetting(const wchar_t* name) { return registry::ReadRegValue(boxes_, kSettingsKey, name); }

void frmMain::WriteSetting(const wchar_t* name, const std::wstring& text) {
    registry::WriteRegValue(boxes_, kSettingsKey, name, text);
}

std::wstring frmMain::RememberedPath() { return PathShownAtStart({}, false, ReadSetting(L"PreviousPath")); }

void frmMain::Form_Load() {
    registry::CreateRegKey(boxes_, kSettingsKey);
    const Displays displays = DisplaysAround(hwnd_);
    PointTwips position = CentredPosition(displays);
    if (TextToTruth(ReadSetting(L"Startup")).value_or(false)) {
        const std::wstring separator = DecimalSeparator();
        position = ChoosePosition(TextToTwips(ReadSetting(L"Top"), separator),
                                  TextToTwips(ReadSetting(L"Left"), separator), displays);
    }
    ::SetWindowPos(hwnd_, nullptr, TwipsToPixels(position.left, ScreenDpi()), TwipsToPixels(position.top, ScreenDpi()),
                   0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);

    userFile = UnquotePath(argumentText_);
    if (userFile.empty()) {
        SetText(txtPath, RememberedPath());
        cmdGetShortex_Click();
        return;
    }
    // Shown while its existence is asked; a path that names nothing gives way to the remembered one.
    SetText(txtPath, userFile);
    Look(userFile, true, false);
}

void frmMain::Look(const std::wstring& path, bool checkExists, bool longForm) {
    auto lookup = std::make_shared<Lookup>();
    lookup->path = path;
    lookup->checkExists = checkExists;
    lookup->longForm = longForm;
    lookup->number = ++lookups_;
    pending_ = lookup;
    ShowWhyNoShortName({});
    std::thread([lookup, &files = files_, window = hwnd_] {
        lookup->Ask(files);
        ::SetEvent(lookup->done.get());
        ::PostMessageW(window, kLookupDone, static_cast<WPARAM>(lookup->number), 0);
    }).detach();
    // An answer that comes within a tenth of a second shows at once, as if asked here.
    if (::WaitForSingleObject(lookup->done.get(), 100) == WAIT_OBJECT_0) {
        ShowAnswer();
        return;
    }
    SetText(txtShortex, L"");
    ::SendMessageW(Item(txtShortex), EM_SETCUEBANNER, TRUE, reinterpret_cast<LPARAM>(L"Looking up..."));
}

void frmMain::ShowAnswer() {
    const auto lookup = std::exchange(pending_, nullptr);
    ::WaitForSingleObject(lookup->done.get(), INFINITE);  // set already; orders the answer's writes before these reads
    ::SendMessageW(Item(txtShortex), EM_SETCUEBANNER, FALSE, reinterpret_cast<LPARAM>(L""));
    if (!lookup->exists) {
        boxes_.Show({L"No such file or folder.          ", L"Sorry, that's a no go...", kBoxOk | kBoxExclamation});
        SetText(txtPath, RememberedPath());
        cmdGetShortex_Click();
        return;
    }
    SetText(txtShortex, lookup->answer);
    ShowWhyNoShortName(lookup->note);
}

// A balloon on the result box with the note on the answer's names: the first long component and
// why it has no short name, or a short name beyond ASCII; none when there is nothing to say.
void frmMain::ShowWhyNoShortName(const ShortFormNote& note) {
    const HWND box = Item(txtShortex);
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.hwnd = hwnd_;
    ::SendMessageW(box, EM_HIDEBALLOONTIP, 0, 0);
    ::SendMessageW(balloon_, TTM_TRACKACTIVATE, FALSE, reinterpret_cast<LPARAM>(&tool));
    if (note.text.empty()) return;
    const wchar_t* const kTitle = note.title.c_str();
    const std::wstring& reason = note.text;
    EDITBALLOONTIP tip{sizeof tip, kTitle, reason.c_str(), TTI_INFO};
    if (::SendMessageW(box, EM_SHOWBALLOONTIP, 0, reinterpret_cast<LPARAM>(&tip))) return;
    // The edit control has no balloon of its own on every system (Wine's has none): one of ours,
    // under the window below the result box, where no z-order can hide it behind the window.
    tool.lpszText = const_cast<wchar_t*>(reason.c_str());
    ::SendMessageW(balloon_, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
    ::SendMessageW(balloon_, TTM_SETTITLEW, TTI_INFO, reinterpret_cast<LPARAM>(kTitle));
    RECT result{}, window{};
    ::GetWindowRect(box, &result);
    ::GetWindowRect(hwnd_, &window);
    ::SendMessageW(balloon_, TTM_SETMAXTIPWIDTH, 0, result.right - result.left);
    ::SendMessageW(balloon_, TTM_TRACKPOSITION, 0, MAKELPARAM((result.left + result.right) / 2, window.bottom));
    ::SendMessageW(balloon_, TTM_TRACKACTIVATE, TRUE, reinterpret_cast<LPARAM>(&tool));
}

void frmMain::QueryUnloadOnce() {
    if (!std::exchange(unloading_, true)) Form_QueryUnload();
}

void frmMain::Form_QueryUnload() {
    // A minimised window has no place worth remembering: the one of the last run stays.
    if (!::IsIconic(hwnd_)) {
        RECT window{};
        ::GetWindowRect(hwnd_, &window);
        const RectTwips place = ToTwips(window);
        WriteSetting(L"Top", std::to_wstring(place.top));
        WriteSetting(L"Left", std::to_wstring(place.left));
    }
    WriteSetting(L"Startup", L"True");
    WriteSetting(L"PreviousPath", Text(txtPath));
    about::frmabout::UnloadOpenBox();
}

void frmMain::Form_Unload() { ::PostQuitMessage(0); }

void frmMain::cmdGetShortex_Click() { Look(Text(txtPath), false, false); }

void frmMain::cmdGetLongFileName_Click() { Look(Text(txtPath), false, true); }

void frmMain::cmdCopy_Click() { PutOnClipboard(hwnd_, Text(txtShortex)); }

void frmMain::cmdExit_Click() { ::SendMessageW(hwnd_, WM_CLOSE, 0, 0); }

void frmMain::cmdOpenFile_Click() {
    SetText(txtPath, RememberedPath());
    const Choice choice = pickers_.ChooseFile(hwnd_, L"All Files (*.*)|*.*", Text(txtPath));
    if (choice.failure) {
        // The focus stays where it was.
        boxes_.Show({PickerReport(*choice.failure, L"cmdOpenFile_Click"), L"Error", kBoxOk});
        return;
    }
    if (choice.path) {
        TakePath(*choice.path);
        return;
    }
    Focus(cmdGetShortex);
}

void frmMain::TakePath(const std::wstring& path) {
    SetText(txtPath, path);
    cmdGetShortex_Click();
    WriteSetting(L"PreviousPath", path);
    Focus(cmdGetShortex);
}

void frmMain::cmdOpenFolder_Click() {
    SetText(txtPath, FixDriveRoot(RememberedPath()));
    const Choice choice =
        pickers_.ChooseFolder(hwnd_, L"Browse for folder", L"Select a folder please", FolderPart(Text(txtPath)));
    if (choice.failure) {
        // Nothing was chosen, so nothing changes, and the focus stays where it was.
        boxes_.Show({PickerReport(*choice.failure, L"cmdBrowseDir_Click"), L"Error", kBoxOk});
        return;
    }
    if (!choice.path) {
        Focus(cmdGetShortex);
        return;
    }
    const std::wstring& chosen = *choice.path;
    const std::wstring prior = Text(txtPath);
    cmdGetShortex_Click();
    if (!DirExists(files_, chosen)) {
        boxes_.Show({L"The location you picked is not available...\r\nPick another folder, please!       ",
                     L"Attention!", kBoxOk | kBoxExclamation});
        Focus(cmdGetShortex);
        return;
    }
    SetText(txtPath, LowerCase(chosen));
    cmdGetShortex_Click();
    if (chosen.empty()) SetText(txtPath, LowerCase(prior));
    WriteSetting(L"PreviousPath", Text(txtPath));
    Focus(cmdGetShortex);
}

void frmMain::cmdAbout_Click() {
    about::frmabout::ShowModal(hwnd_);
    Focus(cmdGetShortex);
}

void frmMain::txtPath_MouseMove() { ShowTextAsTooltip(txtPath); }

void frmMain::txtShortex_MouseMove() { ShowTextAsTooltip(txtShortex); }

// Hovering over a box shows its whole text; an empty box keeps its last tip.
void frmMain::ShowTextAsTooltip(int box) {
    std::wstring& shown = box == txtPath ? pathTip_ : resultTip_;
    std::wstring text = Text(box);
    if (text.empty() || text == shown) return;
    shown = std::move(text);
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.hwnd = hwnd_;
    tool.uId = reinterpret_cast<UINT_PTR>(Item(box));
    tool.lpszText = shown.data();
    ::SendMessageW(tooltip_, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
}

}  // namespace shortex::main_window

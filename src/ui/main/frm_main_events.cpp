// frmMain's events: loading and closing, the buttons, the answers of lookups.
#include "frm_main.h"

#include "main_layout.h"
#include "settings/registry.h"
#include "ui/about/frm_about.h"
#include "ui/make_short.h"

#include <commctrl.h>
#include <shlwapi.h>

namespace shortex::main_window {
namespace {

// Positions on the screen are kept in twips at the system's DPI, the one the primary display has.
int ScreenDpi() { return static_cast<int>(::GetDpiForSystem()); }

RectTwips ToTwips(const RECT& rect) {
    const int dpi = ScreenDpi();
    return {PixelsToTwips(rect.left, dpi), PixelsToTwips(rect.top, dpi), PixelsToTwips(rect.right - rect.left, dpi),
            PixelsToTwips(rect.bottom - rect.top, dpi)};
}

// PathUnquoteSpacesW's rule: one pair of enclosing double quotes goes; the text ends at a NUL.
std::wstring UnquotePath(const std::wstring& text) {
    std::wstring buffer = text;
    ::PathUnquoteSpacesW(buffer.data());
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

Displays DisplaysAround(HWND window) {
    RECT outer{};
    ::GetWindowRect(window, &outer);
    const RectTwips size = ToTwips(outer);
    const int dpi = WindowDpi(window);
    const int titleBar = ::GetSystemMetricsForDpi(SM_CYCAPTION, dpi) + ::GetSystemMetricsForDpi(SM_CYSIZEFRAME, dpi) +
                         ::GetSystemMetricsForDpi(SM_CXPADDEDBORDER, dpi);
    Displays displays{size.width,
                      size.height,
                      PixelsToTwips(titleBar, ScreenDpi()),
                      PixelsToTwips(::GetSystemMetrics(SM_CXSCREEN), ScreenDpi()),
                      PixelsToTwips(::GetSystemMetrics(SM_CYSCREEN), ScreenDpi()),
                      {}};
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

std::optional<std::wstring> frmMain::ReadSetting(const wchar_t* name) {
    return registry::ReadRegValue(HKEY_CURRENT_USER, registry::kSettingsKey, name);
}

void frmMain::WriteSetting(const wchar_t* name, const std::wstring& text) {
    registry::WriteRegValue(HKEY_CURRENT_USER, registry::kSettingsKey, name, text);
}

std::wstring frmMain::RememberedPath() { return PathShownAtStart(ReadSetting(L"PreviousPath")); }

void frmMain::Form_Load() {
    registry::CreateRegKey(HKEY_CURRENT_USER, registry::kSettingsKey);
    copyForm_ = registry::ReadCopyForm();
    const Displays displays = DisplaysAround(hwnd_);
    PointTwips position = CentredPosition(displays);
    if (TextToTruth(ReadSetting(L"Startup").value_or(L"")).value_or(false)) {
        const std::wstring separator = DecimalSeparator();
        position = ChoosePosition(TextToTwips(ReadSetting(L"Top").value_or(L""), separator),
                                  TextToTwips(ReadSetting(L"Left").value_or(L""), separator), displays);
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
    Look(userFile, Check::FileOrFolder, false);
}

void frmMain::ShowBox(BoxRequest box) {
    box.owner = hwnd_;  // even while another program is active: a late answer still belongs here
    boxes_.Show(box);
}

void frmMain::Look(const std::wstring& path, Check check, bool longForm, std::optional<MakeShortRun> giving) {
    HideBalloon();
    noteAtShow_.reset();
    Offer({});
    pending_ = Lookup::Start(files_, hwnd_, path, check, longForm, copyForm_, std::move(giving));
    // An answer that comes this soon shows at once, as if asked here.
    constexpr DWORD kAtOnceMs = 100;
    if (const auto answer = pending_->Answered(kAtOnceMs)) return ShowAnswer(*answer);
    SetText(txtShortex, L"");
    ::SendMessageW(Item(txtShortex), EM_SETCUEBANNER, TRUE, reinterpret_cast<LPARAM>(L"Looking up..."));
}

void frmMain::ShowAnswer(const Answer& answer) {
    const std::shared_ptr<Lookup> lookup = std::exchange(pending_, nullptr);
    ::SendMessageW(Item(txtShortex), EM_SETCUEBANNER, FALSE, reinterpret_cast<LPARAM>(L""));
    if (!answer.exists && lookup->check == Check::Folder) {
        ShowBox({L"The location you picked is not available...\r\nPick another folder, please!       ", L"Attention!",
                 MB_OK | MB_ICONEXCLAMATION});
        cmdGetShortex_Click();
        return Focus(cmdGetShortex);
    }
    if (!answer.exists) {
        ShowBox({L"No such file or folder.          ", L"Sorry, that's a no go...", MB_OK | MB_ICONEXCLAMATION});
        if (Text(txtPath) != lookup->path) return;  // typed over while it was asked: that stays
        SetText(txtPath, RememberedPath());
        return cmdGetShortex_Click();
    }
    if (lookup->check == Check::Folder) {  // a chosen folder: shown as the path, and remembered
        SetText(txtPath, lookup->path);
        WriteSetting(L"PreviousPath", lookup->path);
        Focus(cmdGetShortex);
    }
    SetText(txtShortex, answer.text);
    Offer(answer.names, std::wstring(Trim(lookup->path)), answer.paths);
    if (answer.given && answer.given->exitCode)
        ShowBox({NotGivenText(answer.given->reported), L"Shortex", MB_OK | MB_ICONEXCLAMATION});
    if (answer.note.text.empty()) return;
    // A balloon on a hidden window is gone before the window shows: that one waits for Show.
    if (::IsWindowVisible(hwnd_))
        ShowBalloon(answer.note);
    else
        noteAtShow_ = answer.note;
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

void frmMain::cmdGetShortex_Click() { Look(Text(txtPath), Check::None, false); }

void frmMain::cmdGetLongFileName_Click() { Look(Text(txtPath), Check::None, true); }

void frmMain::cmdCopy_Click() {
    if (!PutOnClipboard(hwnd_, Text(txtShortex))) ShowBox(ClipboardHeldBox());
}

void frmMain::cmdExit_Click() { ::SendMessageW(hwnd_, WM_CLOSE, 0, 0); }

void frmMain::cmdOpenFile_Click() {
    SetText(txtPath, RememberedPath());
    const Choice choice = pickers_.ChooseFile(hwnd_, Text(txtPath));
    if (choice.failure) {
        // The focus stays where it was.
        ShowBox({PickerReport(*choice.failure, L"cmdOpenFile_Click"), L"Error", MB_OK});
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
        ShowBox({PickerReport(*choice.failure, L"cmdBrowseDir_Click"), L"Error", MB_OK});
        return;
    }
    if (!choice.path) {
        Focus(cmdGetShortex);
        return;
    }
    // Asked off this thread like every other question: the folder may lie on a slow volume.
    Look(LowerCase(*choice.path), Check::Folder, false);
}

void frmMain::cmdAbout_Click() {
    about::frmabout::ShowModal(hwnd_);
    Focus(cmdGetShortex);
}

void frmMain::cmdMakeShort_Click() {
    if (!AskToGive(boxes_, hwnd_, namesOffered_)) return;
    const std::wstring path = pathOffered_;
    MakeShortRun giving = MakeShortRun::Start(hwnd_, pathsOffered_);
    if (giving.Declined()) return;
    SetText(txtPath, path);
    Look(path, Check::None, false, std::move(giving));
}

void frmMain::Offer(std::vector<GivenName> names, const std::wstring& path, std::vector<std::wstring> paths) {
    if (!CanOffer(names)) names.clear();
    const bool change = names.empty() != namesOffered_.empty();
    namesOffered_ = std::move(names);
    pathOffered_ = path;
    pathsOffered_ = std::move(paths);
    if (!change) return;
    if (namesOffered_.empty() && ::GetFocus() == Item(cmdMakeShort)) Focus(cmdGetShortex);
    ::ShowWindow(Item(cmdMakeShort), namesOffered_.empty() ? SW_HIDE : SW_SHOWNA);
    Form_Resize();
}

void frmMain::txtPath_MouseMove() { ShowTextAsTooltip(txtPath); }

void frmMain::txtShortex_MouseMove() { ShowTextAsTooltip(txtShortex); }

// Hovering over a box shows its whole text; an empty box keeps its last tip.
void frmMain::ShowTextAsTooltip(int box) {
    std::wstring& shown = box == txtPath ? pathTip_ : resultTip_;
    std::wstring text = Text(box);
    if (text.empty() || text == shown) return;
    shown = std::move(text);
    TTTOOLINFOW tool = Tool(0, Item(box), shown.c_str());
    ::SendMessageW(tooltip_, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
}

}  // namespace shortex::main_window

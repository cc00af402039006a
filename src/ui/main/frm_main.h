// frmMain: the program's one ordinary window, with its handlers. A dialog-like top-level window
// laid out from its design in twips at its own DPI.
#pragma once

#include "common/failure.h"
#include "common/message_boxes.h"
#include "common/unique_handle.h"
#include "lookup.h"
#include "pathnames/path_names.h"
#include "pickers.h"
#include "ui/dropped_paths.h"
#include "ui/window.h"

#include <commctrl.h>

#include <memory>
#include <optional>
#include <string>
#include <utility>

namespace shortex::main_window {

class frmMain final : public Window<frmMain> {
public:
    // argumentText: the command line after the program's own name.
    frmMain(std::shared_ptr<FileSystem> files, MessageBoxes& boxes, Pickers& pickers, std::wstring argumentText);
    frmMain(const frmMain&) = delete;
    frmMain& operator=(const frmMain&) = delete;
    ~frmMain() {
        if (hwnd_) ::DestroyWindow(hwnd_);
    }

    // Creates the window and its controls, hidden, and loads it. The failure is kWindowLoadFailed
    // when the window itself cannot be made, kComponentMissing when one of its controls cannot.
    std::optional<Failure> Create();
    // Shows the window, never maximised, with the focus in the path box. Drops are taken from
    // its first paint on.
    void Show(int showCommand);
    // For the message loop: Tab, Enter, Esc and Alt+letter.
    bool TranslateDialogMessage(MSG& message) { return hwnd_ && ::IsDialogMessageW(hwnd_, &message); }
    HWND Item(int id) const { return ::GetDlgItem(hwnd_, id); }
    HWND Tooltip() const { return tooltip_; }
    HWND Balloon() const { return balloon_; }  // shown where the edit control has no balloon of its own
    bool Looking() const { return pending_ != nullptr; }

    // Before the window is first shown: its place, and the command line's path or the remembered
    // one with its short form.
    void Form_Load();
    // However the window closes: remembers its place, "Startup" and the path box; closes the About box.
    void Form_QueryUnload();
    void Form_Unload();

    void cmdGetShortex_Click();
    void cmdGetLongFileName_Click();
    void cmdCopy_Click();
    // Copy's arrow or Alt+Down: the menu of the form Copy copies in, which Explorer's verb uses too.
    void cmdCopy_DropDown();
    void cmdExit_Click();
    void cmdOpenFile_Click();
    void cmdOpenFolder_Click();
    void cmdAbout_Click();
    // Gives the path's components the short names offered, as administrator, then looks it up again.
    void cmdMakeShort_Click();
    void txtPath_MouseMove();
    void txtShortex_MouseMove();

private:
    friend class Window<frmMain>;
    std::optional<LRESULT> HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    bool OnCreate();
    void OnDpiChanged(const RECT& suggested);
    void Close() {
        if (!std::exchange(unloading_, true)) Form_QueryUnload();
        ::DestroyWindow(hwnd_);
    }

    HWND TipWindow(DWORD style);
    TTTOOLINFOW Tool(UINT flags, HWND control, const wchar_t* text) const;
    void ShowBalloon(const ShortFormNote& note);
    void HideBalloon();
    void ApplyFontAndIcons();
    void Form_Resize();
    SIZE PinnedSize() const;  // the outer height, and the least outer width
    // A path dropped or chosen with the file dialog: into the path box, its short form shown,
    // remembered, the focus on Get Shortex.
    void TakePath(const std::wstring& path);
    // Asks the file system off this thread; the answer to an older question goes unseen.
    void Look(const std::wstring& path, Check check, bool longForm, std::optional<MakeShortRun> giving = std::nullopt);
    // Shows the button that gives the names, or hides it when they cannot be offered.
    void Offer(std::vector<GivenName> names, const std::wstring& path = {}, std::vector<std::wstring> paths = {});
    void ShowBox(BoxRequest box);
    void ShowAnswer(const Answer& answer);
    void ShowTextAsTooltip(int box);
    void SetText(int id, const std::wstring& text) { ::SetWindowTextW(Item(id), text.c_str()); }
    std::wstring Text(int id) const { return ControlText(Item(id)); }
    void Focus(int id);
    std::optional<std::wstring> ReadSetting(const wchar_t* name);
    void WriteSetting(const wchar_t* name, const std::wstring& text);
    std::wstring RememberedPath();

    const std::shared_ptr<FileSystem> files_;
    MessageBoxes& boxes_;
    Pickers& pickers_;
    const std::wstring argumentText_;
    std::wstring userFile;  // the command line's path, unquoted
    HWND tooltip_ = nullptr;
    HWND balloon_ = nullptr;
    std::shared_ptr<Lookup> pending_;          // the newest question, while it has no answer
    std::optional<ShortFormNote> noteAtShow_;  // answered before the window showed
    std::vector<GivenName> namesOffered_;      // the button shows while they can be given
    std::wstring pathOffered_;                 // as typed: looked up again once the names are given
    std::vector<std::wstring> pathsOffered_;   // the paths it names, whose components get the names
    std::unique_ptr<DropTarget> dropTarget_;
    std::wstring pathTip_, resultTip_;  // the tips the two boxes show now
    CopyForm copyForm_;                 // how the result box writes the short form
    UniqueFont font_;
    UniqueIcon icons_[2];  // ICON_SMALL's and ICON_BIG's
    bool loaded_ = false;
    bool painted_ = false;
    bool unloading_ = false;
    std::optional<Failure> creationFailure_;
};

}  // namespace shortex::main_window

// frmMain: the program's one ordinary window, with its handlers. A dialog-like top-level window
// laid out from its design in twips at its own DPI.
#pragma once

#include "common/failure.h"
#include "common/message_boxes.h"
#include "common/unique_handle.h"
#include "pathnames/path_names.h"
#include "pickers.h"
#include "ui/window.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

namespace shortex::main_window {

class frmMain final : public Window<frmMain> {
public:
    // argumentText: the command line after the program's own name.
    frmMain(FileSystem& files, MessageBoxes& boxes, Pickers& pickers, std::wstring argumentText);
    frmMain(const frmMain&) = delete;
    frmMain& operator=(const frmMain&) = delete;
    ~frmMain();

    // Creates the window and its controls, hidden, and loads it. The failure is kWindowLoadFailed
    // when the window itself cannot be made, kComponentMissing when one of its controls cannot.
    std::optional<Failure> Create();
    // Shows the window, never maximised, with the focus in the path box.
    void Show(int showCommand);
    // For the message loop: Tab, Enter, Esc and Alt+letter.
    bool TranslateDialogMessage(MSG& message);
    HWND Item(int id) const { return ::GetDlgItem(hwnd_, id); }
    HWND Tooltip() const { return tooltip_; }
    HWND Balloon() const { return balloon_; }  // shown where the edit control has no balloon of its own

    // Before the window is first shown: its place, and the command line's path or the remembered
    // one with its short form.
    void Form_Load();
    // However the window closes: remembers its place, "Startup" and the path box; closes the About box.
    void Form_QueryUnload();
    void Form_Unload();

    void cmdGetShortex_Click();
    void cmdGetLongFileName_Click();
    void cmdCopy_Click();
    void cmdExit_Click();
    void cmdOpenFile_Click();
    void cmdOpenFolder_Click();
    void cmdAbout_Click();
    void txtPath_MouseMove();
    void txtShortex_MouseMove();
    // A path dropped from Explorer or an editor, or chosen with the file dialog: into the path box,
    // its short form shown, remembered, the focus on Get Shortex.
    void TakePath(const std::wstring& path);

private:
    friend class Window<frmMain>;
    struct Lookup;
    class DropTarget;
    // Asks the file system on a thread of its own, so that a share slow to answer cannot freeze
    // the window; a newer question makes the answer to an older one go unseen.
    void Look(const std::wstring& path, bool checkExists, bool longForm);
    void ShowAnswer();
    void ShowWhyNoShortName(const ShortFormNote& note);
    std::optional<LRESULT> HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    std::optional<Failure> CreateTooltips();
    void ApplyFontAndIcons();
    void Form_Resize();
    SIZE PinnedSize() const;  // the outer height, and the least outer width
    void QueryUnloadOnce();
    void ShowTextAsTooltip(int box);
    void SetText(int id, const std::wstring& text) { ::SetWindowTextW(Item(id), text.c_str()); }
    std::wstring Text(int id) const { return ControlText(Item(id)); }
    void Focus(int id);
    std::wstring ReadSetting(const wchar_t* name);
    void WriteSetting(const wchar_t* name, const std::wstring& text);
    std::wstring RememberedPath();
    static LRESULT CALLBACK TextBoxProcedure(HWND box, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                             DWORD_PTR self);

    FileSystem& files_;
    MessageBoxes& boxes_;
    Pickers& pickers_;
    const std::wstring argumentText_;
    std::wstring userFile;  // the command line's path, unquoted
    HWND tooltip_ = nullptr;
    HWND balloon_ = nullptr;
    std::shared_ptr<Lookup> pending_;  // the newest question, while it has no answer
    std::uint64_t lookups_ = 0;
    std::unique_ptr<DropTarget> dropTarget_;
    std::wstring pathTip_, resultTip_;  // the tips the two boxes show now
    UniqueFont font_;
    UniqueIcon bigIcon_, smallIcon_;
    int dpi_ = 96;
    bool loaded_ = false;
    bool resizing_ = false;
    bool unloading_ = false;
    std::optional<Failure> creationFailure_;
};

}  // namespace shortex::main_window

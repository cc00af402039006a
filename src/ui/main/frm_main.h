// frmMain: the program's one ordinary window. A dialog-like top-level window (DefDlgProc gives it
// Tab order, the default and cancel buttons and access keys) laid out from its design in twips.
#pragma once

#include "common/failure.h"
#include "common/message_box.h"
#include "common/program_exit.h"
#include "main_form.h"
#include "ui/gdi.h"
#include "ui/window.h"
#include "windows_clipboard.h"
#include "windows_pickers.h"

#include <functional>

#include <array>
#include <optional>
#include <string>

namespace shortex::main_window {

struct FrmMainServices {
    PathPlatform& paths;
    MessageBoxes& boxes;
    ProgramExit& exit;
    registry::Registry& registry;
    std::wstring commandLine;        // the argument text after the program's name
    Clipboard* clipboard = nullptr;  // nullptr: the system clipboard
    std::function<void()> showAboutBox = {};        // modal over the main window
    std::function<void()> unloadOtherWindows = {};  // closes the About box when it is open
};

class frmMain final : public WindowThunk<frmMain>, private MainView {
public:
    explicit frmMain(FrmMainServices services);
    frmMain(const frmMain&) = delete;
    frmMain& operator=(const frmMain&) = delete;
    ~frmMain() override;

    // Creates the window and its controls, hidden, and loads it (Form_Load). The failure numbers
    // are the start-up report's: 50003 when the window itself cannot be made, 339 when one of its
    // components cannot.
    std::optional<Failure> Create(HINSTANCE instance);
    void Show(int showCommand);

    // For the message loop: dialog keyboard handling (Tab, Enter, Esc, Alt+letter).
    bool TranslateDialogMessage(MSG& message);

    HWND ControlWindow(Control control) const { return controls_[static_cast<std::size_t>(control)]; }
    HWND TooltipWindow() const { return tooltip_; }
    MainForm& form() { return form_; }

    static LRESULT DefaultProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

private:
    friend class WindowThunk<frmMain>;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

    bool CreateControls();
    bool CreateTooltips();
    void ApplyFont();
    void Form_Resize();
    void PinnedSizes(int& outerHeight, int& minOuterWidth) const;
    void OnCommand(int id);
    void OnDpiChanged(UINT dpi, const RECT& suggested);
    void QueryUnloadOnce();
    static LRESULT CALLBACK TextBoxSubclass(HWND box, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                           DWORD_PTR self);

    // MainView
    std::wstring Text(Control control) const override;
    void SetText(Control control, const std::wstring& text) override;
    void SetTooltip(Control control, const std::wstring& text) override;
    void SetFocus(Control control) override;
    void Unload() override;
    void UnloadOtherWindows() override;
    PointTwips Position() const override;
    void MoveTo(PointTwips position) override;
    DisplayGeometry Displays() const override;
    bool IsMinimized() const override;

    FrmMainServices services_;
    WindowsClipboard systemClipboard_;
    WindowsFileDialog fileDialog_;
    WindowsFolderChoosers folderChoosers_;
    MainForm form_;
    std::array<HWND, kControlCount> controls_{};
    std::array<std::wstring, kControlCount> tooltips_{};
    HWND tooltip_ = nullptr;
    UniqueFont font_;
    UniqueIcon bigIcon_;
    UniqueIcon smallIcon_;
    UINT dpi_ = 96;
    bool inResize_ = false;
    bool unloading_ = false;
    std::optional<Failure> creationFailure_;
};

}  // namespace shortex::main_window

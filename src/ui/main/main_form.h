// The main window's behaviour, apart from the Win32 window that shows it: the handlers run here
// and reach the window through MainView, the file system and the clipboard through their seams.
#pragma once

#include "common/message_box.h"
#include "common/program_exit.h"
#include "main_view.h"
#include "pathnames/path_platform.h"
#include "pickers.h"
#include "settings/registry.h"

#include <functional>

namespace shortex::main_window {

struct MainServices {
    PathPlatform& paths;
    Clipboard& clipboard;
    registry::Registry& registry;
    MessageBoxes& boxes;
    ProgramExit& exit;
    std::wstring commandLine;       // the argument text, after the program's own name
    std::wstring decimalSeparator;  // the user's, for reading remembered positions
    FileDialog& fileDialog;
    FolderChooserFactory& folderChoosers;
    std::function<std::wstring(const std::wstring&)> lowerCase;
    std::function<void()> showAboutBox;  // modal: returns when the box is closed
};

class MainForm {
public:
    MainForm(MainView& view, MainServices services) : view_(view), services_(services) {}

    // Before the window is first shown: its place, and the path from the command line or the one
    // remembered, with its short form.
    void Form_Load();
    // Whenever the window closes, for whatever reason: remembers its place and the path box.
    void Form_QueryUnload();
    void Form_Unload();

    // Short form of the path box's text, spaces trimmed, into the result box.
    void cmdGetShortex_Click();
    // Long form of the path box's text, spaces trimmed, into the result box.
    void cmdGetLongFileName_Click();
    // The result box's text, exactly as it stands, onto the clipboard.
    void cmdCopy_Click();
    void cmdExit_Click();

    // Choosing instead of typing: the chosen path goes to the path box, its short form to the
    // result box, and it is remembered. Both start from the remembered path.
    void cmdOpenFile_Click();
    void cmdOpenFolder_Click();
    void cmdAbout_Click();

    // Hovering over a box shows its whole text; an empty box keeps its last tooltip.
    void txtPath_MouseMove();
    void txtShortex_MouseMove();

private:
    void ShowTextAsTooltip(Control box);
    void PlaceWindow();
    void RestorePreviousPath();
    void ShowRememberedPath();
    void ReportPickerFailure(const Failure& failure, std::wstring_view procedure, std::wstring_view advice);
    std::wstring ReadSetting(std::wstring_view name) const;
    void WriteSetting(std::wstring_view name, const std::wstring& text) const;

    MainView& view_;
    MainServices services_;
    std::wstring userFile;  // the command line's path, unquoted
};

// The text without leading and trailing spaces (only the space character).
std::wstring TrimSpaces(const std::wstring& text);

}  // namespace shortex::main_window

// The main window's behaviour, apart from the Win32 window that shows it: the handlers run here
// and reach the window through MainView, the file system and the clipboard through their seams.
#pragma once

#include "main_view.h"
#include "pathnames/path_platform.h"

namespace shortex::main_window {

struct MainServices {
    PathPlatform& paths;
    Clipboard& clipboard;
};

class MainForm {
public:
    MainForm(MainView& view, MainServices services) : view_(view), services_(services) {}

    // Short form of the path box's text, spaces trimmed, into the result box.
    void cmdGetShortex_Click();
    // Long form of the path box's text, spaces trimmed, into the result box.
    void cmdGetLongFileName_Click();
    // The result box's text, exactly as it stands, onto the clipboard.
    void cmdCopy_Click();
    void cmdExit_Click();

    // Hovering over a box shows its whole text; an empty box keeps its last tooltip.
    void txtPath_MouseMove();
    void txtShortex_MouseMove();

private:
    void ShowTextAsTooltip(Control box);

    MainView& view_;
    MainServices services_;
};

// The text without leading and trailing spaces (only the space character).
std::wstring TrimSpaces(const std::wstring& text);

}  // namespace shortex::main_window

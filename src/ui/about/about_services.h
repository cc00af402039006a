// What the About box needs from outside itself: the clock, the shell and the main window.
#pragma once

#include "clock.h"

#include <windows.h>

#include <functional>
#include <string>

namespace shortex::about {

// ShellExecuteW's arguments; an empty text is passed as null.
struct ShellExecuteRequest {
    HWND owner = nullptr;
    std::wstring verb;
    std::wstring file;
    std::wstring parameters;
    std::wstring directory;
    int showCommand = SW_SHOWNORMAL;
};

// ShellExecuteW, a seam so that tests start no program.
class Shell {
public:
    virtual ~Shell() = default;
    // Starts what the request names; whether that works is not reported.
    virtual void Execute(const ShellExecuteRequest& request) = 0;

protected:
    Shell() = default;
    Shell(const Shell&) = default;
    Shell& operator=(const Shell&) = default;
};

struct AboutServices {
    Clock& clock;
    Shell& shell;
    // Minimises the main window; the link does this before it opens the home page.
    std::function<void()> minimiseMainWindow;
};

}  // namespace shortex::about

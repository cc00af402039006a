// What the Windows tests share: temporary folders, the programs run as a script or a person would.
#pragma once

#include "common/com.h"
#include "common/message_boxes.h"

#include <windows.h>
#include <objidl.h>

#include <array>
#include <functional>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

namespace shortex::testing {

// A fresh folder under the temporary folder (long form, no closing backslash), removed at the end.
class TempFolder {
    std::wstring path_;

public:
    TempFolder();
    ~TempFolder();
    const std::wstring& path() const { return path_; }
    std::wstring MakeFolder(const std::wstring& relative) const;  // at any depth and length
    std::wstring MakeFile(const std::wstring& relative) const;
};

// The Windows path of a file the build names by its host path (Linux paths are drive Z: in Wine).
std::wstring BuildPath(const char* hostPath);

struct ProcessResult {
    unsigned long exitCode = 0;
    std::string output, errors;
};
// Runs a console program to its end with the input on its standard input.
ProcessResult RunProcess(const std::wstring& program, const std::vector<std::wstring>& arguments,
                         const std::string& input = {});
ProcessResult RunCommandLine(const std::wstring& program, const std::wstring& argumentText,
                             const std::string& input = {});

// A program started with the argument text as a shortcut passes it, or with the standard handles
// given (input, output, errors) and no console of its own; ended by force at the end.
class RunningProcess {
public:
    RunningProcess(const std::wstring& program, const std::wstring& argumentText, WORD showCommand = SW_SHOWNORMAL,
                   std::array<HANDLE, 3> standard = {});
    ~RunningProcess();
    DWORD id() const { return info_.dwProcessId; }
    bool WaitForExit(DWORD timeoutMs = 10000) {
        return ::WaitForSingleObject(info_.hProcess, timeoutMs) == WAIT_OBJECT_0;
    }
    DWORD ExitCode() const {
        DWORD code = 0;
        ::GetExitCodeProcess(info_.hProcess, &code);
        return code;
    }

private:
    PROCESS_INFORMATION info_{};
};

// Dispatches messages (with dialogWindow's keys) until the condition holds; false after 10 s.
bool PumpUntil(const std::function<bool()>& condition, HWND dialogWindow = nullptr);
// Presses the keys in order and releases them in reverse, with the focus on focus.
void PressKeys(HWND window, HWND focus, std::initializer_list<WORD> keys);
// The first visible top-level window of the process with that class and (if given) title; waiting for it.
HWND FindProcessWindow(DWORD processId, const wchar_t* className, const wchar_t* title = nullptr);
HWND WaitForWindow(DWORD processId, const wchar_t* className, const wchar_t* title = nullptr);
std::wstring WindowText(HWND window);  // WM_GETTEXT itself, so other processes answer
// Clicks the button of the process's message box with that title, once it shows; the box's text.
std::wstring Answer(DWORD processId, const wchar_t* title, int button);
std::wstring ClipboardText();

// Records each box, and what would spoil a real one: a pending WM_QUIT closes it at once.
struct RecordedBoxes final : MessageBoxes {
    int Show(const BoxRequest& box) override {
        MSG quit;
        quitPending = quitPending || ::PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_NOREMOVE);
        shown.push_back(box);
        return box.style & MB_YESNO ? answer : IDOK;
    }
    std::vector<BoxRequest> shown;
    int answer = IDNO;  // to a Yes/No box
    bool quitPending = false;
};

// The program's key, HKCU\Software\Tandril\Shortex.
void ClearSettings();
std::wstring Setting(const wchar_t* name);  // "<none>" when missing
void SetSetting(const wchar_t* name, const std::wstring& text);
// A REG_SZ value under any key; "<none>" when missing.
std::wstring RegText(HKEY root, const std::wstring& key, const wchar_t* name);

// Data as Explorer or a drag source hands it over, in the formats given: the blocks go on the
// clipboard and OLE's object for the clipboard serves them, here or marshalled to another process.
// It reads the clipboard when asked: let it go before the next copy.
ComPtr<IDataObject> Dropped(const std::vector<std::pair<CLIPFORMAT, std::string>>& blocks);
std::string TextBlock(const std::wstring& text);  // with its closing NUL
// A DROPFILES block of the paths, wide or in the ANSI code page.
std::string DropFilesBlock(const std::vector<std::wstring>& paths, bool wide = true);
// The shell's item list (CFSTR_SHELLIDLIST) of the paths, relative to the desktop, with its format.
std::pair<CLIPFORMAT, std::string> ItemList(const std::vector<std::wstring>& paths);

}  // namespace shortex::testing

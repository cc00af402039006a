#include "win_support.h"

#include "common/unique_handle.h"
#include "settings/registry.h"

#include <shlobj.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <tuple>

namespace shortex::testing {
namespace {

using registry::kSettingsKey;

std::wstring Extended(const std::wstring& path) { return L"\\\\?\\" + path; }

// Arguments hold no quotes and none ends in a backslash.
std::wstring Quote(const std::wstring& argument) {
    return argument.empty() || argument.find(L' ') != argument.npos ? L"\"" + argument + L"\"" : argument;
}

}  // namespace

TempFolder::TempFolder() {
    wchar_t base[MAX_PATH + 1] = {}, longBase[MAX_PATH + 1] = {};
    ::GetTempPathW(MAX_PATH + 1, base);
    ::GetLongPathNameW(base, longBase, MAX_PATH + 1);
    static int made = 0;  // a folder an earlier process of the same number left behind is not reused
    do path_ = longBase + std::to_wstring(::GetCurrentProcessId()) + L"-" + std::to_wstring(++made);
    while (!std::filesystem::create_directory(path_));
}

TempFolder::~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(Extended(path_), ignored);
}

std::wstring TempFolder::MakeFolder(const std::wstring& relative) const {
    std::filesystem::create_directory(Extended(path_ + L"\\" + relative));
    return path_ + L"\\" + relative;
}

std::wstring TempFolder::MakeFile(const std::wstring& relative) const {
    std::ofstream(std::filesystem::path(Extended(path_ + L"\\" + relative)));
    return path_ + L"\\" + relative;
}

std::wstring BuildPath(const char* hostPath) {
    const std::wstring path = std::filesystem::path(hostPath).make_preferred().wstring();
    return path.starts_with(L"\\") ? L"Z:" + path : path;
}

ProcessResult RunProcess(const std::wstring& program, const std::vector<std::wstring>& arguments,
                         const std::string& input) {
    std::wstring text;
    for (const auto& argument : arguments) text += (text.empty() ? L"" : L" ") + Quote(argument);
    return RunCommandLine(program, text, input);
}

ProcessResult RunCommandLine(const std::wstring& program, const std::wstring& argumentText, const std::string& input) {
    const TempFolder folder;
    const auto file = [&](const wchar_t* name) { return std::filesystem::path(folder.path() + name); };
    std::ofstream(file(L"\\in"), std::ios::binary) << input;
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    const auto open = [&](const wchar_t* name) {
        return UniqueFileHandle(::CreateFileW(file(name).c_str(), GENERIC_READ | GENERIC_WRITE,
                                              FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit, OPEN_ALWAYS, 0, nullptr));
    };
    ProcessResult result;
    {
        const UniqueFileHandle in = open(L"\\in"), out = open(L"\\out"), errors = open(L"\\errors");
        RunningProcess run(program, argumentText, SW_HIDE, {in.get(), out.get(), errors.get()});
        run.WaitForExit(INFINITE);
        result.exitCode = run.ExitCode();
    }
    for (auto [name, text] : {std::pair{L"\\out", &result.output}, {L"\\errors", &result.errors}}) {
        std::ifstream stream(file(name), std::ios::binary);
        text->assign(std::istreambuf_iterator<char>(stream), {});
    }
    return result;
}

RunningProcess::RunningProcess(const std::wstring& program, const std::wstring& argumentText, WORD showCommand,
                               std::array<HANDLE, 3> standard) {
    std::wstring commandLine = Quote(program) + (argumentText.empty() ? L"" : L" ") + argumentText;
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = standard[0] ? STARTF_USESTDHANDLES : STARTF_USESHOWWINDOW;
    startup.wShowWindow = showCommand;
    std::tie(startup.hStdInput, startup.hStdOutput, startup.hStdError) = std::tuple_cat(standard);
    if (!::CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, standard[0] != nullptr,
                          standard[0] ? CREATE_NO_WINDOW : 0, nullptr, nullptr, &startup, &info_))
        throw std::runtime_error("CreateProcess failed: " + std::to_string(::GetLastError()) + " " +
                                 std::string(program.begin(), program.end()));
}

RunningProcess::~RunningProcess() {
    if (!WaitForExit(0)) ::TerminateProcess(info_.hProcess, 99);
    ::WaitForSingleObject(info_.hProcess, 5000);
    ::CloseHandle(info_.hThread);
    ::CloseHandle(info_.hProcess);
}

bool PumpUntil(const std::function<bool()>& condition, HWND dialogWindow) {
    const ULONGLONG end = ::GetTickCount64() + 10000;
    while (!condition()) {
        if (::GetTickCount64() >= end) return false;
        MSG message;
        while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (dialogWindow && ::IsWindow(dialogWindow) && ::IsDialogMessageW(dialogWindow, &message)) continue;
            ::TranslateMessage(&message);
            ::DispatchMessageW(&message);
        }
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
    return true;
}

void PressKeys(HWND window, HWND focus, std::initializer_list<WORD> keys) {
    ::SetForegroundWindow(window);
    ::SetFocus(focus);
    std::vector<INPUT> inputs;
    for (const WORD key : keys) inputs.push_back({INPUT_KEYBOARD, {.ki = {key, 0, 0, 0, 0}}});
    for (auto key = keys.end(); key != keys.begin();)
        inputs.push_back({INPUT_KEYBOARD, {.ki = {*--key, 0, KEYEVENTF_KEYUP, 0, 0}}});
    ::SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

HWND FindProcessWindow(DWORD processId, const wchar_t* className, const wchar_t* title) {
    for (HWND window = nullptr; (window = ::FindWindowExW(nullptr, window, className, title));) {
        DWORD owner = 0;
        ::GetWindowThreadProcessId(window, &owner);
        if (owner == processId && ::IsWindowVisible(window)) return window;
    }
    return nullptr;
}

HWND WaitForWindow(DWORD processId, const wchar_t* className, const wchar_t* title) {
    HWND found = nullptr;
    PumpUntil([&] { return (found = FindProcessWindow(processId, className, title)) != nullptr; });
    return found;
}

std::wstring Answer(DWORD processId, const wchar_t* title, int button) {
    const HWND box = WaitForWindow(processId, L"#32770", title);
    const std::wstring text = WindowText(::GetDlgItem(box, 0xFFFF));
    ::SendMessageW(::GetDlgItem(box, button), BM_CLICK, 0, 0);
    return text;
}

std::wstring WindowText(HWND window) {
    std::wstring text(32768, L'\0');
    DWORD_PTR copied = 0;
    ::SendMessageTimeoutW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()), SMTO_ABORTIFHUNG,
                          5000, &copied);
    text.resize(copied);
    return text;
}

std::wstring ClipboardText() {
    if (!::OpenClipboard(nullptr)) return L"<busy>";
    const HANDLE data = ::GetClipboardData(CF_UNICODETEXT);
    const std::wstring text = data ? static_cast<const wchar_t*>(::GlobalLock(data)) : L"<none>";
    if (data) ::GlobalUnlock(data);
    ::CloseClipboard();
    return text;
}

void ClearSettings() { ::RegDeleteTreeW(HKEY_CURRENT_USER, kSettingsKey); }

std::wstring Setting(const wchar_t* name) { return RegText(HKEY_CURRENT_USER, kSettingsKey, name); }

void SetSetting(const wchar_t* name, const std::wstring& text) {
    ::RegSetKeyValueW(HKEY_CURRENT_USER, kSettingsKey, name, REG_SZ, text.c_str(),
                      static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
}

std::wstring RegText(HKEY root, const std::wstring& key, const wchar_t* name) {
    return registry::ReadRegValue(root, key.c_str(), name).value_or(L"<none>");
}

ComPtr<IDataObject> Dropped(const std::vector<std::pair<CLIPFORMAT, std::string>>& blocks) {
    ::OpenClipboard(::GetDesktopWindow());  // an owner: SetClipboardData fails after OpenClipboard(nullptr)
    ::EmptyClipboard();
    for (const auto& [format, block] : blocks) {
        const HGLOBAL memory = ::GlobalAlloc(GMEM_MOVEABLE, block.size());
        std::memcpy(::GlobalLock(memory), block.data(), block.size());
        ::GlobalUnlock(memory);
        ::SetClipboardData(format, memory);
    }
    ::CloseClipboard();
    ComPtr<IDataObject> data;
    ::OleGetClipboard(data.put());
    return data;
}

std::string TextBlock(const std::wstring& text) {
    return std::string(reinterpret_cast<const char*>(text.c_str()), (text.size() + 1) * sizeof(wchar_t));
}

std::string DropFilesBlock(const std::vector<std::wstring>& paths, bool wide) {
    const DROPFILES header{sizeof(DROPFILES), {}, FALSE, wide};
    std::string block(reinterpret_cast<const char*>(&header), sizeof header);
    for (const std::wstring& path : paths)
        block += wide ? TextBlock(path) : std::string(path.begin(), path.end()) + '\0';
    return block + std::string(wide ? 2 : 1, '\0');
}

std::pair<CLIPFORMAT, std::string> ItemList(const std::vector<std::wstring>& paths) {
    const UINT start = static_cast<UINT>((paths.size() + 2) * sizeof(UINT));
    std::vector<UINT> cida{static_cast<UINT>(paths.size()), start};  // the count, then each list's offset
    std::string lists(2, '\0');                                      // the desktop's, empty
    for (const std::wstring& path : paths) {
        PIDLIST_ABSOLUTE list = nullptr;
        if (FAILED(::SHParseDisplayName(path.c_str(), nullptr, &list, 0, nullptr))) return {};
        cida.push_back(start + static_cast<UINT>(lists.size()));
        lists.append(reinterpret_cast<const char*>(list), ::ILGetSize(list));
        ::CoTaskMemFree(list);
    }
    return {static_cast<CLIPFORMAT>(::RegisterClipboardFormatW(CFSTR_SHELLIDLIST)),
            std::string(reinterpret_cast<const char*>(cida.data()), cida.size() * sizeof(UINT)) + lists};
}

}  // namespace shortex::testing

#include "win_support.h"

#include <cstring>
#include <filesystem>
#include <fstream>
#include <stdexcept>

namespace shortex::testing {
namespace {

constexpr wchar_t kSettingsKey[] = L"Software\\Tandril\\Shortex";

std::wstring Extended(const std::wstring& path) { return L"\\\\?\\" + path; }

// Arguments hold no quotes and none ends in a backslash.
std::wstring Quote(const std::wstring& argument) {
    return argument.empty() || argument.find(L' ') != argument.npos ? L"\"" + argument + L"\"" : argument;
}

// A file of the folder that a child process can inherit, for its standard handles.
HANDLE InheritableFile(const std::wstring& path) {
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    return ::CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit,
                         CREATE_ALWAYS, 0, nullptr);
}

std::string ReadFromStart(HANDLE file) {
    std::string bytes(::GetFileSize(file, nullptr), '\0');
    DWORD read = 0;
    ::SetFilePointer(file, 0, nullptr, FILE_BEGIN);
    ::ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr);
    ::CloseHandle(file);
    return bytes;
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
    std::wstring path(hostPath, hostPath + std::strlen(hostPath));
    for (wchar_t& c : path)
        if (c == L'/') c = L'\\';
    return path.starts_with(L"\\") ? L"Z:" + path : path;
}

ProcessResult RunProcess(const std::wstring& program, const std::vector<std::wstring>& arguments,
                         const std::string& input) {
    const TempFolder folder;
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = InheritableFile(folder.path() + L"\\in");
    startup.hStdOutput = InheritableFile(folder.path() + L"\\out");
    startup.hStdError = InheritableFile(folder.path() + L"\\errors");
    DWORD written = 0;
    ::WriteFile(startup.hStdInput, input.data(), static_cast<DWORD>(input.size()), &written, nullptr);
    ::SetFilePointer(startup.hStdInput, 0, nullptr, FILE_BEGIN);
    std::wstring commandLine = Quote(program);
    for (const auto& argument : arguments) commandLine += L" " + Quote(argument);
    PROCESS_INFORMATION process{};
    if (!::CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, TRUE, CREATE_NO_WINDOW, nullptr,
                          nullptr, &startup, &process))
        throw std::runtime_error("CreateProcess failed: " + std::to_string(::GetLastError()) + " " +
                                 std::string(program.begin(), program.end()));
    ProcessResult result;
    ::WaitForSingleObject(process.hProcess, INFINITE);
    ::GetExitCodeProcess(process.hProcess, &result.exitCode);
    ::CloseHandle(process.hThread);
    ::CloseHandle(process.hProcess);
    ::CloseHandle(startup.hStdInput);
    result.output = ReadFromStart(startup.hStdOutput);
    result.errors = ReadFromStart(startup.hStdError);
    return result;
}

RunningProcess::RunningProcess(const std::wstring& program, const std::wstring& argumentText, WORD showCommand) {
    std::wstring commandLine = Quote(program) + (argumentText.empty() ? L"" : L" " + argumentText);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = showCommand;
    if (!::CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                          &info_))
        throw std::runtime_error("CreateProcess failed: " + std::to_string(::GetLastError()) + " " +
                                 std::string(program.begin(), program.end()));
}

RunningProcess::~RunningProcess() {
    if (!WaitForExit(0)) ::TerminateProcess(info_.hProcess, 99);
    ::WaitForSingleObject(info_.hProcess, 5000);
    ::CloseHandle(info_.hThread);
    ::CloseHandle(info_.hProcess);
}

bool PumpUntil(const std::function<bool()>& condition, HWND dialogWindow, DWORD limitMs) {
    const ULONGLONG end = ::GetTickCount64() + limitMs;
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
    for (HWND window = ::GetTopWindow(nullptr); window; window = ::GetWindow(window, GW_HWNDNEXT)) {
        DWORD owner = 0;
        wchar_t name[256] = {};
        ::GetWindowThreadProcessId(window, &owner);
        ::GetClassNameW(window, name, 256);
        if (owner == processId && ::IsWindowVisible(window) && std::wstring(name) == className &&
            (!title || WindowText(window) == title))
            return window;
    }
    return nullptr;
}

HWND WaitForWindow(DWORD processId, const wchar_t* className, const wchar_t* title) {
    HWND found = nullptr;
    PumpUntil([&] { return (found = FindProcessWindow(processId, className, title)) != nullptr; });
    return found;
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
    return ::CloseClipboard(), text;
}

void ClearSettings() { ::RegDeleteTreeW(HKEY_CURRENT_USER, kSettingsKey); }

std::wstring Setting(const wchar_t* name) { return RegText(HKEY_CURRENT_USER, kSettingsKey, name); }

void SetSetting(const wchar_t* name, const std::wstring& text) {
    SetRegText(HKEY_CURRENT_USER, kSettingsKey, name, text);
}

std::wstring RegText(HKEY root, const std::wstring& key, const wchar_t* name) {
    wchar_t value[4096] = {};
    DWORD bytes = sizeof value;
    return ::RegGetValueW(root, key.c_str(), name, RRF_RT_REG_SZ, nullptr, value, &bytes) ? L"<none>" : value;
}

void SetRegText(HKEY root, const std::wstring& key, const wchar_t* name, const std::wstring& text) {
    ::RegSetKeyValueW(root, key.c_str(), name, REG_SZ, text.c_str(),
                      static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
}

}  // namespace shortex::testing

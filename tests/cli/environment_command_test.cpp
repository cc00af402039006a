// shortex-cli --env on the user's variables in Wine's registry: what it writes, what it keeps, and
// who hears of it.
#include "common/unique_handle.h"
#include "pathnames/path_names.h"
#include "settings/registry.h"
#include "support/win_support.h"

#include <gtest/gtest.h>

namespace shortex::testing {
namespace {

const std::wstring kCli = BuildPath(SHORTEX_CLI_EXE);

struct Stored {
    DWORD type = REG_NONE;
    std::string bytes;
    friend bool operator==(const Stored&, const Stored&) = default;
};

// As stored: RegQueryValueExW's bytes, no terminator added (RegGetValueW would add one).
Stored Variable(const wchar_t* name) {
    const auto value = registry::ReadStoredValue(HKEY_CURRENT_USER, L"Environment", name);
    return value ? Stored{value->type, std::string(value->bytes.begin(), value->bytes.end())} : Stored{};
}

void SetVariable(const wchar_t* name, const Stored& value) {
    ::RegSetKeyValueW(HKEY_CURRENT_USER, L"Environment", name, value.type, value.bytes.data(),
                      static_cast<DWORD>(value.bytes.size()));
}

// A top-level window, as Explorer has, that notes the area each WM_SETTINGCHANGE names.
struct Listener {
    Listener() {
        WNDCLASSW windowClass{};
        windowClass.lpfnWndProc = [](HWND window, UINT message, WPARAM wParam, LPARAM lParam) -> LRESULT {
            if (message == WM_SETTINGCHANGE && lParam)
                heard += reinterpret_cast<const wchar_t*>(lParam) + std::wstring(L"\n");
            return ::DefWindowProcW(window, message, wParam, lParam);
        };
        windowClass.lpszClassName = L"ShortexTestListener";
        ::RegisterClassW(&windowClass);
        window = ::CreateWindowExW(0, windowClass.lpszClassName, L"", WS_OVERLAPPED, 0, 0, 0, 0, nullptr, nullptr,
                                   nullptr, nullptr);
    }
    ~Listener() { ::DestroyWindow(window); }
    HWND window;
    static inline std::wstring heard;
};

// Runs shortex-cli while this thread answers the messages sent to its windows; the exit code.
DWORD RunAnswering(const std::wstring& arguments) {
    RunningProcess run(kCli, arguments, SW_HIDE);
    EXPECT_TRUE(PumpUntil([&] { return run.WaitForExit(0); }));
    return run.ExitCode();
}

TEST(EnvironmentCommand, WriteKeepsTheTypeTellsTheWindowsAndUndoGivesBackTheExactBytes) {
    ClearSettings();
    TempFolder folder;
    SystemFileSystem files;
    const std::wstring path = folder.MakeFolder(L"jdk 21");
    const std::wstring text = L"%SystemRoot%;;\"" + path + L"\";C:\\missing";
    // The writer left the terminator out and half a character over: the data is kept as it was.
    const Stored old{REG_EXPAND_SZ, std::string(reinterpret_cast<const char*>(text.data()), text.size() * 2) + "x"};
    SetVariable(L"SHORTEX_\u00c4RGER", old);
    Listener listener;
    Listener::heard.clear();
    ASSERT_EQ(RunAnswering(L"--env SHORTEX_\u00c4RGER --write"), 0u);
    const std::wstring written = L"%SystemRoot%;;\"" + ShortPath(files, path) + L"\";C:\\missing";
    EXPECT_EQ(
        Variable(L"SHORTEX_\u00c4RGER"),
        (Stored{REG_EXPAND_SZ, std::string(reinterpret_cast<const char*>(written.c_str()), written.size() * 2 + 2)}));
    EXPECT_EQ(Listener::heard, L"Environment\n");
    ASSERT_EQ(RunAnswering(L"--env SHORTEX_\u00c4RGER --undo"), 0u);
    EXPECT_EQ(Variable(L"SHORTEX_\u00c4RGER"), old);
    EXPECT_EQ(RunAnswering(L"--env SHORTEX_\u00c4RGER --undo"),
              1u);  // it holds what was there before, not what was written
    EXPECT_EQ(Variable(L"SHORTEX_\u00c4RGER"), old);
    ::RegDeleteKeyValueW(HKEY_CURRENT_USER, L"Environment", L"SHORTEX_\u00c4RGER");
}

TEST(EnvironmentCommand, AVariableThatIsMissingOrNoTextIsLeftAsItIs) {
    const Stored list{REG_MULTI_SZ, std::string("C\0\0\0\0\0", 6)};
    SetVariable(L"SHORTEX_LIST", list);
    const std::pair<std::vector<std::wstring>, unsigned long> cases[] = {
        {{L"--env", L"SHORTEX_MISSING"}, 1},
        {{L"--env", L"SHORTEX_LIST", L"--write"}, 1},
        {{L"--env", L"SHORTEX_LIST", L"--write", L"--undo"}, 2},
    };
    for (const auto& [arguments, exitCode] : cases)
        EXPECT_EQ(RunProcess(kCli, arguments).exitCode, exitCode) << arguments[1];
    EXPECT_EQ(Variable(L"SHORTEX_LIST"), list);
    ::RegDeleteKeyValueW(HKEY_CURRENT_USER, L"Environment", L"SHORTEX_LIST");
}

}  // namespace
}  // namespace shortex::testing

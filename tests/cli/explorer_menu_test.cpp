// The Explorer menu end to end under Wine: installed by the console tool, run as Explorer runs it,
// and gone without a trace.
#include "common/unique_handle.h"
#include "pathnames/path_names.h"
#include "support/win_support.h"

#include <shlobj.h>

#include <gtest/gtest.h>

#include <filesystem>

namespace shortex::testing {
namespace {

const std::wstring kCli = BuildPath(SHORTEX_CLI_EXE);

// Every key and value under a key of HKEY_CURRENT_USER, as text.
std::wstring Dump(const std::wstring& key) {
    HKEY open = nullptr;
    if (::RegOpenKeyExW(HKEY_CURRENT_USER, key.c_str(), 0, KEY_READ, &open) != ERROR_SUCCESS) return {};
    std::wstring text;
    wchar_t name[512], data[2048];
    DWORD length = 512, bytes = sizeof data;
    for (DWORD i = 0; ::RegEnumValueW(open, i++, name, &length, nullptr, nullptr, reinterpret_cast<BYTE*>(data), &bytes) == 0;)
        text += key + L":" + name + L"=" + data + L"\n", length = 512, bytes = sizeof data;
    for (DWORD i = 0; ::RegEnumKeyExW(open, i++, name, &(length = 512), nullptr, nullptr, nullptr, nullptr) == 0;)
        text += key + L"\\" + name + L"\n" + Dump(key + L"\\" + name);
    ::RegCloseKey(open);
    return text;
}

std::wstring SendToListing() {
    wchar_t* folder = nullptr;
    ::SHGetKnownFolderPath(FOLDERID_SendTo, 0, nullptr, &folder);
    std::wstring listing;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) listing += entry.path().wstring() + L"\n";
    ::CoTaskMemFree(folder);
    return listing;
}

// Runs the verb's command as Explorer would, with the item filled in; its exit code.
DWORD RunVerb(const wchar_t* type, const wchar_t* placeholder, const std::wstring& item) {
    std::wstring command(1024, L'\0');
    DWORD bytes = static_cast<DWORD>(command.size() * sizeof(wchar_t));
    ::RegGetValueW(HKEY_CURRENT_USER, (std::wstring(L"Software\\Classes\\") + type + L"\\shell\\Shortex.CopyShortPath\\command").c_str(),
                   nullptr, RRF_RT_REG_SZ, nullptr, command.data(), &bytes);
    command.resize(command.find(L'\0'));
    command.replace(command.find(placeholder), 2, item);
    RunningProcess verb(command.substr(1, command.find(L'"', 1) - 1), command.substr(command.find(L'"', 1) + 2));
    HWND box = nullptr;  // a path without a short form is named, and nothing is copied
    PumpUntil([&] { return verb.WaitForExit(0) || (box = FindProcessWindow(verb.id(), L"#32770", L"Shortex")); });
    if (box) {
        EXPECT_NE(BoxText(box).find(item), std::wstring::npos);
        ::SendMessageW(::GetDlgItem(box, IDOK), BM_CLICK, 0, 0);
    }
    EXPECT_TRUE(verb.WaitForExit());
    return verb.ExitCode();
}

TEST(ExplorerMenu, CopiesShortPathsFromEveryVerbAndLeavesNothingBehind) {
    ClearSettings();
    RunProcess(kCli, {L"--uninstall-explorer"});  // whatever an earlier run left behind
    const std::wstring classesBefore = Dump(L"Software\\Classes"), sendToBefore = SendToListing();
    ASSERT_EQ(RunProcess(kCli, {L"--install-explorer"}).exitCode, 0u);
    const ProcessResult again = RunProcess(kCli, {L"--install-explorer"});
    EXPECT_EQ(again.exitCode, 0u);
    EXPECT_NE(again.output.find("Shortex.CopyShortPath"), std::string::npos);
    const std::wstring classesInstalled = Dump(L"Software\\Classes");

    TempFolder folder;
    SystemFileSystem files;
    const std::wstring file = folder.MakeFile(L"a file with spaces.txt");
    RunningProcess window(BuildPath(SHORTEX_EXE), L"");  // a running copy does not refuse --copy
    const struct { const wchar_t* type; const wchar_t* placeholder; std::wstring item, copied; } cases[] = {
        {L"*", L"%1", file, ShortPath(files, file)},
                 {L"Directory", L"%1", folder.path(), ShortPath(files, folder.path())},
                 {L"Drive", L"%1", L"C:\\", L"C:\\"},
                 {L"Directory\\Background", L"%V", L"C:\\", L"C:\\"}};
    for (const auto& c : cases) {
        EXPECT_EQ(RunVerb(c.type, c.placeholder, c.item), 0u) << c.type;
        EXPECT_EQ(ClipboardText(), c.copied) << c.type;
    }
    EXPECT_EQ(RunVerb(L"*", L"%1", folder.path() + L"\\missing"), 1u);
    EXPECT_EQ(ClipboardText(), L"C:\\");
    EXPECT_EQ(Setting(L"PreviousPath"), L"<none>");

    const std::wstring alone = folder.MakeFolder(L"alone") + L"\\shortex-cli.exe";
    std::filesystem::copy_file(kCli, alone);
    const ProcessResult lonely = RunProcess(alone, {L"--install-explorer"});
    EXPECT_EQ(lonely.exitCode, 1u);
    EXPECT_NE(lonely.errors.find("Shortex.exe is not beside"), std::string::npos);
    EXPECT_EQ(Dump(L"Software\\Classes"), classesInstalled);

    wchar_t* sendTo = nullptr;  // a shortcut in use is named and fails the removal; the keys go all the same
    ::SHGetKnownFolderPath(FOLDERID_SendTo, 0, nullptr, &sendTo);
    UniqueFileHandle inUse(::CreateFileW((sendTo + std::wstring(L"\\Short path (Shortex).lnk")).c_str(), GENERIC_READ,
                                         FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
    ::CoTaskMemFree(sendTo);
    const ProcessResult held = RunProcess(kCli, {L"--uninstall-explorer"});
    EXPECT_TRUE(held.exitCode == 1 && held.errors.find("cannot remove C:\\") != std::string::npos) << held.errors;
    inUse.reset();
    EXPECT_EQ(RunProcess(kCli, {L"--uninstall-explorer"}).exitCode, 0u);
    EXPECT_EQ(Dump(L"Software\\Classes"), classesBefore);
    EXPECT_EQ(SendToListing(), sendToBefore);
}

}  // namespace
}  // namespace shortex::testing

// The Explorer menu end to end under Wine: installed by the console tool, run as Explorer runs it,
// and gone without a trace.
#include "app/verb_server.h"
#include "common/com.h"
#include "common/unique_handle.h"
#include "pathnames/path_names.h"
#include "settings/registry.h"
#include "support/win_support.h"

#include <shlobj.h>

#include <gtest/gtest.h>

#include <filesystem>

namespace shortex::testing {
namespace {

const std::wstring kCli = BuildPath(SHORTEX_CLI_EXE);

// What installing adds: the user's classes, as reg.exe lists them, and the Send To folder's files.
std::string Installed(const std::wstring& sendTo) {
    std::string text =
        RunProcess(L"C:\\windows\\system32\\reg.exe", {L"query", L"HKCU\\Software\\Classes", L"/s"}).output;
    for (const auto& entry : std::filesystem::directory_iterator(sendTo))
        text += entry.path().filename().string() + "\n";
    return text;
}

// Waits for the program to end, answering its box (which names every missing item) on the way;
// its exit code.
DWORD Finish(RunningProcess& run, const std::vector<std::wstring>& missing) {
    PumpUntil([&] { return run.WaitForExit(0) || FindProcessWindow(run.id(), L"#32770", L"Shortex"); });
    const std::wstring box = run.WaitForExit(0) ? L"" : Answer(run.id(), L"Shortex", IDOK);
    for (const std::wstring& item : missing) EXPECT_NE(box.find(item), std::wstring::npos) << item;
    EXPECT_EQ(!box.empty(), !missing.empty());
    EXPECT_TRUE(run.WaitForExit());
    return run.ExitCode();
}

using Blocks = std::vector<std::pair<CLIPFORMAT, std::string>>;
Blocks Files(const std::vector<std::wstring>& items) { return {{CF_HDROP, DropFilesBlock(items)}}; }

// Invokes the DropTarget verb on the data as Explorer does: activates the class the verb names
// and drops it on it. Wine activates no class registered per user (REGDB_E_CLASSNOTREG), so
// the server the registration names is started here as COM starts it, and then activated.
DWORD DropVerb(const wchar_t* type, const Blocks& dropped, const std::vector<std::wstring>& missing) {
    const std::wstring key = std::wstring(L"Software\\Classes\\") + type + L"\\shell\\Shortex.CopyShortPath";
    const std::wstring name = RegText(HKEY_CURRENT_USER, key + L"\\DropTarget", L"CLSID");
    EXPECT_EQ(RegText(HKEY_CURRENT_USER, key, L"MultiSelectModel"), L"Player");
    CLSID verbClass{};
    ::CLSIDFromString(name.c_str(), &verbClass);
    const std::wstring server =
        RegText(HKEY_CURRENT_USER, L"Software\\Classes\\CLSID\\" + name + L"\\LocalServer32", nullptr);
    RunningProcess run(server.substr(1, server.size() - 2), L"-Embedding");
    {
        ComPtr<IDropTarget> target;
        EXPECT_TRUE(PumpUntil([&] {
            return SUCCEEDED(
                ::CoCreateInstance(verbClass, nullptr, CLSCTX_LOCAL_SERVER, IID_IDropTarget, target.put_void()));
        }));
        const ComPtr<IDataObject> selection = Dropped(dropped);
        DWORD effect = DROPEFFECT_COPY | DROPEFFECT_LINK;
        EXPECT_EQ(target->DragEnter(selection.get(), 0, {}, &effect), S_OK);
        EXPECT_EQ(target->Drop(selection.get(), 0, {}, &effect), S_OK);
    }
    return Finish(run, missing);
}

TEST(ExplorerMenu, CopiesShortPathsFromEveryVerbAndLeavesNothingBehind) {
    ClearSettings();
    registry::CreateRegKey(HKEY_CURRENT_USER, L"Software\\Classes");  // as on Windows, not yet in a new prefix
    RunProcess(kCli, {L"--uninstall-explorer"});                      // whatever an earlier run left behind
    wchar_t* known = nullptr;
    ::SHGetKnownFolderPath(FOLDERID_SendTo, 0, nullptr, &known);
    const std::wstring sendTo = TakeComText(known), shortcut = sendTo + L"\\Short path (Shortex).lnk";
    const std::string before = Installed(sendTo);
    ASSERT_EQ(RunProcess(kCli, {L"--install-explorer"}).exitCode, 0u);
    const ProcessResult again = RunProcess(kCli, {L"--install-explorer"});
    EXPECT_EQ(again.exitCode, 0u);
    EXPECT_NE(again.output.find("Shortex.CopyShortPath"), std::string::npos);
    const std::string installed = Installed(sendTo);

    ASSERT_TRUE(SUCCEEDED(::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
    TempFolder folder;
    SystemFileSystem files;
    std::vector<std::wstring> many;
    std::wstring manyCopied;
    for (int i = 0; i < 100; ++i) {
        many.push_back(folder.MakeFile(L"file number " + std::to_wstring(i) + L".txt"));
        manyCopied += (i ? L"\r\n" : L"") + ShortPath(files, many.back());
    }
    const std::wstring file = many[0], missing = folder.path() + L"\\missing", gone = folder.path() + L"\\gone";
    RunningProcess window(BuildPath(SHORTEX_EXE), L"");  // a running copy does not refuse the verb
    const std::wstring controlPanel = L"::{21ec2020-3aea-1069-a2dd-08002b30309d}";  // as Wine names it
    const struct {
        const wchar_t* type;
        Blocks dropped;
        std::vector<std::wstring> missing;
        std::wstring copied;
        DWORD exitCode;
    } cases[] = {{L"*", Files({file}), {}, ShortPath(files, file), 0},
                 {L"Directory",
                  Files({folder.path(), L"C:\\", file}),
                  {},
                  ShortPath(files, folder.path()) + L"\r\nC:\\\r\n" + ShortPath(files, file),
                  0},
                 {L"*", Files(many), {}, manyCopied, 0},  // from here on the dropped data stays on the clipboard
                 {L"Drive", Files({file, missing, L"C:\\", gone}), {missing, gone}, L"<none>", 1},
                 {L"*", {ItemList({file, controlPanel})}, {controlPanel}, L"<none>", 1},
                 {L"*", {{CF_UNICODETEXT, TextBlock(L"two\r\nlines")}}, {}, L"two\r\nlines", 1}};
    for (const auto& c : cases) {
        EXPECT_EQ(DropVerb(c.type, c.dropped, c.missing), c.exitCode) << c.missing.size();
        EXPECT_EQ(ClipboardText(), c.copied) << c.missing.size();
    }
    std::wstring command = RegText(  // a folder's background: the folder filled in as Explorer does
        HKEY_CURRENT_USER, L"Software\\Classes\\Directory\\Background\\shell\\Shortex.CopyShortPath\\command", nullptr);
    command.replace(command.find(L"%V"), 2, L"C:\\");
    RunningProcess background(command.substr(1, command.find(L'"', 1) - 1), command.substr(command.find(L'"', 1) + 2));
    EXPECT_EQ(Finish(background, {}), 0u);
    EXPECT_EQ(ClipboardText(), L"C:\\");
    EXPECT_EQ(Setting(L"PreviousPath"), L"<none>");
    const CopyForm msysList{PathForm::Msys, Quotes::Never, false, Separator::Semicolon};
    registry::WriteCopyForm(msysList);  // as the window's Copy menu leaves it
    EXPECT_EQ(DropVerb(L"*", Files({file, folder.path()}), {}), 0u);
    EXPECT_EQ(ClipboardText(), WrittenAs({ShortPath(files, file), ShortPath(files, folder.path())}, msysList));
    ClearSettings();

    const std::wstring alone = folder.MakeFolder(L"alone") + L"\\shortex-cli.exe";
    std::filesystem::copy_file(kCli, alone);
    const ProcessResult lonely = RunProcess(alone, {L"--install-explorer"});
    EXPECT_EQ(lonely.exitCode, 1u);
    EXPECT_NE(lonely.errors.find("Shortex.exe is not beside"), std::string::npos);
    EXPECT_EQ(Installed(sendTo), installed);

    // A shortcut in use is named and fails the removal; the keys go all the same.
    UniqueFileHandle inUse(
        ::CreateFileW(shortcut.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
    const ProcessResult held = RunProcess(kCli, {L"--uninstall-explorer"});
    EXPECT_TRUE(held.exitCode == 1 && held.errors.find("cannot remove C:\\") != std::string::npos) << held.errors;
    inUse.reset();
    EXPECT_EQ(RunProcess(kCli, {L"--uninstall-explorer"}).exitCode, 0u);
    EXPECT_EQ(Installed(sendTo), before);

    ::CreateDirectoryW(shortcut.c_str(), nullptr);  // an install that fails at its last step takes back the rest
    const ProcessResult half = RunProcess(kCli, {L"--install-explorer"});
    ::RemoveDirectoryW(shortcut.c_str());
    EXPECT_EQ(half.exitCode, 1u) << half.errors;
    EXPECT_EQ(Installed(sendTo), before);
}

TEST(ExplorerMenu, AServerNobodyDropsOnWithinItsTimeoutEndsByItselfHavingCopiedNothing) {
    SystemFileSystem files;
    RecordedBoxes boxes;
    EXPECT_EQ(verb::Serve(files, boxes, 0), 1);  // the shortest timeout there is
    EXPECT_TRUE(boxes.shown.empty());
}

}  // namespace
}  // namespace shortex::testing

// shortex-cli.exe, and the window and the Explorer verb that offer its names, on a volume shaped like
// Windows' (tests/support/short_name_volume): entries there have no short name until one is given,
// and giving one fails as Windows documents it.
#include "support/win_support.h"
#include "ui/main/main_layout.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace shortex::testing {
namespace {

const std::wstring kFolder = BuildPath(SHORTEX_SHORT_NAME_VOLUME), kCli = kFolder + L"\\shortex-cli.exe",
                   kExe = kFolder + L"\\Shortex.exe", kVolume = kFolder + L"\\volume", kBig = kVolume + L"\\Big Folder",
                   kFile = kBig + L"\\read me.txt";
const std::filesystem::path kState = kFolder + L"\\volume.txt";

// A fresh volume: a folder and a file in it without short names, beside a folder whose long name
// is the first the other would get; the state's lines set how the volume answers.
void MakeVolume(const std::wstring& state = {}) {
    std::filesystem::remove_all(kVolume);
    std::filesystem::create_directories(kBig);
    std::filesystem::create_directory(kVolume + L"\\BIGFOL~1");
    std::ofstream(std::filesystem::path(kFile)).put('x');
    const std::wstring lines = state.empty() ? state : state + L"\n";
    std::ofstream(kState, std::ios::binary).write(reinterpret_cast<const char*>(lines.data()), lines.size() * 2);
}

std::wstring State() {
    std::ifstream file(kState, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    return std::wstring(reinterpret_cast<const wchar_t*>(bytes.data()), bytes.size() / 2);
}
std::string Narrow(const std::wstring& ascii) { return std::string(ascii.begin(), ascii.end()); }

TEST(MakeShort, NamesGivenLastAndLeadBackToTheLongForm) {
    MakeVolume();
    const ProcessResult dryRun = RunProcess(kCli, {L"--make-short", L"--dry-run", kFile});
    EXPECT_EQ(dryRun.exitCode, 0u) << dryRun.errors;
    EXPECT_EQ(dryRun.output, Narrow(L"BIGFOL~2\t" + kBig + L"\r\nREADME~1.TXT\t" + kFile + L"\r\n"));  // a clash: ~2
    EXPECT_EQ(State(), L"");
    const ProcessResult made = RunProcess(kCli, {L"--make-short", kFile});
    EXPECT_EQ(made.exitCode, 0u) << made.errors;
    const std::wstring shortForm(made.output.begin(), made.output.end() - 2);
    EXPECT_TRUE(shortForm.ends_with(L"\\volume\\BIGFOL~2\\README~1.TXT")) << made.output;
    EXPECT_EQ(RunProcess(kCli, {L"--strict", shortForm}).exitCode, 0u);  // no component holds a long name
    EXPECT_EQ(RunProcess(kCli, {L"--long", shortForm}).output, Narrow(kFile + L"\r\n"));
    const std::wstring given = State();
    const ProcessResult again = RunProcess(kCli, {L"--make-short", kFile});
    EXPECT_EQ(again.exitCode + again.output.compare(made.output), 0u);
    EXPECT_EQ(State(), given);
}

// Each failure of --make-short named with its reason, the others still done; --tree's warning for
// each entry without a short name (--strict: exit 3) with the reason each NtfsDisable8dot3NameCreation
// in Wine's registry gives, with and without the volume's own flag.
TEST(MakeShort, EachFailureAndEachSettingOfTheSystemAndTheVolumeNamedWithItsReason) {
    const wchar_t *key = L"SYSTEM\\CurrentControlSet\\Control\\FileSystem", *value = L"NtfsDisable8dot3NameCreation";
    const std::vector<std::wstring> make{L"--make-short", kFile}, tree{L"--strict", L"--tree", kVolume};
    const std::string made = "It was made while 8.3 name creation was off";
    const struct {
        DWORD setting;
        std::wstring state;
        const std::vector<std::wstring>& arguments;
        unsigned long exitCode;
        std::string error;
        std::size_t times, warnings;
    } cases[] = {
        {2, L"not-elevated", make, 4, "run it again from an administrator prompt", 1, 0},
        {2, L"in-use\t" + kBig, make, 1, "Big Folder: in use: close the programs that have files open in it", 1, 0},
        {2, L"volume-off", make, 1, "\"fsutil 8dot3name set " + Narrow(kVolume.substr(0, 2)) + " 0\"", 2, 0},
        {2, L"missing", make, 1, "Big Folder: this system cannot give short names", 1, 0},
        {0, L"volume-off", tree, 3, made, 2, 2},  // Big Folder, read me.txt
        {1, L"", tree, 3, "off for every volume; ", 2, 2},
        {2, L"", tree, 3, made, 2, 2},
        {3, L"volume-off", tree, 3, "off for every volume but the system volume", 2, 2},
    };
    for (const auto& c : cases) {
        MakeVolume(c.state);
        ::RegSetKeyValueW(HKEY_LOCAL_MACHINE, key, value, REG_DWORD, &c.setting, sizeof c.setting);
        const ProcessResult run = RunProcess(kCli, c.arguments);
        const auto count = [&](const std::string& part) {
            std::size_t times = 0;
            for (std::size_t at = 0; (at = run.errors.find(part, at)) != std::string::npos; ++at) ++times;
            return times;
        };
        EXPECT_EQ(run.exitCode, c.exitCode) << c.error;
        EXPECT_EQ(std::pair(count(c.error), count("has no short name")), std::pair(c.times, c.warnings)) << run.errors;
        EXPECT_EQ(State().find(L"given") != std::wstring::npos, c.state.starts_with(L"in-use")) << c.error;
    }
    ::RegDeleteKeyValueW(HKEY_LOCAL_MACHINE, key, value);  // as Wine has it
}

TEST(MakeShortOffer, TheVerbOffersTheNamesGivesThemWhenAskedAndCopiesTheNewShortForm) {
    const struct {
        std::wstring state, box;
        int button;
        std::wstring copiedEnd;
    } cases[] = {{L"", L"Big Folder  \u2192  BIGFOL~2", IDNO, L"\\Big Folder"},
                 {L"", L"Big Folder  \u2192  BIGFOL~2", IDYES, L"\\BIGFOL~2"},
                 {L"volume-off", L"\"fsutil 8dot3name set ", IDOK, L"\\Big Folder"}};  // copied as it is
    for (const auto& c : cases) {
        MakeVolume(c.state);
        RunningProcess copy(kExe, L"--copy \"" + kBig + L"\"");
        EXPECT_NE(Answer(copy.id(), L"Shortex", c.button).find(c.box), std::wstring::npos);
        EXPECT_TRUE(copy.WaitForExit());
        EXPECT_EQ(copy.ExitCode(), 0u);
        EXPECT_TRUE(ClipboardText().ends_with(c.copiedEnd)) << ClipboardText();
    }
}

TEST(MakeShortOffer, TheWindowOffersTheNamesWhereAPathHasNoneAndShowsTheNewShortForm) {
    ClearSettings();
    MakeVolume(L"in-use\t" + kBig);
    RunningProcess run(kExe, L"\"" + kBig + L"\"");
    const HWND window = WaitForWindow(run.id(), L"ShortexMainWindow");
    const HWND offer = ::GetDlgItem(window, main_window::cmdMakeShort);
    const HWND result = ::GetDlgItem(window, main_window::txtShortex);
    const auto offerAndAnswer = [&](int button) {
        ASSERT_TRUE(PumpUntil([&] { return ::IsWindowVisible(offer); }));
        ::PostMessageW(window, WM_COMMAND, MAKEWPARAM(main_window::cmdMakeShort, BN_CLICKED), 0);
        EXPECT_NE(Answer(run.id(), L"Shortex", button).find(L"Big Folder  \u2192  BIGFOL~2"), std::wstring::npos);
    };
    offerAndAnswer(IDNO);
    offerAndAnswer(IDYES);  // the folder is in use: said so, and offered again
    EXPECT_TRUE(Answer(run.id(), L"Shortex", IDOK).starts_with(L"Not every short name could be given"));
    MakeVolume();
    offerAndAnswer(IDYES);
    EXPECT_TRUE(PumpUntil([&] { return WindowText(result).ends_with(L"\\BIGFOL~2") && !::IsWindowVisible(offer); }))
        << WindowText(result);
}

}  // namespace
}  // namespace shortex::testing

// shortex-cli.exe on a volume shaped like Windows' (tests/support/short_name_volume): entries there
// have no short name until one is given, and giving one fails as Windows documents it.
#include "support/win_support.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace shortex::testing {
namespace {

const std::wstring kFolder = BuildPath(SHORTEX_SHORT_NAME_VOLUME), kCli = kFolder + L"\\shortex-cli.exe",
                   kVolume = kFolder + L"\\volume", kBig = kVolume + L"\\Big Folder", kFile = kBig + L"\\read me.txt";
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

TEST(MakeShort, EachFailureNamedWithItsReasonTheOthersStillDone) {
    const std::string volumeOff =
        "\"fsutil 8dot3name set " + std::string(kVolume.begin(), kVolume.begin() + 2) + " 0\"";
    const struct {
        std::wstring state, path;
        unsigned long exitCode;
        std::string error;
        bool fileGiven;
    } cases[] = {
        {L"not-elevated", kFile, 4, "run it again from an administrator prompt", false},
        {L"in-use\t" + kBig, kFile, 1, "Big Folder: in use: close the programs that have files open in it", true},
        {L"volume-off", kFile, 1, volumeOff, false},  // and nothing tried
        {L"missing", kFile, 1, "Big Folder: this system cannot give short names", false},
        {L"missing", kVolume + L"\\BIGFOL~1", 0, "", false},  // every component short: no call
    };
    for (const auto& c : cases) {
        MakeVolume(c.state);
        const ProcessResult run = RunProcess(kCli, {L"--make-short", c.path});
        EXPECT_EQ(run.exitCode, c.exitCode) << c.error;
        EXPECT_NE(run.errors.find(c.error), std::string::npos) << run.errors;
        EXPECT_EQ(State().find(L"given"), c.fileGiven ? c.state.size() + 1 : std::wstring::npos) << c.error;
    }
}

// NtfsDisable8dot3NameCreation as Wine's registry holds it, with and without the volume's own flag:
// --tree warns of each entry without a short name, with the reason, and --strict fails.
TEST(MakeShort, TheReasonForEachSettingOfTheSystemAndTheVolume) {
    const wchar_t *key = L"SYSTEM\\CurrentControlSet\\Control\\FileSystem", *value = L"NtfsDisable8dot3NameCreation";
    DWORD was = 0, size = sizeof was;
    const bool had = !::RegGetValueW(HKEY_LOCAL_MACHINE, key, value, RRF_RT_REG_DWORD, nullptr, &was, &size);
    const std::string made = "It was made while 8.3 name creation was off", all = "off for every volume; ",
                      onVolume = "off on " + Narrow(kVolume.substr(0, 2)) + "; ",
                      allButSystem = "off for every volume but the system volume";
    const struct {
        DWORD setting;
        bool flagOff;
        const std::string& why;
    } cases[] = {{0, false, made}, {0, true, made},     {1, false, all},          {1, true, all},
                 {2, false, made}, {2, true, onVolume}, {3, false, allButSystem}, {3, true, allButSystem}};
    for (const auto& c : cases) {
        MakeVolume(c.flagOff ? L"volume-off" : L"");
        ::RegSetKeyValueW(HKEY_LOCAL_MACHINE, key, value, REG_DWORD, &c.setting, sizeof c.setting);
        const ProcessResult run = RunProcess(kCli, {L"--strict", L"--tree", kVolume});
        EXPECT_EQ(run.exitCode, 3u);
        std::size_t warnings = 0, reasons = 0;
        for (std::size_t at = 0; (at = run.errors.find("has no short name", at + 1)) != std::string::npos;) ++warnings;
        for (std::size_t at = 0; (at = run.errors.find(c.why, at + 1)) != std::string::npos;) ++reasons;
        EXPECT_EQ(warnings, 2u) << run.errors;  // Big Folder, read me.txt
        EXPECT_EQ(reasons, 2u) << c.setting << c.flagOff << run.errors;
    }
    if (had)
        ::RegSetKeyValueW(HKEY_LOCAL_MACHINE, key, value, REG_DWORD, &was, sizeof was);
    else
        ::RegDeleteKeyValueW(HKEY_LOCAL_MACHINE, key, value);
}

}  // namespace
}  // namespace shortex::testing

// shortex-cli.exe, and the window and the Explorer verb that offer its names, on a volume shaped like
// Windows' (tests/support/short_name_volume): entries there have no short name until one is given,
// and giving one fails as Windows documents it. Its drive, Z:, can be a mapped network drive.
#include "common/unique_handle.h"
#include "support/win_support.h"
#include "ui/main/main_layout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <regex>
#include <tuple>

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

// The paths the lines on stderr name ("shortex-cli: PATH: why", "shortex-cli: warning: PATH: why").
std::vector<std::wstring> Named(const std::string& errors) {
    const std::regex line("shortex-cli: (?:warning: )?(.+?): .*");
    std::vector<std::wstring> paths;
    for (std::sregex_iterator at(errors.begin(), errors.end(), line), end; at != end; ++at)
        paths.emplace_back((*at)[1].first, (*at)[1].second);
    return paths;
}

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
}

TEST(MakeShort, APathWhoseComponentsHaveShortNamesIsLeftAsItIs) {
    MakeVolume();
    const ProcessResult made = RunProcess(kCli, {L"--make-short", kFile});
    const std::wstring given = State();
    const ProcessResult again = RunProcess(kCli, {L"--make-short", kFile});
    EXPECT_EQ(again.exitCode, 0u) << again.errors;
    EXPECT_EQ(again.output, made.output);
    EXPECT_EQ(State(), given);
}

// Each component that cannot get a name is named on stderr, and the others are still given. What
// each failure says is the host tests' to pin.
TEST(MakeShort, EachComponentThatCannotGetANameIsNamedAndTheOthersAreStillGiven) {
    const struct {
        std::wstring state;
        unsigned long exitCode;
        std::vector<std::wstring> failed;
        bool fileGiven;
    } cases[] = {
        {.state = L"not-elevated", .exitCode = 4, .failed = {kBig, kFile}, .fileGiven = false},
        {.state = L"in-use\t" + kBig, .exitCode = 1, .failed = {kBig}, .fileGiven = true},
        {.state = L"volume-off", .exitCode = 1, .failed = {kBig, kFile}, .fileGiven = false},  // nothing tried
        {.state = L"missing", .exitCode = 1, .failed = {kBig, kFile}, .fileGiven = false},
    };
    for (const auto& c : cases) {
        MakeVolume(c.state);
        const ProcessResult run = RunProcess(kCli, {L"--make-short", kFile});
        EXPECT_EQ(run.exitCode, c.exitCode) << Narrow(c.state);
        EXPECT_EQ(Named(run.errors), c.failed) << run.errors;
        EXPECT_EQ(State().find(L"given") != std::wstring::npos, c.fileGiven) << Narrow(c.state);
    }
}

TEST(MakeShort, TreeWarnsOfEachEntryWithoutAShortNameAndStrictFails) {
    MakeVolume();
    const ProcessResult run = RunProcess(kCli, {L"--strict", L"--tree", kVolume});
    EXPECT_EQ(run.exitCode, 3u);
    EXPECT_EQ(Named(run.errors), (std::vector<std::wstring>{kBig, kFile})) << run.errors;
}

TEST(MakeShortOffer, TheVerbOffersTheNamesGivesThemWhenAskedAndCopiesTheNewShortForm) {
    const struct {
        std::wstring state, box;
        int button;
        std::wstring copiedEnd;
    } cases[] = {{L"", L"Big Folder  \u2192  BIGFOL~2", IDNO, L"\\Big Folder"},
                 {L"", L"Big Folder  \u2192  BIGFOL~2", IDYES, L"\\BIGFOL~2"},
                 {L"declined", L"Big Folder  \u2192  BIGFOL~2", IDYES, L"\\Big Folder"},  // at the UAC prompt
                 {L"volume-off", L"\"fsutil 8dot3name set ", IDOK, L"\\Big Folder"}};     // copied as it is
    for (const auto& c : cases) {
        MakeVolume(c.state);
        RunningProcess copy(kExe, L"--copy \"" + kBig + L"\"");
        EXPECT_NE(Answer(copy.id(), L"Shortex", c.button).find(c.box), std::wstring::npos);
        EXPECT_TRUE(copy.WaitForExit());
        EXPECT_EQ(copy.ExitCode(), 0u);
        EXPECT_TRUE(ClipboardText().ends_with(c.copiedEnd)) << ClipboardText();
    }
}

// The reasons of the run that gives the names come back from it, though it runs elevated and hidden.
TEST(MakeShortOffer, CopyNamesTheFolderInUseAndCopiesWithTheNamesThatWereGiven) {
    MakeVolume(L"in-use\t" + kBig);
    RunningProcess copy(kExe, L"--copy \"" + kFile + L"\"");
    Answer(copy.id(), L"Shortex", IDYES);
    const std::wstring box = Answer(copy.id(), L"Shortex", IDOK);
    EXPECT_NE(box.find(kBig + L": in use"), std::wstring::npos) << box;
    EXPECT_TRUE(copy.WaitForExit());
    EXPECT_TRUE(ClipboardText().ends_with(L"\\Big Folder\\README~1.TXT")) << ClipboardText();
}

// Explorer's calls into the verb's server (letting go of its drop target, say) are answered while
// the run that gives the names waits for the UAC prompt or works.
TEST(MakeShortOffer, TheVerbsServerAnswersCallsWhileTheNamesAreBeingGiven) {
    MakeVolume(L"hold");
    const UniqueKernelHandle release(::CreateEventW(nullptr, TRUE, FALSE, L"Local\\ShortexVolumeRelease"));
    ASSERT_TRUE(SUCCEEDED(::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
    RunningProcess server(kExe, L"-Embedding");
    CLSID verb{};
    ::CLSIDFromString(kCopyShortPathClass, &verb);
    {
        ComPtr<IDropTarget> target;
        ASSERT_TRUE(PumpUntil([&] {
            return SUCCEEDED(
                ::CoCreateInstance(verb, nullptr, CLSCTX_LOCAL_SERVER, IID_IDropTarget, target.put_void()));
        }));
        DWORD effect = DROPEFFECT_COPY;
        EXPECT_EQ(target->Drop(Dropped({{CF_HDROP, DropFilesBlock({kBig})}}).get(), 0, {}, &effect), S_OK);
        Answer(server.id(), L"Shortex", IDYES);
        ASSERT_TRUE(PumpUntil([] { return State().find(L"held\n") != std::wstring::npos; }));
        EXPECT_EQ(target->DragLeave(), S_OK);
        EXPECT_EQ(State().find(L"given"), std::wstring::npos) << "the call waited for the run";
        ::SetEvent(release.get());
    }  // let go of the target, so the server ends
    EXPECT_TRUE(server.WaitForExit());
    EXPECT_TRUE(ClipboardText().ends_with(L"\\BIGFOL~2")) << ClipboardText();
}

// The window, opened on a path with a component that has no short name, and its offer.
struct OfferingWindow {
    explicit OfferingWindow(const std::wstring& path) : run(kExe, L"\"" + path + L"\"") {
        const HWND window = WaitForWindow(run.id(), L"ShortexMainWindow");
        offer = ::GetDlgItem(window, main_window::cmdMakeShort);
        result = ::GetDlgItem(window, main_window::txtShortex);
    }
    // Clicks the offer once it shows and answers its box; the box's text.
    std::wstring Take(int button) {
        EXPECT_TRUE(PumpUntil([&] { return ::IsWindowVisible(offer); }));
        ::PostMessageW(::GetParent(offer), WM_COMMAND, MAKEWPARAM(main_window::cmdMakeShort, BN_CLICKED), 0);
        return Answer(run.id(), L"Shortex", button);
    }
    RunningProcess run;
    HWND offer = nullptr, result = nullptr;
};

TEST(MakeShortOffer, TheWindowOffersTheNamesAndShowsTheNewShortFormOnceTheyAreGiven) {
    ClearSettings();
    MakeVolume();
    OfferingWindow window(kBig);
    EXPECT_NE(window.Take(IDNO).find(L"Big Folder  \u2192  BIGFOL~2"), std::wstring::npos);
    EXPECT_EQ(State(), L"");
    window.Take(IDYES);
    EXPECT_TRUE(PumpUntil([&] { return WindowText(window.result).ends_with(L"\\BIGFOL~2"); }))
        << WindowText(window.result);
    EXPECT_FALSE(::IsWindowVisible(window.offer));
}

TEST(MakeShortOffer, TheWindowNamesTheFolderInUseAndOffersTheNamesAgain) {
    ClearSettings();
    MakeVolume(L"in-use\t" + kBig);
    OfferingWindow window(kBig);
    window.Take(IDYES);
    const std::wstring box = Answer(window.run.id(), L"Shortex", IDOK);
    EXPECT_NE(box.find(kBig + L": in use"), std::wstring::npos) << box;
    EXPECT_TRUE(PumpUntil([&] { return ::IsWindowVisible(window.offer); }));
}

std::wstring Slashed(std::wstring path) {
    std::replace(path.begin(), path.end(), L'\\', L'/');
    return path;
}

TEST(CopyForms, ShortexCliWritesEveryPathInTheFormAskedAndAMappedDrivesOnItsUncPath) {
    const std::wstring path = kVolume + L"\\A&B Folder", mapped = L"network\tZ:\t\\\\server\\share";
    const auto run = [&](const std::wstring& state, const std::vector<std::wstring>& arguments) {
        MakeVolume(state);
        std::filesystem::create_directory(path);
        return RunProcess(kCli, arguments);
    };
    const std::string plain = run(L"", {path}).output;
    const std::wstring rest(plain.begin() + 2, plain.end() - 2);  // after Z:, without the line's end
    const std::wstring unc = L"//server/share" + Slashed(rest);
    const std::tuple<std::wstring, std::vector<std::wstring>, std::wstring> cases[] = {
        {mapped, {L"--unc", path}, L"\\\\server\\share" + rest},
        {mapped, {L"--form", L"msys", L"--quote", L"needed", L"--unc", path}, L"'" + unc + L"'"},
        {mapped, {L"--unc", L"C:\\"}, L"C:\\"},                 // a local drive
        {L"network-gone\tZ:", {L"--unc", path}, L"Z:" + rest},  // its server gone
        {mapped,
         {L"--form", L"forward", L"--unc", L"--tree", kVolume},
         unc + L"\t//server/share" + Slashed(path.substr(2))},
    };
    for (const auto& [state, arguments, line] : cases) {
        const ProcessResult printed = run(state, arguments);
        EXPECT_EQ(printed.exitCode, 0u) << printed.errors;
        EXPECT_NE(printed.output.find(Narrow(line + L"\r\n")), std::string::npos) << printed.output;
    }
}

// A server that sleeps keeps the UNC path waiting, never the window.
TEST(CopyForms, TheWindowShowsWhileTheUncPathIsAskedAndThenTheUncPath) {
    ClearSettings();
    SetSetting(L"CopyUNC", L"True");
    MakeVolume(L"network\tZ:\t\\\\server\\share\nnetwork-hold");
    const UniqueKernelHandle release(::CreateEventW(nullptr, TRUE, FALSE, L"Local\\ShortexVolumeRelease"));
    OfferingWindow window(kBig);
    EXPECT_TRUE(window.result) << "no window while the server sleeps";
    ASSERT_TRUE(PumpUntil([] { return State().find(L"held\n") != std::wstring::npos; }));
    ::SetEvent(release.get());
    EXPECT_TRUE(PumpUntil([&] { return WindowText(window.result).starts_with(L"\\\\server\\share\\"); }))
        << WindowText(window.result);
}

}  // namespace
}  // namespace shortex::testing

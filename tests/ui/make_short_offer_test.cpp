// The window and the Explorer verb offer short names where a path has none, on a volume shaped like
// Windows' (tests/support/short_name_volume), and give them as administrator when asked.
#include "support/win_support.h"
#include "ui/main/main_layout.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace shortex::testing {
namespace {

const std::wstring kFolder = BuildPath(SHORTEX_SHORT_NAME_VOLUME), kExe = kFolder + L"\\Shortex.exe",
                   kBig = kFolder + L"\\volume\\Big Folder";

// A fresh volume holding "Big Folder", without a short name; the state line says how it answers.
void MakeVolume(const std::wstring& state = {}) {
    std::filesystem::remove_all(kFolder + L"\\volume");
    std::filesystem::create_directories(kBig);
    std::ofstream(std::filesystem::path(kFolder + L"\\volume.txt"), std::ios::binary)
        .write(reinterpret_cast<const char*>(state.data()), static_cast<std::streamsize>(state.size() * 2));
}

// Answers the program's box, which must hold the text given.
void Answer(RunningProcess& run, const std::wstring& holding, int button) {
    const HWND box = WaitForWindow(run.id(), L"#32770", L"Shortex");
    ASSERT_TRUE(box);
    EXPECT_NE(BoxText(box).find(holding), std::wstring::npos) << BoxText(box);
    ::SendMessageW(::GetDlgItem(box, button), BM_CLICK, 0, 0);
}

TEST(MakeShortOffer, TheVerbOffersTheNamesGivesThemWhenAskedAndCopiesTheNewShortForm) {
    const struct {
        std::wstring state, box;
        int button;
        std::wstring copiedEnd;
    } cases[] = {{L"", L"Big Folder  \u2192  BIGFOL~1", IDNO, L"\\Big Folder"},
                 {L"", L"Big Folder  \u2192  BIGFOL~1", IDYES, L"\\BIGFOL~1"},
                 {L"volume-off", L"\"fsutil 8dot3name set ", IDOK, L"\\Big Folder"}};  // copied as it is
    for (const auto& c : cases) {
        MakeVolume(c.state);
        RunningProcess copy(kExe, L"--copy \"" + kBig + L"\"");
        Answer(copy, c.box, c.button);
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
        Answer(run, L"Big Folder  \u2192  BIGFOL~1", button);
    };
    offerAndAnswer(IDNO);
    offerAndAnswer(IDYES);  // the folder is in use: said so, and offered again
    Answer(run, L"Not every short name could be given", IDOK);
    MakeVolume();
    offerAndAnswer(IDYES);
    EXPECT_TRUE(PumpUntil([&] { return WindowText(result).ends_with(L"\\BIGFOL~1") && !::IsWindowVisible(offer); }))
        << WindowText(result);
}

}  // namespace
}  // namespace shortex::testing

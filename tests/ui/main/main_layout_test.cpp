// The main window's pure decisions: layout, placing, remembered values, the start-up path.
#include "ui/main/main_layout.h"

#include <gtest/gtest.h>

namespace shortex::main_window {
namespace {

TEST(MainLayout, AWiderWindowWidensTheBoxesAndMovesTheRightHandButtonsAlone) {
    const auto narrow = MainLayout(kClientWidth), wide = MainLayout(kClientWidth + 1000);
    for (std::size_t i = 0; i < narrow.size(); ++i) {
        const int id = narrow[i].id;
        const bool box = id == txtPath || id == txtShortex;
        const bool rightHand =
            id == cmdOpenFolder || id == cmdOpenFile || id == cmdCopy || id == cmdGetShortex || id == cmdMakeShort;
        EXPECT_EQ(wide[i].rect.width - narrow[i].rect.width, box ? 1000 : 0) << id;
        EXPECT_EQ(wide[i].rect.left - narrow[i].rect.left, rightHand ? 1000 : 0) << id;
        EXPECT_LE(narrow[i].rect.left + narrow[i].rect.width, kClientWidth) << id;
        EXPECT_EQ(narrow[i].rect.top >= kClientHeight, id == cmdGetLongFileName) << id;  // laid out, never seen
    }
    const auto offering = MainLayout(kClientWidth, true);  // the result box makes room for the offer
    ASSERT_EQ(std::pair(offering[6].id, offering[7].id), std::pair(int{txtShortex}, int{cmdMakeShort}));
    EXPECT_LT(offering[6].rect.left + offering[6].rect.width, offering[7].rect.left);
}

TEST(MainLayout, TheRememberedPlaceIsUsedOnlyWhereTheTitleBarCanBeGrasped) {
    Displays displays{6000, 2400, 450, 19200, 14400, {{0, 0, 19200, 14400}, {-19200, -3000, 19200, 14400}}};
    const PointTwips centre{6600, 6000};
    ASSERT_EQ(CentredPosition(displays), centre);
    const struct {
        std::optional<int> top, left;
        PointTwips expected;
    } cases[] = {
        {1500, 3000, {3000, 1500}},
        {-300, 3000, centre},              // above the screen
        {1500, 90000, centre},             // right of every display
        {-2000, -10000, {-10000, -2000}},  // on the display left of and above the primary
        {1500, std::nullopt, {0, 1500}},   // a missing edge keeps the top-left corner's
        {std::nullopt, std::nullopt, {0, 0}},
        {14300, 3000, centre},  // the title bar below the bottom edge
    };
    for (const auto& c : cases)
        EXPECT_EQ(ChoosePosition(c.top, c.left, displays), c.expected)
            << c.top.value_or(-1) << "," << c.left.value_or(-1);
}

TEST(MainLayout, RememberedTextsReadAsTheSystemWroteThem) {
    const std::pair<const wchar_t*, std::optional<bool>> truths[] = {
        {L"True", true}, {L"fALSE", false}, {L"-1", true}, {L"0", false}, {L"Error", std::nullopt}};
    for (const auto& [text, truth] : truths) EXPECT_EQ(TextToTruth(text), truth) << text;
    const struct {
        const wchar_t* text;
        const wchar_t* separator;
        std::optional<int> twips;
    } cases[] = {{L"1500", L".", 1500},          {L"-300", L".", -300},         {L" 12,5 ", L",", 13},
                 {L"1.5e3", L".", 1500},         {L"12.5", L",", std::nullopt}, {L"Error", L".", std::nullopt},
                 {L"1e999", L".", std::nullopt}, {L"NaN", L".", std::nullopt},  {L"-2147483649", L".", std::nullopt},
                 {L"", L".", std::nullopt}};
    for (const auto& c : cases) EXPECT_EQ(TextToTwips(c.text, c.separator), c.twips) << c.text;
}

TEST(MainLayout, TheArgumentTextIsWhatFollowsTheProgramName) {
    const std::pair<const wchar_t*, const wchar_t*> cases[] = {
        {L"\"C:\\Program Files\\Shortex.exe\" \"C:\\a b\"", L"\"C:\\a b\""},
        {L"Shortex.exe   C:\\a b  ", L"C:\\a b  "},
        {L"Shortex.exe", L""},
        {L"\"unclosed quote", L""}};
    for (const auto& [commandLine, arguments] : cases) EXPECT_EQ(ArgumentText(commandLine), arguments) << commandLine;
}

}  // namespace
}  // namespace shortex::main_window

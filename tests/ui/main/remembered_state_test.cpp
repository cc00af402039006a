#include "ui/main/remembered_state.h"

#include <gtest/gtest.h>

namespace shortex::main_window {
namespace {

TEST(RememberedText, TruthValues) {
    EXPECT_EQ(TextToTruth(L"True"), true);
    EXPECT_EQ(TextToTruth(L"tRUE"), true);
    EXPECT_EQ(TextToTruth(L" False "), false);
    EXPECT_EQ(TextToTruth(L"0"), false);
    EXPECT_EQ(TextToTruth(L"-1"), true);
    EXPECT_EQ(TextToTruth(L"Error"), std::nullopt);
    EXPECT_EQ(TextToTruth(L""), std::nullopt);
    EXPECT_EQ(TextToTruth(L"Truely"), std::nullopt);
}

TEST(RememberedText, NumbersWithTheUsersDecimalSeparator) {
    EXPECT_EQ(TextToTwips(L"1500", L"."), 1500);
    EXPECT_EQ(TextToTwips(L"-300", L"."), -300);
    EXPECT_EQ(TextToTwips(L" 42 ", L"."), 42);
    EXPECT_EQ(TextToTwips(L"1234,6", L","), 1235);
    EXPECT_EQ(TextToTwips(L"1234.6", L","), std::nullopt);
    EXPECT_EQ(TextToTwips(L"1.5e3", L"."), 1500);
    EXPECT_EQ(TextToTwips(L"12\u00a0345", L"."), std::nullopt);
}

TEST(RememberedText, NothingThatNoWindowCouldHave) {
    for (const wchar_t* text : {L"1e999", L"NaN", L"inf", L"-2147483649", L"Error", L"", L"+", L"1e", L"0x10", L"1 2"})
        EXPECT_EQ(TextToTwips(text, L"."), std::nullopt) << text;
    EXPECT_EQ(TextToTwips(std::wstring(65536, L'9'), L"."), std::nullopt);
}

TEST(RememberedText, PositionsAreWrittenAsPlainDecimals) {
    EXPECT_EQ(TwipsToText(0), L"0");
    EXPECT_EQ(TwipsToText(-4500), L"-4500");
    EXPECT_EQ(TwipsToText(123456), L"123456");
    EXPECT_EQ(TextToTwips(TwipsToText(-4500), L","), -4500);
}

TEST(CommandLine, ArgumentTextIsEverythingAfterTheProgramsName) {
    EXPECT_EQ(ArgumentText(L"\"C:\\Program Files\\Shortex.exe\" \"C:\\My Folder\""), L"\"C:\\My Folder\"");
    EXPECT_EQ(ArgumentText(L"Shortex.exe   C:\\a b"), L"C:\\a b");
    EXPECT_EQ(ArgumentText(L"Shortex.exe"), L"");
    EXPECT_EQ(ArgumentText(L"\"Shortex.exe\""), L"");
    EXPECT_EQ(ArgumentText(L"\"unclosed quote"), L"");
    EXPECT_EQ(ArgumentText(L""), L"");
    EXPECT_EQ(ArgumentText(L"x.exe\tC:\\"), L"C:\\");
}

// Two displays side by side, the second to the left of the primary one.
DisplayGeometry TwoDisplays() {
    DisplayGeometry displays;
    displays.outerWidth = 5805;
    displays.outerHeight = 2400;
    displays.titleBarHeight = 450;
    displays.screenWidth = 28800;
    displays.screenHeight = 16200;
    displays.workAreas = {{0, 0, 28800, 15600}, {-28800, 0, 28800, 15600}};
    return displays;
}

TEST(WindowPlacement, CentredOnThePrimaryDisplay) {
    EXPECT_EQ(CentredPosition(TwoDisplays()), (PointTwips{11497, 6900}));
}

TEST(WindowPlacement, RememberedPlacesOnAnyAttachedDisplayAreKept) {
    const auto displays = TwoDisplays();
    EXPECT_EQ(ChoosePosition(1500, 3000, displays), (PointTwips{3000, 1500}));
    EXPECT_EQ(ChoosePosition(1500, -20000, displays), (PointTwips{-20000, 1500}));  // left of the primary
    EXPECT_EQ(ChoosePosition(-100, 3000, displays), (PointTwips{3000, -100}));        // title bar still there
}

TEST(WindowPlacement, PlacesWhereNobodyCouldSeeTheTitleBarAreCentred) {
    const auto displays = TwoDisplays();
    const PointTwips centre = CentredPosition(displays);
    EXPECT_EQ(ChoosePosition(1500, 40000, displays), centre);   // a display no longer attached
    EXPECT_EQ(ChoosePosition(20000, 3000, displays), centre);   // below every display
    EXPECT_EQ(ChoosePosition(-300, 3000, displays), centre);    // the title bar above the top
    EXPECT_EQ(ChoosePosition(1500, 28000, displays), centre);   // only a sliver on screen
    EXPECT_EQ(ChoosePosition(std::nullopt, std::nullopt, displays), (PointTwips{0, 0}));
}

}  // namespace
}  // namespace shortex::main_window

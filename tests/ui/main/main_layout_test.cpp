// The main window's pure decisions: layout, placing, remembered values, the start-up path.
#include "ui/main/main_layout.h"

#include <gtest/gtest.h>

#include <array>

namespace shortex::main_window {
namespace {

// Left, top, width, height in twips with a short name offered, in a client area 6685 twips wide (the design's + 1000).
std::array<int, 4> PlaceWhileOffering(int id) {
    for (const ControlDesign& control : MainLayout(6685, true))
        if (control.id == id) return {control.rect.left, control.rect.top, control.rect.width, control.rect.height};
    return {};
}

TEST(MainLayout, WhileAShortNameIsOfferedTheResultBoxEndsBeforeTheButtonThatGivesIt) {
    EXPECT_EQ(PlaceWhileOffering(txtShortex), (std::array{225, 870, 4615, 285}));  // to 4840, 60 twips short of it
    EXPECT_EQ(PlaceWhileOffering(cmdMakeShort), (std::array{4900, 840, 1500, 345}));
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

TEST(MainLayout, RememberedTruthsReadAsTheSystemWroteThem) {
    const std::pair<const wchar_t*, std::optional<bool>> truths[] = {
        {L"True", true},           // a word
        {L"fALSE", false},         // in any letter case
        {L"-1", true},             // a number: not zero
        {L"0", false},             // zero
        {L"Error", std::nullopt},  // neither
    };
    for (const auto& [text, truth] : truths) EXPECT_EQ(TextToTruth(text), truth) << text;
}

TEST(MainLayout, RememberedPositionsReadWithTheUsersDecimalSeparatorAsWholeTwips) {
    const struct {
        const wchar_t* text;
        const wchar_t* separator;
        std::optional<int> twips;
    } cases[] = {
        {.text = L"1500", .separator = L".", .twips = 1500},
        {.text = L"-300", .separator = L".", .twips = -300},
        {.text = L" 12,5 ", .separator = L",", .twips = 13},  // blanks around, the user's separator, half a twip up
        {.text = L"1.5e3", .separator = L".", .twips = 1500},
        {.text = L"12.5", .separator = L",", .twips = std::nullopt},  // another separator
        {.text = L"Error", .separator = L".", .twips = std::nullopt},
        {.text = L"1e999", .separator = L".", .twips = std::nullopt},
        {.text = L"NaN", .separator = L".", .twips = std::nullopt},
        {.text = L"-2147483649", .separator = L".", .twips = std::nullopt},  // beyond an int
        {.text = L"", .separator = L".", .twips = std::nullopt},
    };
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

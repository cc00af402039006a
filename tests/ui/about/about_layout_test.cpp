#include "ui/about/about_layout.h"
#include "ui/about/about_text.h"

#include <gtest/gtest.h>

#include <vector>

namespace shortex::about {
namespace {

bool Overlap(const RectTwips& a, const RectTwips& b) {
    return a.left < b.left + b.width && b.left < a.left + a.width && a.top < b.top + b.height &&
           b.top < a.top + a.height;
}

TEST(AboutLayout, EachSeparatorIsADarkLineWithATwoPixelLightLineRightUnderIt) {
    const auto& lines = AboutLines();
    for (std::size_t i = 0; i < lines.size(); i += 2) {
        const LineDesign& dark = lines[i];
        const LineDesign& light = lines[i + 1];
        SCOPED_TRACE(std::wstring(dark.name) + L" over " + std::wstring(light.name));
        EXPECT_EQ(dark.ink, LineInk::Dark);
        EXPECT_EQ(light.ink, LineInk::Highlight);
        EXPECT_EQ(dark.widthPixels, 1);
        EXPECT_EQ(light.widthPixels, 2);
        const RectTwips darkBand = LineBand(dark), lightBand = LineBand(light);
        EXPECT_EQ(darkBand.top + darkBand.height, lightBand.top);
        EXPECT_EQ(darkBand.left, lightBand.left);
        EXPECT_EQ(darkBand.width, lightBand.width);
        EXPECT_LE(darkBand.left + darkBand.width, kClientWidth);
    }
}

TEST(AboutLayout, ControlsAndLinesDoNotOverlapAndStartInsideTheClientArea) {
    std::vector<std::pair<std::wstring, RectTwips>> items;
    for (const auto& control : AboutControls()) items.emplace_back(control.name, control.rect);
    for (const auto& line : AboutLines()) items.emplace_back(line.name, LineBand(line));
    for (std::size_t i = 0; i < items.size(); ++i) {
        EXPECT_GE(items[i].second.left, 0) << items[i].first;
        EXPECT_LT(items[i].second.left, kClientWidth) << items[i].first;
        EXPECT_LT(items[i].second.top + items[i].second.height, kClientHeight) << items[i].first;
        for (std::size_t j = i + 1; j < items.size(); ++j) {
            // The two lines of a separator touch, which is not an overlap.
            EXPECT_FALSE(Overlap(items[i].second, items[j].second)) << items[i].first << L" and " << items[j].first;
        }
    }
}

TEST(AboutLayout, OkButtonComesFirstInTabOrderAndTheLinkIsTheOtherStop) {
    const auto& controls = AboutControls();
    EXPECT_EQ(controls.front().control, AboutControl::cmdok);
    EXPECT_EQ(controls.front().kind, AboutControlKind::Button);
    EXPECT_EQ(controls.front().text, L"&Ok");
    for (std::size_t i = 0; i < controls.size(); ++i) {
        EXPECT_EQ(static_cast<std::size_t>(controls[i].control), i) << std::wstring(controls[i].name);
        if (i > 0) {
            EXPECT_NE(controls[i].kind, AboutControlKind::Button) << std::wstring(controls[i].name);
        }
    }
    EXPECT_EQ(Design(AboutControl::lblurl).kind, AboutControlKind::Link);
    EXPECT_EQ(Design(AboutControl::lblurl).text, HomePageAddress());
}

}  // namespace
}  // namespace shortex::about

#include "ui/main/main_layout.h"

#include <gtest/gtest.h>

namespace shortex::main_window {
namespace {

RectTwips At(const std::array<RectTwips, kControlCount>& rects, Control control) {
    return rects[static_cast<std::size_t>(control)];
}

TEST(MainLayout, AtTheMinimumWidthTheButtonsStandWhereTheResizeStepPutsThem) {
    const auto rects = LayoutForClientWidth(kMinClientWidth);
    EXPECT_EQ(At(rects, Control::txtPath), (RectTwips{225, 510, 5185, 285}));
    EXPECT_EQ(At(rects, Control::txtShortex), (RectTwips{225, 870, 5185, 285}));
    EXPECT_EQ(At(rects, Control::cmdOpenFolder), (RectTwips{2905, 105, 1215, 345}));
    EXPECT_EQ(At(rects, Control::cmdOpenFile), (RectTwips{4185, 105, 1215, 345}));
    EXPECT_EQ(At(rects, Control::cmdCopy), (RectTwips{2905, 1320, 870, 345}));
    EXPECT_EQ(At(rects, Control::cmdGetShortex), (RectTwips{3835, 1320, 1575, 345}));
}

TEST(MainLayout, WideningBy1000StretchesTheBoxesAndMovesTheRightHandButtons) {
    const auto narrow = LayoutForClientWidth(kMinClientWidth);
    const auto wide = LayoutForClientWidth(kMinClientWidth + 1000);
    for (Control stretched : {Control::txtPath, Control::txtShortex}) {
        EXPECT_EQ(At(wide, stretched).width, At(narrow, stretched).width + 1000);
        EXPECT_EQ(At(wide, stretched).left, 225);
    }
    for (Control moved : {Control::cmdOpenFolder, Control::cmdOpenFile, Control::cmdCopy, Control::cmdGetShortex}) {
        EXPECT_EQ(At(wide, moved).left, At(narrow, moved).left + 1000);
        EXPECT_EQ(At(wide, moved).width, At(narrow, moved).width);
    }
    for (Control anchored : {Control::lblEnter, Control::cmdExit, Control::cmdAbout, Control::cmdGetLongFileName})
        EXPECT_EQ(At(wide, anchored), At(narrow, anchored));
}

TEST(MainLayout, RightHandEdgesKeepTheirGaps) {
    for (int width : {kMinClientWidth, 7000, 12345}) {
        const auto rects = LayoutForClientWidth(width);
        const auto folder = At(rects, Control::cmdOpenFolder), file = At(rects, Control::cmdOpenFile);
        const auto copy = At(rects, Control::cmdCopy), get = At(rects, Control::cmdGetShortex);
        EXPECT_EQ(file.left - (folder.left + folder.width), 65);
        EXPECT_EQ(file.left + file.width, width - 285);
        EXPECT_EQ(get.left - (copy.left + copy.width), 60);
        EXPECT_EQ(get.left + get.width, width - 275);
        EXPECT_EQ(At(rects, Control::txtPath).left + At(rects, Control::txtPath).width, width - 275);
    }
}

TEST(MainLayout, NoTopEdgeEverMoves) {
    const auto rects = LayoutForClientWidth(20000);
    for (const auto& design : MainControls()) EXPECT_EQ(At(rects, design.control).top, design.design.top);
}

TEST(MainLayout, VisibleControlsFitTheDesignHeightAndTheHiddenOneLiesBelowIt) {
    for (const auto& design : MainControls()) {
        if (design.visible)
            EXPECT_LE(design.design.top + design.design.height, kDesignClientHeight) << std::string(design.name.begin(), design.name.end());
        else
            EXPECT_GE(design.design.top, kDesignClientHeight);
    }
}

TEST(Twips, PixelsAtCommonDpis) {
    EXPECT_EQ(TwipsToPixels(5685, 96), 379);
    EXPECT_EQ(TwipsToPixels(1905, 96), 127);
    EXPECT_EQ(TwipsToPixels(1905, 144), 191);  // 190.5 rounds away from zero
    EXPECT_EQ(TwipsToPixels(-300, 96), -20);
    EXPECT_EQ(PixelsToTwips(379, 96), 5685);
    EXPECT_EQ(PixelsToTwips(100, 144), 1000);
    EXPECT_EQ(PixelsToTwips(-20, 96), -300);
}

}  // namespace
}  // namespace shortex::main_window

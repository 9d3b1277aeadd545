// Proportional layout: controls follow the container's width and height ratios, fonts the
// tighter of the two; rounding keeps neighbours touching, nothing collapses, and what a screen
// does to a control between resizes is kept.

#include "shell/core/proportional_layout.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

using namespace coinwell::shell;

TEST(ProportionalLayout, ControlsFollowTheWidthAndHeightRatiosAndFontsTheSmallerOne) {
    ProportionalLayout layout({640, 480});
    const auto box = layout.add({10, 20, 100, 24}, 9.0);
    const auto pixelFont = layout.add({300, 400, 40, 40}, 12.0);

    layout.resize({1280, 960});
    EXPECT_EQ(layout.rect(box), (LayoutRect{20, 40, 200, 48}));
    EXPECT_DOUBLE_EQ(layout.fontSize(box), 18.0);

    // Wider only: the height and the font keep their design values.
    layout.resize({960, 480});
    EXPECT_EQ(layout.rect(box), (LayoutRect{15, 20, 150, 24}));
    EXPECT_EQ(layout.rect(pixelFont), (LayoutRect{450, 400, 60, 40}));
    EXPECT_DOUBLE_EQ(layout.fontSize(box), 9.0);

    // Lower only: the font shrinks with the height, so a text still fits its shorter box.
    layout.resize({640, 240});
    EXPECT_EQ(layout.rect(box), (LayoutRect{10, 10, 100, 12}));
    EXPECT_DOUBLE_EQ(layout.fontSize(pixelFont), 6.0);

    // Back at the design size everything is exactly as designed.
    layout.resize({640, 480});
    EXPECT_EQ(layout.rect(box), (LayoutRect{10, 20, 100, 24}));
    EXPECT_DOUBLE_EQ(layout.fontSize(box), 9.0);
}

TEST(ProportionalLayout, NeighboursStillTouchAndARowStillSpansItsSpaceAtAnySize) {
    // Seven keys side by side filling 7 * 37 pixels from x = 5; two rows one above the other.
    ProportionalLayout layout({269, 100});
    std::vector<std::size_t> keys;
    for (int i = 0; i < 7; ++i) {
        keys.push_back(layout.add({5 + i * 37, 10, 37, 30}));
        keys.push_back(layout.add({5 + i * 37, 40, 37, 30}));
    }
    for (int width = 50; width <= 1200; width += 7) {
        for (int height : {13, 61, 100, 147, 333}) {
            layout.resize({width, height});
            const double sx = width / 269.0;
            for (int i = 0; i < 7; ++i) {
                const LayoutRect top = layout.rect(keys[2 * i]);
                const LayoutRect below = layout.rect(keys[2 * i + 1]);
                ASSERT_GE(top.width, 1);
                ASSERT_GE(top.height, 1);
                ASSERT_EQ(top.top + top.height, below.top) << width << "x" << height;
                if (i > 0) {
                    const LayoutRect left = layout.rect(keys[2 * (i - 1)]);
                    ASSERT_EQ(left.left + left.width, top.left) << width << "x" << height;
                }
            }
            const LayoutRect first = layout.rect(keys.front());
            const LayoutRect last = layout.rect(keys[12]);
            // The whole row spans its scaled space within half a pixel at each end.
            EXPECT_LE(std::abs(first.left - 5 * sx), 0.5);
            EXPECT_LE(std::abs(last.left + last.width - (5 + 7 * 37) * sx), 0.5);
        }
    }
}

TEST(ProportionalLayout, NothingCollapsesAndOddSizesGiveSoundRatios) {
    ProportionalLayout layout({600, 400});
    const auto label = layout.add({100, 100, 3, 2}, 8.0);
    const auto empty = layout.add({50, 50, 0, 0}, 0);
    const auto unset = layout.add({0, 0, 10, 10}, -1);

    // A tiny window: controls keep a pixel, fonts a point.
    layout.resize({10, 5});
    EXPECT_EQ(layout.rect(label).width, kMinimumControlExtent);
    EXPECT_EQ(layout.rect(label).height, kMinimumControlExtent);
    EXPECT_DOUBLE_EQ(layout.fontSize(label), kMinimumFontSize);
    // A control that was empty at design stays empty; a font size not given stays not given.
    EXPECT_EQ(layout.rect(empty).width, 0);
    EXPECT_EQ(layout.rect(empty).height, 0);
    EXPECT_DOUBLE_EQ(layout.fontSize(unset), -1.0);

    // A collapsed or negative container counts as one pixel: ratios stay positive and finite.
    for (LayoutSize size : {LayoutSize{0, 0}, LayoutSize{-50, 300}}) {
        layout.resize(size);
        EXPECT_GT(layout.scale().x, 0.0);
        EXPECT_TRUE(std::isfinite(layout.scale().x));
        EXPECT_GE(layout.rect(label).width, 1);
    }
    EXPECT_EQ(scaleRect({10, 10, 5, 5}, {1e-9, 1e-9}, 3), (LayoutRect{0, 0, 3, 3}));

    // A container without a design size cannot say what a ratio is: nothing moves.
    EXPECT_EQ(layoutScale({0, -4}, {800, 600}), (LayoutScale{1.0, 1.0}));
    EXPECT_EQ(layoutScale({400, 300}, {800, 150}), (LayoutScale{2.0, 0.5}));

    // Huge ratios saturate instead of overflowing.
    const LayoutRect huge = scaleRect({1e6, -1e6, 1e6, 1e6}, {1e6, 1e6});
    EXPECT_EQ(huge.left, std::numeric_limits<int>::max());
    EXPECT_EQ(huge.top, std::numeric_limits<int>::min());
    EXPECT_GE(huge.width, 1);
}

TEST(ProportionalLayout, DraggingThroughManySizesAndBackChangesNothing) {
    ProportionalLayout layout({640, 480});
    const auto grid = layout.add({211, 13, 500, 418}, 8.25);
    for (int step = 1; step <= 400; ++step) {
        layout.resize({640 + step, 480 + step / 2});
    }
    for (int step = 400; step >= -300; --step) {
        layout.resize({640 + step, 480 + step / 2});
    }
    layout.resize({640, 480});
    EXPECT_EQ(layout.rect(grid), (LayoutRect{211, 13, 500, 418}));
    EXPECT_DOUBLE_EQ(layout.fontSize(grid), 8.25);
}

TEST(ProportionalLayout, WhatTheScreenDoesToAControlIsKeptAndScaledFromThere) {
    ProportionalLayout layout({400, 300});
    const auto moved = layout.add({10, 10, 50, 20}, 10.0);
    const auto resized = layout.add({100, 32, 50, 20}, 10.0);
    layout.resize({800, 600});

    // Placed by the screen at twice the design size: it stays exactly there at that size...
    layout.placeAt(moved, {301, 7, 33, 17});
    EXPECT_EQ(layout.rect(moved), (LayoutRect{301, 7, 33, 17}));
    // ...and halves with the window.
    layout.resize({400, 300});
    // 150.5, 3.5, 16.5, 8.5: the edges 150.5 | 167 and 3.5 | 12 are rounded.
    EXPECT_EQ(layout.rect(moved), (LayoutRect{151, 4, 16, 8}));

    // Only its size given (its place unchanged): the left edge stays where it was.
    layout.resize({600, 450});
    const LayoutRect before = layout.rect(resized);
    layout.sizeOnly(resized, 90, 31);
    EXPECT_EQ(layout.rect(resized), (LayoutRect{before.left, before.top, 90, 31}));
    layout.placeOnly(resized, 3, 4);
    EXPECT_EQ(layout.rect(resized), (LayoutRect{3, 4, 90, 31}));

    // A new font at 1.5 times the design: kept now, back to two thirds at the design size.
    layout.setFontSize(resized, 12.0);
    EXPECT_DOUBLE_EQ(layout.fontSize(resized), 12.0);
    layout.resize({400, 300});
    EXPECT_DOUBLE_EQ(layout.fontSize(resized), 8.0);
    EXPECT_EQ(layout.rect(resized), (LayoutRect{2, 3, 60, 20}));  // 2, 2.67, 60, 20.67

    // A control that appears while the window is large is taken as laid out for that size.
    layout.resize({1200, 600});
    const auto late = layout.addCurrent({300, 60, 90, 30}, 15.0);
    EXPECT_EQ(layout.rect(late), (LayoutRect{300, 60, 90, 30}));
    EXPECT_DOUBLE_EQ(layout.fontSize(late), 15.0);
    layout.resize({400, 300});
    EXPECT_EQ(layout.rect(late), (LayoutRect{100, 30, 30, 15}));
    EXPECT_DOUBLE_EQ(layout.fontSize(late), 7.5);
}

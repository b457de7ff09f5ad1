// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quarv Games

// The stored main-window placement and keeping windows on the desktop.
#include <gtest/gtest.h>

#include <array>
#include <limits>

#include "placement.h"

using tangram::ClampToDesktop;
using tangram::DesktopBox;
using tangram::FormatPlacement;
using tangram::MendPosition;
using tangram::ParsePlacement;
using tangram::ScreenPoint;
using tangram::ScreenRect;
using tangram::ShowCommand;
using tangram::ShrinkToDesktop;
using tangram::WindowPlacement;

TEST(Placement, RoundTripsEveryShowState) {
    for (ShowCommand show : {ShowCommand::Normal, ShowCommand::Minimised, ShowCommand::Maximised}) {
        const WindowPlacement placement{0, show, {120, 80, 780, 600}};
        const auto back = ParsePlacement(FormatPlacement(placement));
        ASSERT_TRUE(back.has_value());
        EXPECT_EQ(*back, placement);
    }
    EXPECT_EQ(FormatPlacement({0, ShowCommand::Normal, {120, 80, 780, 600}}),
              "200,0,1,120,80,780,600");
    EXPECT_EQ(FormatPlacement({0, ShowCommand::Maximised, {-1700, -20, -100, 1000}}),
              "200,0,3,-1700,-20,-100,1000");
}

TEST(Placement, IgnoresEveryOtherForm) {
    for (const char* text : {
             "",
             "200,0,1,10,10,20",           // six parts
             "200,0,1,10,10,20,20,5",      // eight parts
             "201,0,1,10,10,20,20",        // another marker
             "200,0,1,10,10,20,x",         // not a number
             "200,0,1,10, 10,20,20",       // a blank
             "200,0,1,10,10,20,20,",       // a trailing comma
             "200,,1,10,10,20,20",         // an empty part
             "200,0,1,+10,10,20,20",       // a plus sign
             "200,0,4,10,10,20,20",        // an unknown show state
             "200,0,1,10,10,10,20",        // no width
             "200,0,1,10,30,20,20",        // negative height
             "200,0,1,0,0,2147483647,20",  // a window too wide to be real
             "200,0,1,1,1,99999999999,2",  // beyond 32 bits
             "1,2,3",
         }) {
        EXPECT_FALSE(ParsePlacement(text).has_value()) << text;
    }
}

TEST(Placement, ClampMovesOntoTheDesktopKeepingTheSize) {
    const ScreenRect desktop{0, 0, 1024, 768};
    // Partly beyond the right edge: shifted left to end at it.
    EXPECT_EQ(ClampToDesktop({900, 100, 1300, 400}, desktop), (ScreenRect{624, 100, 1024, 400}));
    // Beyond the bottom and the left.
    EXPECT_EQ(ClampToDesktop({-50, 700, 250, 900}, desktop), (ScreenRect{0, 568, 300, 768}));
    // Inside: unchanged.
    EXPECT_EQ(ClampToDesktop({10, 10, 20, 20}, desktop), (ScreenRect{10, 10, 20, 20}));
    // Larger than the desktop: the top-left corner wins, the size stays.
    EXPECT_EQ(ClampToDesktop({500, 500, 2500, 1500}, desktop), (ScreenRect{0, 0, 2000, 1000}));
    // A desktop that does not start at 0 (a screen left of the primary one).
    EXPECT_EQ(ClampToDesktop({-3000, 0, -2000, 500}, {-1920, 0, 1024, 1080}),
              (ScreenRect{-1920, 0, -920, 500}));
    // Bounds near the ends of int do not overflow.
    const int big = std::numeric_limits<int>::max();
    EXPECT_EQ(ClampToDesktop({big - 100, big - 100, big, big}, desktop),
              (ScreenRect{924, 668, 1024, 768}));
}

TEST(Placement, BoundsLargerThanTheDesktopShrinkToItThenKeepTheShiftRules) {
    const auto keep = [](ScreenRect bounds, ScreenRect desktop) {
        return ClampToDesktop(ShrinkToDesktop(bounds, desktop), desktop);
    };
    const ScreenRect desktop{0, 0, 1024, 768};
    EXPECT_EQ(keep({200, 0, 30000, 30000}, desktop), desktop);
    // Only the extent that is too large shrinks, from the top-left corner; the
    // shifts then bring the window onto the desktop.
    EXPECT_EQ(keep({900, 100, 3000, 400}, desktop), (ScreenRect{0, 100, 1024, 400}));
    EXPECT_EQ(keep({-50, -20000, 250, 90000}, desktop), (ScreenRect{0, 0, 300, 768}));
    EXPECT_EQ(ShrinkToDesktop({10, 10, 1034, 778}, desktop), (ScreenRect{10, 10, 1034, 778}));
    // A desktop of two screens, the second left of the first.
    EXPECT_EQ(keep({-5000, 0, 5000, 500}, {-1920, 0, 1024, 1080}),
              (ScreenRect{-1920, 0, 1024, 500}));
    // The widest bounds that parse, and bounds near the ends of int.
    const int big = std::numeric_limits<int>::max();
    EXPECT_EQ(keep({-big, -big, big, big}, desktop), desktop);
}

TEST(Placement, DesktopEnclosesAllScreens) {
    const std::array<ScreenRect, 2> screens{{{0, 0, 1920, 1080}, {1920, -200, 3200, 824}}};
    EXPECT_EQ(DesktopBox(screens), (ScreenRect{0, -200, 3200, 1080}));
    EXPECT_EQ(DesktopBox({}), ScreenRect{});
}

TEST(Placement, MendBringsAWindowOffEveryScreenBack) {
    const std::array<ScreenRect, 2> screens{{{0, 0, 1920, 1080}, {1920, 0, 3200, 1024}}};
    // On a screen, or partly beyond its edge with a grip left: untouched.
    EXPECT_EQ(MendPosition({500, 50}, 241, 160, screens), (ScreenPoint{500, 50}));
    EXPECT_EQ(MendPosition({3100, 900}, 241, 160, screens), (ScreenPoint{3100, 900}));
    EXPECT_EQ(MendPosition({-200, 10}, 241, 160, screens), (ScreenPoint{-200, 10}));
    // Far right of everything: back onto the right screen, fully inside.
    EXPECT_EQ(MendPosition({9000, 500}, 241, 160, screens), (ScreenPoint{2959, 500}));
    // Above and left of everything: into the primary screen's corner.
    EXPECT_EQ(MendPosition({-5000, -5000}, 241, 160, screens), (ScreenPoint{0, 0}));
    // Below the shorter right screen, where the left one still reaches.
    EXPECT_EQ(MendPosition({2000, 1050}, 241, 160, screens), (ScreenPoint{2000, 864}));
    // Only a sliver left on the screen: moved fully onto it.
    EXPECT_EQ(MendPosition({-235, 100}, 241, 160, screens), (ScreenPoint{0, 100}));
    // Extreme stored values.
    const int big = std::numeric_limits<int>::max();
    EXPECT_EQ(MendPosition({big, -big}, 241, 160, screens), (ScreenPoint{2959, 0}));
    // No screens known: nothing to mend against.
    EXPECT_EQ(MendPosition({-99999, 7}, 241, 160, {}), (ScreenPoint{-99999, 7}));
}

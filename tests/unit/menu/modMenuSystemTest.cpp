#include "menu/modMenuSystem.h"

#include <gtest/gtest.h>

#include "unit/menu/ResidentFixture.h"

namespace krv {
namespace {

clsMenuItem MakeItem(std::string_view caption, const char* type = MIT_PATH) {
    clsMenuItem item;
    item.SetCaption2(caption);
    item.SetItemType(type);
    return item;
}

clsMenuItem MakeSeparator(std::string_view caption = "") {
    clsMenuItem item = MakeItem(caption);
    item.SetSeparator(true);
    return item;
}

TEST(MeasureMenuItem, CaptionLengthAverageWidthAndTheFixedMargins) {
    // A ten-character caption that begins with "&" counts 10; nine characters without it count 9 + 3.
    EXPECT_EQ(MeasureMenuItem(MakeItem("&Abcdefghi"), 7, 96), (MenuItemSize{10 * 7 + 30, 19}));
    EXPECT_EQ(MeasureMenuItem(MakeItem("Abcdefghi"), 7, 96), (MenuItemSize{12 * 7 + 30, 19}));
    EXPECT_EQ(MeasureMenuItem(MakeItem(""), 7, 96), (MenuItemSize{3 * 7 + 30, 19}));
    // Characters, not bytes.
    EXPECT_EQ(MeasureMenuItem(MakeItem("Ünïcödé"), 6, 96), (MenuItemSize{10 * 6 + 30, 19}));

    clsMenuItem group = MakeItem("Projects");
    group.SetSubMenu(true);
    EXPECT_EQ(MeasureMenuItem(group, 7, 96), (MenuItemSize{11 * 7 + 30 + 25, 19}));
    EXPECT_EQ(MeasureMenuItem(MakeSeparator("ignored caption"), 7, 96), (MenuItemSize{30, 10}));
}

TEST(MeasureMenuItem, DrivesUseTheWidthTimesOnePointOneRoundedHalfToEven) {
    // 5.5 and 16.5 round to the even 6 and 16; 7.7 to 8.
    EXPECT_EQ(MeasureMenuItem(MakeItem("C:", MIT_DRIVE), 5, 96).width, 5 * 6 + 30);
    EXPECT_EQ(MeasureMenuItem(MakeItem("C:", MIT_DRIVE), 7, 96).width, 5 * 8 + 30);
    EXPECT_EQ(MeasureMenuItem(MakeItem("C:", MIT_DRIVE), 15, 96).width, 5 * 16 + 30);
}

TEST(MeasureMenuItem, FixedPixelsScaleWithTheDpi) {
    EXPECT_EQ(MeasureMenuItem(MakeItem("Abc"), 10, 144), (MenuItemSize{6 * 10 + 45, 29}));
    EXPECT_EQ(MeasureMenuItem(MakeItem("Abc"), 14, 192), (MenuItemSize{6 * 14 + 60, 38}));
    EXPECT_EQ(MeasureMenuItem(MakeSeparator(), 10, 144), (MenuItemSize{45, 15}));
    EXPECT_EQ(ScaleForDpi(19, 120), 24); // 23.75
    EXPECT_EQ(ScaleForDpi(1, 144), 2);   // 1.5 rounds away from zero
}

class DrawPlanTest : public ::testing::Test {
protected:
    static constexpr PlanRect kRect{10, 100, 210, 119};
    MenuDrawRequest Request(uint32_t state) const { return {.controlType = 1, .itemState = state, .rect = kRect}; }
    MenuDrawSettings settings{.showIcons = true, .alternateColor = true, .highlightDiffersFromMenu = true};
};

TEST_F(DrawPlanTest, NormalEntryFillsWithTheMenuColourAndDrawsTextAndIcon) {
    clsMenuItem item = MakeItem("&Data");
    item.SetIconID(4);
    const auto plan = PlanMenuItemDrawing(item, Request(0), settings);
    ASSERT_TRUE(plan);
    EXPECT_EQ(plan->textColor, PlanColor::MenuText);
    EXPECT_EQ(plan->fills, (std::vector<PlanFill>{{kRect, PlanColor::Menu}}));
    EXPECT_EQ(plan->texts, (std::vector<PlanText>{{"&Data", {36, 102, 210, 119}, false}}));
    EXPECT_EQ(plan->icon, (PlanIcon{4, 14, 102, 16}));
}

TEST_F(DrawPlanTest, HighlightedFolderEntryIsFramedAndRedWithTheAlternateColour) {
    clsMenuItem item = MakeItem("Data");
    const auto plan = PlanMenuItemDrawing(item, Request(257), settings);
    ASSERT_TRUE(plan);
    EXPECT_EQ(plan->textColor, PlanColor::White);
    EXPECT_EQ(plan->fills, (std::vector<PlanFill>{
                               {{10, 100, 32, 101}, PlanColor::ButtonHighlight},
                               {{10, 100, 11, 118}, PlanColor::ButtonHighlight},
                               {{32, 100, 33, 119}, PlanColor::ButtonShadow},
                               {{10, 118, 33, 119}, PlanColor::ButtonShadow},
                               {{34, 100, 210, 119}, PlanColor::PureRed},
                           }));
    EXPECT_EQ(plan->texts[0].rect, (PlanRect{36, 102, 210, 119}));
}

TEST_F(DrawPlanTest, HighlightColourDependsOnTypeOptionsAndTheSystemColours) {
    const auto barOf = [&](const clsMenuItem& item, const MenuDrawSettings& s) {
        return PlanMenuItemDrawing(item, Request(1), s)->fills.back();
    };
    // Only entries that open folders turn red; the fixed entries use the selection colour.
    EXPECT_EQ(barOf(MakeItem("Options", MIT_HF_SETTINGS), settings).color, PlanColor::Highlight);
    EXPECT_EQ(barOf(MakeItem("C:", MIT_DRIVE), settings).color, PlanColor::PureRed);
    EXPECT_EQ(barOf(MakeItem("Open-All", MIT_OPENALL), settings).color, PlanColor::PureRed);
    MenuDrawSettings plain = settings;
    plain.alternateColor = false;
    EXPECT_EQ(barOf(MakeItem("Data"), plain).color, PlanColor::Highlight);
    // Without icons, or where the frame would not show, the bar is the whole entry and there is no frame.
    plain.showIcons = false;
    EXPECT_EQ(PlanMenuItemDrawing(MakeItem("Data"), Request(1), plain)->fills,
              (std::vector<PlanFill>{{kRect, PlanColor::Highlight}}));
    plain.showIcons = true;
    plain.highlightDiffersFromMenu = false;
    EXPECT_EQ(PlanMenuItemDrawing(MakeItem("Data"), Request(1), plain)->fills.size(), 1u);
}

TEST_F(DrawPlanTest, AnyStateWithTheSelectedBitIsHighlighted) {
    // Windows 2000 and later add the no-accelerator bit (256) except while the user works by keyboard.
    for (uint32_t state : {1u, 257u, 0x1001u})
        EXPECT_EQ(PlanMenuItemDrawing(MakeItem("Data"), Request(state), settings)->textColor, PlanColor::White);
    for (uint32_t state : {0u, 256u, 2u})
        EXPECT_EQ(PlanMenuItemDrawing(MakeItem("Data"), Request(state), settings)->textColor, PlanColor::MenuText);
}

TEST_F(DrawPlanTest, WithoutIconsTheTextStillStartsAtTwentySixPixels) {
    clsMenuItem item = MakeItem("Data");
    settings.showIcons = false;
    const auto plan = PlanMenuItemDrawing(item, Request(0), settings);
    EXPECT_FALSE(plan->icon);
    EXPECT_EQ(plan->texts[0].rect.left, 36);
}

TEST_F(DrawPlanTest, IconNumbersOutsideTheTableAreNotDrawn) {
    clsMenuItem item = MakeItem("Data");
    for (int icon : {0, 13, 99, -4}) {
        item.SetIconID(icon);
        EXPECT_FALSE(PlanMenuItemDrawing(item, Request(0), settings)->icon) << icon;
    }
    item.SetIconID(12);
    EXPECT_TRUE(PlanMenuItemDrawing(item, Request(0), settings)->icon);
}

TEST_F(DrawPlanTest, SeparatorsAreEtchedLinesWithTheirCaptionBetweenTwoPieces) {
    const auto plain = PlanMenuItemDrawing(MakeSeparator(), Request(0), settings);
    EXPECT_EQ(plain->fills, (std::vector<PlanFill>{{{12, 104, 208, 105}, PlanColor::ButtonShadow},
                                                   {{12, 105, 208, 106}, PlanColor::ButtonHighlight}}));
    EXPECT_TRUE(plain->texts.empty());
    EXPECT_FALSE(plain->icon);

    const auto captioned = PlanMenuItemDrawing(MakeSeparator("Tools"), Request(0), settings);
    EXPECT_EQ(captioned->fills, (std::vector<PlanFill>{{{12, 104, 47, 105}, PlanColor::ButtonShadow},
                                                       {{173, 104, 208, 105}, PlanColor::ButtonShadow},
                                                       {{12, 105, 47, 106}, PlanColor::ButtonHighlight},
                                                       {{173, 105, 208, 106}, PlanColor::ButtonHighlight}}));
    EXPECT_EQ(captioned->texts, (std::vector<PlanText>{{"Tools", {10, 97, 210, 122}, true}}));
}

TEST_F(DrawPlanTest, RectanglesScaleWithTheDpi) {
    settings.dpi = 192;
    clsMenuItem item = MakeItem("Data");
    item.SetIconID(3);
    const auto plan = PlanMenuItemDrawing(item, Request(1), settings);
    EXPECT_EQ(plan->fills.front(), (PlanFill{{10, 100, 54, 102}, PlanColor::ButtonHighlight}));
    EXPECT_EQ(plan->fills.back().rect.left, 58);
    EXPECT_EQ(plan->texts[0].rect, (PlanRect{62, 104, 210, 119}));
    EXPECT_EQ(plan->icon, (PlanIcon{3, 18, 104, 32}));
}

TEST_F(DrawPlanTest, OnlyMenuEntriesArePainted) {
    MenuDrawRequest request = Request(0);
    request.controlType = 4; // a list box
    EXPECT_FALSE(PlanMenuItemDrawing(MakeItem("Data"), request, settings));
}

TEST(ChooseMenuCharEntry, MnemonicsFirstThenInitialLetters) {
    const std::vector<MenuCharEntry> entries{
        {"&Help", false}, {"", true}, {"Personal", false}, {"&Options", false}, {"Organize Folders", false},
        {"Pictures", false}, {"Tom && &Jerry", false}, {"Élan", false}};
    using Action = MenuCharChoice::Action;
    EXPECT_EQ(ChooseMenuCharEntry(entries, "h", -1), (MenuCharChoice{Action::Execute, 0}));
    EXPECT_EQ(ChooseMenuCharEntry(entries, "O", -1), (MenuCharChoice{Action::Execute, 3}));
    EXPECT_EQ(ChooseMenuCharEntry(entries, "j", -1), (MenuCharChoice{Action::Execute, 6}));
    EXPECT_EQ(ChooseMenuCharEntry(entries, "é", -1), (MenuCharChoice{Action::Execute, 7}));
    // Two entries start with P: step through them from the highlighted one, wrapping round.
    EXPECT_EQ(ChooseMenuCharEntry(entries, "p", -1), (MenuCharChoice{Action::Select, 2}));
    EXPECT_EQ(ChooseMenuCharEntry(entries, "p", 2), (MenuCharChoice{Action::Select, 5}));
    EXPECT_EQ(ChooseMenuCharEntry(entries, "p", 5), (MenuCharChoice{Action::Select, 2}));
    EXPECT_EQ(ChooseMenuCharEntry(entries, "z", -1), (MenuCharChoice{}));
    EXPECT_EQ(ChooseMenuCharEntry(entries, "&", -1), (MenuCharChoice{}));
}

class MenuCommandTest : public ResidentTest {};

TEST_F(MenuCommandTest, ACommandRunsTheItemWithThatIdentifierAndOnlyThat) {
    clsMenuItem& group = AddGroup("M1", "Projects", MIT_GROUP_USER);
    clsMenuItem& data = AddShortcut("Data", "C:\\Data", "M1");
    group.SetID(77);
    data.SetID(77); // a submenu handle that equals a command identifier
    EXPECT_TRUE(ExecuteMenuCommand(context, 77));
    EXPECT_FALSE(ExecuteMenuCommand(context, 78));
    ASSERT_EQ(shell.Executed().size(), 1u);
    EXPECT_EQ(shell.Executed()[0].parameters, ",C:\\Data");
}

} // namespace
} // namespace krv

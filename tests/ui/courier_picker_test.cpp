// The courier picker on the real window: letter groups refill CourierBox, common-courier
// options put one courier into it.
#include <algorithm>

#include <wx/frame.h>
#include <wx/radiobut.h>

#include "tests/support/window_harness.h"
#include "toolkit/control_names.h"
#include "toolkit/control_ops.h"
#include "toolkit/control_registry.h"

namespace {

TextList CourierItems() {
    TextList items;
    for (int i = 0; i < ItemCount(kCourierBox); ++i) {
        items.push_back(ItemText(kCourierBox, i));
    }
    return items;
}

Text SelectedCourier() {
    return ItemText(kCourierBox, SelectedItem(kCourierBox));
}

// The option's circle as the screen shows it: the square at the left end of its box, as high
// as a 9-point character, before the caption begins.
wxImage OptionCircle(const wxImage& shot, const wxFrame& window, std::string_view option) {
    constexpr int kSide = 12;
    const wxRect box = Control<wxWindow>(option).GetScreenRect();
    const wxPoint at = box.GetPosition() - window.GetScreenPosition();
    return shot.GetSubImage(wxRect(at.x, at.y + (box.height - kSide) / 2, kSide, kSide));
}

// A screenshot with the pointer away from the options, which are drawn lighter under it.
wxImage ShotWithThePointerAway(wxFrame& window, std::string_view file_name) {
    MoveMouseTo(ScreenCentre(Control<wxWindow>(kBannerPicture)));
    return SettledScreenshot(window, file_name);
}

using CourierPicker = MainWindowTest;

TEST_F(CourierPicker, EachLetterGroupListsItsCouriersWithTheFirstSelected) {
    struct Group {
        int item;
        int count;
        Text first;
        Text last;  // not checked when empty
    };
    const Group groups[] = {{5, 44, "包裹/平邮/挂号信", ""},
                            {1, 24, "澳大利亚邮政", ""},
                            {2, 33, "Fedex-国际件-英文结果", ""},
                            {3, 18, "快捷速递", "新蛋奥硕物流"},  // the only letter N
                            {4, 29, "凡客如风达", ""},
                            {0, 148, "澳大利亚邮政", ""}};
    for (const Group& group : groups) {
        SCOPED_TRACE(ItemText(kLetterGroupBox, group.item));
        SetControlText(kCourierBox, "");
        ChooseInDropDown(kLetterGroupBox, group.item);
        EXPECT_EQ(ItemCount(kCourierBox), group.count);
        EXPECT_EQ(SelectedItem(kCourierBox), 0);
        EXPECT_EQ(SelectedCourier(), group.first);
        EXPECT_EQ(ControlText(kCourierBox), "-请选择-");
        if (!group.last.empty()) {
            EXPECT_EQ(ItemText(kCourierBox, ItemCount(kCourierBox) - 1), group.last);
        }
    }
}

TEST_F(CourierPicker, AllCouriersKeepRepeatedNames) {
    ChooseInDropDown(kLetterGroupBox, 2);
    ChooseInDropDown(kLetterGroupBox, 0);
    const TextList items = CourierItems();
    EXPECT_EQ(std::count(items.begin(), items.end(), "EMS"), 2);
    EXPECT_EQ(std::count(items.begin(), items.end(), "山东海红"), 3);
}

TEST_F(CourierPicker, EachOptionLeavesItsOneCourierAndShowsAllGroups) {
    const Text items[] = {"申通",
                          "圆通速递",
                          "中通速递",
                          "韵达快运",
                          "汇通快运",
                          "顺丰速递",
                          "EMS",
                          "天天快递",
                          "全峰快递",
                          "宅急送",
                          "DHL-国际件-英文结果",
                          "Fedex-国际件-中文结果",
                          "UPS",
                          "中铁快运"};
    for (std::size_t option = 0; option < kCommonCourierOptions.size(); ++option) {
        const std::string_view name = kCommonCourierOptions[option];
        SCOPED_TRACE(name);
        ChooseInDropDown(kLetterGroupBox, 4);
        ClickControl(name);
        ASSERT_TRUE(PumpUntil([] { return ItemCount(kCourierBox) == 1; }));
        EXPECT_EQ(CourierItems(), TextList{items[option]});
        EXPECT_EQ(SelectedItem(kCourierBox), 0);
        EXPECT_EQ(SelectedItem(kLetterGroupBox), 0);
    }
}

// The clicked option shows its mark and the others none; picking a letter group leaves the
// marks as they are, and a second click on the marked option still picks it.
TEST_F(CourierPicker, TheClickedOptionShowsItsMarkOnScreen) {
    const wxImage start = ShotWithThePointerAway(Window(), "options_at_start.png");
    ASSERT_TRUE(start.IsOk());
    EXPECT_TRUE(SamePixels(OptionCircle(start, Window(), kCommonCourierOption6),
                           OptionCircle(start, Window(), kCommonCourierOption13)));

    MouseClickAt(ScreenCentre(Control<wxWindow>(kCommonCourierOption6)));
    ASSERT_TRUE(PumpUntil([] { return CourierItems() == TextList{"顺丰速递"}; }));
    const wxImage marked = ShotWithThePointerAway(Window(), "option_shunfeng_marked.png");
    ASSERT_TRUE(marked.IsOk());
    const wxImage shunfeng = OptionCircle(marked, Window(), kCommonCourierOption6);
    EXPECT_FALSE(SamePixels(shunfeng, OptionCircle(start, Window(), kCommonCourierOption6)));
    EXPECT_TRUE(SamePixels(OptionCircle(marked, Window(), kCommonCourierOption13),
                           OptionCircle(start, Window(), kCommonCourierOption13)));

    ChooseInDropDown(kLetterGroupBox, 1);
    const wxImage after_group = ShotWithThePointerAway(Window(), "option_after_group.png");
    EXPECT_TRUE(SamePixels(OptionCircle(after_group, Window(), kCommonCourierOption6), shunfeng));
    MouseClickAt(ScreenCentre(Control<wxWindow>(kCommonCourierOption6)));
    EXPECT_TRUE(PumpUntil([] { return CourierItems() == TextList{"顺丰速递"}; }));

    MouseClickAt(ScreenCentre(Control<wxWindow>(kCommonCourierOption13)));
    ASSERT_TRUE(PumpUntil([] { return CourierItems() == TextList{"UPS"}; }));
    const wxImage moved = ShotWithThePointerAway(Window(), "option_ups_marked.png");
    EXPECT_TRUE(SamePixels(OptionCircle(moved, Window(), kCommonCourierOption13), shunfeng));
    EXPECT_TRUE(SamePixels(OptionCircle(moved, Window(), kCommonCourierOption6),
                           OptionCircle(start, Window(), kCommonCourierOption6)));
}

}  // namespace

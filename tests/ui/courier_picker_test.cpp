// The courier picker on the real window: letter groups refill CourierBox, common-courier
// options put one courier into it.
#include <algorithm>

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

TEST_F(CourierPicker, AllGroupsAfterAnOptionRestoresEveryCourier) {
    ClickControl(kCommonCourierOption6);
    ASSERT_TRUE(PumpUntil([] { return ItemCount(kCourierBox) == 1; }));
    ASSERT_EQ(ItemCount(kCourierBox), 1);
    ChooseInDropDown(kLetterGroupBox, 0);
    EXPECT_EQ(ItemCount(kCourierBox), 148);
    EXPECT_EQ(SelectedCourier(), "澳大利亚邮政");
}

TEST_F(CourierPicker, RealClicksOnAnOptionPickItEveryTime) {
    const wxPoint ups = ScreenCentre(Control<wxWindow>(kCommonCourierOption13));
    MouseClickAt(ups);
    ASSERT_TRUE(PumpUntil([] { return CourierItems() == TextList{"UPS"}; }));
    ChooseInDropDown(kLetterGroupBox, 1);
    MouseClickAt(ups);
    EXPECT_TRUE(PumpUntil([] { return CourierItems() == TextList{"UPS"}; }));
}

}  // namespace

// The sim back end keeps Windows' rules for the control states the programs rely on.
#include <gtest/gtest.h>

#include "resources/dialogs/Strings.h"
#include "ui/Dialog.h"
#include "ui/sim/SimDesktop.h"

namespace {

using namespace ui;

constexpr int kTestTemplate = 9001;

DialogTemplate TestTemplate() {
    return {kTestTemplate, 200, 100, "Test dialog", "System", 10, kPopup | kCaption | kSysMenu | kVisible,
            {
                {10, ControlKind::DropDownList, 5, 5, 80, 60, "", kSorted},
                {11, ControlKind::DropDownList, 5, 20, 80, 60, "", 0, {"beta", "Alpha", "alphabet"}},
                {20, ControlKind::AutoRadioButton, 5, 40, 40, 10, "A", kGroup},
                {21, ControlKind::AutoRadioButton, 5, 50, 40, 10, "B"},
                {22, ControlKind::AutoRadioButton, 5, 60, 40, 10, "C"},
                {23, ControlKind::AutoRadioButton, 60, 40, 40, 10, "D", kGroup},
                {30, ControlKind::AutoCheckBox, 60, 60, 40, 10, "Check", kDisabled},
                {31, ControlKind::Label, 60, 70, 40, 10, "hidden", kHidden},
                {40, ControlKind::IpAddress, 100, 5, 60, 10, ""},
                {kIdOk, ControlKind::DefPushButton, 140, 80, 50, 14, "OK"},
            }};
}

class Plain : public Dialog {
public:
    Plain() : Dialog(kTestTemplate) {}
};

class UiSimControls : public ::testing::Test {
protected:
    void SetUp() override {
        RegisterDialogTemplate(TestTemplate());
        sim::Desktop::Current().Reset();
        ASSERT_TRUE(dialog.Create(nullptr));
    }
    void TearDown() override {
        dialog.DestroyWindow();
        ClearRegisteredTemplates();
        sim::Desktop::Current().Reset();
    }
    Plain dialog;
};

TEST_F(UiSimControls, SortedComboInsertsWithoutRegardToCase) {
    ComboBox combo = dialog.Combo(10);
    EXPECT_EQ(combo.AddString("USB_B_1"), 0);
    EXPECT_EQ(combo.AddString("com1:"), 0);
    EXPECT_EQ(combo.AddString("LPT1:"), 1);
    EXPECT_EQ(combo.AddString("KQCOM1:"), 1);
    EXPECT_EQ(combo.AddString("NET:"), 3);
    std::vector<std::string> items;
    for (int i = 0; i < combo.Count(); ++i) {
        std::string text;
        combo.ItemText(i, text);
        items.push_back(text);
    }
    EXPECT_EQ(items, (std::vector<std::string>{"com1:", "KQCOM1:", "LPT1:", "NET:", "USB_B_1"}));
}

TEST_F(UiSimControls, TemplateListDataKeepsItsOrderInAnUnsortedBox) {
    ComboBox combo = dialog.Combo(11);
    ASSERT_EQ(combo.Count(), 3);
    std::string text;
    EXPECT_EQ(combo.ItemText(0, text), 4);
    EXPECT_EQ(text, "beta");
    EXPECT_EQ(combo.CurSel(), -1);
}

TEST_F(UiSimControls, FindStringStartsAfterTheIndexAndWraps) {
    ComboBox combo = dialog.Combo(11);  // beta, Alpha, alphabet
    struct Case { int start; const char* text; int found; };
    const Case cases[] = {
        {-1, "ALPHA", 1},  // from the top
        {0, "alpha", 1},
        {1, "alpha", 2},   // the item after the start comes first
        {2, "alpha", 1},   // wraps round
        {1, "Alpha", 2},   // a prefix of item 2 beats the exact item 1 at the start
        {0, "beta", 0},    // the start item itself is examined last
        {7, "beta", 0},    // a start outside the list searches from the top
        {-1, "gamma", -1},
        {-1, "betas", -1},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(combo.FindString(c.start, c.text), c.found) << c.start << " " << c.text;
    }
    EXPECT_EQ(combo.FindStringExact(1, "alpha"), 1);
}

TEST_F(UiSimControls, SelectionAndItemTextAnswersLikeWindows) {
    ComboBox combo = dialog.Combo(11);
    EXPECT_EQ(combo.SetCurSel(2), 2);
    EXPECT_EQ(dialog.ItemText(11), "alphabet");
    EXPECT_EQ(combo.SetCurSel(3), kComboError);  // outside the list: cleared
    EXPECT_EQ(combo.CurSel(), -1);
    std::string text = "kept";
    EXPECT_EQ(combo.ItemText(5, text), kComboError);
    EXPECT_EQ(text, "kept");
    combo.ResetContent();
    EXPECT_EQ(combo.Count(), 0);
    EXPECT_EQ(combo.SetCurSel(0), kComboError);
}

TEST_F(UiSimControls, CheckRadioButtonClearsTheWholeRangeWhateverTheGroups) {
    dialog.CheckButton(23, kChecked);
    dialog.CheckButton(30, kChecked);
    dialog.CheckRadioButton(20, 23, 21);
    EXPECT_EQ(dialog.IsButtonChecked(20), 0);
    EXPECT_EQ(dialog.IsButtonChecked(21), 1);
    EXPECT_EQ(dialog.IsButtonChecked(23), 0);  // another group, inside the range
    EXPECT_EQ(dialog.IsButtonChecked(30), 1);  // outside the range
}

TEST_F(UiSimControls, ClickingARadioClearsOnlyItsGroup) {
    dialog.CheckButton(20, kChecked);
    dialog.CheckButton(23, kChecked);
    ASSERT_TRUE(sim::Click(dialog, 22));
    EXPECT_EQ(dialog.IsButtonChecked(20), 0);
    EXPECT_EQ(dialog.IsButtonChecked(22), 1);
    EXPECT_EQ(dialog.IsButtonChecked(23), 1);
}

TEST_F(UiSimControls, HiddenAndDisabledControlsKeepStateButCannotBeUsed) {
    dialog.CheckButton(30, kChecked);
    EXPECT_FALSE(sim::Click(dialog, 30));  // disabled in the template
    EXPECT_EQ(dialog.IsButtonChecked(30), 1);
    EXPECT_EQ(dialog.ItemText(31), "hidden");
    EXPECT_FALSE(sim::IsShown(dialog, 31));

    ComboBox combo = dialog.Combo(11);
    combo.SetCurSel(1);
    combo.Enable(false);
    combo.Show(false);
    EXPECT_FALSE(sim::ChooseItem(dialog, 11, 0));
    EXPECT_EQ(combo.CurSel(), 1);
    EXPECT_EQ(combo.Count(), 3);
    combo.Show(true);
    combo.Enable(true);
    EXPECT_TRUE(sim::ChooseItem(dialog, 11, "beta"));
    EXPECT_EQ(combo.CurSel(), 0);
}

TEST_F(UiSimControls, IpAddressKnowsBlankFromZero) {
    IpAddress ip = dialog.IpItem(40);
    uint32_t address = 1;
    EXPECT_TRUE(ip.IsBlank());
    EXPECT_EQ(ip.Address(address), 0);
    EXPECT_EQ(address, 0u);
    ASSERT_TRUE(sim::TypeText(dialog, 40, "192.168.0.7"));
    EXPECT_EQ(ip.Address(address), 4);
    EXPECT_EQ(address, 0xC0A80007u);
    EXPECT_EQ(ip.Text(), "192.168.0.7");
    EXPECT_FALSE(sim::TypeText(dialog, 40, "300.1.1.1"));
    ip.Clear();
    EXPECT_TRUE(ip.IsBlank());
}

TEST_F(UiSimControls, UnknownIdsDoNothing) {
    EXPECT_FALSE(dialog.HasItem(777));
    dialog.SetItemText(777, "x");
    EXPECT_EQ(dialog.ItemText(777), "");
    EXPECT_EQ(dialog.Combo(777).AddString("x"), kComboError);
    EXPECT_FALSE(sim::Click(dialog, 777));
}

}  // namespace

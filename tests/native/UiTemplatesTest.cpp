// The dialog templates of drvsetup, built on the sim back end: the ids, initial states
// and list data the programs rely on.
#include <gtest/gtest.h>

#include "ui/Dialog.h"
#include "ui/sim/SimDesktop.h"

namespace {

using namespace ui;

class Built : public Dialog {
public:
    explicit Built(int id) : Dialog(id) {}
};

struct Expect {
    int templateId;
    int control;
    bool visible;
    bool enabled;
};

TEST(UiTemplates, InitialVisibilityAndEnablingAsTheProgramsNeedThem) {
    const Expect cases[] = {
        {102, 1001, false, true}, {102, 1002, true, false}, {102, kIdOk, true, false},
        {102, kIdCancel, true, true}, {102, 1087, true, true}, {102, 1093, true, true},
        {130, 1026, false, true}, {130, 1027, false, true}, {130, 1028, true, true}, {130, 1079, true, true},
        {137, 1068, true, true}, {137, 1069, false, true}, {137, 1070, false, true},
        {132, 1052, true, false}, {132, 1105, false, true}, {132, 1065, false, true}, {132, 1106, true, true},
        {133, 1081, true, true}, {133, 1057, true, true}, {131, 1046, true, true}, {141, 1079, true, true},
        {100, 1091, true, true}, {100, 1092, true, true}, {100, kIdOk, true, true},
    };
    for (const Expect& e : cases) {
        Built dialog(e.templateId);
        ASSERT_TRUE(dialog.Create(nullptr)) << e.templateId;
        const sim::SimControl* c = sim::ControlOf(dialog, e.control);
        ASSERT_NE(c, nullptr) << e.templateId << "/" << e.control;
        EXPECT_EQ(c->visible, e.visible) << e.templateId << "/" << e.control;
        EXPECT_EQ(c->enabled, e.enabled) << e.templateId << "/" << e.control;
    }
}

TEST(UiTemplates, PortPageListsCarryTheirDataAndOnlyThePortListSorts) {
    Built page(132);
    ASSERT_TRUE(page.Create(nullptr));
    auto items = [&](int id) { return sim::ControlOf(page, id)->items; };
    EXPECT_EQ(items(1041), (std::vector<std::string>{"110", "300", "1200", "2400", "4800", "9600", "19200",
                                                     "38400", "57600", "115200"}));
    EXPECT_EQ(items(1042), (std::vector<std::string>{"5", "6", "7", "8"}));
    EXPECT_EQ(items(1044), (std::vector<std::string>{"1", "1.5", "2"}));
    EXPECT_TRUE(items(1043).empty());
    EXPECT_TRUE(items(1045).empty());
    EXPECT_TRUE(sim::ControlOf(page, 1049)->style & kSorted);
    for (int id : {1041, 1042, 1043, 1044, 1045}) EXPECT_FALSE(sim::ControlOf(page, id)->style & kSorted) << id;
    EXPECT_EQ(page.ItemText(1103), "IP:");
}

TEST(UiTemplates, PagesAreChildrenAndTheWizardIsAPopupWithASystemMenu) {
    for (int id : {130, 131, 132, 133, 137}) {
        ASSERT_NE(FindDialogTemplate(id), nullptr) << id;
        EXPECT_TRUE(FindDialogTemplate(id)->style & kChildPage) << id;
    }
    const DialogTemplate* wizard = FindDialogTemplate(102);
    ASSERT_NE(wizard, nullptr);
    EXPECT_EQ(wizard->width, 296);
    EXPECT_EQ(wizard->height, 182);
    EXPECT_TRUE(wizard->style & kSysMenu);
    EXPECT_TRUE(wizard->style & kMinimizeBox);
    EXPECT_FALSE(FindDialogTemplate(141)->style & kCaption);
    // The OS page's radio buttons have no group mark: one group for the whole page.
    for (const ControlTemplate& c : FindDialogTemplate(130)->controls) EXPECT_FALSE(c.style & kGroup) << c.id;
    EXPECT_EQ(FindDialogTemplate(130)->Find(1075)->text, "Windows Server 2003 ");
}

}  // namespace

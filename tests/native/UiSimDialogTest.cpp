// Dialogs on the sim back end: handlers, command maps, data exchange, modal loops run by
// a script, child pages, message boxes.
#include <gtest/gtest.h>

#include <memory>

#include "platform/sim/SimMachine.h"
#include "resources/dialogs/Strings.h"
#include "ui/Canvas.h"
#include "ui/Dialog.h"
#include "ui/MessageBox.h"
#include "ui/sim/SimDesktop.h"

namespace {

using namespace ui;

constexpr int kFrame = 9101;
constexpr int kPage = 9102;

void RegisterTemplates() {
    RegisterDialogTemplate({kFrame, 200, 120, "Frame", "System", 10, kPopup | kCaption | kSysMenu,
                            {
                                {50, ControlKind::Frame, 2, 2, 40, 90, ""},
                                {51, ControlKind::Label, 50, 2, 140, 90, "", kHidden},
                                {52, ControlKind::PushButton, 60, 100, 40, 14, "Back"},
                                {kIdOk, ControlKind::DefPushButton, 110, 100, 40, 14, "OK"},
                                {kIdCancel, ControlKind::PushButton, 155, 100, 40, 14, "Cancel"},
                            }});
    RegisterDialogTemplate({kPage, 140, 90, "", "System", 10, kChildPage,
                            {
                                {60, ControlKind::AutoCheckBox, 5, 5, 60, 10, "Option"},
                                {61, ControlKind::DropDownList, 5, 20, 60, 40, "", 0, {"one", "two"}},
                                {62, ControlKind::Edit, 5, 40, 60, 12, ""},
                            }});
}

class Page : public Dialog {
public:
    Page() : Dialog(kPage) {}
    int option = 0;
    std::string name;
    ComboBox list;
    int shows = 0, hides = 0, helps = 0;
    bool refuse = false;
    std::vector<int> order;
    void DoDataExchange(DataExchange& dx) override {
        dx.Control(61, list);
        dx.Check(60, option);
        dx.Text(62, name);
        if (refuse && dx.Saving()) dx.Fail();
        order = dx.Order();
    }
    void OnShowWindow(bool show) override { (show ? shows : hides)++; }
    bool OnHelp() override { ++helps; return helps == 1; }  // the second F1 goes to the parent
    void OnOK() override {}
    void OnCancel() override {}
};

class Frame : public Dialog {
public:
    Frame() : Dialog(kFrame) {}
    Page page;
    int backs = 0, helps = 0, ticks = 0, about = 0;
    Bitmap picture;
    bool OnInitDialog() override {
        Dialog::OnInitDialog();
        AppendSystemMenuItem(16, "&About");
        SetIcon(128);
        page.Create(this);
        page.MoveWindow(ButtonItem(51).WindowRect());
        page.ShowWindow(true);
        SetTimer(1, 100);
        return true;
    }
    void OnBack() { ++backs; }
    bool OnHelp() override { ++helps; return true; }
    void OnTimer(int id) override { ticks += id; }
    bool OnSysCommand(unsigned command) override {
        if ((command & kSysCommandMask) != 16) return false;
        ++about;
        return true;
    }
    void OnPaint() override {
        Canvas canvas = Canvas::ForControl(*this, 50);
        canvas.StretchBitmap(picture, canvas.ClientRect());
    }
    std::span<const CommandEntry> CommandMap() const override {
        static const CommandEntry map[] = {OnCommand(52, Notify::Clicked, &Frame::OnBack)};
        return map;
    }
};

class UiSimDialog : public ::testing::Test {
protected:
    void SetUp() override {
        RegisterTemplates();
        desktop.Reset();
        plat::InstallPlatform(&machine);
    }
    void TearDown() override {
        desktop.Reset();
        ClearRegisteredTemplates();
        plat::InstallPlatform(nullptr);
    }
    sim::Desktop& desktop = sim::Desktop::Current();
    plat::sim::SimMachine machine;
};

TEST_F(UiSimDialog, ModalScriptDrivesTheDialogAndOkEndsIt) {
    Frame frame;
    bool ran = false;
    desktop.SetModalScript([&](Dialog& d) {
        ASSERT_EQ(&d, &frame);
        ran = true;
        EXPECT_TRUE(frame.IsVisible());
        EXPECT_TRUE(sim::IsShown(frame.page, 60));
        EXPECT_TRUE(sim::Click(frame, 52));
        EXPECT_TRUE(sim::Click(frame.page, 60));
        EXPECT_TRUE(sim::ChooseItem(frame.page, 61, "two"));
        EXPECT_TRUE(sim::TypeText(frame.page, 62, "typed"));
        EXPECT_TRUE(sim::Click(frame, kIdOk));
        EXPECT_TRUE(sim::IsEnded(frame));
    });
    EXPECT_EQ(frame.DoModal(), kIdOk);
    EXPECT_TRUE(ran);
    EXPECT_EQ(frame.backs, 1);
    EXPECT_FALSE(frame.IsCreated());
    EXPECT_FALSE(frame.page.IsCreated());  // destroyed with its parent
    EXPECT_TRUE(desktop.LeftOpen().empty());
}

TEST_F(UiSimDialog, DataExchangeRunsInTheStatedOrderAndCanRefuse) {
    Frame frame;
    desktop.SetModalScript([&](Dialog&) {
        Page& page = frame.page;
        EXPECT_EQ(page.order, (std::vector<int>{61, 60, 62}));  // from OnInitDialog
        EXPECT_EQ(page.list.Count(), 2);                          // attached by the exchange
        sim::Click(page, 60);
        sim::TypeText(page, 62, "abc");
        EXPECT_TRUE(page.UpdateData(true));
        EXPECT_EQ(page.option, 1);
        EXPECT_EQ(page.name, "abc");
        page.option = 0;
        page.name = "back";
        page.UpdateData(false);
        EXPECT_EQ(page.IsButtonChecked(60), 0);
        EXPECT_EQ(page.ItemText(62), "back");
        page.refuse = true;
        EXPECT_FALSE(page.UpdateData(true));
    });
    frame.DoModal();
}

TEST_F(UiSimDialog, AScriptThatLeavesTheDialogOpenCancelsIt) {
    Frame frame;
    desktop.SetModalScript([](Dialog&) {});
    EXPECT_EQ(frame.DoModal(), kIdCancel);
    EXPECT_EQ(desktop.LeftOpen(), std::vector<int>{kFrame});
}

TEST_F(UiSimDialog, ShowHideHelpTimerSystemMenuAndPaint) {
    Frame frame;
    machine.Disk().PutFile("D:\\Left.bmp", std::string("BM") + std::string(12, '\0') +
                                               std::string("\x28\0\0\0\x53\0\0\0\x9e\0\0\0", 12) +
                                               std::string(40, '\0'));
    ASSERT_TRUE(frame.picture.LoadFromFile("D:\\Left.bmp"));
    EXPECT_EQ(frame.picture.Width(), 0x53);
    desktop.SetModalScript([&](Dialog&) {
        Page& page = frame.page;
        EXPECT_EQ(page.shows, 1);
        page.ShowWindow(true);  // no change, no message
        EXPECT_EQ(page.shows, 1);
        page.ShowWindow(false);
        EXPECT_EQ(page.hides, 1);
        EXPECT_FALSE(sim::Click(page, 60));  // a hidden page cannot be clicked
        page.ShowWindow(true);

        EXPECT_TRUE(sim::PressF1(page));
        EXPECT_EQ(page.helps, 1);
        EXPECT_EQ(frame.helps, 0);
        EXPECT_TRUE(sim::PressF1(page));  // unhandled by the page: goes to the frame
        EXPECT_EQ(frame.helps, 1);

        EXPECT_TRUE(sim::FireTimer(frame, 1));
        EXPECT_FALSE(sim::FireTimer(frame, 2));
        EXPECT_EQ(frame.ticks, 1);

        auto menu = sim::SystemMenuItems(frame);
        ASSERT_EQ(menu.size(), 1u);
        EXPECT_EQ(menu[0].first, 16u);
        EXPECT_TRUE(sim::SystemCommand(frame, 16));
        EXPECT_EQ(frame.about, 1);
        EXPECT_EQ(sim::IconOf(frame), 128);

        auto ops = sim::Paint(frame);
        ASSERT_EQ(ops.size(), 1u);
        EXPECT_EQ(ops[0].kind, sim::PaintOp::StretchBitmap);
        EXPECT_EQ(ops[0].controlId, 50);
        EXPECT_EQ(ops[0].target.Width(), sim::ControlOf(frame, 50)->rect.Width());
        EXPECT_EQ(ops[0].bitmapPath, "D:\\Left.bmp");

        EXPECT_EQ(sim::WindowRectOf(page), sim::ControlOf(frame, 51)->rect);
        EXPECT_TRUE(sim::SystemCommand(frame, 0xF060));  // close: Cancel
    });
    EXPECT_EQ(frame.DoModal(), kIdCancel);
    EXPECT_FALSE(Bitmap().LoadFromFile("D:\\missing.bmp"));
}

TEST_F(UiSimDialog, MessageBoxesAreRecordedAndAnsweredFromTheQueue) {
    machine.Identity().programPath = "D:\\disc\\drvsetup.exe";
    desktop.QueueAnswer(kIdNo);
    EXPECT_EQ(ShowAppMessage("Restart now?", kMbYesNo | kMbIconQuestion), kIdNo);
    ASSERT_EQ(desktop.Messages().size(), 1u);
    EXPECT_EQ(desktop.Messages()[0].title, "drvsetup");
    EXPECT_EQ(desktop.Messages()[0].ownerTemplate, 0);
    EXPECT_EQ(desktop.Messages()[0].answer, kIdNo);

    // No answer queued: a clear failure naming the box.
    try {
        ShowMessage(nullptr, "Surprise", "Title");
        FAIL() << "no failure";
    } catch (const sim::UnexpectedMessage& e) {
        EXPECT_EQ(e.box.text, "Surprise");
        EXPECT_NE(std::string(e.what()).find("Surprise"), std::string::npos);
    }
    // An answer that is not a button of the box is refused too.
    desktop.QueueAnswer(kIdYes);
    EXPECT_THROW(ShowMessage(nullptr, "Only OK", "Title", kMbOk), sim::UnexpectedMessage);

    desktop.AnswerUnqueuedWithDefault(true);
    EXPECT_EQ(ShowMessage(nullptr, "Fine", "Title", kMbOkCancel), kIdOk);
}

TEST_F(UiSimDialog, ABoxOfADialogNamesItsOwnerAndNestedModalsRunTheScriptAgain) {
    Frame frame;
    Frame* inner = nullptr;
    std::vector<int> seen;
    desktop.SetModalScript([&](Dialog& d) {
        seen.push_back(d.TemplateId());
        if (&d == &frame) {
            desktop.QueueAnswer(kIdOk);
            frame.SetTitle("Frame title");
            ShowMessage(&frame, "page error", frame.Title());
            Frame second;
            inner = &second;
            second.DoModal(&frame);
            inner = nullptr;
            EXPECT_TRUE(sim::Click(frame, 52));
            sim::Click(frame, kIdOk);
        } else {
            EXPECT_EQ(&d, inner);
            EXPECT_TRUE(sim::IsOwnerDisabled(d));
            EXPECT_FALSE(sim::Click(frame, 52));  // the owner cannot be reached under its modal
            sim::Click(d, kIdCancel);
        }
    });
    EXPECT_EQ(frame.DoModal(), kIdOk);
    EXPECT_EQ(seen, (std::vector<int>{kFrame, kFrame}));
    ASSERT_EQ(desktop.Messages().size(), 1u);
    EXPECT_EQ(desktop.Messages()[0].ownerTitle, "Frame title");
    EXPECT_EQ(frame.backs, 1);
}

TEST_F(UiSimDialog, FontAppliedToTheDialogReachesEveryChild) {
    Frame frame;
    desktop.SetModalScript([&](Dialog&) {
        Font font;
        FontSpec fontSpec{13, 0, kWeightNormal, false, false, false, kGb2312CharSet, kFamilySwiss, "\xCB\xCE\xCC\xE5"};
        ASSERT_TRUE(font.Create(fontSpec));
        frame.page.ApplyFontToAll(font);
        ASSERT_NE(sim::DialogFont(frame.page), nullptr);
        EXPECT_EQ(*sim::DialogFont(frame.page), fontSpec);
        for (int id : {60, 61, 62}) {
            EXPECT_TRUE(sim::ControlOf(frame.page, id)->hasFont) << id;
            EXPECT_EQ(sim::ControlOf(frame.page, id)->font.face, "\xCB\xCE\xCC\xE5");
        }
        EXPECT_EQ(sim::DialogFont(frame), nullptr);
        sim::Click(frame, kIdOk);
    });
    frame.DoModal();
}

TEST_F(UiSimDialog, EndDialogDuringInitialisationSkipsTheLoop) {
    class Refusing : public Frame {
        bool OnInitDialog() override {
            OnCancel();
            return false;
        }
    } refusing;
    bool ran = false;
    desktop.SetModalScript([&](Dialog&) { ran = true; });
    EXPECT_EQ(refusing.DoModal(), kIdCancel);
    EXPECT_FALSE(ran);
}

TEST_F(UiSimDialog, StringResourceFollowsTheCodePage) {
    machine.Identity().languageId = 2052;
    EXPECT_EQ(ResourceString(134), "\xB0\xB4\xA1\xB0" "F1" "\xA1\xB1\xB2\xE9\xBF\xB4\xB0\xEF\xD6\xFA");
    machine.Identity().languageId = 1033;
    EXPECT_EQ(ResourceString(134), "??F1?????");
    EXPECT_EQ(ResourceString(1), "");
}

}  // namespace

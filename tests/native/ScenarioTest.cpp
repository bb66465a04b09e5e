// The scenario runner: its script format and what its transcripts show for the example
// scenarios on the sample package.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "installer/config/SetupIni.h"
#include "platform/sim/SimMachine.h"
#include "tools/scenario/Runner.h"
#include "tools/scenario/Script.h"

namespace {

TEST(ScenarioScript, StepsCommentsQuotesAndListItems) {
    std::vector<ScriptStep> steps;
    std::string error;
    ASSERT_TRUE(ParseScript("# a comment\r\nclick 1057   # accept\n\nchoose 1045 #0\ntype 1106 \"10.0.0.7\"\n"
                            "choose 1030 \"QMX K 660\"\n",
                            steps, &error))
        << error;
    ASSERT_EQ(steps.size(), 4u);
    EXPECT_EQ(steps[0].verb, "click");
    EXPECT_EQ(steps[0].args, std::vector<std::string>{"1057"});
    EXPECT_EQ(steps[0].line, 2);
    EXPECT_EQ(steps[1].args, (std::vector<std::string>{"1045", "#0"}));
    EXPECT_EQ(steps[2].args[1], "10.0.0.7");
    EXPECT_EQ(steps[3].args[1], "QMX K 660");
}

TEST(ScenarioScript, FaultsNameTheirLine) {
    struct Case {
        const char* script;
        const char* error;
    } cases[] = {
        {"click 1\njump 3\n", "line 2: unknown step 'jump'"},
        {"choose 1030\n", "line 1: wrong number of words for choose"},
        {"type 1 \"open\n", "line 1: a quote is not closed"},
    };
    for (const Case& c : cases) {
        std::vector<ScriptStep> steps;
        std::string error;
        EXPECT_FALSE(ParseScript(c.script, steps, &error));
        EXPECT_EQ(error, c.error);
    }
}

class ScenarioRun : public ::testing::Test {
protected:
    // Runs an example machine and script on the sample package.
    bool Run(const std::string& machineName, const std::string& script) {
        std::string error;
        auto machine = plat::sim::SimMachine::Load(std::string(SOURCE_DIR) + "/tools/scenario/examples/" + machineName, &error);
        EXPECT_TRUE(machine) << error;
        if (!machine) return false;
        machine->Disk().MapDrive('D', SAMPLE_PACKAGE_DIR);
        std::vector<ScriptStep> steps;
        EXPECT_TRUE(ParseScript(script, steps, &error)) << error;
        transcript = Transcript();
        bool ok = ScenarioRunner(*machine, steps, transcript).Run();
        is64BitWindows = false;
        return ok;
    }
    std::string Text() const {
        std::ostringstream out;
        transcript.WriteText(out);
        return out.str();
    }
    std::string Json() const {
        std::ostringstream out;
        transcript.WriteJson(out);
        return out.str();
    }
    std::vector<std::string> Kinds() const {
        std::vector<std::string> kinds;
        for (const auto& e : transcript.Events()) kinds.push_back(e.kind);
        return kinds;
    }
    static std::string Example(const std::string& name) {
        std::ifstream in(std::string(SOURCE_DIR) + "/tools/scenario/examples/" + name);
        std::ostringstream text;
        text << in.rdbuf();
        return text.str();
    }
    Transcript transcript;
};

TEST_F(ScenarioRun, WalkToThePortPageShowsEveryPageAndTheStatesAskedFor) {
    EXPECT_TRUE(Run("xp.machine", Example("walk-to-port-page.scenario"))) << Text();
    std::vector<std::string> pages;
    for (const auto& e : transcript.Events())
        if (e.kind == "page") pages.push_back(std::get<std::string>(e.fields[1].second.value));
    EXPECT_EQ(pages, (std::vector<std::string>{"licence", "model", "mode", "os", "port", "os"}));
    std::string text = Text();
    EXPECT_NE(text.find("page  index=4  name=\"port\"  ok=\"Install\"  okEnabled=yes  backEnabled=yes"), std::string::npos);
    EXPECT_NE(text.find("id=1041  kind=\"list\"  text=\"\"  enabled=yes  visible=yes  shown=yes  items=[\"110\""),
              std::string::npos);
    EXPECT_NE(text.find("selected=\"9600\""), std::string::npos);
    EXPECT_EQ(Kinds().back(), "end");
    EXPECT_NE(text.find("end  how=\"wizard cancelled\""), std::string::npos);
    std::string json = Json();
    EXPECT_EQ(json.rfind("{\"events\": [\n", 0), 0u);
    EXPECT_NE(json.find("{\"event\": \"page\", \"index\": 0, \"name\": \"licence\", \"ok\": \"Next >\", "
                        "\"okEnabled\": false, \"backEnabled\": false}"),
              std::string::npos);
    EXPECT_NE(json.find("\"program\": \"D:\\\\drvsetup.exe\""), std::string::npos);
}

TEST_F(ScenarioRun, StartUpRefusalsAndTheSecondInstance) {
    EXPECT_TRUE(Run("uninstaller-open.machine", ""));
    EXPECT_EQ(Kinds(), (std::vector<std::string>{"start", "message", "end"}));
    EXPECT_NE(Text().find("message  title=\"drvsetup\"  text=\"Please close the printer driver uninstaller first"),
              std::string::npos);

    EXPECT_TRUE(Run("second-instance.machine", ""));
    EXPECT_EQ(Kinds(), (std::vector<std::string>{"start", "front", "front", "end"}));
    EXPECT_NE(Text().find("front  call=\"OpenIcon\"  window=\"Printer Driver Setup\""), std::string::npos);
}

TEST_F(ScenarioRun, RefusedModelHelpLaunchAndAboutBox) {
    EXPECT_TRUE(Run("windows7.machine", Example("unsupported-model.scenario"))) << Text();
    std::string text = Text();
    EXPECT_NE(text.find("message  title=\"drvsetup\"  text=\"The selected model does not support Windows 7 or later.\"  "
                        "buttons=[\"OK\"]  answer=\"OK\""),
              std::string::npos)
        << text;
    EXPECT_NE(text.find("launch  verb=\"open\"  file=\".\\Guide\\Guide_EN.chm\"  path=\"D:\\Guide\\Guide_EN.chm\""),
              std::string::npos);
    EXPECT_NE(text.find("dialog  opened=\"about\"  title=\"About Printer Driver Setup\""), std::string::npos);
    EXPECT_NE(text.find("dialog  closed=\"about\"  how=\"left open at the end of the script (cancelled)\""),
              std::string::npos);
}

TEST_F(ScenarioRun, ChineseTextsAreWrittenInUtf8) {
    EXPECT_TRUE(Run("chinese.machine", Example("chinese-port-page.scenario"))) << Text();
    EXPECT_NE(Text().find("ok=\"\xE5\xAE\x89\xE8\xA3\x85\""), std::string::npos) << Text();  // 安装
}

TEST_F(ScenarioRun, AStepThatCannotBeDoneIsAnErrorAndFailsTheRun) {
    EXPECT_FALSE(Run("xp.machine", "click Next\nchoose 1030 QMX-NONE\nexpect-page model\n"));
    std::string text = Text();
    EXPECT_NE(text.find("error  line=1  step=\"click Next\""), std::string::npos) << text;
    EXPECT_NE(text.find("error  line=2"), std::string::npos);
    EXPECT_NE(text.find("error  line=3  step=\"expect-page model\"  why=\"the wizard is on the licence page\""),
              std::string::npos);
}

}  // namespace

// Windows found by title, named mutexes, shell launches and the administrator check;
// the same cases on the simulated machine and on Windows.
#include <string>

#include "platform/Platform.h"
#include "tests/contract/ContractEnv.h"
#include "tests/contract/DesktopEnv.h"

namespace contract {
namespace {

using DesktopContract = ContractTest;

std::string UniqueName(const char* stem) {
    static int n = 0;
    return std::string(stem) + "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name() + "-" +
           std::to_string(++n);
}

TEST_F(DesktopContract, SecondCreateOfANamedMutexReportsThatItExisted) {
    std::string name = UniqueName("drvsetup-contract");
    bool existed = true;
    EXPECT_NE(plat::os().DesktopWindows().CreateNamedMutex(name, true, &existed), 0u);
    EXPECT_FALSE(existed);
    existed = false;
    EXPECT_NE(plat::os().DesktopWindows().CreateNamedMutex(name, true, &existed), 0u);
    EXPECT_TRUE(existed);
}

TEST_F(DesktopContract, MutexNamesAreCaseSensitive) {
    std::string name = UniqueName("CaseMutex");
    bool existed = true;
    plat::os().DesktopWindows().CreateNamedMutex(name, true, &existed);
    std::string lower = name;
    for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    plat::os().DesktopWindows().CreateNamedMutex(lower, true, &existed);
    EXPECT_FALSE(existed);
}

TEST_F(DesktopContract, TopLevelWindowIsFoundByItsTitleWithoutRegardToCase) {
    plat::Desktop& desktop = plat::os().DesktopWindows();
    std::string title = UniqueName("Contract Window");
    EXPECT_EQ(desktop.FindTopLevelWindow(title), 0u);
    plat::WindowRef window = OpenForeignWindow(title);
    ASSERT_NE(window, 0u);
    EXPECT_EQ(desktop.FindTopLevelWindow(title), window);
    std::string upper = title;
    for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    EXPECT_EQ(desktop.FindTopLevelWindow(upper), window);
    EXPECT_EQ(desktop.FindTopLevelWindow(title.substr(0, title.size() - 1)), 0u) << "no prefix match";
    EXPECT_TRUE(desktop.BringToTop(window));
    CloseForeignWindow(window);
    EXPECT_EQ(desktop.FindTopLevelWindow(title), 0u);
}

TEST_F(DesktopContract, NoWindowMeansTheFrontCallsDoNothing) {
    plat::Desktop& desktop = plat::os().DesktopWindows();
    EXPECT_FALSE(desktop.SetForeground(0));
    EXPECT_FALSE(desktop.BringToTop(0));
    EXPECT_FALSE(desktop.RestoreFromIcon(0));
}

TEST_F(DesktopContract, LaunchOfAMissingFileAnswersFileNotFound) {
    PutFile("Guide\\present.txt", "x");
    std::uintptr_t result =
        plat::os().Launcher().Execute("open", PathOf("Guide\\Guide_EN.chm"), "", "", plat::kShow);
    EXPECT_EQ(result, plat::kShellFileNotFound);
}

TEST_F(DesktopContract, TheTestUserIsAnAdministrator) {
    // The simulated machine's default user and Wine's user are both administrators.
    EXPECT_TRUE(plat::os().UserSecurity().TokenHasAdministrators());
}

}  // namespace
}  // namespace contract

// Directory searches and the WOW64 redirection switches, on the simulated machine and
// on Windows.
#include <algorithm>
#include <set>

#include "platform/ErrorCodes.h"
#include "platform/Platform.h"
#include "tests/contract/ContractEnv.h"

namespace contract {
namespace {

using FileSearchContract = ContractTest;

std::set<std::string> AllOf(plat::FoundFile first, plat::FileSearch& search, uint32_t& end) {
    std::set<std::string> names{first.name};
    while ((end = search.Next(first)) == 0) names.insert(first.name);
    return names;
}

TEST_F(FileSearchContract, WildcardMatchesWithoutCaseToTheEndOfTheList) {
    PutFile("repo\\NTPRINT.INF_x86_1\\I386\\unidrv.dll", "a");
    PutFile("repo\\ntprint4.inf_x86_2\\I386\\unidrv.dll", "b");
    PutFile("repo\\other.inf\\x", "c");
    PutFile("repo\\ntprint.txt", "d");
    plat::FoundFile first;
    std::unique_ptr<plat::FileSearch> search;
    ASSERT_EQ(plat::os().FileSystem().FindFirst(PathOf("repo\\ntprint*"), first, search), 0u);
    ASSERT_TRUE(search);
    uint32_t end = 0;
    std::set<std::string> names = AllOf(first, *search, end);
    EXPECT_EQ(end, plat::kErrorNoMoreFiles);
    EXPECT_EQ(names, (std::set<std::string>{"NTPRINT.INF_x86_1", "ntprint4.inf_x86_2", "ntprint.txt"}));
    EXPECT_EQ(search->Close(), 0u);

    ASSERT_EQ(plat::os().FileSystem().FindFirst(PathOf("repo\\*.TXT"), first, search), 0u);
    EXPECT_EQ(first.name, "ntprint.txt");
    EXPECT_EQ(first.size, 1u);
    EXPECT_EQ(first.attributes & plat::kFileAttributeDirectory, 0u);
    EXPECT_EQ(search->Next(first), plat::kErrorNoMoreFiles);
}

TEST_F(FileSearchContract, NoMatchAndMissingFolderAnswerDifferently) {
    PutFile("repo\\other.inf", "c");
    plat::FoundFile first;
    std::unique_ptr<plat::FileSearch> search;
    EXPECT_EQ(plat::os().FileSystem().FindFirst(PathOf("repo\\ntprint*"), first, search), plat::kErrorFileNotFound);
    EXPECT_FALSE(search);
    EXPECT_EQ(plat::os().FileSystem().FindFirst(PathOf("gone\\ntprint*"), first, search), plat::kErrorPathNotFound);
    EXPECT_FALSE(search);
}

TEST_F(FileSearchContract, DotEntriesBelowTheRootMatchAStar) {
    PutFile("sub\\file.txt", "x");
    plat::FoundFile first;
    std::unique_ptr<plat::FileSearch> search;
    ASSERT_EQ(plat::os().FileSystem().FindFirst(PathOf("sub\\*"), first, search), 0u);
    uint32_t end = 0;
    EXPECT_EQ(AllOf(first, *search, end), (std::set<std::string>{".", "..", "file.txt"}));
}

// Both back ends here run a program that is not under WOW64 (the simulated machine is
// 32-bit Windows, the Wine run is a 64-bit program), where the switches exist but fail.
TEST_F(FileSearchContract, RedirectionSwitchesAreThereButFailOutsideWow64) {
    std::unique_ptr<plat::RedirectionSwitch> redirection = plat::os().FileSystem().LoadRedirectionSwitch();
    ASSERT_TRUE(redirection);
    EXPECT_TRUE(redirection->HasDisable());
    EXPECT_TRUE(redirection->HasRevert());
    EXPECT_FALSE(redirection->Disable());
}

}  // namespace
}  // namespace contract

// Version resources and the system message table, on the simulated machine and on
// Windows.
#include "FileFixtures.h"
#include "platform/ErrorCodes.h"
#include "platform/Platform.h"
#include "tests/contract/ContractEnv.h"

namespace contract {
namespace {

using VersionInfoContract = ContractTest;

TEST_F(VersionInfoContract, TranslationAndFileVersionOfAStandIn) {
    if (!kHaveVersionedDll) GTEST_SKIP() << "the payload was built without MinGW";
    PutFile("QMXRES.DLL", kVersionedDll);
    auto& files = plat::os().FileSystem();
    uint32_t error = 12345;
    uint32_t size = files.VersionInfoSize(PathOf("qmxres.dll"), &error);
    ASSERT_GT(size, 0u);
    EXPECT_EQ(error, 0u);
    std::string block;
    ASSERT_EQ(files.ReadVersionInfo(PathOf("qmxres.dll"), size, block), 0u);
    std::vector<plat::VersionTranslation> pairs;
    ASSERT_TRUE(files.QueryTranslations(block, pairs));
    ASSERT_EQ(pairs.size(), 1u);
    EXPECT_EQ(pairs[0].language, 0x0409);
    EXPECT_EQ(pairs[0].codePage, 1200);
    std::string text = "sentinel";
    ASSERT_TRUE(files.QueryVersionText(block, "\\StringFileInfo\\040904b0\\FileVersion", text));
    EXPECT_EQ(text, "1.0.0.3");
    ASSERT_TRUE(files.QueryVersionText(block, "\\stringfileinfo\\040904B0\\FILEVERSION", text));
    EXPECT_EQ(text, "1.0.0.3");
    text = "sentinel";
    EXPECT_FALSE(files.QueryVersionText(block, "\\StringFileInfo\\080404b0\\FileVersion", text));
    EXPECT_FALSE(files.QueryVersionText(block, "\\StringFileInfo\\040904b0\\NoSuchKey", text));
    EXPECT_EQ(text, "sentinel");
}

TEST_F(VersionInfoContract, FilesWithoutAVersionResource) {
    PutFile("readme.txt", "no resources here");
    auto& files = plat::os().FileSystem();
    uint32_t error = 0;
    EXPECT_EQ(files.VersionInfoSize(PathOf("missing.dll"), &error), 0u);
    EXPECT_EQ(error, plat::kErrorFileNotFound);
    EXPECT_EQ(files.VersionInfoSize(PathOf("readme.txt"), &error), 0u);
    EXPECT_NE(error, 0u);
}

using MessageTableContract = ContractTest;

TEST_F(MessageTableContract, KnownCodesHaveALineOfTextUnknownOnesNone) {
    auto& messages = plat::os().Messages();
    for (uint32_t code : {plat::kErrorFileNotFound, plat::kErrorAccessDenied, plat::kErrorSharingViolation}) {
        std::string text;
        ASSERT_TRUE(messages.SystemMessageText(code, text)) << code;
        ASSERT_GT(text.size(), 2u);
        EXPECT_EQ(text.substr(text.size() - 2), "\r\n") << code;
    }
    std::string text = "sentinel";
    EXPECT_FALSE(messages.SystemMessageText(0x2000FFFFu, text));
}

}  // namespace
}  // namespace contract

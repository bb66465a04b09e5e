// How file existence and reads answer, on the simulated machine and on Windows.
#include "platform/ErrorCodes.h"
#include "platform/Platform.h"
#include "tests/contract/ContractEnv.h"

namespace contract {
namespace {

using FilesContract = ContractTest;

TEST_F(FilesContract, AttributesOfFilesFoldersAndMissingPaths) {
    PutFile("Sub\\File.TXT", "abc");
    auto& files = plat::os().FileSystem();
    uint32_t error = 12345;
    uint32_t attributes = files.GetAttributes(PathOf("sub\\file.txt"), &error);
    ASSERT_NE(attributes, plat::kInvalidFileAttributes);
    EXPECT_EQ(attributes & plat::kFileAttributeDirectory, 0u);
    EXPECT_EQ(error, 0u);

    attributes = files.GetAttributes(PathOf("SUB"), &error);
    ASSERT_NE(attributes, plat::kInvalidFileAttributes);
    EXPECT_NE(attributes & plat::kFileAttributeDirectory, 0u);

    EXPECT_EQ(files.GetAttributes(PathOf("sub\\none.txt"), &error), plat::kInvalidFileAttributes);
    EXPECT_EQ(error, plat::kErrorFileNotFound);
    EXPECT_EQ(files.GetAttributes(PathOf("nofolder\\none.txt"), &error), plat::kInvalidFileAttributes);
    EXPECT_EQ(error, plat::kErrorPathNotFound);
    EXPECT_TRUE(files.Exists(PathOf("Sub\\file.txt")));
    EXPECT_FALSE(files.Exists(PathOf("Sub\\file.txt.bak")));
}

TEST_F(FilesContract, ReadWholeFileGivesTheBytesOrTheError) {
    std::string bytes("BM\0\x01\xff\r\n", 7);
    PutFile("Left.bmp", bytes);
    std::string contents = "sentinel";
    EXPECT_EQ(plat::os().FileSystem().ReadWholeFile(PathOf("LEFT.BMP"), contents), 0u);
    EXPECT_EQ(contents, bytes);

    contents = "sentinel";
    EXPECT_EQ(plat::os().FileSystem().ReadWholeFile(PathOf("missing.bmp"), contents), plat::kErrorFileNotFound);
    EXPECT_EQ(contents, "sentinel");
    EXPECT_EQ(plat::os().FileSystem().ReadWholeFile(PathOf("gone\\missing.bmp"), contents),
              plat::kErrorPathNotFound);
}

}  // namespace
}  // namespace contract

// SetupIterateCabinet on real cabinets made by gcab, on the simulated machine and on
// Windows.
#include <cstdio>
#include <vector>

#include "FileFixtures.h"
#include "platform/ErrorCodes.h"
#include "platform/Platform.h"
#include "tests/contract/ContractEnv.h"

namespace contract {
namespace {

using CabinetContract = ContractTest;

// Records every notification and answers file-in-cabinet notifications by a rule.
class Recorder : public plat::CabinetListener {
public:
    explicit Recorder(std::string targetFolder) : folder_(std::move(targetFolder)) {}
    uint32_t OnCabinetInfo(const plat::CabinetInfo& info) override {
        events.push_back("cabinet next=" + info.cabinetFile);
        return 0;
    }
    plat::CabinetFileAction OnFileInCabinet(plat::FileInCabinet& file) override {
        events.push_back("file " + file.nameInCabinet + " " + std::to_string(file.fileSize));
        file.fullTargetName = folder_ + "\\" + file.nameInCabinet;
        if (abortAt == file.nameInCabinet) return plat::CabinetFileAction::Abort;
        return extract ? plat::CabinetFileAction::Extract : plat::CabinetFileAction::Skip;
    }
    uint32_t OnFileExtracted(const plat::ExtractedFile& file) override {
        events.push_back("extracted " + file.target.substr(file.target.rfind('\\') + 1) + " " +
                         std::to_string(file.error));
        return 0;
    }

    bool extract = true;
    std::string abortAt;
    std::vector<std::string> events;

private:
    std::string folder_;
};

std::string BigText() {
    std::string text;
    char row[128];
    for (int i = 0; i < 6000; ++i) {
        std::snprintf(row, sizeof(row), "row %05d of the universal driver's font table ", i);
        text += row;
        text += std::string(i % 13, "abcdefgh"[i % 8]);
        text += "\r\n";
    }
    return text;
}

TEST_F(CabinetContract, StoredCabinetNotifiesInCabinetOrderAndExtractsWhatIsAskedFor) {
    PutFile("plain.cab", kPlainCabinet);
    PutFile("out\\keep.txt", "");
    Recorder recorder(PathOf("out"));
    ASSERT_EQ(plat::os().FileSystem().IterateCabinet(PathOf("plain.cab"), recorder), 0u);
    std::vector<std::string> expected = {
        "cabinet next=",
        "file unidrv.dll 33", "extracted unidrv.dll 0",
        "file readme.txt 17", "extracted readme.txt 0",
        "file UNIRES.DLL 26", "extracted UNIRES.DLL 0",
        "file stdnames.gpd 35", "extracted stdnames.gpd 0",
    };
    EXPECT_EQ(recorder.events, expected);
    std::string contents;
    ASSERT_EQ(plat::os().FileSystem().ReadWholeFile(PathOf("out\\unidrv.dll"), contents), 0u);
    EXPECT_EQ(contents, "unidrv.dll from the first cabinet");
}

TEST_F(CabinetContract, MszipCabinetSpanningSeveralBlocksComesOutWhole) {
    PutFile("zip.cab", kZipCabinet);
    PutFile("out\\keep.txt", "");
    Recorder recorder(PathOf("out"));
    ASSERT_EQ(plat::os().FileSystem().IterateCabinet(PathOf("zip.cab"), recorder), 0u);
    std::string contents;
    ASSERT_EQ(plat::os().FileSystem().ReadWholeFile(PathOf("out\\ttfsub.gpd"), contents), 0u);
    EXPECT_EQ(contents, BigText());
    ASSERT_EQ(plat::os().FileSystem().ReadWholeFile(PathOf("out\\unires.dll"), contents), 0u);
    EXPECT_EQ(contents, "unires.dll from the second cabinet");
}

TEST_F(CabinetContract, SkippingEverythingSucceedsAndAbortStops) {
    PutFile("plain.cab", kPlainCabinet);
    PutFile("out\\keep.txt", "");
    Recorder skipper(PathOf("out"));
    skipper.extract = false;
    EXPECT_EQ(plat::os().FileSystem().IterateCabinet(PathOf("plain.cab"), skipper), 0u);
    EXPECT_EQ(skipper.events.size(), 5u);
    EXPECT_FALSE(plat::os().FileSystem().Exists(PathOf("out\\unidrv.dll")));

    Recorder aborter(PathOf("out"));
    aborter.abortAt = "readme.txt";
    uint32_t aborted = plat::os().FileSystem().IterateCabinet(PathOf("plain.cab"), aborter);
    // Wine carries on with the next file (docs/wine-differences.md).
    if (std::string(BackEndName()) != "sim") return;
    EXPECT_NE(aborted, 0u);
    std::vector<std::string> expected = {"cabinet next=", "file unidrv.dll 33", "extracted unidrv.dll 0",
                                         "file readme.txt 17"};
    EXPECT_EQ(aborter.events, expected);
}

TEST_F(CabinetContract, MissingCabinetIsFileNotFound) {
    Recorder recorder(PathOf("out"));
    EXPECT_EQ(plat::os().FileSystem().IterateCabinet(PathOf("none.cab"), recorder), plat::kErrorFileNotFound);
    EXPECT_TRUE(recorder.events.empty());
}

}  // namespace
}  // namespace contract

#include "installer/app/LangText.h"

#include <thread>

#include "tests/native/SimPackage.h"

namespace {

class LangTextTest : public SimPackageTest {};

TEST_F(LangTextTest, MarkersExpandOnlyAtTheirFirstOccurrence) {
    Put("language\\setup_EN.ini",
        "[Message]\n"
        "two=A\\1B\\2C\n"
        "repeat=A\\1B\\1C\n"
        "reversed=A\\3B\\1C\n"
        "all=\\2\\2\\3\\1\n");
    LangText text("Message");
    struct Case { const char* key; const char* expected; } cases[] = {
        {"two", "A\r\nB\r\nC"},
        {"repeat", "A\r\nB\\1C"},
        {"reversed", "A\r\nB\r\nC"},
        {"all", "\r\n\\2\r\n\r\n"},
    };
    for (const Case& c : cases) EXPECT_STREQ(text.Read(c.key), c.expected) << c.key;
}

TEST_F(LangTextTest, MissingKeySectionOrFolderReadsEmpty) {
    Put("language\\setup_EN.ini", "[Setup]\nCaption=Printer Driver Setup\n");
    EXPECT_STREQ(LangText("Setup").Read("Caption"), "Printer Driver Setup");
    EXPECT_STREQ(LangText("setup").Read("caption"), "Printer Driver Setup");
    EXPECT_STREQ(LangText("Setup").Read("Missing"), "");
    EXPECT_STREQ(LangText("Other").Read("Caption"), "");
    machine->Identity().programPath = "D:\\elsewhere\\drvsetup.exe";
    EXPECT_STREQ(LangText("Setup").Read("Caption"), "");
}

TEST_F(LangTextTest, LanguageIdChoosesTheFile) {
    Put("language\\setup_EN.ini", "[Setup]\nCaption=english\n");
    Put("language\\setup_CN.ini", "[Setup]\nCaption=chinese\n");
    struct Case { uint16_t id; const char* expected; } cases[] = {
        {1028, "chinese"}, {2052, "chinese"}, {3076, "chinese"}, {4100, "chinese"},
        {1033, "english"}, {1041, "english"}, {2057, "english"}, {0, "english"},
    };
    for (const Case& c : cases) {
        machine->Identity().languageId = c.id;
        EXPECT_STREQ(LangText("Setup").Read("Caption"), c.expected) << c.id;
    }
}

TEST_F(LangTextTest, LongTextIsCutAt2047Bytes) {
    Put("language\\setup_EN.ini", "[Message]\nlong=" + std::string(2100, 'y') + "\n");
    EXPECT_EQ(std::string(LangText("Message").Read("long")), std::string(2047, 'y'));
}

// 0xB5 0x5C is one GBK character whose trail byte is a backslash; followed by "1" it
// looks like a marker to a byte-wise scan.
TEST_F(LangTextTest, GbkTrailByteBackslashIsNoMarkerInTheChineseFile) {
    const std::string tricky = "\xB5\x5C" "1\xD6\xD0\\1\xCE\xC4";
    Put("language\\setup_CN.ini", "[Message]\nk=" + tricky + "\n");
    Put("language\\setup_EN.ini", "[Message]\nk=" + tricky + "\n");
    machine->Identity().languageId = 2052;
    EXPECT_EQ(std::string(LangText("Message").Read("k")), "\xB5\x5C" "1\xD6\xD0\r\n\xCE\xC4");
    machine->Identity().languageId = 1033;
    EXPECT_EQ(std::string(LangText("Message").Read("k")), "\xB5\r\n\xD6\xD0\\1\xCE\xC4");
}

TEST_F(LangTextTest, EachThreadKeepsItsOwnText) {
    Put("language\\setup_EN.ini", "[Progress]\nWait=Please wait\n[Message]\nIDS_ERR_ADDPRINTER=Add failed\n");
    LangText progress("Progress");
    LangText message("Message");
    const char* mine = progress.Read("Wait");
    std::thread worker([&] {
        for (int i = 0; i < 200; ++i) EXPECT_STREQ(message.Read("IDS_ERR_ADDPRINTER"), "Add failed");
    });
    worker.join();
    EXPECT_STREQ(mine, "Please wait");
}

}  // namespace

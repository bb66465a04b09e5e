// How the private-profile reads answer; the same cases run on the simulated machine
// and on Windows (under Wine).
#include "platform/Platform.h"
#include "tests/contract/ContractEnv.h"

namespace contract {
namespace {

class ProfileContract : public ContractTest {
protected:
    std::string Read(const std::string& section, const std::string& key, const std::string& def = "DEF",
                     std::size_t size = 200, const std::string& file = "p.ini") {
        return plat::os().Profiles().ReadString(section, key, def, size, PathOf(file));
    }
};

TEST_F(ProfileContract, NamesMatchWithoutCaseAndBlanksAreTrimmed) {
    PutFile("p.ini", "[Device Name]\r\n  UsbSupported  =  1 2  \r\nKey=v\r\n");
    EXPECT_EQ(Read("device name", "USBSUPPORTED"), "1 2");
    EXPECT_EQ(Read("DEVICE NAME", "key"), "v");
    EXPECT_EQ(Read("  Device Name ", "Key"), "v");
}

TEST_F(ProfileContract, MatchingQuotesAreRemovedOthersStay) {
    PutFile("p.ini",
            "[s]\nd=\"double\"\ns='single'\none=\"open\nmixed=\"x'\ninner=a\"b\"c\nempty=\"\"\n");
    struct Case { const char* key; const char* value; } cases[] = {
        {"d", "double"}, {"s", "single"}, {"one", "\"open"}, {"mixed", "\"x'"},
        {"inner", "a\"b\"c"}, {"empty", ""},
    };
    for (const Case& c : cases) EXPECT_EQ(Read("s", c.key), c.value) << c.key;
}

TEST_F(ProfileContract, MissingFileSectionOrKeyGiveTheDefault) {
    PutFile("p.ini", "[s]\nk=v\nblank=\n");
    EXPECT_EQ(Read("s", "k", "0", 200, "absent.ini"), "0");
    EXPECT_EQ(Read("other", "k", "0"), "0");
    EXPECT_EQ(Read("s", "nokey", "0"), "0");
    EXPECT_EQ(Read("s", "nokey", "err  "), "err");  // trailing blanks of the default go
    EXPECT_EQ(Read("s", "blank", "0"), "");           // key= is an empty value, not absent
}

TEST_F(ProfileContract, ValueIsCutToTheBufferLessOne) {
    PutFile("p.ini", "[s]\nk=val1\n");
    struct Case { std::size_t size; const char* value; } cases[] = {
        {1, ""}, {2, "v"}, {4, "val"}, {5, "val1"}, {6, "val1"}, {200, "val1"},
    };
    for (const Case& c : cases) EXPECT_EQ(Read("s", "k", "DEF", c.size), c.value) << c.size;
    EXPECT_EQ(Read("s", "missing", "default", 4), "def");
}

TEST_F(ProfileContract, LineEndsCommentsAndDuplicates) {
    PutFile("p.ini", "[s]\rcr=only\r[t]\nk=v ;not a comment\nk=second\n[T]\nk=third\n");
    EXPECT_EQ(Read("s", "cr"), "only");
    EXPECT_EQ(Read("t", "k"), "v ;not a comment");
}

TEST_F(ProfileContract, FileNameMatchesWithoutCase) {
    PutFile("DRVCONFIG\\Setup_Ticket.ini", "[m.PORT]\nUSBSUPPORTED=1\n");
    EXPECT_EQ(Read("M.port", "usbsupported", "0", 200, "drvconfig\\SETUP_ticket.INI"), "1");
}

TEST_F(ProfileContract, LongValueIsCut) {
    std::string longValue(3000, 'x');
    PutFile("p.ini", "[s]\nk=" + longValue + "\n");
    EXPECT_EQ(Read("s", "k", "", 2048), std::string(2047, 'x'));
}

TEST_F(ProfileContract, GbkBytesPassUnchanged) {
    const std::string gbk = "\xB4\xF2\xD3\xA1\xBB\xFA";  // three GBK characters
    PutFile("p.ini", "[Setup]\nCaption=" + gbk + "\n");
    EXPECT_EQ(Read("Setup", "Caption"), gbk);
}

}  // namespace
}  // namespace contract

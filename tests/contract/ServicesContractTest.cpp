// The service control manager and the spooler service; the same cases on the simulated
// machine and on Windows (under Wine).
#include <string>

#include "platform/Platform.h"
#include "tests/contract/ContractEnv.h"
#include "tests/contract/SpoolerEnv.h"

namespace contract {
namespace {

constexpr uint32_t kErrorServiceRequestTimeout = 1053;
bool OnWine() { return std::string(BackEndName()) == "win32"; }

class ServicesContract : public ContractTest {
protected:
    void SetUp() override {
        ContractTest::SetUp();
        UseWine64Windows();
        ASSERT_EQ(Scm().OpenManager(plat::kScManagerAllAccess, manager), 0u);
        ASSERT_EQ(Scm().OpenServiceEntry(manager, "Spooler",
                                         plat::kServiceQueryStatus | plat::kServiceStart | plat::kServiceStop, spooler),
                  0u);
    }
    void TearDown() override {
        if (spooler) Scm().CloseServiceEntry(spooler);
        if (manager) Scm().CloseServiceEntry(manager);
        ContractTest::TearDown();
    }
    plat::ServiceManager& Scm() { return plat::os().Services(); }
    uint32_t State() {
        plat::ServiceStatus status;
        EXPECT_EQ(Scm().QueryStatus(spooler, status), 0u);
        return status.currentState;
    }
    // Polls until the state is reached, 50 times at most, 100 ms apart.
    uint32_t WaitFor(uint32_t state) {
        uint32_t now = State();
        for (int i = 0; i < 50 && now != state; ++i) {
            plat::os().Time().Sleep(100);
            now = State();
        }
        return now;
    }
    plat::ServiceHandle manager = 0;
    plat::ServiceHandle spooler = 0;
};

TEST_F(ServicesContract, UnknownServiceAndWrongRights) {
    plat::ServiceHandle other = 0;
    EXPECT_EQ(Scm().OpenServiceEntry(manager, "NoSuchServiceAnywhere", plat::kServiceQueryStatus, other),
              plat::kErrorServiceDoesNotExist);
    plat::ServiceHandle queryOnly = 0;
    ASSERT_EQ(Scm().OpenServiceEntry(manager, "spooler", plat::kServiceQueryStatus, queryOnly), 0u);
    EXPECT_EQ(Scm().StartServiceEntry(queryOnly), 5u);
    Scm().CloseServiceEntry(queryOnly);
}

TEST_F(ServicesContract, StartStopAndTheirRefusals) {
    if (State() == plat::kServiceRunning) {
        EXPECT_EQ(Scm().StartServiceEntry(spooler), plat::kErrorServiceAlreadyRunning);
        plat::ServiceStatus status;
        EXPECT_EQ(Scm().ControlServiceEntry(spooler, plat::kServiceControlStop, status), 0u);
        EXPECT_TRUE(status.currentState == plat::kServiceStopPending || status.currentState == plat::kServiceStopped)
            << status.currentState;
        ASSERT_EQ(WaitFor(plat::kServiceStopped), plat::kServiceStopped);
    }
    plat::ServiceStatus status;
    EXPECT_EQ(Scm().ControlServiceEntry(spooler, plat::kServiceControlStop, status), plat::kErrorServiceNotActive);
    EXPECT_EQ(status.currentState, plat::kServiceStopped);  // filled even so

    uint32_t start = Scm().StartServiceEntry(spooler);
    // Wine's spooler service may fail to report its start in time (1053) and stay
    // stopped; seen on the first start in a new prefix.
    if (OnWine() && start == kErrorServiceRequestTimeout) return;
    EXPECT_EQ(start, 0u);
    EXPECT_EQ(WaitFor(plat::kServiceRunning), plat::kServiceRunning);
}

}  // namespace
}  // namespace contract

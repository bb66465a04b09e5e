// Stopping, starting and waiting for the simulated spooler service; the virtual clock
// shows every wait.
#include "installer/engine/SpoolerService.h"
#include "tests/native/SpoolerEngineFixture.h"

namespace {

class SpoolerServiceTest : public SpoolerEngineTest {
protected:
    plat::sim::SimServices& Scm() { return machine->Services(); }
    int Queries() {
        int n = 0;
        for (const auto& event : Scm().History()) n += event.operation == "query";
        return n;
    }
};

TEST_F(SpoolerServiceTest, StopSendsTheControlAndWaits100ms) {
    StopSpooler();
    EXPECT_EQ(Scm().SpoolerState(), plat::kServiceStopped);
    EXPECT_EQ(machine->SleptMilliseconds(), 100u);
    // Stopping a stopped spooler (1062) is not reported either.
    StopSpooler();
    ASSERT_EQ(Scm().History().size(), 2u);
    EXPECT_EQ(Scm().History()[1].result, plat::kErrorServiceNotActive);
}

TEST_F(SpoolerServiceTest, StartReportsEverythingButAlreadyRunning) {
    StartSpooler(errorText);  // running already: 1056
    EXPECT_TRUE(errorText.Empty());
    EXPECT_EQ(Scm().History().back().result, plat::kErrorServiceAlreadyRunning);

    SetUp();
    Scm().Settings().initialState = plat::kServiceStopped;
    Scm().Settings().startError = plat::kErrorServiceDisabled;
    StartSpooler(errorText);
    EXPECT_EQ(errorText.Text(), "Start spool service error, error code = 1058");
}

TEST_F(SpoolerServiceTest, WaitForTheRunningState) {
    struct Case {
        const char* name;
        uint32_t initial;
        bool start;
        int pendingQueries;
        uint32_t result;
        int queries;
        uint64_t slept;
        bool errorSet;
    } cases[] = {
        {"running at once", plat::kServiceRunning, false, 0, 4, 1, 0, false},
        {"start pending for 3 queries", plat::kServiceStopped, true, 3, 4, 4, 900, false},
        {"never running", plat::kServiceStopped, true, 100, 2, 10, 3000, true},
        {"stopped", plat::kServiceStopped, false, 0, 1, 10, 3000, true},
    };
    for (const Case& c : cases) {
        SetUp();
        Scm().Settings().initialState = c.initial;
        Scm().Settings().startPendingQueries = c.pendingQueries;
        if (c.start) StartSpooler(errorText);
        EXPECT_EQ(WaitSpoolerRunning(errorText), c.result) << c.name;
        EXPECT_EQ(Queries(), c.queries) << c.name;
        EXPECT_EQ(machine->SleptMilliseconds(), c.slept) << c.name;
        EXPECT_EQ(errorText.Text(), c.errorSet ? "StartSpoolService error" : "") << c.name;
        TearDown();
    }
}

TEST_F(SpoolerServiceTest, RestartStopsWaitsAndStarts) {
    RestartSpooler();
    ASSERT_EQ(Scm().History().size(), 2u);
    EXPECT_EQ(Scm().History()[0].operation, "stop");
    EXPECT_EQ(Scm().History()[1].operation, "start");
    EXPECT_EQ(Scm().History()[1].result, 0u);
    EXPECT_EQ(machine->SleptMilliseconds(), 300u);
}

TEST_F(SpoolerServiceTest, SpoolerThatHangsInStopPending) {
    Scm().Settings().staysStopPending = true;
    StopSpooler();
    EXPECT_EQ(Scm().SpoolerState(), plat::kServiceStopPending);
    // The worker's next steps: start (refused while stopping), then wait.
    StartSpooler(errorText);
    EXPECT_TRUE(errorText.Empty());
    EXPECT_EQ(WaitSpoolerRunning(errorText), plat::kServiceStopPending);
    EXPECT_EQ(errorText.Text(), "StartSpoolService error");
}

TEST_F(SpoolerServiceTest, SpoolerThatWillNotStop) {
    Scm().Settings().stopError = plat::kErrorServiceCannotAcceptControl;
    StopSpooler();
    EXPECT_EQ(Scm().SpoolerState(), plat::kServiceRunning);
    EXPECT_EQ(Scm().History().back().result, plat::kErrorServiceCannotAcceptControl);
}

TEST_F(SpoolerServiceTest, Windows9xHasNoServiceManager) {
    UseWindows("98");
    StopSpooler();
    RestartSpooler();
    StartSpooler(errorText);
    EXPECT_TRUE(errorText.Empty());
    EXPECT_EQ(machine->SleptMilliseconds(), 300u);  // only the restart's pause
    EXPECT_EQ(WaitSpoolerRunning(errorText), plat::kServiceStopped);
    EXPECT_EQ(errorText.Text(), "StartSpoolService error");
    EXPECT_TRUE(Scm().History().empty());
}

}  // namespace

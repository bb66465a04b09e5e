#pragma once
// The contract tests run the same cases against the simulated machine (natively) and
// against real Windows calls (a MinGW build under Wine). Each back end provides a fresh
// folder for every test and a way to put files there from outside the seam.
#include <gtest/gtest.h>

#include <string>

namespace contract {

// Installs the back end under test and makes a fresh empty folder.
void SetUpBackEnd();
void TearDownBackEnd();
// The test's folder as a Windows path without a trailing backslash.
std::string Folder();
// Writes bytes to a file below the folder, creating sub-folders as needed.
void PutFile(const std::string& relative, const std::string& bytes);
// Opens a file below the folder the way another program would, with no sharing, and
// keeps it open until the test ends.
void HoldFileOpen(const std::string& relative);
// "sim" or "win32", for the few places where a case is known to differ.
const char* BackEndName();

class ContractTest : public ::testing::Test {
protected:
    void SetUp() override { SetUpBackEnd(); }
    void TearDown() override { TearDownBackEnd(); }
    static std::string PathOf(const std::string& relative) { return Folder() + "\\" + relative; }
};

}  // namespace contract

#include "common/failure.h"

#include <gtest/gtest.h>

namespace shortex {
namespace {

TEST(Reports, TheShortLayoutForWhatAReinstallMendsTheLongOneNamingTheProcedure) {
    const std::wstring shortStart = L"An Error was generated:\r\nDescription: Error ";
    const std::wstring longStart = L"An Error was generated:\r\n\r\nDescription:\r\nError";
    const std::wstring reinstall = L"Re-install the program to fix this.",
                       inform = L"Please inform the author with the error description above.";
    EXPECT_EQ(StartupReport({339, L"gone"}), shortStart + L"339 - gone\r\n\r\n" + reinstall);
    EXPECT_EQ(
        StartupReport({50003, L"x"}),
        shortStart + L"50003 - x\r\n\r\nRe-install the program to fix this, or get the latest vbruntimes at Tandril.");
    EXPECT_EQ(StartupReport({-5, L"denied"}),
              longStart + L"-5 - denied\r\nMod Startup - Main procedure\r\n\r\n" + inform);
    EXPECT_EQ(PickerReport({429, L"no"}, L"cmdBrowseDir_Click"),
              longStart + L" 429 - no\r\ncmdBrowseDir_Click\r\n\r\n" + reinstall);
    EXPECT_EQ(PickerReport({0, L""}, L"cmdOpenFile_Click"), longStart + L" 0 - \r\ncmdOpenFile_Click\r\n\r\n" + inform);
}

}  // namespace
}  // namespace shortex

#include "common/failure.h"

#include <gtest/gtest.h>

namespace shortex {
namespace {

TEST(Reports, TheShortLayoutForWhatAReinstallMendsTheLongOneNamingTheProcedure) {
    EXPECT_EQ(StartupReport({339, L"comdlg32 is missing"}),
              L"An Error was generated:\r\nDescription: Error 339 - comdlg32 is missing\r\n\r\n"
              L"Re-install the program to fix this.");
    EXPECT_EQ(StartupReport({50003, L"x"}),
              L"An Error was generated:\r\nDescription: Error 50003 - x\r\n\r\n"
              L"Re-install the program to fix this, or get the latest vbruntimes at Tandril.");
    EXPECT_EQ(StartupReport({-5, L"denied"}),
              L"An Error was generated:\r\n\r\nDescription:\r\nError-5 - denied\r\nMod Startup - Main procedure\r\n\r\n"
              L"Please inform the author with the error description above.");
    EXPECT_EQ(PickerReport({429, L"no chooser"}, L"cmdBrowseDir_Click"),
              L"An Error was generated:\r\n\r\nDescription:\r\nError 429 - no chooser\r\ncmdBrowseDir_Click\r\n\r\n"
              L"Re-install the program to fix this.");
    EXPECT_EQ(PickerReport({0, L""}, L"cmdOpenFile_Click"),
              L"An Error was generated:\r\n\r\nDescription:\r\nError 0 - \r\ncmdOpenFile_Click\r\n\r\n"
              L"Please inform the author with the error description above.");
}

}  // namespace
}  // namespace shortex

// The Windows forms read back as the same paths by a program cmd starts, which reads its command
// line with CommandLineToArgvW.
#include "pathnames/path_forms.h"
#include "support/win_support.h"

#include <gtest/gtest.h>

namespace shortex::testing {
namespace {

TEST(PathForms, CmdAndCommandLineToArgvWReadEveryQuotedWindowsFormBackAsTheSamePaths) {
    const std::vector<std::wstring> paths = {L"C:\\PROGRA~1", L"C:\\AT&T",         L"C:\\A(1)\\B;C",
                                             L"C:\\A=B,C^D",  L"C:\\Big Folder\\", L"\\\\server\\share\\A B\\"};
    for (const PathForm form : {PathForm::Windows, PathForm::Forward}) {
        std::wstring expected;
        for (const std::wstring& path : paths) expected += WrittenAs(path, {form}) + L"\r\n";
        for (const Quotes quotes : {Quotes::Needed, Quotes::Always}) {
            const std::wstring text = WrittenAs(paths, {form, quotes, false, Separator::Space});
            const ProcessResult printed = RunCommandLine(L"C:\\windows\\system32\\cmd.exe",
                                                         L"/c " + BuildPath(SHORTEX_PRINT_ARGUMENTS) + L" " + text);
            EXPECT_EQ(std::wstring(printed.output.begin(), printed.output.end()), expected) << text;
        }
    }
}

}  // namespace
}  // namespace shortex::testing

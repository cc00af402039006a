#include "main_form_fixture.h"

namespace shortex::main_window {
namespace {

class MainFormTest : public MainFormFixture {
protected:
    MainForm& form = Form();
};

TEST_F(MainFormTest, ShortNameOfTheTrimmedPathGoesToTheResultBoxOnly) {
    view.texts[Control::txtPath] = L"  C:\\Program Files  ";
    form.cmdGetShortex_Click();
    EXPECT_EQ(view.texts[Control::txtShortex], L"C:\\PROGRA~1");
    EXPECT_EQ(view.texts[Control::txtPath], L"  C:\\Program Files  ");
    EXPECT_FALSE(view.focused);
}

TEST_F(MainFormTest, OnlySpacesAreTrimmed) {
    view.texts[Control::txtPath] = L"\tC:\\Windows";
    form.cmdGetShortex_Click();
    EXPECT_EQ(view.texts[Control::txtShortex], L"");
    EXPECT_EQ(TrimSpaces(L"  a b  "), L"a b");
    EXPECT_EQ(TrimSpaces(L"   "), L"");
}

TEST_F(MainFormTest, NoAnswerEmptiesTheResultBox) {
    view.texts[Control::txtShortex] = L"old";
    view.texts[Control::txtPath] = L"C:\\Missing";
    form.cmdGetShortex_Click();
    EXPECT_EQ(view.texts[Control::txtShortex], L"");
    view.texts[Control::txtShortex] = L"old";
    form.cmdGetLongFileName_Click();
    EXPECT_EQ(view.texts[Control::txtShortex], L"");
}

TEST_F(MainFormTest, LongNameGoesToTheResultBoxAndLeavesThePathBox) {
    view.texts[Control::txtPath] = L" c:\\progra~1 ";
    form.cmdGetLongFileName_Click();
    EXPECT_EQ(view.texts[Control::txtShortex], L"c:\\Program Files");
    EXPECT_EQ(view.texts[Control::txtPath], L" c:\\progra~1 ");
    view.texts[Control::txtPath] = L"";
    form.cmdGetLongFileName_Click();
    EXPECT_EQ(view.texts[Control::txtShortex], L"");
}

TEST_F(MainFormTest, CopyTakesTheResultBoxAsItStandsEvenEmpty) {
    view.texts[Control::txtPath] = L"C:\\Windows";
    view.texts[Control::txtShortex] = L" typed by hand ";
    form.cmdCopy_Click();
    view.texts[Control::txtShortex] = L"";
    form.cmdCopy_Click();
    EXPECT_EQ(clipboard.puts, (std::vector<std::wstring>{L" typed by hand ", L""}));
}

TEST_F(MainFormTest, ExitUnloadsTheWindow) {
    form.cmdExit_Click();
    EXPECT_EQ(view.unloads, 1);
}

TEST_F(MainFormTest, TooltipsFollowTheTextAndKeepTheLastOne) {
    form.txtPath_MouseMove();
    EXPECT_FALSE(view.tooltips.contains(Control::txtPath));
    view.texts[Control::txtPath] = L"C:\\a very long path";
    form.txtPath_MouseMove();
    EXPECT_EQ(view.tooltips[Control::txtPath], L"C:\\a very long path");
    view.texts[Control::txtPath] = L"";
    form.txtPath_MouseMove();
    EXPECT_EQ(view.tooltips[Control::txtPath], L"C:\\a very long path");
    view.texts[Control::txtShortex] = L"C:\\PROGRA~1";
    form.txtShortex_MouseMove();
    EXPECT_EQ(view.tooltips[Control::txtShortex], L"C:\\PROGRA~1");
}

}  // namespace
}  // namespace shortex::main_window

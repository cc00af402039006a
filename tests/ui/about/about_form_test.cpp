#include "ui/about/about_form.h"

#include "support/fake_clock.h"

#include <gtest/gtest.h>

#include <map>
#include <vector>

namespace shortex::about {
namespace {

using testing::FakeClock;

// Records what the handlers do to the window, in order.
class RecordingView final : public AboutView {
public:
    void SetText(AboutControl control, const std::wstring& text) override { texts[control] = text; }
    void MinimiseMainWindow() override { steps.push_back(L"minimise"); }
    void OpenWithDefaultHandler(const std::wstring& address) override { steps.push_back(L"open " + address); }
    void Close() override { steps.push_back(L"close"); }

    std::map<AboutControl, std::wstring> texts;
    std::vector<std::wstring> steps;
};

class AboutFormTest : public ::testing::Test {
protected:
    FakeClock clock;
    RecordingView view;
};

TEST_F(AboutFormTest, LoadShowsTitleVersionAndTheClocksYear) {
    AboutForm form(view, clock, {2, 7, 13});
    form.Form_Load();
    EXPECT_EQ(view.texts[AboutControl::lblprogtitle], L"Shortex");
    EXPECT_EQ(view.texts[AboutControl::lblversion], L"Version 2.7.13");
    EXPECT_EQ(view.texts[AboutControl::lblcopyright], CopyrightLine(2031));
    EXPECT_TRUE(view.steps.empty());
}

TEST_F(AboutFormTest, ABoxLoadedAfterNewYearShowsTheNewYear) {
    AboutForm(view, clock, {1, 0, 1}).Form_Load();
    clock.year = 2032;
    AboutForm(view, clock, {1, 0, 1}).Form_Load();
    EXPECT_TRUE(view.texts[AboutControl::lblcopyright].ends_with(L" - 2032"));
}

TEST_F(AboutFormTest, LinkMinimisesTheMainWindowOpensTheHomePageThenCloses) {
    AboutForm(view, clock, {1, 0, 1}).lblurl_Click();
    const std::vector<std::wstring> expected{L"minimise", L"open " + std::wstring(HomePageAddress()), L"close"};
    EXPECT_EQ(view.steps, expected);
}

TEST_F(AboutFormTest, OkOnlyCloses) {
    AboutForm(view, clock, {1, 0, 1}).cmdok_Click();
    EXPECT_EQ(view.steps, std::vector<std::wstring>{L"close"});
}

}  // namespace
}  // namespace shortex::about

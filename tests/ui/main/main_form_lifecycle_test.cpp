// Loading and closing the main window: the place, the path and what is remembered.
#include "main_form_fixture.h"

namespace shortex::main_window {
namespace {

class LifecycleTest : public MainFormFixture {};

TEST_F(LifecycleTest, FirstRunCreatesTheKeyCentresAndShowsEmptyBoxes) {
    Form().Form_Load();
    EXPECT_TRUE(registryStore.HasKey(registry::RootKey::kCurrentUser, kKey));
    EXPECT_EQ(view.position, CentredPosition(view.displays));
    EXPECT_EQ(view.texts[Control::txtPath], L"");
    EXPECT_EQ(view.texts[Control::txtShortex], L"");
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(LifecycleTest, ClosingRemembersPlaceAndPathAndTheNextStartRestoresThem) {
    Form(L"\"C:\\Program Files\"").Form_Load();
    EXPECT_EQ(view.texts[Control::txtShortex], L"C:\\PROGRA~1");
    view.position = {3000, 1500};
    Form().Form_QueryUnload();
    EXPECT_EQ(Stored(L"Startup"), L"True");
    EXPECT_EQ(Stored(L"Top"), L"1500");
    EXPECT_EQ(Stored(L"Left"), L"3000");
    EXPECT_EQ(Stored(L"PreviousPath"), L"C:\\Program Files");
    EXPECT_EQ(view.otherWindowsUnloaded, 1);

    view = FakeView{};
    Form().Form_Load();
    EXPECT_EQ(view.position, (PointTwips{3000, 1500}));
    EXPECT_EQ(view.texts[Control::txtPath], L"C:\\Program Files");
    EXPECT_EQ(view.texts[Control::txtShortex], L"C:\\PROGRA~1");
}

TEST_F(LifecycleTest, TheCommandLinePathWinsOverTheRememberedOne) {
    Store(L"PreviousPath", L"C:\\Windows");
    Form(L"C:\\Program Files").Form_Load();
    EXPECT_EQ(view.texts[Control::txtPath], L"C:\\Program Files");
    EXPECT_EQ(view.texts[Control::txtShortex], L"C:\\PROGRA~1");
}

TEST_F(LifecycleTest, APathThatNamesNothingIsAnsweredWithABoxThenTheRememberedPath) {
    Store(L"PreviousPath", L"C:\\Program Files");
    Form(L"\"C:\\No Such Folder\"").Form_Load();
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].text, L"No such file or folder.          ");
    EXPECT_EQ(boxes.shown[0].title, L"Sorry, that's a no go...");
    EXPECT_EQ(boxes.shown[0].style, 48u);
    EXPECT_EQ(view.texts[Control::txtPath], L"C:\\Program Files");
    EXPECT_EQ(view.texts[Control::txtShortex], L"C:\\PROGRA~1");
}

TEST_F(LifecycleTest, TwoPathsOnTheCommandLineAreOneTextThatNamesNothing) {
    Form(L"C:\\Windows C:\\Program Files").Form_Load();
    EXPECT_EQ(boxes.shown.size(), 1u);
}

TEST_F(LifecycleTest, ARememberedPathOfErrorOrOfAnyLengthIsKept) {
    Store(L"PreviousPath", L"Error");
    Form().Form_Load();
    EXPECT_EQ(view.texts[Control::txtPath], L"");
    const std::wstring longPath = L"  C:\\" + std::wstring(300, L'x') + L"  ";
    Store(L"PreviousPath", longPath);
    Form().Form_Load();
    EXPECT_EQ(view.texts[Control::txtPath], longPath);
}

TEST_F(LifecycleTest, ClosingWhileMinimisedKeepsTheEarlierPlace) {
    Store(L"Top", L"100");
    Store(L"Left", L"200");
    view.minimized = true;
    view.texts[Control::txtPath] = L" C:\\typed ";
    Form().Form_QueryUnload();
    EXPECT_EQ(Stored(L"Top"), L"100");
    EXPECT_EQ(Stored(L"Left"), L"200");
    EXPECT_EQ(Stored(L"Startup"), L"True");
    EXPECT_EQ(Stored(L"PreviousPath"), L" C:\\typed ");
}

TEST_F(LifecycleTest, UnloadEndsTheProgram) {
    Form().Form_Unload();
    EXPECT_EQ(exit.ends, 1);
}

TEST_F(LifecycleTest, GarbageInTheKeyStillStartsOnScreen) {
    const std::vector<std::pair<std::wstring, std::wstring>> cases = {
        {L"1e999", L"NaN"}, {L"-2147483649", L"12"}, {L"", L""}, {L"Error", L"Error"},
        {L"-300", L"500"},  {L"999999999", L"0"},    {std::wstring(65536, L'9'), L"1"},
    };
    for (const auto& [top, left] : cases) {
        Store(L"Startup", L"True");
        Store(L"Top", top);
        Store(L"Left", left);
        view = FakeView{};
        Form().Form_Load();
        EXPECT_TRUE(TitleBarVisible(view.position, view.displays)) << top.size();
    }
    registryStore.SetValue(registry::RootKey::kCurrentUser, kKey, L"Startup",
                           {registry::value_type::kDword, std::vector<std::byte>(4, std::byte{1})});
    view = FakeView{};
    Form().Form_Load();
    EXPECT_EQ(view.position, CentredPosition(view.displays));
}

TEST_F(LifecycleTest, AKeyThatCannotBeReadOrWrittenLosesNothingElse) {
    registryStore.AddKey(registry::RootKey::kCurrentUser, kKey);
    registryStore.Deny(registry::RootKey::kCurrentUser, kKey, registry::KeyAccess::kRead);
    registryStore.Deny(registry::RootKey::kCurrentUser, kKey, registry::KeyAccess::kWrite);
    Form(L"C:\\Windows").Form_Load();
    EXPECT_EQ(view.texts[Control::txtPath], L"C:\\Windows");
    EXPECT_EQ(view.position, CentredPosition(view.displays));
    Form().Form_QueryUnload();
    EXPECT_EQ(registryStore.openKeys(), 0);
}

}  // namespace
}  // namespace shortex::main_window

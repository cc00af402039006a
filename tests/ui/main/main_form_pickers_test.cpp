// Choosing a file or a folder instead of typing, and the About button.
#include "main_form_fixture.h"

namespace shortex::main_window {
namespace {

class PickersTest : public MainFormFixture {
protected:
    PickersTest() {
        volume.AddFolder(L"C:\\Data").AddFolder(L"C:\\Data\\Monthly Reports", L"MONTHL~1").AddFile(L"C:\\Data\\Read Me.txt", L"README~1.TXT");
        Store(L"PreviousPath", L"C:\\Windows");
        view.texts[Control::txtPath] = L"typed but not remembered";
        view.texts[Control::txtShortex] = L"earlier result";
    }
    MainForm& form = Form();
};

TEST_F(PickersTest, CancellingTheFileDialogLeavesTheRememberedPathAndWritesNothing) {
    form.cmdOpenFile_Click();
    EXPECT_EQ(fileDialog.filter, L"All Files (*.*)|*.*");
    EXPECT_EQ(fileDialog.start, L"C:\\Windows");
    EXPECT_EQ(view.texts[Control::txtPath], L"C:\\Windows");
    EXPECT_EQ(view.texts[Control::txtShortex], L"earlier result");
    EXPECT_EQ(Stored(L"PreviousPath"), L"C:\\Windows");
    EXPECT_EQ(view.focused, Control::cmdGetShortex);
}

TEST_F(PickersTest, AChosenFileIsShownShortenedAndStoredExactlyAsGiven) {
    fileDialog.dismiss = false;
    fileDialog.answer = L"C:\\Data\\Read Me.txt";
    form.cmdOpenFile_Click();
    EXPECT_EQ(view.texts[Control::txtPath], L"C:\\Data\\Read Me.txt");
    EXPECT_EQ(view.texts[Control::txtShortex], L"C:\\Data\\README~1.TXT");
    EXPECT_EQ(Stored(L"PreviousPath"), L"C:\\Data\\Read Me.txt");
    EXPECT_EQ(view.focused, Control::cmdGetShortex);
}

TEST_F(PickersTest, NoRememberedPathStartsTheDialogFromNothing) {
    registryStore.RemoveValue(registry::RootKey::kCurrentUser, kKey, L"PreviousPath");
    form.cmdOpenFile_Click();
    EXPECT_EQ(fileDialog.start, L"");
    EXPECT_EQ(view.texts[Control::txtPath], L"");
    form.cmdOpenFolder_Click();
    ASSERT_EQ(folderChoosers.made.size(), 1u);
    EXPECT_EQ(folderChoosers.made[0].start, L"");
}

TEST_F(PickersTest, AFailingFileDialogIsReportedAndTheRememberedPathStays) {
    fileDialog.failOnShow = Failure{-2147467259, L"Unspecified error", L"", 0};
    form.cmdOpenFile_Click();
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].title, L"Error");
    EXPECT_EQ(boxes.shown[0].text,
              L"An Error was generated:\r\n\r\nDescription:\r\nError-2147467259 - Unspecified error\r\n"
              L"cmdOpenFile_Click\r\n\r\nPlease inform the author with the error description above.");
    EXPECT_EQ(view.texts[Control::txtPath], L"C:\\Windows");
    EXPECT_EQ(Stored(L"PreviousPath"), L"C:\\Windows");
    EXPECT_FALSE(view.focused);
}

TEST_F(PickersTest, AChosenFolderIsShownAndStoredInLowerCase) {
    folderChoosers.answer = L"C:\\Data\\Monthly Reports";
    form.cmdOpenFolder_Click();
    ASSERT_EQ(folderChoosers.made.size(), 1u);
    EXPECT_EQ(folderChoosers.made[0].title, L"Browse for folder");
    EXPECT_EQ(folderChoosers.made[0].instruction, L"Select a folder please");
    EXPECT_EQ(folderChoosers.made[0].start, L"C:\\");  // the folder part of C:\Windows
    EXPECT_TRUE(folderChoosers.made[0].released);
    EXPECT_EQ(view.texts[Control::txtPath], L"c:\\data\\monthly reports");
    EXPECT_EQ(view.texts[Control::txtShortex], L"c:\\data\\MONTHL~1");
    EXPECT_EQ(Stored(L"PreviousPath"), L"c:\\data\\monthly reports");
    EXPECT_EQ(view.focused, Control::cmdGetShortex);
}

TEST_F(PickersTest, ABareRememberedDriveStartsTheChooserAtItsRoot) {
    Store(L"PreviousPath", L"c:");
    folderChoosers.choose = false;
    form.cmdOpenFolder_Click();
    EXPECT_EQ(view.texts[Control::txtPath], L"c:\\");
    EXPECT_EQ(folderChoosers.made[0].start, L"c:\\");
    EXPECT_EQ(Stored(L"PreviousPath"), L"c:");  // a cancel writes nothing
    EXPECT_TRUE(folderChoosers.made[0].released);
}

TEST_F(PickersTest, ARejectedFolderBringsAttentionAndChangesNothingStored) {
    folderChoosers.answer = L"C:\\Gone Meanwhile";
    form.cmdOpenFolder_Click();
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].title, L"Attention!");
    EXPECT_EQ(boxes.shown[0].text, L"The location you picked is not available...\r\nPick another folder, please!       ");
    EXPECT_EQ(boxes.shown[0].style, 0x30u);
    EXPECT_EQ(view.texts[Control::txtPath], L"C:\\Windows");
    EXPECT_EQ(view.texts[Control::txtShortex], L"C:\\Windows");
    EXPECT_EQ(Stored(L"PreviousPath"), L"C:\\Windows");
    EXPECT_EQ(view.focused, Control::cmdGetShortex);
    EXPECT_TRUE(folderChoosers.made[0].released);
}

TEST_F(PickersTest, AChooserThatCannotBeCreatedIsReportedAndChangesNothing) {
    folderChoosers.failToCreate = Failure{429, L"ActiveX component can't create object", L"", 0};
    form.cmdOpenFolder_Click();
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].text,
              L"An Error was generated:\r\n\r\nDescription:\r\nError 429 - ActiveX component can't create object\r\n"
              L"cmdBrowseDir_Click\r\n\r\nRe-install the program to fix this.");
    EXPECT_EQ(view.texts[Control::txtPath], L"C:\\Windows");
    EXPECT_EQ(view.texts[Control::txtShortex], L"earlier result");
    EXPECT_EQ(Stored(L"PreviousPath"), L"C:\\Windows");
    EXPECT_EQ(view.focused, Control::cmdGetShortex);
}

TEST_F(PickersTest, AChooserThatFailsToShowIsReportedAndItsObjectReleased) {
    folderChoosers.failOnShow = Failure{5, L"Access is denied.", L"", 0};
    form.cmdOpenFolder_Click();
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_NE(boxes.shown[0].text.find(L"cmdBrowseDir_Click\r\n\r\nPlease inform the author"), std::wstring::npos);
    EXPECT_TRUE(folderChoosers.made[0].released);
    EXPECT_EQ(Stored(L"PreviousPath"), L"C:\\Windows");
    EXPECT_EQ(view.texts[Control::txtShortex], L"earlier result");
}

TEST_F(PickersTest, AboutOpensTheBoxThenFocusesGetShortex) {
    form.cmdAbout_Click();
    EXPECT_EQ(aboutBoxes, 1);
    EXPECT_EQ(view.focused, Control::cmdGetShortex);
}

}  // namespace
}  // namespace shortex::main_window

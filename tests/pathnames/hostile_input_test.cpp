// Every path operation answers every hostile text: no crash, no hang, and answers that fit the
// question (a short form is never longer than the limit, a folder is never also a file).
#include "pathnames/hostile_corpus.h"
#include "pathnames/long_name.h"
#include "pathnames/memory_volume.h"
#include "pathnames/path_names.h"
#include "pathnames/strip_quotes.h"

#include <gtest/gtest.h>

namespace shortex {
namespace {

TEST(HostileInput, CorpusCoversAHundredTexts) { EXPECT_GE(testing::HostileTexts().size(), 100u); }

TEST(HostileInput, EveryOperationAnswersOverTheMemoryVolume) {
    testing::MemoryVolume volume;
    volume.AddFolder(L"C:\\Windows").AddFolder(L"C:\\Program Files", L"PROGRA~1").AddFile(L"C:\\CON");
    for (const std::wstring& text : testing::HostileTexts()) {
        SCOPED_TRACE(::testing::Message() << "text of " << text.size() << " characters");
        const bool isFile = FileExists(volume, text);
        const bool isFolder = DirExists(volume, text);
        EXPECT_FALSE(isFile && isFolder);
        const std::wstring shortForm = GetShortPath(volume, text);
        EXPECT_LE(shortForm.size(), kMaxPathText);
        EXPECT_EQ(shortForm.find(L'\0'), std::wstring::npos);
        EXPECT_EQ(GetShortFileName(volume, text), shortForm);
        const std::wstring longForm = GetLongFilename(volume, text);
        EXPECT_EQ(longForm.find(L'\0'), std::wstring::npos);
        const std::wstring unquoted = stripQuotes::UnquotePath(volume, text);
        EXPECT_LE(unquoted.size(), text.size());
        EXPECT_EQ(unquoted.find(L'\0'), std::wstring::npos);
        EXPECT_LE(GetPath(text).size(), text.size());
        EXPECT_GE(FixDriveRoot(text).size(), text.size());
    }
}

}  // namespace
}  // namespace shortex

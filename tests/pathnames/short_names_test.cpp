// Choosing and giving 8.3 names, over a volume in memory.
#include "pathnames/memory_volume.h"
#include "pathnames/short_names.h"

#include <gtest/gtest.h>

namespace shortex::testing {
namespace {

TEST(ShortNames, GeneratedAsWindowsDocumentsIt) {
    std::vector<std::wstring> nine = {L"Program Files"};  // its own long name, and ~1 to ~9 in any case
    for (int n = 1; n <= 9; ++n) nine.push_back((n % 2 ? L"progra~" : L"PROGRA~") + std::to_wstring(n));
    const struct {
        const wchar_t* name;
        std::vector<std::wstring> taken;
        const wchar_t* shortName;
    } cases[] = {
        {L"Program Files", {L"Program Files"}, L"PROGRA~1"},
        {L"Program Files", {L"program files", L"progra~1", L"PROGRA~2.TXT"}, L"PROGRA~2"},
        {L"Program Files", nine, L"PROGR~10"},
        {L"This is a really long filename.123.456.789.txt", {}, L"THISIS~1.TXT"},
        {L"This is a really long filename.123.456.789.", {}, L"THISIS~1.789"},
        {L"a File.doc", {}, L"AFILE~1.DOC"},
        {L"read me.html", {}, L"README~1.HTM"},
        {L"x.tar.gz", {}, L"XTAR~1.GZ"},
        {L".gitignore", {}, L"GITIGN~1"},
        {L"name.  ", {}, L"NAME~1"},
        {L"a+b,c;d=e[f]g\"h.t*x?t", {}, L"ABCDEF~1.TXT"},
        {L"+ + +.txt", {}, L"_~1.TXT"},
        {L"\u00c4pfel und Birnen.\u00e9t\u00e9", {}, L"_PFELU~1._T_"},
        {L"\xD83D\xDE00 smile", {}, L"_SMILE~1"},  // a surrogate pair, as Windows holds U+1F600
        {L"a\xD800"
         L"b c",
         {},
         L"A_BC~1"},
    };
    for (const auto& c : cases) EXPECT_EQ(GenerateShortName(c.name, c.taken), c.shortName) << c.name;
}

// A folder and a file without short names, under one that has one, beside a long name that is
// itself the folder's first choice.
const std::wstring kBig = L"C:\\Program Files\\Big Folder", kFile = kBig + L"\\read me.txt";
MemoryVolume Volume() {
    MemoryVolume volume;
    volume.Add(L"C:\\Program Files", L"PROGRA~1", kFolder)
        .Add(kBig, L"", kFolder)
        .Add(L"C:\\Program Files\\BIGFOL~1", L"", kFolder)
        .Add(kFile);
    volume.facts.name = L"C:";
    return volume;
}

TEST(ShortNames, EachComponentWithoutOneGetsItsNameAndTheOthersKeepTheirs) {
    MemoryVolume volume = Volume();
    for (const bool dryRun : {true, false}) {
        const auto given = GiveShortNames(volume, kFile, dryRun);
        ASSERT_EQ(given.size(), 2u);
        EXPECT_EQ(given[0].path + L"=" + given[0].name, kBig + L"=BIGFOL~2");
        EXPECT_EQ(given[1].path + L"=" + given[1].name, kFile + L"=README~1.TXT");
        EXPECT_EQ(given[0].error + given[1].error, 0u);
    }
    EXPECT_EQ(ShortPath(volume, kFile), L"C:\\PROGRA~1\\BIGFOL~2\\README~1.TXT");
}

TEST(ShortNames, EachFailureInWordsWithTheOtherComponentsStillDone) {
    const struct {
        bool onFolder;
        std::uint32_t refusal;
        const wchar_t* words;
    } cases[] = {
        {true, 183, L""},  // taken since the listing: the next number
        {true, 5, L"in use: close the programs that have files open in it, then try again"},
        {false, 32, L"in use: close the programs that have it open, then try again"},
        {true, 1314, L"administrator rights are needed to give it a short name"},
        {false, 87, L"\"README~1.TXT\" was refused: its folder is case-sensitive, or the name is not valid there"},
        {true, 127, L"this system cannot give short names"},
        {true, 305, L"8.3 name creation is off on C:; \"fsutil 8dot3name set C: 0\""},
        {true, 1117, L"the system refused to give it \"BIGFOL~2\" (error 1117)"},
    };
    for (const auto& c : cases) {
        MemoryVolume volume = Volume();
        volume.refusals[c.onFolder ? L"C:\\PROGRAM FILES\\BIG FOLDER" : L"C:\\PROGRAM FILES\\BIG FOLDER\\READ ME.TXT"] =
            c.refusal;
        const auto given = GiveShortNames(volume, kFile, false);
        ASSERT_EQ(given.size(), 2u);
        const GivenName &refused = given[!c.onFolder], &other = given[c.onFolder];
        EXPECT_EQ(refused.error, c.refusal == 183 ? 0 : c.refusal);
        EXPECT_EQ(refused.failure.substr(0, std::wcslen(c.words)), c.words) << c.refusal;
        EXPECT_EQ(refused.name, c.refusal == 183 ? L"BIGFOL~3" : refused.name);
        EXPECT_EQ(other.error, 0u);
    }
    MemoryVolume volume = Volume();
    const auto missing = GiveShortNames(volume, L"C:\\Program Files\\missing", false);
    ASSERT_EQ(missing.size(), 1u);
    EXPECT_EQ(missing[0].failure, L"not found");
}

TEST(ShortNames, NothingIsTriedWhereTheVolumeGivesNoShortNames) {
    const std::pair<VolumeFacts, std::uint32_t> volumes[] = {{{L"NTFS", false, false, 1}, 305},
                                                             {{L"NTFS", false, true, 2}, 305},
                                                             {{L"NTFS", false, false, 3, false}, 305},
                                                             {{L"exFAT"}, 50},
                                                             {{L"NTFS", true}, 50}};
    for (const auto& [facts, error] : volumes) {
        MemoryVolume volume = Volume();
        volume.facts = facts;
        for (const GivenName& given : GiveShortNames(volume, kFile, false)) {
            EXPECT_EQ(given.error, error);
            EXPECT_EQ(given.failure, WhyVolumeGivesNoShortNames(facts));
        }
        EXPECT_EQ(ShortPath(volume, kFile), L"C:\\PROGRA~1\\Big Folder\\read me.txt");
    }
}

}  // namespace
}  // namespace shortex::testing

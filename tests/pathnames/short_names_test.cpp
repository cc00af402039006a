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
        {L"a\xD800 b c", {}, L"A_BC~1"},
    };
    for (const auto& c : cases) EXPECT_EQ(GenerateShortName(c.name, c.taken), c.shortName) << c.name;
}

// A folder and a file without short names, under one that has one, beside a long name that is
// itself the folder's first choice.
TEST(ShortNames, EachFailureInWordsTheOtherComponentStillDone) {
    const std::wstring folder = L"C:\\Program Files\\Big Folder", file = folder + L"\\read me.txt";
    const VolumeFacts ntfs{L"NTFS", false, false, 2, false, L"C:"};
    const struct {
        VolumeFacts facts;
        const std::wstring* refused;  // nullptr: both
        std::uint32_t refusal, error;
        const wchar_t* words;
    } cases[] = {
        {ntfs, &folder, 183, 0, L""},  // taken since the listing: the next number
        {ntfs, &file, 32, 32, L"in use: close the programs that have it open, then try again"},
        {ntfs, &file, 87, 87,
         L"\"README~1.TXT\" was refused: its folder is case-sensitive, or the name is not valid there"},
        {ntfs, &folder, 305, 305, L"8.3 name creation is off on C:; \"fsutil 8dot3name set C: 0\""},
        {ntfs, &folder, 1117, 1117, L"the system refused to give it \"BIGFOL~2\" (error 1117)"},
        {{L"NTFS", false, false, 1}, nullptr, 0, 305, L"8.3 name creation is off for every volume;"},  // nothing tried
        {{L"exFAT"}, nullptr, 0, 50, L"Its volume's file system (exFAT) keeps no short names."},
        {{L"NTFS", true}, nullptr, 0, 50, L"The network share it lies on gives no short names."},
    };
    for (const auto& c : cases) {
        MemoryVolume volume;
        volume.Add(L"C:\\Program Files", L"PROGRA~1", kFolder)
            .Add(folder, L"", kFolder)
            .Add(L"C:\\Program Files\\BIGFOL~1", L"", kFolder)
            .Add(file)
            .facts = c.facts;
        if (c.refused) volume.refusals[MemoryVolume::Fold(*c.refused)] = c.refusal;
        const auto given = GiveShortNames(volume, file, false);
        ASSERT_EQ(given.size(), 2u);
        for (const GivenName& one : given) {
            const bool refused = !c.refused || *c.refused == one.path;
            EXPECT_EQ(one.error, refused ? c.error : 0) << one.path << c.refusal;
            EXPECT_EQ(one.failure.substr(0, std::wcslen(c.words)), refused ? c.words : L"");
        }
        EXPECT_EQ(given[0].name, c.refusal == 183 ? L"BIGFOL~3" : c.refused ? L"BIGFOL~2" : L"");
        EXPECT_EQ(ShortPath(volume, file) == L"C:\\PROGRA~1\\Big Folder\\read me.txt", !c.refused);
    }
    MemoryVolume volume;
    EXPECT_EQ(GiveShortNames(volume, L"C:\\missing", false).at(0).failure, L"not found");
}

TEST(ShortNames, OfferedOnlyWhereEveryNameCanBeGivenAndNeverForARelativePath) {
    const struct {
        std::vector<std::wstring> paths;
        VolumeFacts facts;
        std::size_t names;
        bool offered;
    } cases[] = {
        {.paths = {L"C:\\Program Files\\read me.txt"}, .facts = {L"NTFS"}, .names = 0, .offered = false},
        {.paths = {L"D:\\No Short Names", L"C:\\Windows"}, .facts = {L"NTFS"}, .names = 1, .offered = true},
        {.paths = {L"D:\\No Short Names"}, .facts = {L"exFAT"}, .names = 1, .offered = false},
        {.paths = {L"No Short Names"}, .facts = {L"NTFS"}, .names = 0, .offered = false},
    };
    for (const auto& c : cases) {
        MemoryVolume volume = MemoryVolume::Sample();
        volume.facts = c.facts;
        const std::vector<GivenName> names = NamesToGive(volume, c.paths);
        EXPECT_EQ(names.size(), c.names) << c.paths[0];
        EXPECT_EQ(CanOffer(names), c.offered) << c.paths[0];
    }
}

TEST(ShortNames, TheOfferAndTheFailuresNameEachComponent) {
    const std::vector<GivenName> names = {{L"D:\\a b", L"AB~1", 0, L""}, {L"D:\\a b\\c d", L"CD~1", 32, L"in use"}};
    const std::wstring offer = OfferText(names);
    EXPECT_NE(offer.find(L"D:\\a b  \u2192  AB~1"), std::wstring::npos) << offer;
    EXPECT_NE(offer.find(L"D:\\a b\\c d  \u2192  CD~1"), std::wstring::npos) << offer;
    EXPECT_EQ(FailureLines(names), L"D:\\a b\\c d: in use");
    EXPECT_TRUE(NotGivenText(FailureLines(names) + L"\r\n").ends_with(L"\r\nD:\\a b\\c d: in use"));
    EXPECT_NE(NotGivenText(L"").find(L"shortex-cli --make-short"), std::wstring::npos);  // where to learn why
}

}  // namespace
}  // namespace shortex::testing

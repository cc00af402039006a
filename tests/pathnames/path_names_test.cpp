// The path operations over a volume in memory, with what Wine cannot make (no short names).
#include "pathnames/hostile_corpus.h"
#include "pathnames/memory_volume.h"

#include <gtest/gtest.h>

namespace shortex::testing {
namespace {

TEST(PathNames, ShortAndLongForms) {
    MemoryVolume volume = MemoryVolume::Sample();
    const struct {
        const wchar_t *path, *shortForm, *longForm;
    } cases[] = {
        // shortForm nullptr: the system's
        {L"C:\\Program Files\\Common Files", L"C:\\PROGRA~1\\COMMON~1", L"C:\\Program Files\\Common Files"},
        {L"c:\\PROGRA~1\\common~1", L"c:\\PROGRA~1\\COMMON~1", L"c:\\Program Files\\Common Files"},
        {L"C:\\Program Files\\read me.txt", L"C:\\PROGRA~1\\README~1.TXT", L"C:\\Program Files\\read me.txt"},
        {L"D:\\No Short Names", L"D:\\No Short Names", L"D:\\No Short Names"},  // 8.3 creation off
        {L"C:\\$Hidden\\x.sys", L"C:\\$Hidden\\x.sys", L"C:\\$Hidden\\x.sys"},
        {L"C:\\Program Files\\Missing", L"", L""},
        {L"C:\\Missing\\Program Files", L"", L""},
        {L"C:", nullptr, L"C:"},
        {L"C:\\", nullptr, L"C:\\"},
        {L"\\\\server\\share", nullptr, L"\\\\server\\share"},
        {L"\\\\?\\UNC\\server\\share", nullptr, L"\\\\?\\UNC\\server\\share"},
        {L"C:\\Program Files\\.\\..", nullptr, L"C:\\Program Files\\.\\.."},
        {L"", L"", L""},
    };
    for (const auto& c : cases) {
        if (c.shortForm) {
            EXPECT_EQ(ShortPath(volume, c.path), c.shortForm) << c.path;
        }
        EXPECT_EQ(LongPath(volume, c.path), c.longForm) << c.path;
    }
}

TEST(PathNames, TheNoteOnAShortFormNamesItsFirstLongComponentElseAShortNameBeyondAscii) {
    MemoryVolume volume;
    const struct {
        const wchar_t *form, *component;
        bool noShortName;
    } forms[] = {// component "": no note
                 {L"C:\\PROGRA~1\\README~1.TXT", L"", false},
                 {L"C:\\x.y\\.\\..\\A_B$~1\x7F", L"", false},
                 {L"D:\\No Short Names\\x", L"No Short Names", true},
                 {L"\\\\server\\long share\\Report 2024.docx", L"Report 2024.docx", true},
                 {L"C:\\NAME.\\x", L"NAME.", true},
                 {L"C:\\a.b.c", L"a.b.c", true},
                 {L"C:\\ABCDEFGHI", L"ABCDEFGHI", true},
                 {L"C:\\x.html", L"x.html", true},
                 {L"C:\\a\U0001F600", L"a\U0001F600", true},
                 {L"C:\\\u0416\\a;b", L"a;b", true},
                 {L"C:\\\u00C4PFEL~1.TXT\\\u00e4pfel.txt", L"\u00C4PFEL~1.TXT", false}};
    for (const auto& c : forms) {
        const ShortFormNote note = NoteOnShortForm(volume, L"C:\\x", c.form);
        EXPECT_EQ(note.noShortName, c.noShortName) << c.form;
        EXPECT_EQ(note.text.empty() ? L"" : note.text.substr(1, note.text.find(L'"', 1) - 1), c.component) << c.form;
    }
    std::optional<VolumeFacts> known = VolumeFacts{L"exFAT"}, unknown;  // the volume is asked once
    EXPECT_NE(NoteOnShortForm(volume, L"C:\\x", L"C:\\a b", known).text.find(L"exFAT"), std::wstring::npos);
    EXPECT_TRUE(NoteOnShortForm(volume, L"C:\\x", L"C:\\a b", unknown).noShortName && unknown);
}

TEST(PathNames, WhyNoShortNameOnEveryVolumeAndSetting) {
    // Each reason by a phrase only it holds.
    const wchar_t *made = L"made while 8.3 name creation was off", *all = L"off for every volume;",
                  *allButSystem = L"but the system volume", *onD = L"\"fsutil 8dot3name set D: 0\"";
    // NTFS: NtfsDisable8dot3NameCreation, the volume's own flag off, the system volume; why.
    const struct {
        std::uint32_t setting;
        bool flagOff, system;
        const wchar_t* why;
    } ntfs[] = {{0, 0, 0, made},         {0, 0, 1, made}, {0, 1, 0, made},         {0, 1, 1, made},
                {1, 0, 0, all},          {1, 0, 1, all},  {1, 1, 0, all},          {1, 1, 1, all},
                {2, 0, 0, made},         {2, 0, 1, made}, {2, 1, 0, onD},          {2, 1, 1, onD},
                {3, 0, 0, allButSystem}, {3, 0, 1, made}, {3, 1, 0, allButSystem}, {3, 1, 1, made}};
    const std::pair<VolumeFacts, const wchar_t*> others[] = {{{L"NTFS", true, true, 1}, L"network share"},
                                                             {{L""}, L"cannot be read"},
                                                             {{L"FAT32", false, true, 1}, L"FAT32 keeps a short name"},
                                                             {{L"ReFS", false, true, 1}, L"(ReFS) keeps no"}};
    MemoryVolume volume;
    const auto why = [&](VolumeFacts facts) {
        facts.name = L"D:";
        volume.facts = facts;
        return NoteOnShortForm(volume, L"D:\\x", L"D:\\Big Files").text;
    };
    for (const auto& c : ntfs)
        EXPECT_NE(why({L"NTFS", false, c.flagOff, c.setting, c.system}).find(c.why), std::wstring::npos) << c.setting;
    for (const auto& [facts, phrase] : others) EXPECT_NE(why(facts).find(phrase), std::wstring::npos) << phrase;
    volume.facts = {L"NTFS", false, true, 2, false, L"C:\\mnt\\my disk"};
    EXPECT_NE(NoteOnShortForm(volume, L"x", L"a b").text.find(L"\"fsutil 8dot3name set \"C:\\mnt\\my disk\" 0\""),
              std::wstring::npos);
}

TEST(PathNames, EveryHostileTextKeepsTheInvariants) {
    MemoryVolume volume = MemoryVolume::Sample();
    for (const std::wstring& text : HostileTexts())
        EXPECT_EQ(BrokenPathInvariant(volume, text), "") << ::testing::PrintToString(text.substr(0, 60));
}

}  // namespace
}  // namespace shortex::testing

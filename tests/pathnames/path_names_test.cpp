// The path operations over a volume in memory, with what Wine cannot make (no short names).
#include "pathnames/hostile_corpus.h"
#include "pathnames/memory_volume.h"

#include <gtest/gtest.h>

namespace shortex::testing {
namespace {

MemoryVolume Volume() {
    MemoryVolume volume;
    volume.Add(L"C:\\Program Files", L"PROGRA~1", kFolder)
        .Add(L"C:\\Program Files\\Common Files", L"COMMON~1", kFolder)
        .Add(L"C:\\Program Files\\read me.txt", L"README~1.TXT")
        .Add(L"C:\\Windows", L"", kFolder)
        .Add(L"C:\\$Hidden", L"", kFolder)
        .Add(L"C:\\$Hidden\\x.sys")
        .Add(L"D:\\No Short Names", L"", kFolder);
    return volume;
}

TEST(PathNames, ShortAndLongForms) {
    MemoryVolume volume = Volume();
    const struct { const wchar_t *path, *shortForm, *longForm; } cases[] = {  // shortForm nullptr: the system's
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

TEST(PathNames, AShortFormThatKeepsALongNameSaysWhich) {
    const std::pair<const wchar_t*, const wchar_t*> forms[] = {
        {L"C:\\PROGRA~1\\README~1.TXT", L""},     {L"C:\\x.y\\.\\..\\A_B$~1", L""},
        {L"D:\\No Short Names\\x", L"No Short Names"}, {L"\\\\server\\long share\\Report 2024.docx", L"Report 2024.docx"},
        {L"C:\\NAME.\\x", L"NAME."},                 {L"C:\\a.b.c", L"a.b.c"},
        {L"C:\\ABCDEFGHI", L"ABCDEFGHI"},             {L"C:\\x.html", L"x.html"},
        {L"C:\\\u0416", L"\u0416"}};
    for (const auto& [form, component] : forms) EXPECT_EQ(FirstLongComponent(form), component) << form;
    const struct { VolumeFacts volume; const wchar_t* reasonStart; } reasons[] = {
        {{L"NTFS", true}, L"The network share"},        {{L"exFAT"}, L"Its volume's file system (exFAT)"},
                   {{L"NTFS", false, true}, L"8.3 name creation is off"}, {{L"NTFS", false, false, 1}, L"8.3 name creation is off"},
                   {{L"NTFS", false, false, 3, false}, L"8.3 name creation is off"}, {{L"NTFS", false, false, 3, true}, L"It was made while"},
                   {{L"FAT32", false, false, 2}, L"It was made while"}};
    for (const auto& c : reasons) {
        EXPECT_TRUE(NoShortNameReason(L"x y", c.volume).starts_with(L"\"x y\" has no short name. " + std::wstring(c.reasonStart)))
            << c.reasonStart;
    }
}

TEST(PathNames, EveryHostileTextKeepsTheInvariants) {
    MemoryVolume volume = Volume();
    const auto texts = HostileTexts();
    ASSERT_GE(texts.size(), 100u);
    for (const std::wstring& text : texts) EXPECT_EQ(BrokenPathInvariant(volume, text), "") << ::testing::PrintToString(text.substr(0, 60));
}

}  // namespace
}  // namespace shortex::testing

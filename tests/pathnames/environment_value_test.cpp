// A variable's ";" list in short form, over a volume in memory.
#include "pathnames/environment_value.h"
#include "pathnames/memory_volume.h"

#include <gtest/gtest.h>

namespace shortex::testing {
namespace {

// %ProgramFiles% and %SystemRoot% as Windows sets them; any other reference stays as it is.
std::wstring Expanded(std::wstring text) {
    for (const auto& [reference, value] :
         {std::pair{L"%ProgramFiles%", L"C:\\Program Files"}, std::pair{L"%SystemRoot%", L"C:\\Windows"}})
        for (std::size_t at; (at = text.find(reference)) != std::wstring::npos;)
            text.replace(at, std::wcslen(reference), value);
    return text;
}

MemoryVolume WithJava() {
    MemoryVolume volume = MemoryVolume::Sample();
    volume.Add(L"C:\\Program Files\\Java", L"", kFolder).Add(L"C:\\Program Files\\Java\\jdk 21", L"JDK21~1", kFolder);
    return volume;
}

TEST(EnvironmentValue, EveryEntryInShortFormWithItsReferencesAndEverythingElseAsItWas) {
    const std::wstring java = L"%ProgramFiles%\\Java\\jdk 21";
    const std::tuple<std::wstring, bool, std::wstring> cases[] = {
        // the value, --expand, the value written
        {L"C:\\Program Files\\Java\\jdk 21", false, L"C:\\PROGRA~1\\Java\\JDK21~1"},
        {java, false, L"%ProgramFiles%\\Java\\JDK21~1"},
        {java, true, L"C:\\PROGRA~1\\Java\\JDK21~1"},
        {L"%SystemRoot%\\$Hidden", true, L"%SystemRoot%\\$Hidden"},  // needs nothing
        {L";\"C:\\Program Files\";;C:\\missing;%NOPE%\\x;C:\\Windows;", false,
         L";\"C:\\PROGRA~1\";;C:\\missing;%NOPE%\\x;C:\\Windows;"},
        {L"%ProgramFiles%Java", false, L"%ProgramFiles%Java"},  // on the reference's own name
        {L"100%;5%\\x;\"unclosed;C:\\Program Files", false, L"100%;5%\\x;\"unclosed;C:\\Program Files"},
        {std::wstring(32767, L';'), false, std::wstring(32767, L';')},
    };
    MemoryVolume volume = WithJava();
    for (const auto& [value, expand, written] : cases)
        EXPECT_EQ(ShortenedEntries(volume, value, expand, Expanded).value, written) << value.substr(0, 60);
}

TEST(EnvironmentValue, EachEntryThatChangedOrCouldNotIsNamedWithWhy) {
    MemoryVolume volume = WithJava();
    const std::vector<std::wstring> notes =
        ShortenedEntries(volume, L"%ProgramFiles%\\Java\\jdk 21;C:\\missing;%NOPE%\\x;D:\\No Short Names;Java", false,
                         Expanded)
            .notes;
    ASSERT_EQ(notes.size(), 6u);
    EXPECT_EQ(notes[0],
              L"%ProgramFiles%\\Java\\jdk 21: a reference kept: it expands to a text with a blank "
              L"(--expand writes it expanded)");
    EXPECT_EQ(notes[1], L"%ProgramFiles%\\Java\\jdk 21 -> %ProgramFiles%\\Java\\JDK21~1");
    EXPECT_EQ(notes[2], L"C:\\missing: not found");
    EXPECT_EQ(notes[3], L"%NOPE%\\x: a reference to a variable that does not exist");
    EXPECT_TRUE(notes[4].starts_with(L"D:\\No Short Names: \"No Short Names\" has no short name.")) << notes[4];
    EXPECT_NE(notes[4].find(L"shortex-cli --make-short \"D:\\No Short Names\""), std::wstring::npos) << notes[4];
    EXPECT_EQ(notes[5], L"Java: not a full path: left as it is");  // found from wherever a program runs
}

TEST(EnvironmentValue, TheLengthIsToldAgainstEachLimit) {
    EXPECT_EQ(LengthAgainstLimits(2300),
              L"2300 characters: over setx's 1024; over the Environment Variables dialog's "
              L"2047; within cmd's command line 8191; within a variable's 32767.");
}

}  // namespace
}  // namespace shortex::testing

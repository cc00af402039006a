#include "cli/cli_request.h"
#include "cli/tree_walk.h"
#include "pathnames/memory_volume.h"

#include <gtest/gtest.h>

namespace shortex::cli {
namespace {

TEST(TreeWalk, FoldersComeBeforeTheirContentsWithShortNamesWhereTheyExistAndLinksAreNotEntered) {
    testing::MemoryVolume volume;  // reparse tags: a cloud file's placeholder folder, a symbolic link
    volume.Add(L"C:\\Top\\Cloud", L"", kFolder | kReparsePoint, 0x9000601A)
        .Add(L"C:\\Top\\Cloud\\x")
        .Add(L"C:\\Top\\Link", L"", kFolder | kReparsePoint, 0xA000000C)
        .Add(L"C:\\Top\\Link\\Top", L"", kFolder)
        .Add(L"C:\\Top\\Locked", L"", kFolder)
        .Add(L"C:\\Top\\Program Files", L"PROGRA~1", kFolder)
        .Add(L"C:\\Top\\Program Files\\a b.txt", L"AB~1.TXT")
        .Add(L"C:\\Top\\z.txt")
        .refusals[L"C:\\TOP\\LOCKED"] = 5;  // access denied
    std::vector<std::wstring> lines, errors;
    WalkTree(
        volume, L"C:\\TOP", L"C:\\Top",
        [&](auto& shortForm, auto& longForm, auto) { lines.push_back(shortForm + L"|" + longForm); },
        [&](auto& folder, auto error) { errors.push_back(folder + L"|" + std::to_wstring(error)); },
        [] { return false; });
    EXPECT_EQ(
        lines,
        (std::vector<std::wstring>{
            L"C:\\TOP\\Cloud|C:\\Top\\Cloud", L"C:\\TOP\\Cloud\\x|C:\\Top\\Cloud\\x", L"C:\\TOP\\Link|C:\\Top\\Link",
            L"C:\\TOP\\Locked|C:\\Top\\Locked", L"C:\\TOP\\PROGRA~1|C:\\Top\\Program Files",
            L"C:\\TOP\\PROGRA~1\\AB~1.TXT|C:\\Top\\Program Files\\a b.txt", L"C:\\TOP\\z.txt|C:\\Top\\z.txt"}));
    EXPECT_EQ(errors, std::vector<std::wstring>{L"C:\\Top\\Locked|5"});

    int asked = 0;  // stopping ends the walk at once
    WalkTree(
        volume, L"C:\\TOP", L"C:\\Top", [](auto&, auto&, auto) {}, [](auto&, auto) {}, [&] { return ++asked > 2; });
    EXPECT_EQ(asked, 3);
}

TEST(NoteLine, WarnsOfANameWithoutAShortNameAndNotesTheRest) {
    EXPECT_EQ(NoteLine(L"e:\\x", {true, L"No short name", L"\"x\" has no short name."}),
              L"shortex-cli: warning: e:\\x: \"x\" has no short name.");
    EXPECT_EQ(NoteLine(L"e:\\x", {false, L"Short name beyond ASCII", L"Note."}), L"shortex-cli: note: e:\\x: Note.");
    EXPECT_EQ(NoteLine(L"e:\\x", {}), L"");
}

}  // namespace
}  // namespace shortex::cli

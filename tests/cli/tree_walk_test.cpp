#include "cli/cli_request.h"
#include "cli/tree_walk.h"
#include "pathnames/memory_volume.h"

#include <gtest/gtest.h>

namespace shortex::cli {
namespace {

TEST(TreeWalk, FoldersComeBeforeTheirContentsWithShortNamesWhereTheyExistAndLinksAreNotEntered) {
    testing::MemoryVolume volume;
    volume.Add(L"C:\\Top\\Link", L"", kFolder | kReparsePoint)
        .Add(L"C:\\Top\\Link\\Top", L"", kFolder)
        .Add(L"C:\\Top\\Locked", L"", kFolder)
        .Add(L"C:\\Top\\Program Files", L"PROGRA~1", kFolder)
        .Add(L"C:\\Top\\Program Files\\a b.txt", L"AB~1.TXT")
        .Add(L"C:\\Top\\z.txt")
        .Unreadable(L"C:\\Top\\Locked");
    std::vector<std::wstring> lines, errors;
    WalkTree(
        volume, L"C:\\TOP", L"C:\\Top", [&](auto& shortForm, auto& longForm, auto) { lines.push_back(shortForm + L"|" + longForm); },
        [&](auto& folder, auto error) { errors.push_back(folder + L"|" + std::to_wstring(error)); }, [] { return false; });
    EXPECT_EQ(lines, (std::vector<std::wstring>{L"C:\\TOP\\Link|C:\\Top\\Link", L"C:\\TOP\\Locked|C:\\Top\\Locked",
                                                L"C:\\TOP\\PROGRA~1|C:\\Top\\Program Files",
                                                L"C:\\TOP\\PROGRA~1\\AB~1.TXT|C:\\Top\\Program Files\\a b.txt",
                                                L"C:\\TOP\\z.txt|C:\\Top\\z.txt"}));
    EXPECT_EQ(errors, std::vector<std::wstring>{L"C:\\Top\\Locked|5"});

    int asked = 0;  // stopping ends the walk at once
    WalkTree(volume, L"C:\\TOP", L"C:\\Top", [](auto&, auto&, auto) {}, [](auto&, auto) {}, [&] { return ++asked > 2; });
    EXPECT_EQ(asked, 3);
}

TEST(LongNameWarning, NamesThePathItsLongComponentAndWhyAskingTheVolumeOnce) {
    testing::MemoryVolume volume;
    volume.Add(L"E:\\Big Files", L"", kFolder).facts = {L"exFAT"};
    std::optional<VolumeFacts> facts;
    EXPECT_EQ(LongNameWarning(volume, L"e:\\big files", ShortPath(volume, L"e:\\big files"), facts),
              L"shortex-cli: warning: e:\\big files: \"Big Files\" has no short name. Its volume's file system (exFAT) "
              L"keeps no short names.");
    volume.facts = {L"NTFS"};  // kept from the first call
    EXPECT_NE(LongNameWarning(volume, L"E:\\Big Files", L"E:\\Big Files", facts).find(L"exFAT"), std::wstring::npos);
    EXPECT_EQ(LongNameWarning(volume, L"E:\\x", L"E:\\BIGFIL~1", facts), L"");
}

}  // namespace
}  // namespace shortex::cli

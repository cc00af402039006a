// Reading the paths out of dropped data, in every form Explorer and editors offer them.
#include "support/win_support.h"
#include "ui/dropped_paths.h"

#include <gtest/gtest.h>
#include <shlobj.h>

#include <cstring>

namespace shortex::testing {
namespace {

TEST(PathsIn, PrefersTheItemListAndStaysInsideATruncatedDropFiles) {
    ASSERT_TRUE(SUCCEEDED(::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
    TempFolder folder;
    const std::wstring file = folder.MakeFile(L"a file.txt"), sub = folder.MakeFolder(L"a folder");
    const std::string files = DropFilesBlock({file, sub});
    std::string beyond = files;
    const DWORD end = static_cast<DWORD>(files.size());
    std::memcpy(beyond.data(), &end, sizeof end);  // pFiles: the names start past the block
    const struct {
        std::vector<std::pair<CLIPFORMAT, std::string>> blocks;
        std::vector<std::wstring> paths;
    } cases[] = {
        {{ItemList({file, sub, L"C:\\"})}, {file, sub, L"C:\\"}},
        {{{CF_HDROP, DropFilesBlock({L"C:\\windows"})}, ItemList({sub})}, {sub}},
        {{{CF_HDROP, DropFilesBlock({L"C:\\windows", file}, false)}}, {L"C:\\windows", file}},
        {{{CF_HDROP, files.substr(0, sizeof(DROPFILES) - 1)}, {CF_UNICODETEXT, TextBlock(file)}}, {}},
        {{{CF_HDROP, beyond}}, {}},
        {{{CF_HDROP, files.substr(0, files.size() - 6)}}, {file, sub.substr(0, sub.size() - 1)}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(PathsIn(*Dropped(c.blocks).get()), c.paths) << c.blocks.size() << " " << c.paths.size();
    }
}

}  // namespace
}  // namespace shortex::testing

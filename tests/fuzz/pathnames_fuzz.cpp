// Feeds arbitrary text to every path operation over an in-memory volume, and arbitrary bytes to
// the text conversions and the line splitter of the console companion.
#include "cli/cli_request.h"
#include "common/utf8.h"
#include "pathnames/long_name.h"
#include "pathnames/memory_volume.h"
#include "pathnames/path_names.h"
#include "pathnames/strip_quotes.h"

#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

using namespace shortex;

testing::MemoryVolume& Volume() {
    static testing::MemoryVolume volume = [] {
        testing::MemoryVolume v;
        v.AddFolder(L"C:\\Program Files", L"PROGRA~1")
            .AddFolder(L"C:\\Program Files\\Common Files", L"COMMON~1")
            .AddFile(L"C:\\Program Files\\Common Files\\a b.txt", L"AB~1.TXT")
            .AddFolder(L"C:\\$Hidden", L"", attributes::kHidden | attributes::kSystem)
            .AddFile(L"C:\\$Hidden\\x", L"", attributes::kHidden)
            .AddFolder(L"C:\\\u0416", L"2C1~1")
            .AddDrive(L'D')
            .AddDrive(L'E')
            .SetDriveReady(L'E', false)
            .SetCurrentFolder(L"C:\\Program Files");
        return v;
    }();
    return volume;
}

void Check(bool condition) {
    if (!condition) std::abort();
}

void FuzzPathOperations(const std::wstring& text) {
    auto& volume = Volume();
    const bool isFile = FileExists(volume, text);
    const bool isFolder = DirExists(volume, text);
    Check(!(isFile && isFolder));
    const std::wstring shortForm = GetShortPath(volume, text);
    Check(shortForm.find(L'\0') == std::wstring::npos);
    const std::wstring longForm = GetLongFilename(volume, text);
    Check(longForm.find(L'\0') == std::wstring::npos);
    if (!shortForm.empty()) {
        // What has a short form exists, and its long form names the same kind of entry, and is
        // already as long as it gets.
        Check(FileExists(volume, shortForm) == isFile);
        const std::wstring expanded = GetLongFilename(volume, shortForm);
        if (!expanded.empty()) {
            Check(FileExists(volume, expanded) == isFile && DirExists(volume, expanded) == isFolder);
            Check(GetLongFilename(volume, expanded) == expanded);
        }
    }
    Check(stripQuotes::UnquotePath(volume, text).size() <= text.size());
    Check(GetPath(text).size() <= text.size());
    Check(FixDriveRoot(text).size() <= text.size() + 1);
    (void)RootLength(text);
}

void FuzzText(const std::string& bytes) {
    const std::wstring wide = Utf8ToWide(bytes);
    Check(Utf8ToWide(WideToUtf8(wide)) == wide);  // decoding yields only well-formed text
    cli::LineSplitter<char> splitter;
    std::size_t total = 0;
    auto count = [&total](const std::string& line) { total += line.size(); };
    splitter.Feed(bytes, count);
    splitter.Finish(count);
    Check(total <= bytes.size());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    FuzzText(bytes);
    // The same bytes as UTF-16 code units, unpaired surrogates and NULs included.
    std::wstring units;
    for (std::size_t i = 0; i + 1 < size; i += 2) units.push_back(static_cast<wchar_t>(data[i] | (data[i + 1] << 8)));
    FuzzPathOperations(units);
    FuzzPathOperations(Utf8ToWide(bytes));
    return 0;
}

// Arbitrary text to the path operations, under the hostile corpus's invariants; bytes to the line splitter.
#include "cli/cli_request.h"
#include "pathnames/hostile_corpus.h"
#include "pathnames/memory_volume.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace shortex;
    static testing::MemoryVolume volume = testing::MemoryVolume::Sample();
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    std::size_t total = 0;
    cli::LineSplitter<char> splitter;
    auto count = [&total](const std::string& line) { total += line.size(); };
    splitter.Feed(bytes, count);
    splitter.Finish(count);
    if (total > size) std::abort();

    // The bytes as UTF-16 code units, unpaired surrogates and NULs included, and as Latin-1 text.
    std::wstring units, latin;
    for (const unsigned char byte : bytes) latin += static_cast<wchar_t>(byte);
    for (std::size_t i = 0; i + 1 < size; i += 2) units.push_back(static_cast<wchar_t>(data[i] | (data[i + 1] << 8)));
    for (const std::wstring& text : {units, latin})
        if (!testing::BrokenPathInvariant(volume, text).empty()) std::abort();
    return 0;
}

#include "ui/about/version_resource.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace shortex::about {
namespace {

// A VS_VERSIONINFO block as a resource compiler lays it out: header, key, padding, fixed file
// information, then (here) a few bytes standing for the string tables.
class VersionBlock {
public:
    VersionBlock(std::uint16_t major, std::uint16_t minor, std::uint16_t revision, std::uint16_t build) {
        Word(0);  // length, set below
        Word(52);
        Word(0);
        for (char16_t c : std::u16string_view(u"VS_VERSION_INFO")) Word(c);
        Word(0);
        Word(0);  // padding to 32 bits
        Dword(0xFEEF04BD);
        Dword(0x00010000);
        Dword(static_cast<std::uint32_t>(major) << 16 | minor);
        Dword(static_cast<std::uint32_t>(revision) << 16 | build);
        for (int i = 0; i < 9; ++i) Dword(0);  // product version, flags, OS, type, date
        for (int i = 0; i < 8; ++i) Word(0);
        SetWord(0, static_cast<std::uint16_t>(bytes.size()));
    }

    void SetWord(std::size_t offset, std::uint16_t value) {
        bytes[offset] = static_cast<std::byte>(value & 0xFF);
        bytes[offset + 1] = static_cast<std::byte>(value >> 8);
    }

    std::optional<ProgramVersion> Parse() const { return FileVersionFromResource(bytes); }

    std::vector<std::byte> bytes;

private:
    void Word(std::uint16_t value) {
        bytes.push_back(static_cast<std::byte>(value & 0xFF));
        bytes.push_back(static_cast<std::byte>(value >> 8));
    }
    void Dword(std::uint32_t value) {
        Word(static_cast<std::uint16_t>(value & 0xFFFF));
        Word(static_cast<std::uint16_t>(value >> 16));
    }
};

constexpr std::size_t kSignatureOffset = 40;

TEST(FileVersionFromResource, MajorMinorAndRevisionOfTheFileVersion) {
    EXPECT_EQ(VersionBlock(1, 0, 1, 0).Parse(), (ProgramVersion{1, 0, 1}));
    EXPECT_EQ(VersionBlock(65535, 258, 4097, 7).Parse(), (ProgramVersion{65535, 258, 4097}));
}

TEST(FileVersionFromResource, ResourceLargerThanItsBlockIsRead) {
    VersionBlock block(3, 2, 1, 0);
    block.bytes.resize(block.bytes.size() + 5);  // resources are padded to their alignment
    EXPECT_EQ(block.Parse(), (ProgramVersion{3, 2, 1}));
}

TEST(FileVersionFromResource, AnythingElseIsNoVersion) {
    EXPECT_EQ(FileVersionFromResource({}), std::nullopt);

    VersionBlock truncated(1, 0, 1, 0);
    truncated.bytes.resize(kSignatureOffset + 51);
    EXPECT_EQ(truncated.Parse(), std::nullopt);

    VersionBlock longerThanResource(1, 0, 1, 0);
    longerThanResource.SetWord(0, static_cast<std::uint16_t>(longerThanResource.bytes.size() + 2));
    EXPECT_EQ(longerThanResource.Parse(), std::nullopt);

    VersionBlock noFixedInfo(1, 0, 1, 0);
    noFixedInfo.SetWord(2, 0);
    EXPECT_EQ(noFixedInfo.Parse(), std::nullopt);

    VersionBlock otherKey(1, 0, 1, 0);
    otherKey.SetWord(6, u'X');
    EXPECT_EQ(otherKey.Parse(), std::nullopt);

    VersionBlock badSignature(1, 0, 1, 0);
    badSignature.SetWord(kSignatureOffset, 0x04BE);
    EXPECT_EQ(badSignature.Parse(), std::nullopt);
}

}  // namespace
}  // namespace shortex::about

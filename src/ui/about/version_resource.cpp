#include "version_resource.h"

#include <cstdint>
#include <string_view>

namespace shortex::about {
namespace {

// The block starts with its length, the length of its value, its type and the key
// L"VS_VERSIONINFO" with its terminating zero; the value follows on the next 32-bit boundary.
constexpr std::u16string_view kKey{u"VS_VERSION_INFO", 16};
constexpr std::size_t kKeyOffset = 6;
constexpr std::size_t kValueOffset = (kKeyOffset + kKey.size() * 2 + 3) & ~std::size_t{3};
constexpr std::size_t kFixedInfoSize = 52;
constexpr std::uint32_t kFixedInfoSignature = 0xFEEF04BD;

std::uint16_t Word(std::span<const std::byte> bytes, std::size_t offset) {
    return static_cast<std::uint16_t>(std::to_integer<unsigned>(bytes[offset]) |
                                      std::to_integer<unsigned>(bytes[offset + 1]) << 8);
}

std::uint32_t Dword(std::span<const std::byte> bytes, std::size_t offset) {
    return Word(bytes, offset) | static_cast<std::uint32_t>(Word(bytes, offset + 2)) << 16;
}

}  // namespace

std::optional<ProgramVersion> FileVersionFromResource(std::span<const std::byte> resource) {
    if (resource.size() < kValueOffset + kFixedInfoSize) return std::nullopt;
    const std::size_t length = Word(resource, 0);
    if (length < kValueOffset + kFixedInfoSize || length > resource.size()) return std::nullopt;
    if (Word(resource, 2) < kFixedInfoSize) return std::nullopt;
    for (std::size_t i = 0; i < kKey.size(); ++i)
        if (Word(resource, kKeyOffset + 2 * i) != kKey[i]) return std::nullopt;
    if (Dword(resource, kValueOffset) != kFixedInfoSignature) return std::nullopt;
    const std::uint32_t high = Dword(resource, kValueOffset + 8);  // dwFileVersionMS
    const std::uint32_t low = Dword(resource, kValueOffset + 12);  // dwFileVersionLS
    return ProgramVersion{high >> 16, high & 0xFFFF, low >> 16};
}

}  // namespace shortex::about

#include "common/utf8.h"

#include <gtest/gtest.h>

namespace shortex {
namespace {

// Spelled as UTF-16 code units, as Windows holds text.
const std::wstring kSample = {L'C', L':', L'\\', 0x0416, 0x65E5, 0xD83D, 0xDE00};
const std::string kSampleUtf8 = "C:\\\xD0\x96\xE6\x97\xA5\xF0\x9F\x98\x80";

TEST(Utf8, RoundTripsEveryPlane) {
    EXPECT_EQ(WideToUtf8(kSample), kSampleUtf8);
    EXPECT_EQ(Utf8ToWide(kSampleUtf8), kSample);
    EXPECT_EQ(Utf8ToWide(""), L"");
}

TEST(Utf8, MalformedBytesBecomeReplacementCharacters) {
    const std::wstring r(1, wchar_t(0xFFFD));
    EXPECT_EQ(Utf8ToWide("a\xFF" "b"), L"a" + r + L"b");
    EXPECT_EQ(Utf8ToWide("\xC0\xAF"), r + r);          // overlong "/"
    EXPECT_EQ(Utf8ToWide("\xED\xA0\x80"), r + r + r);  // an encoded surrogate
    EXPECT_EQ(Utf8ToWide("\xE6\x97"), r + r);          // cut short at the end
    EXPECT_EQ(Utf8ToWide("\xF4\x90\x80\x80"), r + r + r + r);  // past U+10FFFF
}

TEST(Utf8, UnpairedSurrogatesBecomeReplacementCharacters) {
    EXPECT_EQ(WideToUtf8(std::wstring{wchar_t(0xD800), L'a'}), "\xEF\xBF\xBD" "a");
    EXPECT_EQ(WideToUtf8(std::wstring{wchar_t(0xDC00)}), "\xEF\xBF\xBD");
    EXPECT_EQ(WideToUtf8(std::wstring{L'a', wchar_t(0xD800)}), "a\xEF\xBF\xBD");
}

}  // namespace
}  // namespace shortex

#include "ui/about/about_text.h"

#include <gtest/gtest.h>

namespace shortex::about {
namespace {

TEST(VersionText, NumbersInPlainDecimal) {
    EXPECT_EQ(VersionText({1, 0, 1}), L"Version 1.0.1");
    EXPECT_EQ(VersionText({0, 0, 0}), L"Version 0.0.0");
    EXPECT_EQ(VersionText({12, 305, 65535}), L"Version 12.305.65535");
}

TEST(VersionText, BuildVersionIsTheProjects) {
    EXPECT_EQ(VersionText(BuildVersion()), L"Version 1.0.1");
}

TEST(CopyrightLine, NoticeThenSpaceHyphenSpaceAndTheYear) {
    const std::wstring line = CopyrightLine(2031);
    EXPECT_EQ(line, std::wstring(kCopyrightNotice) + L"2031");
    EXPECT_TRUE(line.ends_with(L"2024 - 2031")) << line;
    EXPECT_TRUE(CopyrightLine(10000).ends_with(L" - 10000"));
}

TEST(HomePageAddress, IsAWebAddress) {
    const std::wstring_view address = HomePageAddress();
    EXPECT_TRUE(address.starts_with(L"https://") || address.starts_with(L"http://")) << std::wstring(address);
}

}  // namespace
}  // namespace shortex::about

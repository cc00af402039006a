// The path services over the real Win32 API.
#pragma once

#include "path_platform.h"

namespace shortex {

class WindowsPathPlatform final : public PathPlatform {
public:
    std::size_t ShortPathName(const std::wstring& longPath, wchar_t* buffer, std::size_t capacity) override;
    void UnquoteSpaces(wchar_t* text) override;
    std::optional<std::uint32_t> GetPathAttributes(const std::wstring& path) override;
    std::wstring FindFirstEntry(const std::wstring& pattern, std::uint32_t filter) override;
};

}  // namespace shortex

#include "path_names.h"

namespace shortex {
namespace {

// Texts that no Windows path function can take: they get the empty or false answer directly.
// An embedded NUL would make the platform see only the text before it.
bool IsUsablePathText(const std::wstring& text) {
    return !text.empty() && text.size() <= kMaxPathText && text.find(L'\0') == std::wstring::npos;
}

}  // namespace

std::wstring FixDriveRoot(const std::wstring& path) {
    if (!path.empty() && path.back() == L':') return path + L'\\';
    return path;
}

bool FileExists(PathPlatform& platform, const std::wstring& Filename) {
    if (!IsUsablePathText(Filename)) return false;
    const auto attributes = platform.GetPathAttributes(Filename);
    return attributes && (*attributes & attributes::kFolder) == 0;
}

bool DirExists(PathPlatform& platform, const std::wstring& DName) {
    std::wstring folder = DName;
    if (folder.empty() || folder.back() != L'\\') folder += L'\\';
    if (!IsUsablePathText(folder)) return false;
    // The folder's own attributes, not its listing: an empty folder, or one holding only hidden
    // or system entries, exists just the same.
    const auto attributes = platform.GetPathAttributes(folder);
    return attributes && (*attributes & attributes::kFolder) != 0;
}

std::wstring GetPath(const std::wstring& PathString) {
    const auto lastBackslash = PathString.rfind(L'\\');
    if (lastBackslash == std::wstring::npos) return PathString;
    return PathString.substr(0, lastBackslash + 1);
}

std::wstring GetShortPath(PathPlatform& platform, const std::wstring& strFileName) {
    if (!IsUsablePathText(strFileName)) return {};
    std::wstring buffer(260, L'\0');
    // The answer can grow between two calls if the entry is renamed meanwhile: ask a few times.
    for (int attempt = 0; attempt < 4; ++attempt) {
        const std::size_t count = platform.ShortPathName(strFileName, buffer.data(), buffer.size());
        if (count == 0) return {};
        if (count < buffer.size()) {
            buffer.resize(count);
            return buffer;
        }
        if (count > kMaxPathText + 1) return {};
        buffer.assign(count, L'\0');
    }
    return {};
}

std::wstring GetShortFileName(PathPlatform& platform, const std::wstring& Filename) {
    return GetShortPath(platform, Filename);
}

}  // namespace shortex

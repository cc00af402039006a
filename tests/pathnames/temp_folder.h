// A fresh folder under the user's temporary folder, removed with everything in it at the end.
#pragma once

#include <string>

namespace shortex::testing {

class TempFolder {
public:
    TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    ~TempFolder();

    // The folder's long path, without a closing backslash.
    const std::wstring& path() const { return path_; }

    // Create entries below the folder (relative names); paths of any length.
    std::wstring MakeFolder(const std::wstring& relative) const;
    std::wstring MakeFile(const std::wstring& relative) const;

private:
    std::wstring path_;
};

// The path in the form CreateFile and friends take at any length.
std::wstring WithExtendedPrefix(const std::wstring& absolutePath);

}  // namespace shortex::testing

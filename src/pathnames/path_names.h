// Questions about a path text: does it name a file or a folder, what is its folder part, what is
// its short (8.3) form. None of them shows anything or keeps state; every text gets an answer.
#pragma once

#include "path_platform.h"

#include <string>

namespace shortex {

// Longest text the Windows path functions accept (UNICODE_STRING limit, in characters).
inline constexpr std::size_t kMaxPathText = 32767;

// The text with "\" appended when it ends in ":", so a bare drive names its root folder.
std::wstring FixDriveRoot(const std::wstring& path);

// True when the path names an existing entry that is not a folder.
bool FileExists(PathPlatform& platform, const std::wstring& Filename);

// True when the path names an existing folder. A name without a closing backslash gets one, so
// "C:" asks about "C:\" and the empty name about the root of the current drive.
bool DirExists(PathPlatform& platform, const std::wstring& DName);

// The text up to and including its last backslash; the whole text when it has none.
std::wstring GetPath(const std::wstring& PathString);

// The short form of the path exactly as the file system reports it, of any length; empty when
// there is none.
std::wstring GetShortPath(PathPlatform& platform, const std::wstring& strFileName);
std::wstring GetShortFileName(PathPlatform& platform, const std::wstring& Filename);

}  // namespace shortex

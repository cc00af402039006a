// The system's error codes the program tells apart, for code that does not include windows.h;
// where it is included, each is checked against the name windows.h gives it.
#pragma once

#include <cstdint>

namespace shortex::error {

inline constexpr std::uint32_t kFileNotFound = 2;         // ERROR_FILE_NOT_FOUND
inline constexpr std::uint32_t kAccessDenied = 5;         // ERROR_ACCESS_DENIED
inline constexpr std::uint32_t kSharingViolation = 32;    // ERROR_SHARING_VIOLATION
inline constexpr std::uint32_t kNotSupported = 50;        // ERROR_NOT_SUPPORTED
inline constexpr std::uint32_t kInvalidParameter = 87;    // ERROR_INVALID_PARAMETER
inline constexpr std::uint32_t kProcNotFound = 127;       // ERROR_PROC_NOT_FOUND: SetFileShortNameW is missing
inline constexpr std::uint32_t kAlreadyExists = 183;      // ERROR_ALREADY_EXISTS
inline constexpr std::uint32_t kShortNamesOff = 305;      // ERROR_SHORT_NAMES_NOT_ENABLED_ON_VOLUME
inline constexpr std::uint32_t kPrivilegeNotHeld = 1314;  // ERROR_PRIVILEGE_NOT_HELD: SeRestorePrivilege, elevated only

}  // namespace shortex::error

// A failure that reaches an error report: what went wrong, and where its help lives.
#pragma once

#include <cstdint>
#include <string>

namespace shortex {

struct Failure {
    std::int32_t number = 0;
    std::wstring description;
    std::wstring helpFile;
    std::uint32_t helpContext = 0;
};

}  // namespace shortex

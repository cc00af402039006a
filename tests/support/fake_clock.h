// A clock whose year the test sets.
#pragma once

#include "ui/about/clock.h"

namespace shortex::testing {

class FakeClock final : public about::Clock {
public:
    int CurrentYear() override { return year; }
    int year = 2031;
};

}  // namespace shortex::testing

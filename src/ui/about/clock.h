// The clock, a seam so that tests can choose the year.
#pragma once

namespace shortex::about {

class Clock {
public:
    virtual ~Clock() = default;
    // The current year on the local calendar.
    virtual int CurrentYear() = 0;

protected:
    Clock() = default;
    Clock(const Clock&) = default;
    Clock& operator=(const Clock&) = default;
};

}  // namespace shortex::about

// The About box's services from Windows: the local clock and ShellExecuteW.
#pragma once

#include "about_services.h"

namespace shortex::about {

class SystemClock final : public Clock {
public:
    int CurrentYear() override;
};

class WindowsShell final : public Shell {
public:
    void Execute(const ShellExecuteRequest& request) override;
};

}  // namespace shortex::about

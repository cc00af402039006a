// Ending the program, recorded instead of done.
#pragma once

#include "common/program_exit.h"

namespace shortex::testing {

class RecordingExit final : public ProgramExit {
public:
    void EndProgram() override { ++ends; }
    int ends = 0;
};

}  // namespace shortex::testing

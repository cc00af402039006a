// shortex-cli --env NAME: an environment variable as the registry stores it, every entry in short
// form; written back with the old value saved first, or the saved value put back.
#pragma once

#include "cli_request.h"

#include <functional>
#include <string>

namespace shortex::cli {

using Lines = std::function<void(const std::wstring&)>;

// The exit code; the value goes to output, what changed and the lengths to errors.
int ShortenVariable(const CliRequest& request, const Lines& output, const Lines& errors);

}  // namespace shortex::cli

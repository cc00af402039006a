// The paths that data dragged onto the program, or handed to it by Explorer, carries.
#pragma once

#include <windows.h>
#include <objidl.h>

#include <string>
#include <vector>

namespace shortex {

// Every item of the shell's item list, else of a file drop (CF_HDROP), in order, or else one line
// of text; none when the data carries no path. Every read stays inside the data, whatever its
// header claims. COM must be initialized on the calling thread.
std::vector<std::wstring> PathsIn(IDataObject& data);

}  // namespace shortex

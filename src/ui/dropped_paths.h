// The paths that data dragged onto the program, or handed to it by Explorer, carries.
#pragma once

#include <windows.h>
#include <objidl.h>

#include <string>
#include <vector>

namespace shortex {

// Every item of a file drop, in order, or one line of text; none when the data carries no path.
// Every read stays inside the data, whatever its header claims.
std::vector<std::wstring> PathsIn(IDataObject& data);

}  // namespace shortex

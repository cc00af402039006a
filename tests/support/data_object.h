// Data as Explorer or a drag source hands it over: blocks of global memory in the formats given.
#pragma once

#include "common/com.h"

#include <windows.h>
#include <objidl.h>

#include <string>
#include <utility>
#include <vector>

namespace shortex::testing {

// The blocks go on the clipboard and OLE's own object for the clipboard serves them, here or
// marshalled to another process. It reads the clipboard when asked: drop it before the next copy.
class DataObject {
public:
    explicit DataObject(const std::vector<std::pair<CLIPFORMAT, std::string>>& blocks);
    IDataObject* operator&() const { return data_.get(); }  // what a drop target takes
    operator IDataObject&() const { return *data_.get(); }

private:
    ComPtr<IDataObject> data_;
};

std::string TextBlock(const std::wstring& text);  // with its closing NUL
// A DROPFILES block of the paths, wide or in the ANSI code page.
std::string DropFilesBlock(const std::vector<std::wstring>& paths, bool wide = true);
// The shell's item list (CFSTR_SHELLIDLIST) of the paths, relative to the desktop, with its format.
std::pair<CLIPFORMAT, std::string> ItemList(const std::vector<std::wstring>& paths);

}  // namespace shortex::testing

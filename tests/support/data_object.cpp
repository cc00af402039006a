#include "data_object.h"

#include <shlobj.h>

#include <cstring>

namespace shortex::testing {

DataObject::DataObject(const std::vector<std::pair<CLIPFORMAT, std::string>>& blocks) {
    ::OpenClipboard(nullptr);
    ::EmptyClipboard();
    for (const auto& [format, block] : blocks) {
        const HGLOBAL memory = ::GlobalAlloc(GMEM_MOVEABLE, block.size());
        std::memcpy(::GlobalLock(memory), block.data(), block.size());
        ::GlobalUnlock(memory);
        ::SetClipboardData(format, memory);
    }
    ::CloseClipboard();
    ::OleGetClipboard(data_.put());
}

std::string TextBlock(const std::wstring& text) {
    return std::string(reinterpret_cast<const char*>(text.c_str()), (text.size() + 1) * sizeof(wchar_t));
}

std::string DropFilesBlock(const std::vector<std::wstring>& paths, bool wide) {
    const DROPFILES header{sizeof(DROPFILES), {}, FALSE, wide};
    std::string block(reinterpret_cast<const char*>(&header), sizeof header);
    for (const std::wstring& path : paths)
        block += wide ? TextBlock(path) : std::string(path.begin(), path.end()) + '\0';
    return block + std::string(wide ? 2 : 1, '\0');
}

std::pair<CLIPFORMAT, std::string> ItemList(const std::vector<std::wstring>& paths) {
    const UINT start = static_cast<UINT>((paths.size() + 2) * sizeof(UINT));
    std::vector<UINT> cida{static_cast<UINT>(paths.size()), start};  // the count, then each list's offset
    std::string lists(2, '\0');                                      // the desktop's, empty
    for (const std::wstring& path : paths) {
        PIDLIST_ABSOLUTE list = nullptr;
        if (FAILED(::SHParseDisplayName(path.c_str(), nullptr, &list, 0, nullptr))) return {};
        cida.push_back(start + static_cast<UINT>(lists.size()));
        lists.append(reinterpret_cast<const char*>(list), ::ILGetSize(list));
        ::CoTaskMemFree(list);
    }
    return {static_cast<CLIPFORMAT>(::RegisterClipboardFormatW(CFSTR_SHELLIDLIST)),
            std::string(reinterpret_cast<const char*>(cida.data()), cida.size() * sizeof(UINT)) + lists};
}

}  // namespace shortex::testing

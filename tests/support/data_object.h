// Data as Explorer or a drag source hands it over: blocks of global memory in the formats given.
#pragma once

#include <windows.h>
#include <objidl.h>

#include <string>
#include <utility>
#include <vector>

namespace shortex::testing {

class DataObject : public IDataObject {
public:
    explicit DataObject(std::vector<std::pair<CLIPFORMAT, std::string>> blocks) : blocks_(std::move(blocks)) {}
    virtual ~DataObject();  // cuts off another process still holding it
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }  // lives on the test's stack
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
    HRESULT STDMETHODCALLTYPE GetData(FORMATETC* format, STGMEDIUM* medium) override;
    HRESULT STDMETHODCALLTYPE QueryGetData(FORMATETC* format) override;
    HRESULT STDMETHODCALLTYPE EnumFormatEtc(DWORD, IEnumFORMATETC** formats) override;
    HRESULT STDMETHODCALLTYPE GetDataHere(FORMATETC*, STGMEDIUM*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetCanonicalFormatEtc(FORMATETC*, FORMATETC*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE SetData(FORMATETC*, STGMEDIUM*, BOOL) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE DUnadvise(DWORD) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE EnumDAdvise(IEnumSTATDATA**) override { return E_NOTIMPL; }

private:
    std::vector<std::pair<CLIPFORMAT, std::string>> blocks_;
};

std::string TextBlock(const std::wstring& text);  // with its closing NUL
// A DROPFILES block of the paths, wide or in the ANSI code page.
std::string DropFilesBlock(const std::vector<std::wstring>& paths, bool wide = true);
// The shell's item list (CFSTR_SHELLIDLIST) of the paths, relative to the desktop.
CLIPFORMAT ItemListFormat();
std::string ItemListBlock(const std::vector<std::wstring>& paths);

}  // namespace shortex::testing

#include "hostile_corpus.h"

#include "pathnames/short_names.h"

#include <algorithm>

namespace shortex::testing {

std::vector<std::wstring> HostileTexts() {
    // clang-format off
    std::vector<std::wstring> texts = {
        L"", L" ", L"   ", L"\t", L"\r\n", L" C:\\Windows ", L".", L"..", L"...", L"\\", L"\\\\", L"\\\\\\", L"/",
        L"//", L"C:", L"c:", L"C:\\", L"C:/", L"C:\\\\", L"C:\\.", L"C:\\..", L"C:\\..\\..\\..", L"C:..",
        L"C:\\Windows\\..\\..\\..", L"C:/Windows/System32", L"C:\\Windows/System32\\", L"CON", L"NUL", L"COM1",
        L"LPT1", L"AUX", L"PRN", L"C:\\CON", L"C:\\NUL.txt", L"C:\\Windows\\COM1", L"CONIN$", L"CONOUT$",
        L"C:\\con\\con", L"\\\\?\\", L"\\\\?\\C:", L"\\\\?\\C:\\", L"\\\\?\\C:\\Windows", L"\\\\?\\UNC",
        L"\\\\?\\UNC\\", L"\\\\?\\UNC\\nosuchserver\\share", L"\\\\?\\GLOBALROOT\\Device\\Null",
        L"\\\\?\\Volume{00000000}", L"\\\\.\\", L"\\\\.\\C:", L"\\\\.\\PhysicalDrive0", L"\\\\.\\COM1",
        L"\\\\.\\pipe\\nothing", L"\\\\nosuchserver", L"\\\\nosuchserver\\share",
        L"\\\\nosuchserver\\share\\file.txt", L"\\\\127.0.0.1\\c$", L"//nosuchserver/share/x", L"C:\\a<b",
        L"C:\\a>b", L"C:\\a|b", L"C:\\a\"b", L"C:\\a:b", L"C:\\a\x01" L"b", L"C:\\a\x1f", L"<>|", L"C:\\*",
        L"C:\\*.*", L"C:\\?", L"C:\\Win*", L"C:\\W?ndows", L"*", L"?", L"*\\*", L"C:\\*\\*\\*", L"\"", L"\"\"",
        L"\"\"\"", L"\"C:\\Windows", L"C:\\Windows\"", L"\"C:\\Windows\"", L"\"\"C:\\\"\"", L"C:\\Windows\\\"",
        L"'C:\\Windows'", L"Q:\\", L"Q:", L"1:\\", L"::", L":", L"C::\\", L"C:\\:", L"\\C:", L"%WINDIR%", L"~",
        L"C:\\~1", L"C:\\PROGRA~1", L"C:\\PROGRA~9999999999", L"C:\\Windows.", L"C:\\Windows ", L"C:\\Windows\\.\\.",
        L"C:\\trailing.dots...", L"C:\\ leading space", L"\u00a0", L"C:\\\u200b", L"C:\\\ufeff",
        L"C:\\\u0416\u0435\u043d\u044f", L"C:\\\u65e5\u672c", L"C:\\\U0001F600", L"\U0001F600", L"\ufffd", L"\uffff",
    };
    // clang-format on
    // Unpaired surrogates and embedded NULs are spelled out: literals cannot hold them portably.
    for (wchar_t unit : {wchar_t(0xD800), wchar_t(0xDBFF), wchar_t(0xDC00), wchar_t(0xDFFF)}) {
        texts.push_back(std::wstring(1, unit));
        texts.push_back(L"C:\\" + std::wstring(1, unit));
        texts.push_back(L"C:\\a" + std::wstring(1, unit) + L"\\b");
    }
    texts.push_back(std::wstring(L"C:\\Windows\0", 11));
    texts.push_back(std::wstring(L"\0C:\\Windows", 11));
    texts.push_back(std::wstring(L"\"C:\\Windows\0\"", 13));
    // Long texts around the limits of the classic and the extended API.
    for (std::size_t length : {259u, 260u, 261u, 32765u, 32766u, 32767u, 32768u, 40000u}) {
        texts.push_back(L"C:\\" + std::wstring(length - 3, L'a'));
        texts.push_back(std::wstring(length, L'\\'));
    }
    std::wstring deep = L"C:";
    while (deep.size() < 33000) deep += L"\\abcdefgh";
    texts.push_back(deep);
    texts.push_back(std::wstring(5000, L'*'));
    texts.push_back(std::wstring(5000, L'"'));
    texts.push_back(std::wstring(3000, L'.') + L"\\" + std::wstring(3000, L'.'));
    return texts;
}

std::string BrokenPathInvariant(FileSystem& files, const std::wstring& text) {
    const bool isFile = FileExists(files, text), isFolder = DirExists(files, text);
    if (isFile && isFolder) return "both a file and a folder";
    const std::wstring shortForm = ShortPath(files, text), longForm = LongPath(files, text);
    if (shortForm.find(L'\0') != shortForm.npos || longForm.find(L'\0') != longForm.npos) return "a NUL in an answer";
    const std::wstring folder = FolderPart(text);
    const bool lastBackslashEndsIt = folder.ends_with(L'\\') && text.find(L'\\', folder.size()) == text.npos;
    if (!text.starts_with(folder) || (folder != text && !lastBackslashEndsIt))
        return "the folder part is not the text up to its last backslash";
    const std::wstring root = FixDriveRoot(text);
    if (!root.starts_with(text) || root.size() > text.size() + 1) return "the drive root changed more than a backslash";
    const std::wstring last = longForm.substr(std::max(longForm.find_last_of(L"\\/") + 1, RootLength(longForm)));
    if (last != L"" && last != L"." && last != L".." && !files.Attributes(text)) return "a long form of no entry";
    const std::wstring generated = GenerateShortName(text, {text});
    if (!HasShortForm(generated) || std::any_of(generated.begin(), generated.end(), [](wchar_t c) { return c > 0x7F; }))
        return "a generated name breaks the 8.3 form";
    GiveShortNames(files, text, true);
    if (ShortPath(files, text) != shortForm) return "a dry run gave a name";
    if (shortForm.empty()) return {};
    if (FileExists(files, shortForm) != isFile) return "the short form names another kind of entry";
    const std::wstring expanded = LongPath(files, shortForm);
    if (expanded.empty()) return {};
    if (FileExists(files, expanded) != isFile || DirExists(files, expanded) != DirExists(files, shortForm))
        return "the long form names another kind of entry";
    if (LongPath(files, expanded) != expanded) return "the long form expands further";
    return {};
}

}  // namespace shortex::testing

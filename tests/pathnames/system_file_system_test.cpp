// The path operations on the real system under Wine: volumes, listings, hostile texts (real entries of
// every kind: CliExe's --tree test, which asks the same calls of each entry it lists).
#include "pathnames/hostile_corpus.h"

#include <windows.h>

#include <gtest/gtest.h>

namespace shortex::testing {
namespace {

TEST(SystemFileSystem, TheVolumeIsTheOneThePathLiesOnAndOnlyAFullPathIsListed) {
    SystemFileSystem files;
    const VolumeFacts system =
        files.Volume(L"\\\\?\\C:\\windows\\system32");  // local, though it starts with two backslashes
    EXPECT_EQ(std::tuple(system.name, system.network, system.systemVolume, system.fileSystem.empty()),
              std::tuple(L"C:", false, true, false));
    EXPECT_FALSE(files.Volume(L"Z:\\tmp").systemVolume);
    std::vector<FolderEntry> entries;  // a pattern of "*" alone would list the current folder
    for (const wchar_t* folder : {L"", L" ", L"\\", L"windows"})
        EXPECT_TRUE(files.ListFolder(folder, entries) != 0 && entries.empty()) << folder;
}

TEST(SystemFileSystem, TheSystemsSettingFor83NamesIsReadWithWindowsDefaultWhenMissing) {
    const wchar_t *key = L"SYSTEM\\CurrentControlSet\\Control\\FileSystem", *value = L"NtfsDisable8dot3NameCreation";
    SystemFileSystem files;
    for (const DWORD setting : {DWORD{0}, DWORD{1}, DWORD{2}, DWORD{3}}) {
        ::RegSetKeyValueW(HKEY_LOCAL_MACHINE, key, value, REG_DWORD, &setting, sizeof setting);
        EXPECT_EQ(files.Volume(L"C:\\").systemSetting, setting);
    }
    ::RegDeleteKeyValueW(HKEY_LOCAL_MACHINE, key, value);  // as Wine has it
    EXPECT_EQ(files.Volume(L"C:\\").systemSetting, 2u);
}

TEST(SystemFileSystem, EveryHostileTextKeepsTheInvariants) {
    SystemFileSystem files;
    for (const std::wstring& text : HostileTexts())
        EXPECT_EQ(BrokenPathInvariant(files, text), "") << ::testing::PrintToString(text.substr(0, 60));
}

}  // namespace
}  // namespace shortex::testing

// Names made full where they enter the document: against the folder current
// at that moment, and refused rather than cut when too long.
#include <gtest/gtest.h>

#include <string>

#include "support/temp_folder.h"
#include "ui/document/document_path.h"
#include "ui/common/document_state.h"

namespace {

TEST(DocumentPath, RelativeNamesTakeTheCurrentFolderAndFullOnesStay)
{
    TempFolder folder;
    WCHAR before[MAX_PATH];
    GetCurrentDirectoryW(MAX_PATH, before);
    ASSERT_TRUE(SetCurrentDirectoryW(folder.path.c_str()));
    WCHAR path[PATH_CAPACITY];
    EXPECT_EQ(1, makeFullPath(L"cup.xml", path));
    EXPECT_EQ(folder.file(L"cup.xml"), std::wstring(path));
    EXPECT_EQ(1, makeFullPath(L"sub\\..\\derby.xml", path));
    EXPECT_EQ(folder.file(L"derby.xml"), std::wstring(path));
    SetCurrentDirectoryW(before);
    EXPECT_EQ(1, makeFullPath(folder.file(L"cup.xml").c_str(), path));
    EXPECT_EQ(folder.file(L"cup.xml"), std::wstring(path)) << "a full path is kept as it is";
}

TEST(DocumentPath, AnEmptyOrTooLongNameIsRefusedWithAnEmptyPath)
{
    WCHAR path[PATH_CAPACITY];
    lstrcpyW(path, L"stale");
    EXPECT_EQ(0, makeFullPath(L"", path));
    EXPECT_STREQ(L"", path);
    std::wstring tooLong = L"C:\\" + std::wstring(PATH_CAPACITY, L'x') + L".xml";
    lstrcpyW(path, L"stale");
    EXPECT_EQ(0, makeFullPath(tooLong.c_str(), path));
    EXPECT_STREQ(L"", path) << "a cut name would be some other file";
    EXPECT_EQ((DWORD)ERROR_FILENAME_EXCED_RANGE, GetLastError());
}

} // namespace

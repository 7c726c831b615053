// Replacing a file's contents through a temporary file beside it: the new
// bytes arrive whole or the old file stays byte for byte, and no temporary
// or backup file is ever left behind.
#include <gtest/gtest.h>

#include "file/safe_replace.h"
#include "support/bracket_file_fixture.h"

namespace {

struct SafeReplaceTest : ::testing::Test {
    std::wstring folder;
    void SetUp() override { folder = makeScratchFolder(); }
    void TearDown() override { removeScratchFolder(folder); }

    int replace(const std::wstring &path, const std::string &bytes)
    {
        return replaceFileContents(path.c_str(), bytes.data(), (DWORD)bytes.size());
    }
};

TEST_F(SafeReplaceTest, ANewFileGetsExactlyTheBytesAndNothingElseIsLeft)
{
    std::wstring path = folder + L"\\new.xml";
    ASSERT_EQ(1, replace(path, "<Games/>"));
    EXPECT_EQ("<Games/>", readFileBytes(path));
    EXPECT_EQ("new.xml", folderListing(folder));
}

TEST_F(SafeReplaceTest, AnExistingFileIsReplacedWholeAndItsBackupRemoved)
{
    std::wstring path = folder + L"\\cup.xml";
    writeFileBytes(path, std::string(5000, 'o'));
    ASSERT_EQ(1, replace(path, "short"));
    EXPECT_EQ("short", readFileBytes(path)) << "a shorter file leaves no tail of the old one";
    EXPECT_EQ("cup.xml", folderListing(folder));
    ASSERT_EQ(1, replace(path, "again"));
    EXPECT_EQ("again", readFileBytes(path));
    EXPECT_EQ("cup.xml", folderListing(folder));
}

TEST_F(SafeReplaceTest, AReadOnlyTargetIsRefusedAndLeftAlone)
{
    std::wstring path = folder + L"\\locked.xml";
    writeFileBytes(path, "old");
    ASSERT_TRUE(SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_READONLY));
    EXPECT_EQ(0, replace(path, "new"));
    EXPECT_EQ("old", readFileBytes(path));
    EXPECT_TRUE(GetFileAttributesW(path.c_str()) & FILE_ATTRIBUTE_READONLY) << "still read-only";
    EXPECT_EQ("locked.xml", folderListing(folder));
}

TEST_F(SafeReplaceTest, ATargetAnotherProgramHoldsIsRefusedAndLeftAlone)
{
    std::wstring path = folder + L"\\busy.xml";
    writeFileBytes(path, "old");
    // Held without any sharing, then held by a reader that lets others read
    // but not write or delete.
    for (DWORD sharing : {0ul, (DWORD)FILE_SHARE_READ}) {
        HANDLE holder = CreateFileW(path.c_str(), GENERIC_READ, sharing, NULL, OPEN_EXISTING, 0, NULL);
        ASSERT_NE(INVALID_HANDLE_VALUE, holder);
        EXPECT_EQ(0, replace(path, "new")) << "sharing " << sharing;
        CloseHandle(holder);
        EXPECT_EQ("old", readFileBytes(path)) << "sharing " << sharing;
        EXPECT_EQ("busy.xml", folderListing(folder)) << "sharing " << sharing;
    }
}

TEST_F(SafeReplaceTest, AMissingFolderADirectoryOrADeviceIsRefused)
{
    EXPECT_EQ(0, replace(folder + L"\\missing\\cup.xml", "new"));
    CreateDirectoryW((folder + L"\\sub").c_str(), NULL);
    EXPECT_EQ(0, replace(folder + L"\\sub", "new"));
    EXPECT_EQ(0, replace(folder + L"\\sub\\", "new"));
    EXPECT_EQ(0, replace(L"\\\\.\\NUL", "new"));
    EXPECT_EQ("sub", folderListing(folder));
    EXPECT_EQ("", folderListing(folder + L"\\sub"));
}

// The reason of each refusal survives to the caller: the failed save's
// message gives the platform's text for it.
TEST_F(SafeReplaceTest, EachRefusalLeavesItsReasonInTheLastError)
{
    std::wstring locked = folder + L"\\locked.xml";
    writeFileBytes(locked, "old");
    ASSERT_TRUE(SetFileAttributesW(locked.c_str(), FILE_ATTRIBUTE_READONLY));
    SetLastError(0);
    EXPECT_EQ(0, replace(locked, "new"));
    EXPECT_EQ((DWORD)ERROR_ACCESS_DENIED, GetLastError()) << "read-only target";
    SetFileAttributesW(locked.c_str(), FILE_ATTRIBUTE_NORMAL);

    std::wstring busy = folder + L"\\busy.xml";
    writeFileBytes(busy, "old");
    HANDLE holder = CreateFileW(busy.c_str(), GENERIC_READ, 0, NULL, OPEN_EXISTING, 0, NULL);
    SetLastError(0);
    EXPECT_EQ(0, replace(busy, "new"));
    EXPECT_EQ((DWORD)ERROR_SHARING_VIOLATION, GetLastError()) << "target held without sharing";
    CloseHandle(holder);

    SetLastError(0);
    EXPECT_EQ(0, replace(folder + L"\\missing\\cup.xml", "new"));
    EXPECT_EQ((DWORD)ERROR_PATH_NOT_FOUND, GetLastError()) << "missing folder";

    CreateDirectoryW((folder + L"\\sub").c_str(), NULL);
    SetLastError(0);
    EXPECT_EQ(0, replace(folder + L"\\sub", "new"));
    EXPECT_EQ((DWORD)ERROR_ACCESS_DENIED, GetLastError()) << "a folder at the path";
}

struct SeenByCheck {
    int calls = 0;
    std::wstring folder;
    std::string bytes;
    int answer = 1;
};

int recordTemporary(const WCHAR *temporaryPath, void *context)
{
    SeenByCheck *seen = (SeenByCheck *)context;
    seen->calls++;
    std::wstring path = temporaryPath;
    seen->folder = path.substr(0, path.find_last_of(L'\\'));
    seen->bytes = readFileBytes(path);
    return seen->answer;
}

// The check sees the complete temporary file beside the target before
// anything is replaced; its refusal keeps the old file byte for byte.
TEST_F(SafeReplaceTest, TheCheckSeesTheWholeTemporaryFileAndItsRefusalKeepsTheOldOne)
{
    std::wstring path = folder + L"\\cup.xml";
    writeFileBytes(path, "old bracket");
    SeenByCheck seen;
    seen.answer = 0;
    SetLastError(0);
    EXPECT_EQ(0, replaceFileContentsChecked(path.c_str(), "new bracket", 11, recordTemporary, &seen));
    EXPECT_EQ((DWORD)ERROR_INVALID_DATA, GetLastError());
    EXPECT_EQ(1, seen.calls);
    EXPECT_EQ("new bracket", seen.bytes) << "the check must see every byte, flushed";
    EXPECT_NE(std::wstring::npos, seen.folder.find(folder.substr(3))) << "the temporary file lies beside the target";
    EXPECT_EQ("old bracket", readFileBytes(path));
    EXPECT_EQ("cup.xml", folderListing(folder)) << "the refused temporary file is gone";

    seen.answer = 1;
    EXPECT_EQ(1, replaceFileContentsChecked(path.c_str(), "new bracket", 11, recordTemporary, &seen));
    EXPECT_EQ("new bracket", readFileBytes(path));
    EXPECT_EQ("cup.xml", folderListing(folder));
}

// A target of 259 units leaves no room for a temporary name beside it in
// the classic path limit.
TEST_F(SafeReplaceTest, ATargetAtTheLongestPathIsCreatedAndReplaced)
{
    std::wstring sub = folder + L"\\" + std::wstring(245 - folder.size(), L'd');
    ASSERT_TRUE(CreateDirectoryW(sub.c_str(), NULL)) << utf8(sub);
    std::wstring path = sub + L"\\" + std::wstring(259 - sub.size() - 1 - 4, L'f') + L".xml";
    ASSERT_EQ(259u, path.size());
    ASSERT_EQ(1, replace(path, "first"));
    ASSERT_EQ(1, replace(path, "second"));
    EXPECT_EQ("second", readFileBytes(path));
    EXPECT_EQ(utf8(path.substr(sub.size() + 1)), folderListing(sub));
}

// Run by full_disk/run_full_disk.sh, which mounts a 64 KiB tmpfs (as root
// only) and names it in DUELMARK_FULL_DISK_FOLDER; skipped elsewhere.
TEST_F(SafeReplaceTest, OnAFullDiskTheOldFileStaysAndNoTemporaryIsLeft)
{
    WCHAR disk[MAX_PATH];
    if (!GetEnvironmentVariableW(L"DUELMARK_FULL_DISK_FOLDER", disk, MAX_PATH))
        GTEST_SKIP() << "needs the tmpfs that full_disk/run_full_disk.sh mounts";
    std::wstring path = std::wstring(disk) + L"\\cup.xml";
    std::wstring filler = std::wstring(disk) + L"\\filler";
    writeFileBytes(path, "old bracket");
    HANDLE file = CreateFileW(filler.c_str(), GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, 0, NULL);
    ASSERT_NE(INVALID_HANDLE_VALUE, file);
    std::string block(4096, 'f');
    DWORD written = 0;
    while (WriteFile(file, block.data(), (DWORD)block.size(), &written, NULL) && written == block.size())
        ;
    CloseHandle(file);
    ULARGE_INTEGER available;
    ASSERT_TRUE(GetDiskFreeSpaceExW(disk, &available, NULL, NULL));
    ASSERT_LT(available.QuadPart, 20000u) << "the filler must leave too little room for the new bytes";

    EXPECT_EQ(0, replace(path, std::string(20000, 'n')));
    EXPECT_EQ("old bracket", readFileBytes(path));
    EXPECT_EQ("cup.xml filler", folderListing(disk));
    DeleteFileW(filler.c_str());
    DeleteFileW(path.c_str());
}

} // namespace

namespace {

// A file opened through a symbolic link: saving updates the file it points
// to and keeps the link, and nothing is left beside either. The link is made
// by the system outside (tests/test_safe_replace.cmake), as another program
// or the user would.
TEST_F(SafeReplaceTest, ALinkStaysALinkAndItsTargetGetsTheBytes)
{
    WCHAR linked[MAX_PATH] = L"";
    if (!GetEnvironmentVariableW(L"DUELMARK_LINKED_FOLDER", linked, MAX_PATH))
        GTEST_SKIP() << "runs with a folder holding real\\cup.xml and link.xml pointing at it";
    std::wstring real = std::wstring(linked) + L"\\real";
    std::wstring target = real + L"\\cup.xml";
    std::wstring link = std::wstring(linked) + L"\\link.xml";
    ASSERT_EQ("old", readFileBytes(link)) << "the link must lead to the file";
    ASSERT_EQ(1, replace(link, "new"));
    EXPECT_EQ("new", readFileBytes(target)) << "the file the link names gets the bytes";
    EXPECT_EQ("new", readFileBytes(link));
    EXPECT_EQ("cup.xml", folderListing(real));
    EXPECT_EQ("link.xml real", folderListing(linked)) << "nothing left beside the link";
}

}  // namespace

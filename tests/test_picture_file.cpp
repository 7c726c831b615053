// The PNG writer on real files: what lands on the disk, and what a refused
// target keeps.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "file/picture_file.h"
#include "support/bracket_file_fixture.h"

namespace {

struct PictureFileTest : ::testing::Test {
    std::wstring folder;
    std::vector<BYTE> pixels;
    PictureRaster raster = {};

    void SetUp() override
    {
        ASSERT_TRUE(SUCCEEDED(CoInitialize(NULL)));
        folder = makeScratchFolder();
        // 5 x 3, a diagonal of dark pixels on white, fourth bytes left 0 as
        // GDI leaves them.
        raster.width = 5;
        raster.height = 3;
        pixels.assign(5 * 3 * 4, 255);
        for (int i = 0; i < 15; i++)
            pixels[4 * i + 3] = 0;
        for (int y = 0; y < 3; y++)
            for (int c = 0; c < 3; c++)
                pixels[(y * 5 + y) * 4 + c] = 0;
        raster.pixels = pixels.data();
    }
    void TearDown() override
    {
        removeScratchFolder(folder);
        CoUninitialize();
    }
};

unsigned bigEndian(const std::string &bytes, size_t at)
{
    return (unsigned char)bytes[at] << 24 | (unsigned char)bytes[at + 1] << 16 | (unsigned char)bytes[at + 2] << 8 |
           (unsigned char)bytes[at + 3];
}

// An existing file is replaced whole: the signature, the raster's size in
// the header, an opaque colour type, and no temporary file beside it.
TEST_F(PictureFileTest, ReplacesAFileWithThePngAndLeavesNothingElse)
{
    std::wstring path = folder + L"\\bracket.png";
    writeFileBytes(path, std::string(100000, 'x'));
    ASSERT_EQ(1, writePictureFile(path.c_str(), &raster));
    std::string png = readFileBytes(path);
    ASSERT_GT(png.size(), 33u);
    EXPECT_EQ(std::string("\x89PNG\r\n\x1a\n", 8), png.substr(0, 8));
    EXPECT_EQ("IHDR", png.substr(12, 4));
    EXPECT_EQ(5u, bigEndian(png, 16));
    EXPECT_EQ(3u, bigEndian(png, 20));
    EXPECT_EQ(2, png[25]) << "colour type 2 (RGB): an alpha channel from GDI's zero bytes would hide the picture";
    EXPECT_EQ("bracket.png", folderListing(folder));

    HGLOBAL block = NULL;
    DWORD size = 0;
    ASSERT_EQ(1, encodePicturePng(&raster, &block, &size));
    EXPECT_EQ(png.size(), (size_t)size) << "the file holds exactly the encoded bytes";
    EXPECT_EQ(png, std::string((const char *)GlobalLock(block), size));
    GlobalUnlock(block);
    GlobalFree(block);
}

// A read-only file, a folder in the file's place and a missing folder:
// nothing written, the old content kept, and a reason to show.
TEST_F(PictureFileTest, ARefusedTargetKeepsItsContentAndGivesAReason)
{
    std::wstring readOnly = folder + L"\\locked.png";
    writeFileBytes(readOnly, "old");
    SetFileAttributesW(readOnly.c_str(), FILE_ATTRIBUTE_READONLY);
    std::wstring directory = folder + L"\\taken.png";
    CreateDirectoryW(directory.c_str(), NULL);
    std::wstring missing = folder + L"\\no such folder\\x.png";
    for (const std::wstring &path : {readOnly, directory, missing}) {
        SetLastError(0);
        EXPECT_EQ(0, writePictureFile(path.c_str(), &raster)) << utf8(path);
        EXPECT_NE(0u, GetLastError()) << "no reason given for " << utf8(path);
    }
    EXPECT_EQ("old", readFileBytes(readOnly));
    EXPECT_EQ("locked.png taken.png", folderListing(folder)) << "no temporary file may stay behind";

    PictureRaster empty = {0, 0, NULL};
    HGLOBAL block = (HGLOBAL)1;
    DWORD size = 1;
    EXPECT_EQ(0, encodePicturePng(&empty, &block, &size));
    EXPECT_EQ(nullptr, block);
    EXPECT_EQ(0u, size);
}

} // namespace

// The published page as a browser reloading it finds it: always one whole
// page while the editor writes it again and again, and the last good page
// still there when a write cannot happen.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "file/published_page.h"
#include "model/heap.h"
#include "support/failing_allocation.h"
#include "support/temp_folder.h"

namespace {

const WCHAR *const HEADINGS[] = {L"Time", L"Court", L"Round", L"First", L"Second"};

// A page of rows order-of-play rows, each naming version, so two versions
// differ in every part of the file.
struct SamplePage {
    std::vector<std::wstring> texts;
    std::vector<const WCHAR *> cells;
    PublishedPage page = {};

    SamplePage(int rows, const WCHAR *version)
    {
        for (int i = 0; i < rows * 5; i++)
            texts.push_back(std::wstring(version) + L" <" + std::to_wstring(i) + L">");
        for (const std::wstring &text : texts)
            cells.push_back(text.c_str());
        page.title = version;
        page.orderOfPlay = {L"Order of play", HEADINGS, 5, cells.data(), rows};
        page.writtenAt = version;
    }
};

bool wholePage(const std::string &bytes)
{
    static const std::string start = "<!DOCTYPE html>", end = "</html>\n";
    return bytes.size() > start.size() + end.size() && bytes.compare(0, start.size(), start) == 0 &&
           bytes.compare(bytes.size() - end.size(), end.size(), end) == 0;
}

// What a web server or a synced folder's client does: opens the page
// without stopping anyone replacing it, and reads it to the end.
bool readShared(const std::wstring &path, std::string *bytes)
{
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              NULL, OPEN_EXISTING, 0, NULL);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    bytes->clear();
    char buffer[65536];
    DWORD got;
    while (ReadFile(file, buffer, sizeof buffer, &got, NULL) && got)
        bytes->append(buffer, got);
    CloseHandle(file);
    return true;
}

struct Writer {
    std::wstring folder;
    const PublishedPage *pages[2];
    volatile LONG stop;
    LONG written, failed;
};

DWORD WINAPI writeInALoop(void *context)
{
    Writer *writer = (Writer *)context;
    for (int i = 0; !writer->stop; i++) {
        if (writePublishedPage(writer->folder.c_str(), writer->pages[i % 2]))
            InterlockedIncrement(&writer->written);
        else
            InterlockedIncrement(&writer->failed);
    }
    return 0;
}

TEST(PublishedPage, ReadersNeverFindItHalfWrittenOrMissing)
{
    TempFolder folder;
    SamplePage first(2000, L"first"), second(2000, L"second");
    ASSERT_EQ(1, writePublishedPage(folder.path.c_str(), &first.page));
    Writer writer = {folder.path, {&first.page, &second.page}, 0, 0, 0};
    HANDLE thread = CreateThread(NULL, 0, writeInALoop, &writer, 0, NULL);
    ASSERT_NE(nullptr, thread);
    // Reads until the page was replaced many times and each version was
    // seen whole many times over, with a generous limit for a busy machine.
    int seen[2] = {0, 0}, broken = 0, missing = 0;
    DWORD started = GetTickCount();
    while ((seen[0] < 20 || seen[1] < 20 || writer.written < 20) && GetTickCount() - started < 60000) {
        std::string bytes;
        if (!readShared(folder.file(L"index.html"), &bytes))
            missing++;
        else if (!wholePage(bytes))
            broken++;
        else
            seen[bytes.find("<title>second") != std::string::npos]++;
        // Readers come and go; one that never lets go would only test the
        // writer's patience.
        Sleep(1);
    }
    writer.stop = 1;
    WaitForSingleObject(thread, INFINITE);
    CloseHandle(thread);
    EXPECT_EQ(0, broken) << "a reader found a page cut short";
    EXPECT_EQ(0, missing) << "a reader found no page at all";
    EXPECT_GE(seen[0], 20) << "the first version was not read back often enough to tell";
    EXPECT_GE(seen[1], 20) << "the second version was not read back often enough to tell";
    EXPECT_GE(writer.written, 20) << "the page was not replaced often enough to tell";
}

TEST(PublishedPage, AWriteThatCannotHappenKeepsTheLastPage)
{
    TempFolder folder;
    SamplePage old(3, L"old"), fresh(3, L"fresh");
    std::wstring page = folder.file(L"index.html");
    ASSERT_EQ(1, writePublishedPage(folder.path.c_str(), &old.page));
    std::string before = readFileBytes(page);
    ASSERT_TRUE(wholePage(before));
    {
        FailingAllocations noMemory;
        EXPECT_EQ(0, writePublishedPage(folder.path.c_str(), &fresh.page));
        EXPECT_EQ(ERROR_NOT_ENOUGH_MEMORY, GetLastError());
    }
    EXPECT_EQ(before, readFileBytes(page)) << "a failed encoding touched the page";
    EXPECT_EQ("index.html", folderListing(folder.path)) << "a failed write left a temporary file";
    EXPECT_EQ(0, writePublishedPage(folder.file(L"gone").c_str(), &fresh.page)) << "a missing folder is not made";
    EXPECT_FALSE(fileExists(folder.file(L"gone")));
}

// Texts that take every path of the encoder: plain, markup, non-ASCII,
// a surrogate pair, a control character, long enough to be cut.
const WCHAR *const ITEM_TEXTS[] = {L"Ann", L"Ann Lee", L"<b>&\"'", L"J\u00f6rg \u5f20\u4e09", L"\xD83C\xDFC6 cup",
                                   L"tab\there", L"A name far too long for any box it could be given"};

// An item made from its seed; each bit of twist changes one thing of it
// only (colour, text, alignment), as a result changes a mark and nothing
// around it.
void addRandomItem(PictureDescription *picture, unsigned seed, unsigned twist)
{
    auto next = [&seed](int below) {
        seed = seed * 1103515245u + 12345u;
        return (int)((seed >> 16) % (unsigned)below);
    };
    RECT area = {next(400), next(400), 0, 0};
    area.right = area.left + 1 + next(120);
    area.bottom = area.top + 1 + next(40);
    COLORREF ink = RGB((twist & 1) * 200, 0, 0);
    switch (next(3)) {
    case 0: addPictureBox(picture, area, 1 + next(2), ink, RGB(255, 255, next(2) * 255)); break;
    case 1: addPictureLine(picture, area.left, area.top, area.right, area.bottom, 1 + next(2), ink); break;
    default:
        addPictureText(picture, area, ITEM_TEXTS[(next(7) + (twist >> 1 & 1)) % 7], next(PICTURE_FONT_COUNT),
                       (next(2) + (twist >> 2 & 1)) % 2, ink);
    }
}

// Pages written one after another from one memory, each picture the last
// one with a few items changed, added or dropped, are byte for byte the
// pages the plain encoder makes of them.
TEST(PublishedPage, EachUpdateIsThePageMadeAfresh)
{
    TempFolder folder;
    SamplePage rows(3, L"rows");
    PageMemory memory = {};
    std::vector<std::pair<unsigned, unsigned>> kept;   // each item's seed and twist
    unsigned seed = 7;
    for (int page = 0; page < 80; page++) {
        for (int change = 0; change < 1 + page % 3; change++) {
            seed = seed * 69069u + 1u;
            size_t at = kept.empty() ? 0 : seed % kept.size();
            if (kept.size() < 40 || seed % 5 == 0)
                kept.insert(kept.begin() + at, {seed, 0});
            else if (seed % 5 == 1)
                kept.erase(kept.begin() + at);
            else
                kept[at].second ^= 1u << (seed / 5 % 3);
        }
        PictureDescription *picture = nextPagePicture(&memory);
        resetPictureDescription(picture, {600 + page % 2, 480}, page % 5 ? RGB(255, 255, 255) : CLR_INVALID);
        for (const auto &item : kept)
            addRandomItem(picture, item.first, item.second);
        rows.page.picture = picture;
        ASSERT_EQ(1, writePublishedPageFrom(folder.path.c_str(), &rows.page, &memory));
        char *bytes;
        DWORD size;
        ASSERT_EQ(1, encodePublishedPage(&rows.page, &bytes, &size));
        std::string fresh(bytes, size);
        freeBlock(bytes);
        ASSERT_EQ(fresh, readFileBytes(folder.file(L"index.html"))) << "page " << page;
    }
    freePageMemory(&memory);
}

} // namespace

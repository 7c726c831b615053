// Opening the largest bracket in the shipped editor, watched from outside
// as a user watches it: the caption names the new bracket while the slots
// are still being made, and the window shows slots before the work ends.
// The file holds one pick nobody made, so the editor asks about it once the
// layout is done: until that question exists, the window cannot have had
// its final paint, which makes the watch independent of the machine's pace.
#include <windows.h>
#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>
#include <vector>

#include "support/bracket_file_fixture.h"
#include "support/editor_process.h"
#include "support/on_display.h"
#include "support/screen_pixels.h"
#include "support/temp_folder.h"

namespace {

// 256 named entrants, no picks but one nobody could have made.
std::string largeFileWithOneInvalidPick()
{
    std::string xml = "<Games><Title>Big</Title><Teams>256</Teams>";
    for (int id = 1; id <= 511; id++) {
        std::string name = id <= 256 ? "T" + std::to_string(id) : id == 257 ? "Nobody" : "";
        xml += "<Team Name=\"" + name + "\" id=\"" + std::to_string(id) + "\"/>";
    }
    return xml + "</Games>";
}

size_t whitePixels(const std::vector<DWORD> &image)
{
    size_t white = 0;
    for (DWORD pixel : image)
        white += pixel == 0xFFFFFF;
    return white;
}

std::wstring captionOf(HWND window)
{
    // Read from the window record: the editor is too busy to answer WM_GETTEXT.
    WCHAR text[256] = L"";
    InternalGetWindowText(window, text, 256);
    return text;
}

struct Question {
    HWND owner;
    bool found;
};
BOOL CALLBACK findOwnedDialog(HWND window, LPARAM lParam)
{
    Question *question = (Question *)lParam;
    WCHAR className[16] = L"";
    GetClassNameW(window, className, 16);
    if (GetWindow(window, GW_OWNER) == question->owner && lstrcmpW(className, L"#32770") == 0)
        question->found = true;
    return !question->found;
}

// What one look at the screen saw, in the order it was taken.
struct Sight {
    bool newCaption;  // read before the pixels
    size_t white;
    bool questionUp;  // looked for after the pixels
};

TEST(OpenProgress, TheCaptionAndTheSlotsShowWhileALargeBracketIsLaidOut)
{
    SKIP_UNLESS_ON_DISPLAY();
    TempFolder folder;
    std::wstring file = folder.file(L"big.xml");
    writeFileBytes(file, largeFileWithOneInvalidPick());
    Editor editor;
    ASSERT_TRUE(editor.start(L""));
    ASSERT_NE(nullptr, editor.waitForWindow(L"Duelmark"));
    RECT empty;
    GetWindowRect(editor.window, &empty);
    size_t whiteBefore = whitePixels(screenPixels(NULL, empty));

    std::atomic<bool> done{false};
    std::vector<Sight> sights;
    std::thread watcher([&] {
        while (!done) {
            Sight sight;
            sight.newCaption = captionOf(editor.window) == L"Duelmark - Big";
            RECT placed;
            GetWindowRect(editor.window, &placed);
            sight.white = whitePixels(screenPixels(NULL, placed));
            Question question = {editor.window, false};
            EnumWindows(findOwnedDialog, (LPARAM)&question);
            sight.questionUp = question.found;
            sights.push_back(sight);
            Sleep(30);
        }
    });
    std::string failures = editor.command(IDM_FILE_OPEN, [&](DialogScript &s) {
        s.chooseFile(s.next("the Open dialog"), file);
        s.press(s.next("the question about the pick nobody made", 120000), IDYES);
    });
    done = true;
    watcher.join();
    EXPECT_EQ("", failures);

    // Sights taken under the new caption with no question up yet were taken
    // while the layout was still going on.
    size_t during = 0, withSlots = 0;
    for (const Sight &sight : sights) {
        if (sight.newCaption && !sight.questionUp) {
            during++;
            withSlots += sight.white > whiteBefore + 2000;
        }
    }
    printf("%zu looks in all, %zu during the layout, %zu of them with slots\n", sights.size(), during, withSlots);
    EXPECT_GT(during, 0u) << "the caption changed only once the layout was over";
    EXPECT_GT(withSlots, 0u) << "the window showed no slot until the layout was over";
}

}  // namespace

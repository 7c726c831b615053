// The two readers of the picture that follow the editor, on a 256-slot
// double-elimination bracket with every match decided:
//   hall_follow_256: from a result changed in one undo step to the hall
//   display's repaint (laid out again, cut into parts, the part on screen
//   drawn), against a floor that lays the same picture out and draws it
//   once into a bitmap of the display's size;
//   publish_256: writing the live page after a result changed (picture,
//   order of play, encoding, the crash-safe replace), against a floor that
//   writes the same bytes through the crash-safe replace.
// Runs alternate; the median of the runs' ratios is printed.
#include <windows.h>

#include <stdio.h>

#include "bench/floor/bench_bracket.h"
#include "bench/floor/bench_rounds.h"
#include "file/safe_replace.h"
#include "model/bracket.h"
#include "model/losers_bracket.h"
#include "model/losers_picks.h"
#include "model/match_outcome.h"
#include "model/undo_history.h"
#include "res/resource.h"
#include "ui/common/document_state.h"
#include "ui/picture/bracket_picture.h"
#include "ui/picture/hall_display.h"
#include "ui/publish/live_page_content.h"
#include "ui/picture/picture_layout.h"

namespace {

const int RUNS = 11;
const int TEAMS = 256;

double now()
{
    LARGE_INTEGER zero = {}, counter;
    QueryPerformanceCounter(&counter);
    return seconds(zero, counter) * 1000.0;
}

void buildDouble(Bracket *bracket)
{
    buildBracket(bracket, TEAMS);
    lstrcpyW(bracket->title, L"Benchmark");
    for (int id = 1; id <= 2 * TEAMS - 1; id++)
        benchSlotName(TEAMS, id, bracket->nodeTable[id - 1]->name);
    prepareLosersBracket(bracket);
    setDoubleEliminationOn(bracket, 1);
    for (int k = 1; k <= TEAMS; k++) {
        const WCHAR *first, *second;
        losersEntrants(bracket, losersMatch(bracket, k), &first, &second);
        setLosersPick(bracket, losersMatch(bracket, k), first);
    }
}

// One result of the first round changed as the editor changes it: one
// undo step, whose end tells the display.
void changeResult(Bracket *bracket, int run)
{
    BracketNode *match = bracket->nodeTable[TEAMS];
    WCHAR score[16];
    wsprintfW(score, L"21-%d", run % 20);
    beginUndoStep(bracket, 0);
    setMatchOutcome(bracket, match, match->name, score, OUTCOME_PLAYED);
    endUndoStep(bracket);
}

void drawOnce(Bracket *bracket, HDC screen, RECT client)
{
    PictureDescription picture;
    describeBracketPicture(bracket, &picture);
    HDC canvas = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, client.right, client.bottom);
    HGDIOBJ old = SelectObject(canvas, bitmap);
    drawPictureDescription(&picture, canvas, client);
    BitBlt(screen, 0, 0, client.right, client.bottom, canvas, 0, 0, SRCCOPY);
    SelectObject(canvas, old);
    DeleteObject(bitmap);
    DeleteDC(canvas);
    freePictureDescription(&picture);
}

} // namespace

int main()
{
    CoInitialize(NULL);
    HWND window = CreateDialogParamW(GetModuleHandleW(NULL), MAKEINTRESOURCEW(IDD_MAIN), NULL, quietDialogProc, 0);
    ShowWindow(window, SW_HIDE);
    Bracket bracket;
    initBracket(&bracket, GetModuleHandleW(NULL));
    buildDouble(&bracket);
    DocumentState state = {};
    state.bracket = &bracket;
    toggleHallDisplay(window, &state);
    HWND hall = state.hallDisplay;
    if (!hall) {
        printf("the hall display did not open\n");
        return 1;
    }
    RECT client;
    GetClientRect(hall, &client);

    double follow[RUNS], floorDraw[RUNS], ratios[RUNS];
    for (int run = 0; run < RUNS; run++) {
        for (int half = 0; half < 2; half++) {
            if ((run + half) % 2 == 0) {
                double start = now();
                changeResult(&bracket, run);
                UpdateWindow(hall);
                follow[run] = now() - start;
            } else {
                HDC screen = GetDC(hall);
                double start = now();
                drawOnce(&bracket, screen, client);
                floorDraw[run] = now() - start;
                ReleaseDC(hall, screen);
            }
        }
        ratios[run] = follow[run] / floorDraw[run];
    }
    printf("medians of %d interleaved runs, display %ldx%ld\n", RUNS, client.right, client.bottom);
    printf("%d slots, double elimination: pick to repaint %.2f ms, draw once %.2f ms\n", TEAMS, median(follow, RUNS),
           median(floorDraw, RUNS));
    printf("ratio hall_follow_256 %.2f goal 1.10\n", median(ratios, RUNS));
    DestroyWindow(hall);

    WCHAR folder[MAX_PATH], page[MAX_PATH];
    GetTempPathW(MAX_PATH, folder);
    lstrcatW(folder, L"duelmark-bench-page");
    CreateDirectoryW(folder, NULL);
    wsprintfW(page, L"%s\\index.html", folder);
    writeLivePage(&bracket, folder);
    HANDLE file = CreateFileW(page, GENERIC_READ, FILE_SHARE_READ, NULL, OPEN_EXISTING, 0, NULL);
    DWORD size = GetFileSize(file, NULL), got = 0;
    char *bytes = (char *)HeapAlloc(GetProcessHeap(), 0, size ? size : 1);
    ReadFile(file, bytes, size, &got, NULL);
    CloseHandle(file);
    double publish[RUNS], floorWrite[RUNS];
    for (int run = 0; run < RUNS; run++) {
        /* A page is written after a change, never of the same bracket
         * twice: the change comes first, untimed, and before whichever of
         * the pair goes first, so that its work does not stand before one
         * side only. */
        changeResult(&bracket, run + 1);
        for (int half = 0; half < 2; half++) {
            if ((run + half) % 2 == 0) {
                double start = now();
                writeLivePage(&bracket, folder);
                publish[run] = now() - start;
            } else {
                double start = now();
                replaceOwnFileContents(page, bytes, got, NULL, NULL);
                floorWrite[run] = now() - start;
            }
        }
        ratios[run] = publish[run] / floorWrite[run];
    }
    // Where the page's time goes: the picture's layout alone.
    double layout[RUNS];
    for (int run = 0; run < RUNS; run++) {
        double start = now();
        PictureDescription picture;
        describeBracketPicture(&bracket, &picture);
        layout[run] = now() - start;
        freePictureDescription(&picture);
    }
    printf("of which the picture's layout %.2f ms\n", median(layout, RUNS));
    HeapFree(GetProcessHeap(), 0, bytes);
    DeleteFileW(page);
    RemoveDirectoryW(folder);
    printf("%d slots, double elimination: page %lu bytes, publish %.2f ms, write the bytes %.2f ms\n", TEAMS,
           (unsigned long)got, median(publish, RUNS), median(floorWrite, RUNS));
    printf("ratio publish_256 %.2f goal 1.20\n", median(ratios, RUNS));
    resetBracket(&bracket);
    DestroyWindow(window);
    CoUninitialize();
    return 0;
}

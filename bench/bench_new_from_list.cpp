// New from a list of 256 entrants (seed placement, byes, names, the picks
// byes decide, the layout of every slot and the reset after it) against the
// floor of laying out and destroying the 511 controls of 256 slots with
// nothing of the editor's own (floor/bare_layout.cpp). Rounds of the two
// alternate so both see the same machine noise; the median of the rounds'
// ratios is printed (goal: at most 1.10).
#include <stdio.h>
#include <windows.h>

#include "model/heap.h"
#include "model/seeding.h"
#include "res/resource.h"
#include "ui/window/layout.h"
#include "bench/floor/bare_layout.h"
#include "bench/floor/bench_rounds.h"

namespace {

const int WARM_UP_ROUNDS = 2;
const int ROUNDS = 15;
const int ENTRANTS = 256;

double timeNewFromList(Bracket *bracket, HWND window, const WCHAR *list)
{
    LARGE_INTEGER start, end;
    QueryPerformanceCounter(&start);
    buildBracketFromList(bracket, list, PLACE_SEEDED, cryptoRandomBelow, NULL);
    lstrcpyW(bracket->title, L"Benchmark");
    layoutBracket(bracket, window, 1);
    resetBracket(bracket);
    QueryPerformanceCounter(&end);
    return seconds(start, end);
}

double timeFloor(HWND window, HWND *controls)
{
    LARGE_INTEGER start, end;
    QueryPerformanceCounter(&start);
    bareLayout(window, ENTRANTS, 1, controls);
    bareTeardown(controls, ENTRANTS);
    QueryPerformanceCounter(&end);
    return seconds(start, end);
}

}  // namespace

int main()
{
    HWND window = CreateDialogParamW(GetModuleHandleW(NULL), MAKEINTRESOURCEW(IDD_MAIN), NULL, quietDialogProc, 0);
    if (!window) {
        printf("the main window could not be created\n");
        return 1;
    }
    // Hidden, as in the layout benchmark: drawing each control says nothing
    // about the calls themselves.
    ShowWindow(window, SW_HIDE);
    static Bracket bracket;
    static HWND controls[2 * MAX_TEAM_COUNT];
    static WCHAR list[ENTRANTS * 16];
    static double productTimes[ROUNDS], floorTimes[ROUNDS], ratios[ROUNDS];
    initBracket(&bracket, GetModuleHandleW(NULL));
    WCHAR *end = list;
    for (int i = 1; i <= ENTRANTS; i++)
        end += wsprintfW(end, L"Entrant %d\r\n", i);
    for (int i = 0; i < WARM_UP_ROUNDS; i++) {
        timeNewFromList(&bracket, window, list);
        timeFloor(window, controls);
    }
    for (int i = 0; i < ROUNDS; i++) {
        if (i % 2) {
            floorTimes[i] = timeFloor(window, controls);
            productTimes[i] = timeNewFromList(&bracket, window, list);
        } else {
            productTimes[i] = timeNewFromList(&bracket, window, list);
            floorTimes[i] = timeFloor(window, controls);
        }
        ratios[i] = productTimes[i] / floorTimes[i];
    }
    printf("%d entrants: new from list %.1f ms, floor %.1f ms, median ratio %.2fx\n", ENTRANTS,
           median(productTimes, ROUNDS) * 1000, median(floorTimes, ROUNDS) * 1000, median(ratios, ROUNDS));
    printf("ratio new_from_list_256 %.2f goal 1.10\n", median(ratios, ROUNDS));
    DestroyWindow(window);
    return 0;
}

// Laying out and tearing down a bracket against the floor of making exactly
// the platform calls a layout must make (each slot's control created, its
// item height, initial item or length limit, font and user data; the window
// fitted, centred and captioned) and destroying the same controls. Rounds of
// the two alternate so that both see the same machine noise; the median of
// the rounds' ratios is printed (goal: at most 1.10).
#include <stdio.h>
#include <windows.h>

#include "model/bracket.h"
#include "res/resource.h"
#include "ui/window/layout.h"
#include "bench/floor/bare_layout.h"
#include "bench/floor/bench_rounds.h"
#include "bench/floor/bench_bracket.h"

namespace {

const int WARM_UP_ROUNDS = 2;
const int ROUNDS = 15;

// The product: every slot control created, bound and placed, the window
// fitted, centred and captioned, then the reset that New, Open and Close use
// (controls destroyed, nodes freed).
double timeLayout(Bracket *bracket, HWND window, int teams, double *teardown)
{
    buildBracket(bracket, teams);
    lstrcpyW(bracket->title, L"Benchmark");
    for (int id = 1; id <= 2 * teams - 1; id++)
        benchSlotName(teams, id, bracket->nodeTable[id - 1]->name);
    LARGE_INTEGER start, middle, end;
    QueryPerformanceCounter(&start);
    layoutBracket(bracket, window, 1);
    QueryPerformanceCounter(&middle);
    resetBracket(bracket);
    QueryPerformanceCounter(&end);
    *teardown = seconds(middle, end);
    return seconds(start, end);
}

// The floor: the same platform calls in the same order (bare_layout.cpp),
// then the same windows destroyed.
double timeBareControls(HWND window, int teams, HWND *controls, double *teardown)
{
    LARGE_INTEGER start, middle, end;
    QueryPerformanceCounter(&start);
    bareLayout(window, teams, 1, controls);
    QueryPerformanceCounter(&middle);
    bareTeardown(controls, teams);
    QueryPerformanceCounter(&end);
    *teardown = seconds(middle, end);
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
    // Hidden, as at start-up: on a shown window the editor holds back drawing
    // while controls come and go, and the floor's calls would pay for
    // drawing each control, which says nothing about the calls themselves.
    ShowWindow(window, SW_HIDE);
    static Bracket bracket;
    static HWND controls[2 * MAX_TEAM_COUNT];
    static double layoutTimes[ROUNDS];
    static double floorTimes[ROUNDS];
    static double layoutTeardowns[ROUNDS];
    static double floorTeardowns[ROUNDS];
    static double ratios[ROUNDS];
    double ignored;
    initBracket(&bracket, GetModuleHandleW(NULL));
    const int sizes[] = {64, 256};
    double ratioOf[2] = {0, 0};
    for (int size : sizes) {
        for (int i = 0; i < WARM_UP_ROUNDS; i++) {
            timeLayout(&bracket, window, size, &ignored);
            timeBareControls(window, size, controls, &ignored);
        }
        // Each round's pair runs back to back, in alternating order, and
        // gives one ratio: the load of the machine changes more slowly than
        // a pair takes.
        for (int i = 0; i < ROUNDS; i++) {
            if (i % 2) {
                floorTimes[i] = timeBareControls(window, size, controls, &floorTeardowns[i]);
                layoutTimes[i] = timeLayout(&bracket, window, size, &layoutTeardowns[i]);
            } else {
                layoutTimes[i] = timeLayout(&bracket, window, size, &layoutTeardowns[i]);
                floorTimes[i] = timeBareControls(window, size, controls, &floorTeardowns[i]);
            }
            ratios[i] = layoutTimes[i] / floorTimes[i];
        }
        double layout = median(layoutTimes, ROUNDS);
        double floor = median(floorTimes, ROUNDS);
        double ratio = median(ratios, ROUNDS);
        printf("%3d teams (%3d controls): layout and teardown %.1f ms (teardown %.1f), floor %.1f ms "
               "(destroying %.1f), median ratio %.2fx\n",
               size, 2 * size - 1, layout * 1000, median(layoutTeardowns, ROUNDS) * 1000, floor * 1000,
               median(floorTeardowns, ROUNDS) * 1000, ratio);
        ratioOf[size == 64 ? 0 : 1] = ratio;
    }
    printf("ratio layout_64 %.2f goal 1.10\n", ratioOf[0]);
    printf("ratio layout_256 %.2f goal 1.10\n", ratioOf[1]);
    DestroyWindow(window);
    return 0;
}

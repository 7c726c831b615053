// Laying out and tearing down a bracket against the floor of creating and
// destroying the same number of bare edit and combobox controls on the same
// window. Rounds of the two alternate so that both see the same machine
// noise; the ratio of the medians is printed (goal: at most 1.3).
#include <stdio.h>
#include <windows.h>

#include "model/bracket.h"
#include "res/resource.h"
#include "ui/layout.h"

namespace {

const int WARM_UP_ROUNDS = 2;
const int ROUNDS = 15;

INT_PTR CALLBACK quietDialogProc(HWND, UINT, WPARAM, LPARAM)
{
    return 0;
}

double seconds(LARGE_INTEGER start, LARGE_INTEGER end)
{
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return (double)(end.QuadPart - start.QuadPart) / (double)frequency.QuadPart;
}

double median(double *values, int count)
{
    for (int i = 1; i < count; i++) {
        double v = values[i];
        int j = i;
        for (; j > 0 && values[j - 1] > v; j--)
            values[j] = values[j - 1];
        values[j] = v;
    }
    return values[count / 2];
}

// The product: every slot control created, bound and placed, the window
// fitted, centred and captioned, then the reset that New, Open and Close use
// (controls destroyed, nodes freed).
double timeLayout(Bracket *bracket, HWND window, int teams, double *teardown)
{
    buildBracket(bracket, teams);
    lstrcpyW(bracket->title, L"Benchmark");
    LARGE_INTEGER start, middle, end;
    QueryPerformanceCounter(&start);
    layoutBracket(bracket, window, 1);
    QueryPerformanceCounter(&middle);
    resetBracket(bracket);
    QueryPerformanceCounter(&end);
    *teardown = seconds(middle, end);
    return seconds(start, end);
}

// The floor: the same windows with the same classes, styles and sizes, and
// nothing else done to them.
double timeBareControls(HWND window, int teams, HWND *controls, double *teardown)
{
    HINSTANCE instance = GetModuleHandleW(NULL);
    int count = 2 * teams - 1;
    LARGE_INTEGER start, end;
    QueryPerformanceCounter(&start);
    for (int i = 0; i < count; i++) {
        if (i < teams && teams > 1)
            controls[i] = CreateWindowExW(0x204, L"Edit", L"", 0x50010080, 10, 10 + 20 * (i % 32), 78, 16, window,
                                          (HMENU)IDC_TEAM_EDIT, instance, NULL);
        else
            controls[i] = CreateWindowExW(0, L"ComboBox", NULL, 0x50010203, 88, 10 + 20 * (i % 32), 78, 100, window,
                                          (HMENU)IDC_PICK_COMBO, instance, NULL);
    }
    LARGE_INTEGER middle;
    QueryPerformanceCounter(&middle);
    for (int i = 0; i < count; i++)
        DestroyWindow(controls[i]);
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
    static Bracket bracket;
    static HWND controls[2 * MAX_TEAM_COUNT];
    static double layoutTimes[ROUNDS];
    static double floorTimes[ROUNDS];
    static double layoutTeardowns[ROUNDS];
    static double floorTeardowns[ROUNDS];
    double ignored;
    initBracket(&bracket, GetModuleHandleW(NULL));
    int worst = 0;
    const int sizes[] = {64, 256};
    double worstRatio = 0;
    for (int size : sizes) {
        for (int i = 0; i < WARM_UP_ROUNDS; i++) {
            timeLayout(&bracket, window, size, &ignored);
            timeBareControls(window, size, controls, &ignored);
        }
        for (int i = 0; i < ROUNDS; i++) {
            layoutTimes[i] = timeLayout(&bracket, window, size, &layoutTeardowns[i]);
            floorTimes[i] = timeBareControls(window, size, controls, &floorTeardowns[i]);
        }
        double layout = median(layoutTimes, ROUNDS);
        double floor = median(floorTimes, ROUNDS);
        double ratio = layout / floor;
        printf("%3d teams (%3d controls): layout and teardown %.1f ms (teardown %.1f), bare controls %.1f ms "
               "(destroying %.1f), ratio %.2fx\n",
               size, 2 * size - 1, layout * 1000, median(layoutTeardowns, ROUNDS) * 1000, floor * 1000,
               median(floorTeardowns, ROUNDS) * 1000, ratio);
        if (ratio > worstRatio) {
            worstRatio = ratio;
            worst = size;
        }
    }
    printf("worst ratio %.2fx at %d teams (goal <= 1.30x)\n", worstRatio, worst);
    DestroyWindow(window);
    return 0;
}

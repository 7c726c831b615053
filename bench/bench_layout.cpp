// Laying out and tearing down a bracket against the floor of creating and
// destroying the same number of bare edit and combobox controls on the same
// window. Rounds of the two alternate so that both see the same machine
// noise; the median of the rounds' ratios is printed (goal: at most 1.3).
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

HWND createBare(HWND window, HINSTANCE instance, int x, int y, int isPick)
{
    if (isPick)
        return CreateWindowExW(0, L"ComboBox", NULL, 0x50010203, x + 10, y + 10, 78, 100, window,
                               (HMENU)IDC_PICK_COMBO, instance, NULL);
    return CreateWindowExW(0x204, L"Edit", L"", 0x50010080, x + 10, y + 10, 78, 16, window, (HMENU)IDC_TEAM_EDIT,
                           instance, NULL);
}

// The floor: the same windows with the same classes, styles, sizes and
// places, created in the same order, and nothing else done to them.
double timeBareControls(HWND window, int teams, HWND *controls, double *teardown)
{
    HINSTANCE instance = GetModuleHandleW(NULL);
    int depth = 0;
    while ((1 << depth) < teams)
        depth++;
    int count = 0;
    LARGE_INTEGER start, middle, end;
    QueryPerformanceCounter(&start);
    int col = 0, top = 0, step = 20;
    for (int m = teams / 2; m > 0; m /= 2) {
        for (int i = 0; i < m; i++)
            controls[count++] = createBare(window, instance, col, top + i * step, col != 0);
        for (int i = 0; i < m; i++)
            controls[count++] = createBare(window, instance, 156 * depth - col, top + i * step, col != 0);
        if (m > 1) {
            top += step / 2;
            step *= 2;
        }
        col += 78;
    }
    controls[count++] = createBare(window, instance, col, top - 20, 1);
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
    static double ratios[ROUNDS];
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
        printf("%3d teams (%3d controls): layout and teardown %.1f ms (teardown %.1f), bare controls %.1f ms "
               "(destroying %.1f), median ratio %.2fx\n",
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

/* What the round-based benchmarks share: a dialog procedure that does
 * nothing (the product's template shown without the editor behind it), the
 * time between two counter readings, the median of a run of rounds, and the
 * hidden main window with the folder the benchmark files go in. */
#ifndef DUELMARK_BENCH_FLOOR_BENCH_ROUNDS_H
#define DUELMARK_BENCH_FLOOR_BENCH_ROUNDS_H

#include <windows.h>

#include "res/resource.h"

static inline INT_PTR CALLBACK quietDialogProc(HWND, UINT, WPARAM, LPARAM)
{
    return 0;
}

static inline double seconds(LARGE_INTEGER start, LARGE_INTEGER end)
{
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return (double)(end.QuadPart - start.QuadPart) / (double)frequency.QuadPart;
}

/* Milliseconds on the performance counter. */
static inline double nowMilliseconds(void)
{
    LARGE_INTEGER zero = {}, counter;
    QueryPerformanceCounter(&counter);
    return seconds(zero, counter) * 1000.0;
}

/* Sorts values in place. */
static inline double median(double *values, int count)
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

/* The product's main window, hidden as at start-up: on a shown window the
 * editor holds back drawing while controls come and go, and the floor's
 * calls would pay for drawing each control, which says nothing about the
 * calls themselves. folder (MAX_PATH units) receives the benchmarks' own
 * temporary folder, made if missing. */
static inline HWND openBenchWindow(WCHAR *folder)
{
    HWND window = CreateDialogParamW(GetModuleHandleW(NULL), MAKEINTRESOURCEW(IDD_MAIN), NULL, quietDialogProc, 0);
    ShowWindow(window, SW_HIDE);
    GetTempPathW(MAX_PATH, folder);
    lstrcatW(folder, L"duelmark-bench");
    CreateDirectoryW(folder, NULL);
    return window;
}

#endif

/* What the round-based benchmarks share: a dialog procedure that does
 * nothing (the product's template shown without the editor behind it), the
 * time between two counter readings, and the median of a run of rounds. */
#ifndef DUELMARK_BENCH_FLOOR_BENCH_ROUNDS_H
#define DUELMARK_BENCH_FLOOR_BENCH_ROUNDS_H

#include <windows.h>

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

#endif

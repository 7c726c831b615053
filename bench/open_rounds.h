/* The opening benchmarks' rounds: the editor opens a file, and the floor
 * loads the same file with MSXML and makes the same number of bare
 * controls, each pair back to back in alternating order, so that a busy
 * machine slows both alike. */
#ifndef DUELMARK_BENCH_OPEN_ROUNDS_H
#define DUELMARK_BENCH_OPEN_ROUNDS_H

#include <windows.h>

#include "bench/floor/bare_layout.h"
#include "bench/floor/bare_load.h"
#include "bench/floor/bench_rounds.h"
#include "model/bracket.h"
#include "ui/document/open_bracket.h"

/* Fills open, floorOpen (milliseconds) and ratios for runs rounds of a
 * bracket of teams slots; withLosers adds the losers' bracket's controls
 * to the floor. */
static inline void measureOpenRounds(Bracket *bracket, HWND window, const WCHAR *file, int teams, int withLosers,
                                     int runs, double *open, double *floorOpen, double *ratios)
{
    HANDLE heap = GetProcessHeap();
    HWND *controls = (HWND *)HeapAlloc(heap, 0, sizeof(HWND) * 2 * teams);
    HWND *losers = (HWND *)HeapAlloc(heap, 0, sizeof(HWND) * teams);
    bareLayout(window, teams, 0, controls);
    if (withLosers)
        bareLosersLayout(window, teams, losers);
    for (int run = 0; run < runs; run++) {
        for (int half = 0; half < 2; half++) {
            double start = nowMilliseconds();
            if ((run + half) % 2 == 0) {
                loadBracketFile(bracket, window, file);
                open[run] = nowMilliseconds() - start;
                continue;
            }
            bareTeardown(controls, teams);
            if (withLosers)
                bareLosersTeardown(losers, teams);
            bareLoad(file);
            bareLayout(window, teams, 0, controls);
            if (withLosers)
                bareLosersLayout(window, teams, losers);
            floorOpen[run] = nowMilliseconds() - start;
        }
        ratios[run] = open[run] / floorOpen[run];
    }
    bareTeardown(controls, teams);
    if (withLosers)
        bareLosersTeardown(losers, teams);
    HeapFree(heap, 0, controls);
    HeapFree(heap, 0, losers);
}

#endif

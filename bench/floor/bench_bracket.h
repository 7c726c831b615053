/* The bracket every benchmark and floor uses: N teams named "Team 1" to
 * "Team N", every match decided for its left feeder, so every slot holds a
 * name and every pick control starts with one item. Usable without a C
 * runtime, so the floor programs share it. */
#ifndef DUELMARK_BENCH_FLOOR_BENCH_BRACKET_H
#define DUELMARK_BENCH_FLOOR_BENCH_BRACKET_H

#include <windows.h>

/* The name of slot id (1 .. 2N-1) of an N-team bracket: a pick carries the
 * name of the leftmost base slot below it. out holds at least 32 units. */
static inline void benchSlotName(int teams, int id, WCHAR *out)
{
    int start = 1, count = teams, levelsAbove = 0;
    while (count > 1 && id >= start + count) {
        start += count;
        count /= 2;
        levelsAbove++;
    }
    wsprintfW(out, L"Team %d", ((id - start) << levelsAbove) + 1);
}

#endif

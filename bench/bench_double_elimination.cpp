// Opening a 256-slot double-elimination file, every match of both brackets
// decided, against a floor measured in the same run: a bare MSXML load of
// the same file and the bare calls that make the same number of controls
// (floor/bare_layout.cpp: the 2N-1 slots and N losers' drop-downs), after
// destroying those of the round before, as a load replaces the open
// bracket. Runs alternate; the median of the runs' ratios is printed
// (goal: at most 1.10).
#include <windows.h>
#include <msxml2.h>

#include <stdio.h>

#include "bench/floor/bare_layout.h"
#include "bench/floor/bare_load.h"
#include "bench/floor/bench_bracket.h"
#include "bench/open_rounds.h"
#include "model/bracket.h"
#include "model/losers_bracket.h"
#include "model/losers_picks.h"
#include "res/resource.h"
#include "ui/document/open_bracket.h"
#include "ui/document/save_bracket.h"

namespace {

const int RUNS = 11;
const int TEAMS = 256;

// The benchmark bracket in double elimination, each losers' match won by
// its upper entrant, the grand final by the winners' champion.
void writeDoubleFile(HWND window, const WCHAR *path)
{
    Bracket bracket;
    initBracket(&bracket, GetModuleHandleW(NULL));
    buildBracket(&bracket, TEAMS);
    lstrcpyW(bracket.title, L"Benchmark");
    for (int id = 1; id <= 2 * TEAMS - 1; id++)
        benchSlotName(TEAMS, id, bracket.nodeTable[id - 1]->name);
    prepareLosersBracket(&bracket);
    setDoubleEliminationOn(&bracket, 1);
    for (int k = 1; k <= TEAMS; k++) {
        const WCHAR *first, *second;
        losersEntrants(&bracket, losersMatch(&bracket, k), &first, &second);
        setLosersPick(&bracket, losersMatch(&bracket, k), first);
    }
    saveBracketFile(&bracket, window, path);
    resetBracket(&bracket);
}

} // namespace

int main()
{
    CoInitialize(NULL);
    WCHAR folder[MAX_PATH], file[MAX_PATH];
    HWND window = openBenchWindow(folder);
    wsprintfW(file, L"%s\\double-%d.xml", folder, TEAMS);
    writeDoubleFile(window, file);

    Bracket bracket;
    initBracket(&bracket, GetModuleHandleW(NULL));
    double load[RUNS], floorLoad[RUNS], ratios[RUNS];
    measureOpenRounds(&bracket, window, file, TEAMS, 1, RUNS, load, floorLoad, ratios);
    if (!bracket.losers.on)
        printf("the file did not open as double elimination\n");
    resetBracket(&bracket);
    printf("medians of %d interleaved runs\n", RUNS);
    printf("%d slots, double elimination: open %.2f ms, floor %.2f ms\n", TEAMS, median(load, RUNS),
           median(floorLoad, RUNS));
    printf("ratio double_elimination_256 %.2f goal 1.10\n", median(ratios, RUNS));
    DestroyWindow(window);
    CoUninitialize();
    return 0;
}

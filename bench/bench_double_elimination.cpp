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

#include <vector>

#include "bench/floor/bare_layout.h"
#include "bench/floor/bare_load.h"
#include "bench/floor/bench_bracket.h"
#include "bench/floor/bench_rounds.h"
#include "model/bracket.h"
#include "model/losers_bracket.h"
#include "res/resource.h"
#include "ui/document/open_bracket.h"
#include "ui/document/save_bracket.h"

namespace {

const int RUNS = 11;
const int TEAMS = 256;

/* Milliseconds on the performance counter. */
double now()
{
    LARGE_INTEGER zero = {}, counter;
    QueryPerformanceCounter(&counter);
    return seconds(zero, counter) * 1000.0;
}

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
    HWND window = CreateDialogParamW(GetModuleHandleW(NULL), MAKEINTRESOURCEW(IDD_MAIN), NULL, quietDialogProc, 0);
    // Hidden, as at start-up (see bench_load_save.cpp).
    ShowWindow(window, SW_HIDE);
    WCHAR folder[MAX_PATH], file[MAX_PATH];
    GetTempPathW(MAX_PATH, folder);
    lstrcatW(folder, L"duelmark-bench");
    CreateDirectoryW(folder, NULL);
    wsprintfW(file, L"%s\\double-%d.xml", folder, TEAMS);
    writeDoubleFile(window, file);

    Bracket bracket;
    initBracket(&bracket, GetModuleHandleW(NULL));
    double load[RUNS], floorLoad[RUNS], ratios[RUNS];
    std::vector<HWND> controls(2 * TEAMS - 1), losers(TEAMS);
    bareLayout(window, TEAMS, 0, controls.data());
    bareLosersLayout(window, TEAMS, losers.data());
    for (int run = 0; run < RUNS; run++) {
        for (int half = 0; half < 2; half++) {
            if ((run + half) % 2 == 0) {
                double start = now();
                loadBracketFile(&bracket, window, file);
                load[run] = now() - start;
            } else {
                double start = now();
                bareTeardown(controls.data(), TEAMS);
                bareLosersTeardown(losers.data(), TEAMS);
                bareLoad(file);
                bareLayout(window, TEAMS, 0, controls.data());
                bareLosersLayout(window, TEAMS, losers.data());
                floorLoad[run] = now() - start;
            }
        }
        ratios[run] = load[run] / floorLoad[run];
    }
    bareTeardown(controls.data(), TEAMS);
    bareLosersTeardown(losers.data(), TEAMS);
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

// Opening an event played in groups first: 16 groups of 4 with every
// result, two through from each into a 32-slot knockout whose every match is
// decided, against a floor measured in the same run: a bare MSXML load of
// the same file and the bare layout of the same number of controls the
// window makes for it (floor/bare_layout.cpp), after destroying those of the
// previous round, as an open replaces the open bracket. The groups have no
// controls of their own in this window: the figure is the model, the file
// and the knockout's window. Runs alternate; the median of the runs' ratios
// is printed.
#include <windows.h>

#include <stdio.h>

#include "bench/floor/bare_layout.h"
#include "bench/floor/bare_load.h"
#include "bench/open_rounds.h"
#include "model/group_event.h"
#include "model/group_results.h"
#include "model/group_stage.h"
#include "model/match_outcome.h"
#include "model/match_schedule.h"
#include "model/seeding.h"
#include "res/resource.h"
#include "ui/document/open_bracket.h"
#include "ui/document/save_bracket.h"

namespace {

const int RUNS = 11;
const int GROUPS = 16, ENTRANTS = 64, KNOCKOUT = 32;

// Every group match won by the lower number in three games, every level
// run ordered as it stands, every knockout match won by its upper entrant.
void playEverything(Bracket *bracket)
{
    for (int g = 0; g < GROUPS; g++) {
        StageGroup *group = stageGroup(bracket, g);
        for (int m = 0; m < group->matchCount; m++) {
            int home, away;
            groupMatchEntrants(group, m, &home, &away);
            setGroupMatchResult(bracket, g, m, home < away ? GROUP_HOME_WON : GROUP_AWAY_WON, L"11:7 9:11 11:5",
                                OUTCOME_PLAYED);
            setMatchSchedule(bracket, &group->match[m], L"Table 1", L"2026-12-08T10:00");
        }
        GroupStandings standings;
        groupStandingsOf(bracket, g, &standings);
        int order[MAX_GROUP_SIZE];
        for (int k = 0; k < standings.count; k++)
            order[k] = standings.rows[k].entrant;
        if (standings.awaitingLots)
            setGroupTiedOrder(bracket, g, order, standings.count);
    }
    for (int id = KNOCKOUT + 1; id <= 2 * KNOCKOUT - 1; id++) {
        BracketNode *node = bracket->nodeTable[id - 1];
        setMatchOutcome(bracket, node, node->left->name, L"3:1", OUTCOME_PLAYED);
    }
}

} // namespace

int main()
{
    CoInitialize(NULL);
    WCHAR folder[MAX_PATH], file[MAX_PATH];
    HWND window = openBenchWindow(folder);
    wsprintfW(file, L"%s\\groups-64.xml", folder);

    WCHAR list[ENTRANTS * 8];
    list[0] = 0;
    for (int k = 1; k <= ENTRANTS; k++)
        wsprintfW(list + lstrlenW(list), L"P%d\n", k);
    Bracket bracket;
    initBracket(&bracket, GetModuleHandleW(NULL));
    GroupEventFormat format = {GROUPS, 0, 2, RULES_TABLE_TENNIS, PLACE_SEEDED};
    if (!buildGroupEventFromList(&bracket, list, &format, cryptoRandomBelow, NULL) ||
        bracket.slotCount != KNOCKOUT) {
        printf("the event could not be made\n");
        return 1;
    }
    lstrcpyW(bracket.title, L"Benchmark");
    playEverything(&bracket);
    saveBracketFile(&bracket, window, file);

    double open[RUNS], floorOpen[RUNS], ratios[RUNS];
    measureOpenRounds(&bracket, window, file, KNOCKOUT, 0, RUNS, open, floorOpen, ratios);
    int held = bracket.groups.groupCount == GROUPS && bracket.root.name[0];
    resetBracket(&bracket);
    printf("medians of %d interleaved runs%s\n", RUNS, held ? "" : " (the file did not open whole)");
    printf("groups 16x4, 32-slot knockout  open %8.2f ms  floor %8.2f ms\n", median(open, RUNS), median(floorOpen, RUNS));
    printf("ratio groups_open_64 %.2f goal 1.10\n", median(ratios, RUNS));
    DestroyWindow(window);
    CoUninitialize();
    return held ? 0 : 1;
}

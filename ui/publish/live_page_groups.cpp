#include "ui/publish/live_page_groups.h"

#include "model/group_stage.h"
#include "res/resource.h"
#include "ui/common/fallback_string.h"
#include "ui/common/message_text.h"
#include "ui/common/standing_text.h"

/* The Groups page's standings words are one tab-separated string. */
static void splitHeadings(GroupTables *tables)
{
    WCHAR *at = tables->headingText;
    for (int column = 0; column < STANDINGS_COLUMNS_SHOWN; column++) {
        tables->headings[column] = at;
        while (*at && *at != L'\t')
            at++;
        if (*at)
            *at++ = 0;
    }
}

/* One group's rows as the Groups page shows them: "=" before the place of
 * entrants the rules left level. */
static int fillGroupTable(Bracket *bracket, int groupIndex, GroupTables *tables)
{
    StageGroup *group = stageGroup(bracket, groupIndex);
    GroupStandings standings;
    if (!group || !groupStandingsOf(bracket, groupIndex, &standings))
        return 0;
    WCHAR letter[2] = {groupLetter(groupIndex), 0};
    const WCHAR *inserts[] = {letter};
    WCHAR *caption = tables->captions[groupIndex];
    if (!loadMessageText(bracket->resourceModule, IDS_GROUP_HEADING, inserts, 1, caption, 64))
        lstrcpyW(caption, letter);
    for (int row = 0; row < standings.count; row++) {
        const StandingRow &line = standings.rows[row];
        WCHAR (*numbers)[STANDINGS_NUMBER_CAPACITY] = tables->numbers[groupIndex][row];
        const WCHAR **cells = &tables->cells[groupIndex][row * STANDINGS_COLUMNS_SHOWN];
        for (int column = 0; column < STANDINGS_COLUMNS_SHOWN; column++) {
            standingCellText(&line, column, numbers[column]);
            cells[column] = numbers[column];
        }
        cells[1] = group->entrant[line.entrant - 1];
    }
    tables->tables[groupIndex] = {caption, tables->headings, STANDINGS_COLUMNS_SHOWN, tables->cells[groupIndex],
                                  standings.count};
    return 1;
}

int fillGroupTables(Bracket *bracket, GroupTables *tables)
{
    if (!bracket->groups.on || bracket->groups.groupCount <= 0)
        return 0;
    loadStringWithFallback(bracket->resourceModule, IDS_STANDINGS_HEADINGS, tables->headingText, 256);
    splitHeadings(tables);
    int count = 0;
    while (count < bracket->groups.groupCount && count < MAX_GROUP_COUNT && fillGroupTable(bracket, count, tables))
        count++;
    return count;
}

#include "ui/schedule/order_of_play.h"

#include "model/group_stage.h"
#include "model/heap.h"
#include "model/match_kind.h"
#include "model/match_outcome.h"
#include "model/match_schedule.h"
#include "res/resource.h"
#include "ui/common/fallback_string.h"
#include "ui/common/group_round_name.h"
#include "ui/common/losers_marks.h"
#include "ui/common/match_marks.h"
#include "ui/common/picture_failure.h"

/* Court names as people read them: "Court 2" before "Court 10". */
static int compareCourts(const WCHAR *a, const WCHAR *b)
{
    int order = CompareStringEx(LOCALE_NAME_USER_DEFAULT, NORM_IGNORECASE | SORT_DIGITSASNUMBERS, a, -1, b, -1,
                                NULL, NULL, 0);
    if (!order)
        return lstrcmpiW(a, b);
    return order - CSTR_EQUAL;
}

/* Negative when a is played before b. */
static int compareEntries(Bracket *bracket, const OrderEntry *a, const OrderEntry *b)
{
    const MatchDetails *da = matchDetailsOf(bracket, a->node), *db = matchDetailsOf(bracket, b->node);
    if (!da->time[0] != !db->time[0])
        return da->time[0] ? -1 : 1;
    /* The one form of a time sorts as its text does. */
    int order = lstrcmpW(da->time, db->time);
    if (!order)
        order = compareCourts(da->court, db->court);
    if (!order)
        order = b->round - a->round;
    if (!order)
        order = a->position - b->position;
    return order;
}

/* The groups are played before the knockout, round by round: their
 * rounds rank above any of the knockout's. */
static int collectGroupMatches(Bracket *bracket, OrderEntry *entries)
{
    int count = 0;
    for (int g = 0; bracket->groups.on && g < bracket->groups.groupCount; g++) {
        StageGroup *group = stageGroup(bracket, g);
        for (int m = 0; m < group->matchCount; m++) {
            int home, away;
            PairingPlace place;
            if (!isMatchReady(bracket, &group->match[m]) || !groupMatchEntrants(group, m, &home, &away) ||
                !findPairing(group->count, home, away, &place) || count >= ORDER_CAPACITY)
                continue;
            entries[count++] = {&group->match[m], 4 * MAX_TEAM_COUNT + MAX_GROUP_ROUNDS - place.round,
                                g * MAX_ROUND_PAIRINGS + place.board};
        }
    }
    return count;
}

int collectOrderOfPlay(Bracket *bracket, OrderEntry *entries)
{
    int count = collectGroupMatches(bracket, entries);
    for (int level = bracket->depth - 1; level >= 0; level--) {
        int position = 0;
        for (BracketNode *node = leftmostAtLevel(bracket, level); node; node = nextInLevel(node), position++) {
            if (isMatchReady(bracket, node) && count < ORDER_CAPACITY)
                entries[count++] = {node, 2 * level + 2, position};
        }
    }
    /* Between the semi-finals and the final. */
    if (bracket->depth >= 2 && isMatchReady(bracket, &bracket->thirdPlace) && count < ORDER_CAPACITY)
        entries[count++] = {&bracket->thirdPlace, 3, 0};
    /* Losers' round r is played beside winners' round r / 2 + 1, after its
     * matches; the grand final and its reset come last of all. */
    for (int k = 1; bracket->losers.on && k <= bracket->slotCount; k++) {
        BracketNode *match = losersMatch(bracket, k);
        int round, position;
        losersRoundOf(bracket, k, &round, &position);
        int order = round ? 2 * bracket->depth - round : bracket->slotCount - k;
        if (match && isMatchReady(bracket, match) && count < ORDER_CAPACITY)
            entries[count++] = {match, order, bracket->slotCount + position};
    }
    for (int i = 1; i < count; i++) {
        OrderEntry moving = entries[i];
        int j = i;
        for (; j > 0 && compareEntries(bracket, &moving, &entries[j - 1]) < 0; j--)
            entries[j] = entries[j - 1];
        entries[j] = moving;
    }
    return count;
}

static int levelOf(Bracket *bracket, const BracketNode *node)
{
    int level = 0;
    for (; node && node != &bracket->root; node = node->parent)
        level++;
    return level;
}

void orderFieldsOf(Bracket *bracket, const OrderEntry *entry, int times, OrderFields *fields)
{
    const MatchDetails *details = matchDetailsOf(bracket, entry->node);
    if (times == ORDER_TIMES_SHOWN) {
        matchTimeText(details, bracketSpansDays(bracket), fields->time);
    } else {
        lstrcpynW(fields->time, details->time, MARK_CAPACITY);
        if (fields->time[0])
            fields->time[10] = L' ';
    }
    fields->court = details->court;
    MatchKind kind = matchKindOf(bracket, entry->node);
    if (kind == MATCH_THIRD_PLACE)
        loadStringWithFallback(bracket->resourceModule, IDS_PICTURE_THIRD_PLACE, fields->round, 64);
    else if (kind == MATCH_WINNERS)
        roundHeading(bracket, levelOf(bracket, entry->node) + 1, fields->round, 64);
    else if (kind == MATCH_GROUP)
        groupMatchRoundName(bracket, entry->node, fields->round, 64);
    else
        losersMatchHeading(bracket, losersNumberOf(bracket, entry->node), fields->round, 64);
    matchEntrants(bracket, entry->node, &fields->first, &fields->second);
}

/* Appends text at *end, within the block's capacity. */
static void append(WCHAR **end, const WCHAR *limit, const WCHAR *text)
{
    while (*text && *end < limit)
        *(*end)++ = *text++;
}

/* A name or a court may hold a tab or a line break (a file can carry
 * them, a court pasted from two cells does): in a field it would start
 * another column or line, so it stands as a space. */
static void appendField(WCHAR **end, const WCHAR *limit, const WCHAR *text)
{
    for (; *text && *end < limit; text++) {
        WCHAR unit = *text;
        int breaks = unit == L'\t' || unit == L'\n' || unit == L'\r' || unit == L'\v' || unit == L'\f' ||
                     unit == 0x85 || unit == 0x2028 || unit == 0x2029;
        *(*end)++ = breaks ? L' ' : unit;
    }
}

WCHAR *orderOfPlayText(Bracket *bracket)
{
    OrderEntry entries[ORDER_CAPACITY];
    int count = collectOrderOfPlay(bracket, entries);
    /* Every field at its longest, four tabs and the line's end. */
    SIZE_T lineUnits = MATCH_TIME_CAPACITY + COURT_CAPACITY + 64 + 2 * NAME_CAPACITY + 6;
    SIZE_T units = (SIZE_T)(count + 1) * lineUnits + 1;
    WCHAR *text = (WCHAR *)allocBlock(units * sizeof(WCHAR));
    if (!text)
        return NULL;
    WCHAR *end = text;
    const WCHAR *limit = text + units - 1;
    WCHAR header[128];
    loadStringWithFallback(bracket->resourceModule, IDS_ORDER_HEADER, header, 128);
    append(&end, limit, header);
    append(&end, limit, L"\r\n");
    for (int i = 0; i < count; i++) {
        OrderFields fields;
        orderFieldsOf(bracket, &entries[i], ORDER_TIMES_FIXED, &fields);
        const WCHAR *parts[] = {fields.time, fields.court, fields.round, fields.first, fields.second};
        for (int p = 0; p < 5; p++) {
            appendField(&end, limit, parts[p]);
            append(&end, limit, p < 4 ? L"\t" : L"\r\n");
        }
    }
    *end = 0;
    return text;
}

/* The clipboard owns the block once it takes it. Returns 1, or 0 with the
 * reason in the thread's last error. */
static int putText(HWND window, const WCHAR *text)
{
    SIZE_T bytes = ((SIZE_T)lstrlenW(text) + 1) * sizeof(WCHAR);
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, bytes);
    void *target = block ? GlobalLock(block) : NULL;
    if (!target) {
        if (block)
            GlobalFree(block);
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return 0;
    }
    CopyMemory(target, text, bytes);
    GlobalUnlock(block);
    int opened = OpenClipboard(window);
    int done = opened && EmptyClipboard() && SetClipboardData(CF_UNICODETEXT, block);
    DWORD reason = GetLastError();
    if (!done)
        GlobalFree(block);
    if (opened)
        CloseClipboard();
    SetLastError(done ? 0 : reason ? reason : (DWORD)ERROR_ACCESS_DENIED);
    return done;
}

/* Copy picture says why it failed; so does this. */
void copyOrderOfPlay(HWND window, DocumentState *state)
{
    Bracket *bracket = state->bracket;
    WCHAR *text = orderOfPlayText(bracket);
    DWORD reason = ERROR_NOT_ENOUGH_MEMORY;
    if (!text || !putText(window, text)) {
        if (text)
            reason = GetLastError();
        WCHAR name[128];
        loadStringWithFallback(bracket->resourceModule, IDS_APP_TITLE, name, 128);
        showPictureFailure(window, bracket, IDS_ORDER_COPY_FAILED, bracket->title[0] ? bracket->title : name, reason);
    }
    freeBlock(text);
}

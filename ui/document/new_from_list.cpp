#include "ui/document/new_from_list.h"

#include "model/group_event.h"
#include "model/entrant_draw.h"
#include "model/heap.h"
#include "model/losers_bracket.h"
#include "model/losers_picks.h"
#include "model/seeding.h"
#include "ui/document/document.h"
#include "ui/dialogs/new_from_list_dialog.h"
#include "ui/editing/club_clash_message.h"

/* What the builder is handed, and what it leaves for the clash message. */
struct ListBuild {
    NewFromListChoice *list;
    SeparatedDraw *draw;   /* filled when the entrants were drawn by the rule */
    int drawn;
};

/* The names of the field one per line, for the placement in list order. */
static WCHAR *namesText(const EntrantList *field)
{
    WCHAR *text = (WCHAR *)allocBlock(((SIZE_T)field->count * (NAME_CAPACITY + 2) + 1) * sizeof(WCHAR));
    if (!text)
        return NULL;
    int length = 0;
    for (int i = 0; i < field->count; i++) {
        lstrcpyW(text + length, field->items[i].name);
        length += lstrlenW(field->items[i].name);
        text[length++] = L'\n';
    }
    text[length] = 0;
    return text;
}

/* Seeded and random draws of a list with columns keep club-mates apart;
 * the list becomes the bracket's entrant list. */
static int buildFromColumns(Bracket *bracket, ListBuild *build)
{
    NewFromListChoice *list = build->list;
    EntrantList *field = &list->field;
    int placement = list->placement;
    if (placement == PLACE_AS_LISTED) {
        WCHAR *names = namesText(field);
        int built = names && buildBracketFromList(bracket, names, PLACE_AS_LISTED, cryptoRandomBelow, NULL);
        freeBlock(names);
        if (!built)
            return 0;
    } else {
        int slotCount = 1;
        while (slotCount < field->count)
            slotCount *= 2;
        Entrant *ranked = (Entrant *)allocBlock(sizeof(Entrant) * (SIZE_T)field->count);
        if (!ranked)
            return 0;
        CopyMemory(ranked, field->items, sizeof(Entrant) * (SIZE_T)field->count);
        if (placement == PLACE_SEEDED)
            seedUnseededField(ranked, field->count, slotCount);
        int drawn = placement == PLACE_SEEDED
                        ? drawSeededField(ranked, field->count, slotCount, cryptoRandomBelow, NULL, build->draw)
                        : drawRandomField(ranked, field->count, slotCount, cryptoRandomBelow, NULL, build->draw);
        int built = drawn && buildBracketFromDraw(bracket, ranked, build->draw, placement == PLACE_SEEDED);
        freeBlock(ranked);
        if (!built)
            return 0;
        build->drawn = 1;
    }
    bracket->entrants = *field;
    *field = EntrantList{};
    return 1;
}

/* Groups first: the names of the field (columns or a plain list) drawn
 * into groups, club-mates apart where the pots allow; a field with
 * columns becomes the bracket's entrant list. */
static int buildGroupsFromList(Bracket *bracket, NewFromListChoice *list)
{
    EntrantList *field = &list->field;
    int built = field->count ? buildGroupEventFromField(bracket, field->items, field->count, &list->groupFormat,
                                                        cryptoRandomBelow, NULL)
                             : buildGroupEventFromList(bracket, list->entrants, &list->groupFormat, cryptoRandomBelow,
                                                       NULL);
    if (built && field->count) {
        bracket->entrants = *field;
        *field = EntrantList{};
    }
    return built;
}

static int buildFromList(Bracket *bracket, void *context)
{
    ListBuild *build = (ListBuild *)context;
    NewFromListChoice *list = build->list;
    if (list->groups) {
        if (!buildGroupsFromList(bracket, list))
            return 0;
    } else if (list->field.count) {
        if (!buildFromColumns(bracket, build))
            return 0;
    } else if (!buildBracketFromList(bracket, list->entrants, list->placement, cryptoRandomBelow, NULL)) {
        return 0;
    }
    /* Two entrants have no losers' bracket: they play single elimination. */
    if (list->doubleElimination && prepareLosersBracket(bracket))
        setDoubleEliminationOn(bracket, 1);
    return 1;
}

int newBracketFromChoice(HWND window, DocumentState *state, NewFromListChoice *list)
{
    Bracket *bracket = state->bracket;
    SeparatedDraw *draw = (SeparatedDraw *)allocBlock(sizeof(SeparatedDraw));
    if (!draw)
        return 0;
    ListBuild build = {list, draw, 0};
    /* The clash message names entrants by the field the draw saw, which
     * the bracket's list now holds in the same order. */
    int shown = showFreshBracket(window, state, list->title, buildFromList, &build);
    if (shown && build.drawn)
        reportClubClashes(window, bracket, bracket->entrants.items, draw);
    if (shown && list->groups && list->groupFormat.placement != PLACE_AS_LISTED)
        reportGroupClubClashes(window, bracket);
    freeBlock(draw);
    return shown;
}

void newBracketFromList(HWND window, DocumentState *state)
{
    Bracket *bracket = state->bracket;
    NewFromListChoice list;
    list.title[0] = 0;
    list.prefill = NULL;
    if (!runNewFromListDialog(window, bracket->resourceModule, &list))
        return;
    newBracketFromChoice(window, state, &list);
    freeBlock(list.entrants);
    freeEntrantList(&list.field);
}

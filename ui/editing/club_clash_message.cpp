#include "ui/editing/club_clash_message.h"

#include "model/group_stage.h"
#include "model/heap.h"
#include "res/resource.h"
#include "ui/common/fallback_string.h"
#include "ui/common/match_marks.h"
#include "ui/common/message_text.h"
#include "ui/common/string_parts.h"

enum {
    LISTED_CLASHES = 12,
    LINE_CAPACITY = 512,
    PART_CAPACITY = 512,
    TEXT_CAPACITY = LISTED_CLASHES * LINE_CAPACITY + 1024,
    HEADING_CAPACITY = 64
};

/* The heading of round (1 = the first) as the picture gives it. */
static void roundName(Bracket *bracket, int round, WCHAR *text)
{
    roundHeading(bracket, bracket->depth - round + 1, text, HEADING_CAPACITY);
}

/* The whole message and its list of lines; 0, with neither, when memory
 * ran out. */
static int allocMessageAndLines(WCHAR **text, WCHAR **lines)
{
    *text = (WCHAR *)allocBlock(TEXT_CAPACITY * sizeof(WCHAR));
    *lines = (WCHAR *)allocBlock(TEXT_CAPACITY * sizeof(WCHAR));
    if (*text && *lines)
        return 1;
    freeBlock(*text);
    freeBlock(*lines);
    return 0;
}

WCHAR *clubClashText(Bracket *bracket, const Entrant *field, const SeparatedDraw *draw)
{
    if (draw->clashCount == 0)
        return NULL;
    WCHAR *text, *lines;
    if (!allocMessageAndLines(&text, &lines))
        return NULL;
    HMODULE module = bracket->resourceModule;
    WCHAR lineForm[PART_CAPACITY], whole[PART_CAPACITY];
    loadStringPart(module, IDS_CLUB_MATES_MEET_EARLY, 1, L"%1 and %2 (%3): %4, not before %5", lineForm,
                   PART_CAPACITY);
    loadStringPart(module, IDS_CLUB_MATES_MEET_EARLY, 0, L"%1", whole, PART_CAPACITY);
    lines[0] = 0;
    int length = 0;
    for (int i = 0; i < draw->clashCount && i < LISTED_CLASHES; i++) {
        const SeparationClash &clash = draw->clash[i];
        WCHAR meet[HEADING_CAPACITY], allowed[HEADING_CAPACITY];
        roundName(bracket, clash.round, meet);
        roundName(bracket, clash.allowedRound, allowed);
        const WCHAR *inserts[] = {field[clash.entrant].name, field[clash.mate].name, field[clash.entrant].club,
                                  meet, allowed};
        if (length)
            lines[length++] = L'\n';
        length += formatMessageText(lineForm, inserts, 5, lines + length, TEXT_CAPACITY - length - 8);
    }
    if (draw->clashCount > LISTED_CLASHES)
        lstrcpyW(lines + length, L"\n...");
    const WCHAR *inserts[] = {lines};
    formatMessageText(whole, inserts, 1, text, TEXT_CAPACITY);
    freeBlock(lines);
    return text;
}

/* The club the bracket's entrant list gives name (L"": nobody's mate). */
static const WCHAR *clubOf(Bracket *bracket, const WCHAR *name)
{
    int listed = findEntrant(&bracket->entrants, name);
    return listed >= 0 ? bracket->entrants.items[listed].club : L"";
}

WCHAR *groupClubClashText(Bracket *bracket)
{
    WCHAR *text, *lines;
    if (!allocMessageAndLines(&text, &lines))
        return NULL;
    HMODULE module = bracket->resourceModule;
    WCHAR lineForm[PART_CAPACITY], whole[PART_CAPACITY];
    loadStringPart(module, IDS_CLUB_MATES_SHARE_GROUP, 1, L"%1 and %2 (%3) in group %4", lineForm, PART_CAPACITY);
    loadStringPart(module, IDS_CLUB_MATES_SHARE_GROUP, 0, L"%1", whole, PART_CAPACITY);
    int length = 0, shown = 0, more = 0;
    lines[0] = 0;
    for (int g = 0; g < bracket->groups.groupCount; g++) {
        const StageGroup *group = &bracket->groups.groups[g];
        WCHAR letter[2] = {groupLetter(g), 0};
        for (int i = 0; i < group->count; i++) {
            const WCHAR *club = clubOf(bracket, group->entrant[i]);
            for (int j = i + 1; j < group->count; j++) {
                if (!sameClub(club, clubOf(bracket, group->entrant[j])))
                    continue;
                if (shown == LISTED_CLASHES) {
                    more = 1;
                    continue;
                }
                const WCHAR *inserts[] = {group->entrant[i], group->entrant[j], club, letter};
                if (length)
                    lines[length++] = L'\n';
                length += formatMessageText(lineForm, inserts, 4, lines + length, TEXT_CAPACITY - length - 8);
                shown++;
            }
        }
    }
    if (more)
        lstrcpyW(lines + length, L"\n...");
    const WCHAR *inserts[] = {lines};
    if (shown)
        formatMessageText(whole, inserts, 1, text, TEXT_CAPACITY);
    freeBlock(lines);
    if (!shown) {
        freeBlock(text);
        return NULL;
    }
    return text;
}

static void showClashText(HWND window, Bracket *bracket, WCHAR *text)
{
    if (!text)
        return;
    WCHAR caption[128];
    if (!loadStringWithFallback(bracket->resourceModule, IDS_APP_TITLE, caption, 128))
        lstrcpyW(caption, L"Duelmark");
    MessageBoxW(window, text, caption, MB_OK | MB_ICONINFORMATION);
    freeBlock(text);
}

void reportClubClashes(HWND window, Bracket *bracket, const Entrant *field, const SeparatedDraw *draw)
{
    showClashText(window, bracket, clubClashText(bracket, field, draw));
}

void reportGroupClubClashes(HWND window, Bracket *bracket)
{
    showClashText(window, bracket, groupClubClashText(bracket));
}

#include "ui/common/group_seat_text.h"

#include "res/resource.h"
#include "ui/common/fallback_string.h"
#include "ui/common/message_text.h"

enum { PLACES_CAPACITY = 128, PLACE_CAPACITY = 32 };

/* The place's word: the n-th of the '|'-separated words, or its number. */
static void placeWord(HMODULE module, int place, WCHAR *word)
{
    WCHAR places[PLACES_CAPACITY];
    wsprintfW(word, L"%d", place);
    if (!loadStringWithFallback(module, IDS_GROUP_PLACES, places, PLACES_CAPACITY))
        return;
    const WCHAR *start = places;
    for (int k = 1; k < place && *start; k++) {
        while (*start && *start != L'|')
            start++;
        if (*start)
            start++;
    }
    int length = 0;
    while (start[length] && start[length] != L'|' && length < PLACE_CAPACITY - 1)
        length++;
    if (length > 0)
        lstrcpynW(word, start, length + 1);
}

void groupSeatText(HMODULE module, int group, int place, WCHAR *text, int capacity)
{
    WCHAR word[PLACE_CAPACITY];
    placeWord(module, place, word);
    WCHAR letter[2] = {(WCHAR)(L'A' + group), 0};
    const WCHAR *inserts[] = {word, letter};
    if (!loadMessageText(module, IDS_GROUP_SEAT, inserts, 2, text, capacity))
        formatMessageText(L"%1 %2", inserts, 2, text, capacity);
}

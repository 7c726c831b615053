#include "ui/picture/name_widths.h"

/* Room for every text of the largest bracket's picture (each entrant with
 * and without its seed) with a quarter of the table free, so a lookup
 * stops at the first empty place within a few steps. */
enum { SLOT_COUNT = 2048, SLOTS_FILLED_AT_MOST = SLOT_COUNT * 3 / 4, KEY_CAPACITY = 48 };

struct NameWidth {
    WCHAR text[KEY_CAPACITY];
    int width;
};

static NameWidth slots[SLOT_COUNT];
/* Each place's text's hash, side by side: a lookup steps through these and
 * compares a text only where the hash agrees. 0: a free place. */
static unsigned int hashes[SLOT_COUNT];
static int filled;

/* The place holding text, or the free place where it would go; NULL for
 * a text too long to keep. */
static NameWidth *placeOf(const WCHAR *text, unsigned int *hashOut)
{
    unsigned int hash = 2166136261u;
    int length = 0;
    for (; text[length]; length++) {
        if (length + 1 >= KEY_CAPACITY)
            return NULL;
        hash = (hash ^ text[length]) * 16777619u;
    }
    hash |= 1;
    *hashOut = hash;
    for (unsigned int at = hash % SLOT_COUNT;; at = (at + 1) % SLOT_COUNT) {
        if (!hashes[at])
            return &slots[at];
        if (hashes[at] != hash)
            continue;
        NameWidth *slot = &slots[at];
        int same = 1;
        for (int i = 0; i <= length && same; i++)
            same = slot->text[i] == text[i];
        if (same)
            return slot;
    }
}

int knownNameWidth(const WCHAR *text, int *width)
{
    if (!text[0]) {
        *width = 0;
        return 1;
    }
    unsigned int hash;
    NameWidth *slot = placeOf(text, &hash);
    if (!slot || !hashes[slot - slots])
        return 0;
    *width = slot->width;
    return 1;
}

void keepNameWidth(const WCHAR *text, int width)
{
    if (!text[0])
        return;
    if (filled >= SLOTS_FILLED_AT_MOST)
        forgetNameWidths();
    unsigned int hash;
    NameWidth *slot = placeOf(text, &hash);
    if (!slot || hashes[slot - slots])
        return;
    lstrcpyW(slot->text, text);
    hashes[slot - slots] = hash;
    slot->width = width;
    filled++;
}

void forgetNameWidths(void)
{
    for (int i = 0; i < SLOT_COUNT; i++)
        hashes[i] = 0;
    filled = 0;
}

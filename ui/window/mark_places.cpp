#include "ui/window/mark_places.h"

/* Narrows room so it no longer meets blocker, keeping the anchor's side;
 * 0 when the blocker stands on the anchor itself. */
static int giveWay(RECT *room, const RECT *blocker, int anchor)
{
    if (blocker->top >= room->bottom || blocker->bottom <= room->top || blocker->left >= room->right ||
        blocker->right <= room->left || blocker->left >= blocker->right || blocker->top >= blocker->bottom)
        return 1;
    if (blocker->left >= anchor)
        room->right = blocker->left;
    else if (blocker->right <= anchor)
        room->left = blocker->right;
    else
        return 0;
    return room->right > room->left;
}

/* The text's width inside room, as near its anchor as room allows. */
static RECT fitted(const RECT *room, int anchor, int run, int width)
{
    RECT cell = *room;
    int left = run == RUN_BACK ? anchor - width : run == RUN_ON ? anchor : anchor - width / 2;
    if (left + width > room->right)
        left = room->right - width;
    if (left < room->left)
        left = room->left;
    cell.left = left;
    cell.right = left + width;
    return cell;
}

void placeMarks(MarkPlace *marks, int count, const RECT *controls, int controlCount)
{
    for (int i = 0; i < count; i++) {
        MarkPlace *mark = &marks[i];
        RECT room = mark->home;
        SetRectEmpty(&mark->placed);
        int open = mark->width > 0 && room.left <= mark->anchor && mark->anchor <= room.right;
        for (int c = 0; open && c < controlCount; c++)
            open = giveWay(&room, &controls[c], mark->anchor);
        for (int j = 0; open && j < i; j++)
            open = giveWay(&room, &marks[j].placed, mark->anchor);
        int width = mark->width < room.right - room.left ? mark->width : room.right - room.left;
        if (open && width > 0 && width >= mark->least)
            mark->placed = fitted(&room, mark->anchor, mark->run, width);
    }
}

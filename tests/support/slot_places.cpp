#include "support/slot_places.h"

POINT closedFormPlace(const Bracket *bracket, int id)
{
    int depth = bracket->depth, slots = bracket->slotCount;
    if (id == 2 * slots - 1)
        return {10 + 78 * depth, depth ? 10 * (1 << (depth - 1)) - 20 : -10};
    int level = depth, first = 1, count = slots;
    while (id >= first + count) {
        first += count;
        count /= 2;
        level--;
    }
    int index = id - first, half = count / 2;
    int row = index < half ? index : index - half;
    int x = 10 + 78 * (index < half ? depth - level : depth + level);
    return {x, 10 * (1 << (depth - level)) * (2 * row + 1)};
}

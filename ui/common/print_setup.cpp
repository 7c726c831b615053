#include "ui/common/print_setup.h"

int legiblePoints(int points)
{
    if (points < POSTER_MIN_POINTS)
        return POSTER_MIN_POINTS;
    return points > POSTER_MAX_POINTS ? POSTER_MAX_POINTS : points;
}

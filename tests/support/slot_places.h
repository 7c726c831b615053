// Where the layout puts each slot at 96 DPI, in closed form, for the tests
// that check places: level k's row j stands at y = 10 * 2^(D-k) * (2j+1),
// the left half at x = 10 + 78(D-k), the right half mirrored at
// x = 10 + 78(D+k), the champion at x = 10 + 78D, 20 above the final.
#ifndef DUELMARK_TESTS_SUPPORT_SLOT_PLACES_H
#define DUELMARK_TESTS_SUPPORT_SLOT_PLACES_H

#include "model/bracket.h"

// The top-left corner of slot id's control in the bracket's own
// coordinates (the client area's with the view at its origin).
POINT closedFormPlace(const Bracket *bracket, int id);

#endif

#include "model/random_source.h"

/* RtlGenRandom: the system's cryptographic generator, exported by advapi32
 * under this name. */
extern "C" BOOLEAN WINAPI SystemFunction036(PVOID buffer, ULONG length);

int cryptoRandomBelow(UINT bound, UINT *value, void *)
{
    /* Values from the top, incomplete run of multiples of bound would make
     * the low results likelier: they are drawn again. */
    const ULONGLONG span = 0x100000000ULL;
    const ULONGLONG limit = span - span % bound;
    for (int tries = 0; tries < 64; tries++) {
        UINT drawn;
        if (!SystemFunction036(&drawn, sizeof drawn))
            return 0;
        if (drawn < limit) {
            *value = (UINT)(drawn % bound);
            return 1;
        }
    }
    return 0;
}

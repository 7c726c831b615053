/* Where chance comes from: draws take a source, so that tests can give
 * one that repeats. */
#ifndef DUELMARK_MODEL_RANDOM_SOURCE_H
#define DUELMARK_MODEL_RANDOM_SOURCE_H

#include <windows.h>

/* A uniformly random value below bound (bound > 0) into *value. Returns 1,
 * or 0 when no random value could be had. */
typedef int (*RandomBelow)(UINT bound, UINT *value, void *context);

/* The platform's cryptographic random source, unbiased by rejection. */
int cryptoRandomBelow(UINT bound, UINT *value, void *context);

#endif

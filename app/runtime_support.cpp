/* The two routines GCC emits calls to on its own (zeroing loops, large
 * record copies) even in freestanding code. Without a C runtime the program
 * has to supply them; this file is compiled with
 * -fno-tree-loop-distribute-patterns so the loops below are not themselves
 * turned back into calls to memset and memcpy. */
#include <stddef.h>

extern "C" void *memset(void *target, int value, size_t count)
{
    unsigned char *bytes = (unsigned char *)target;
    while (count--)
        *bytes++ = (unsigned char)value;
    return target;
}

extern "C" void *memcpy(void *target, const void *source, size_t count)
{
    unsigned char *to = (unsigned char *)target;
    const unsigned char *from = (const unsigned char *)source;
    while (count--)
        *to++ = *from++;
    return target;
}

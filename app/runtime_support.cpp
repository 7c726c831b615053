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

/* Eight bytes at any address in one move, as x86-64 allows. */
typedef unsigned long long __attribute__((__may_alias__, __aligned__(1))) UnalignedWord;

/* The live page copies runs of its last page of up to half a megabyte, and
 * its picture runs of items: eight bytes a move where that many are left. */
extern "C" void *memcpy(void *target, const void *source, size_t count)
{
    unsigned char *to = (unsigned char *)target;
    const unsigned char *from = (const unsigned char *)source;
    for (; count >= 8; count -= 8, to += 8, from += 8)
        *(UnalignedWord *)to = *(const UnalignedWord *)from;
    while (count--)
        *to++ = *from++;
    return target;
}

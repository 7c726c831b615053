#include "file/parse_decimal.h"

/* Read from the first digit on, so leading zeros cost nothing and the
 * overflow test is exact: a value past 2^31 - 1 is refused, never wrapped
 * into a small or negative count. */
int parseDecimal(const WCHAR *text, int *value)
{
    *value = 0;
    if (!text)
        return 0;
    int sum = 0;
    for (const WCHAR *c = text; *c; c++) {
        if (*c < L'0' || *c > L'9')
            return 0;
        int digit = *c - L'0';
        if (sum > (0x7FFFFFFF - digit) / 10)
            return 0;
        sum = sum * 10 + digit;
    }
    *value = sum;
    return 1;
}

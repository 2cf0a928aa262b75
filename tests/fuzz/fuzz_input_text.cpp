// libFuzzer target: input_text_value, the input box reading, against the C library's wcstod (in the
// "C" locale, whose white space is ASCII only) on arbitrary wide text of at most 127 characters, as an
// edit box yields. Two bytes make one character. A different value (bits; NaN equals NaN) aborts.
#include <math.h>
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <wchar.h>

#include "base/number_read.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    size_t n = size / 2;
    if (n > 127) return 0;
    wchar_t text[128];
    for (size_t i = 0; i < n; i++) text[i] = (wchar_t)(data[2 * i] | data[2 * i + 1] << 8);
    text[n] = 0;

    double want = wcstod(text, nullptr);
    double got = input_text_value(text);
    if (!(isnan(want) && isnan(got)) && memcmp(&want, &got, sizeof want) != 0) {
        fprintf(stderr, "input_text_value gives %.17g, wcstod %.17g\n", got, want);
        abort();
    }
    return 0;
}

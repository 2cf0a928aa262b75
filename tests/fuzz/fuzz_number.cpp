// libFuzzer target: number_read against strtod, which defines its extent and value, on arbitrary text
// of at most 256 bytes. A different extent or different bits abort.
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include "base/number_read.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size > 256) return 0;
    char text[257];
    memcpy(text, data, size);
    text[size] = 0;

    char* want_end = nullptr;
    double want = strtod(text, &want_end);
    const char* got_end = nullptr;
    double got = number_read(text, &got_end);
    if (got_end != want_end || memcmp(&want, &got, sizeof want) != 0) {
        fprintf(stderr, "number_read(\"%s\") read %d characters as %.17g; strtod %d as %.17g\n", text,
                (int)(got_end - text), got, (int)(want_end - text), want);
        abort();
    }
    return 0;
}

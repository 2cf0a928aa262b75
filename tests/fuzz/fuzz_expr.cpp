// libFuzzer target: expr_eval on arbitrary text against the reference evaluator in tests/oracle.
// Input: byte 0 picks the tool (bit 0: built-in or the many-key tool) and byte 1 the value set; the
// rest, at most 256 bytes, is the expression. Any difference in value (bits; NaN equals NaN) or in the
// failed flag aborts, and so does any sanitizer report.
#include <math.h>
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include "engine/expr.h"
#include "tests/oracle/expr_oracle.h"

static const double VALUE_POOL[] = {
    600, 290, 0, -0.0, 1, -1, 2, 0.5, 3, 1e308, -1e308, 1e-310, 72, 0.85, 140, 1.5,
    INFINITY, -INFINITY, NAN, 2.0689655172413794, 7, -7, 0.1, 4e-320,
};

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 2 || size > 2 + 256) return 0;
    const ToolDef* tool = (data[0] & 1) ? oracle_many_key_tool() : tool_get();
    double inputs[MAX_VALUES], outputs[MAX_VALUES];
    const int pool = (int)(sizeof VALUE_POOL / sizeof VALUE_POOL[0]);
    for (int i = 0; i < MAX_VALUES; i++) {
        inputs[i] = VALUE_POOL[(data[1] + 7 * i) % pool];
        outputs[i] = VALUE_POOL[(data[1] / 2 + 5 * i) % pool];
    }
    char text[257];
    memcpy(text, data + 2, size - 2);
    text[size - 2] = 0;

    int want_failed = -1, got_failed = -1;
    double want = oracle_eval(tool, text, inputs, outputs, &want_failed);
    double got = expr_eval(tool, text, inputs, outputs, &got_failed);
    bool same = (isnan(want) && isnan(got)) || memcmp(&want, &got, sizeof want) == 0;
    if (!same || want_failed != got_failed) {
        fprintf(stderr, "expr_eval differs from the reference: %.17g failed %d, reference %.17g failed %d\n",
                got, got_failed, want, want_failed);
        abort();
    }
    return 0;
}

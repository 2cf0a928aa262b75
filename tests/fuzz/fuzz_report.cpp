// libFuzzer target: report_build for every kind (0 to 12, now and then any 32-bit kind) with arbitrary
// parameter values (NaN, infinities, huge, negative zero, raw bits) and arbitrary capacities (result
// 1 to 9000, verdict 21 to 600). Checks, aborting on a breach: nothing is written past a capacity, both
// texts are terminated, the level is 0 to 3 and does not depend on the capacities, and each text cut
// by a smaller capacity is a prefix of the text built with the full capacities.
#include <fuzzer/FuzzedDataProvider.h>
#include <math.h>
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <wchar.h>

#include "base/dimof.h"
#include "reports/report.h"
#include "reports/report_params.h"

// One input for every parameter key some report reads, as the reports declare them.
struct Params {
    ToolInput inputs[MAX_REPORT_KEYS];
    int       count;
};
static Params all_params() {
    Params p = {};
    const char* keys[MAX_REPORT_KEYS];
    p.count = report_all_keys(keys, MAX_REPORT_KEYS);
    for (int i = 0; i < p.count; i++) p.inputs[i] = { keys[i], L"p", L"", 0 };
    return p;
}
static const Params PARAMS = all_params();
static const ToolRule RULES[] = { { "", 0, L"" } };

static const int FULL_RESULT = 9000, FULL_VERDICT = 600, GUARD = 8;

static double parameter(FuzzedDataProvider* in) {
    static const double special[] = {
        0.0, -0.0, 1, 2, 3, 8, 12, 24, 31, 40, -1, 0.5, 2.9, -1.7, 1e300, -1e300, 2147483647.0,
        2147483648.0, -2147483649.0, INFINITY, -INFINITY, NAN, 5e-324,
    };
    switch (in->ConsumeIntegralInRange(0, 3)) {
    case 0: return in->ConsumeFloatingPoint<double>();
    case 1: return (double)in->ConsumeIntegralInRange(-5, 60);
    default: return special[in->ConsumeIntegralInRange<size_t>(0, sizeof special / sizeof special[0] - 1)];
    }
}

static void fail(const char* what, uint32_t kind) {
    fprintf(stderr, "report_build kind %u: %s\n", kind, what);
    abort();
}

// Runs one report into buffers with guard characters past the capacities.
static int run(uint32_t kind, const ToolDef* tool, const double* values, wchar_t* result, int result_cap,
               wchar_t* verdict, int verdict_cap) {
    wmemset(result, L'#', (size_t)result_cap + GUARD);
    wmemset(verdict, L'#', (size_t)verdict_cap + GUARD);
    int level = report_build(kind, tool, values, result, result_cap, verdict, verdict_cap);
    for (int i = 0; i < GUARD; i++)
        if (result[result_cap + i] != L'#' || verdict[verdict_cap + i] != L'#') fail("wrote past a capacity", kind);
    if (wmemchr(result, 0, (size_t)result_cap) == nullptr) fail("result not terminated", kind);
    if (wmemchr(verdict, 0, (size_t)verdict_cap) == nullptr) fail("verdict not terminated", kind);
    if (level < 0 || level > 3) fail("level outside 0 to 3", kind);
    return level;
}

static bool is_prefix(const wchar_t* cut, const wchar_t* full) {
    size_t n = wcslen(cut);
    return n <= wcslen(full) && wmemcmp(cut, full, n) == 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider in(data, size);
    uint32_t kind = in.ConsumeBool() ? in.ConsumeIntegralInRange<uint32_t>(0, 12) : in.ConsumeIntegral<uint32_t>();
    int result_cap = in.ConsumeBool() ? in.ConsumeIntegralInRange(1, 64) : in.ConsumeIntegralInRange(1, FULL_RESULT);
    int verdict_cap = in.ConsumeIntegralInRange(21, FULL_VERDICT);
    double values[MAX_VALUES] = {};
    for (int i = 0; i < PARAMS.count; i++) values[i] = parameter(&in);
    const ToolDef tool = { 1, L"fuzz", nullptr, L"", L"", nullptr, PARAMS.count, PARAMS.inputs, 0, nullptr,
                           dimof(RULES), RULES, kind };

    static wchar_t full_result[FULL_RESULT + GUARD], full_verdict[FULL_VERDICT + GUARD];
    static wchar_t cut_result[FULL_RESULT + GUARD], cut_verdict[FULL_VERDICT + GUARD];
    int full_level = run(kind, &tool, values, full_result, FULL_RESULT, full_verdict, FULL_VERDICT);
    int cut_level = run(kind, &tool, values, cut_result, result_cap, cut_verdict, verdict_cap);
    if (cut_level != full_level) fail("level depends on the capacities", kind);
    if (!is_prefix(cut_result, full_result)) fail("cut result is no prefix of the full one", kind);
    if (!is_prefix(cut_verdict, full_verdict)) fail("cut verdict is no prefix of the full one", kind);
    return 0;
}

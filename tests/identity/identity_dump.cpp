// The byte-identity corpus: writes, as UTF-8, everything the user or a record file sees for a fixed set
// of cases, so that the native build and the Windows build (under Wine) can be compared byte for byte
// by scripts/check-identity.sh. Cases: the built-in tool at ordinary, boundary and failing inputs;
// generic tools over every format code, level and function; the functions' results as raw bits over
// many arguments; input box texts; every report kind with parameter variants; self-test reports;
// record headers and lines; every golden vector of every tool in the catalogue.
//   identity_dump <folder>   writes <folder>/corpus.txt, <folder>/selftest.txt (the built-in tool's
//                            self-test report, to compare with the exe's own --selftest) and
//                            <folder>/selftest_<number>.txt for every tool of the catalogue
#include <math.h>
#include <stdint.h>
#include <stdio.h>
#include <string.h>

#include "base/civil_date.h"
#include "base/dimof.h"
#include "base/format.h"
#include "base/number_read.h"
#include "calc/compute.h"
#include "engine/expr.h"
#include "platform/platform.h"
#include "reports/report.h"
#include "reports/report_params.h"
#include "selftest/selftest.h"
#include "store/record_store.h"
#include "tests/tool_vectors.h"
#include "tools/catalogue.h"

static FILE* out;

// Writes a wide text as UTF-8.
static void put(const wchar_t* text) {
    static char bytes[4 * 20000];
    int n = platform_utf8_from_wide(text, bytes, (int)sizeof bytes);
    if (n > 1) fwrite(bytes, 1, (size_t)n - 1, out);
}

static void put_case(const char* group, int index) { fprintf(out, "\n==== %s %d\n", group, index); }

static const LocalTime CLOCK = { 2026, 3, 9, 7, 5, 3 };

// One calculation: result, verdict and level; then the record line a save would write.
static void compute_case(const char* group, int index, const ToolDef* tool, const double* values) {
    static wchar_t result[4096], verdict[512], copy[8192], line[RECORD_LINE_CAP];
    int level = 0;
    tool_compute(tool, values, result, dimof(result), verdict, dimof(verdict), &level, copy, dimof(copy));
    put_case(group, index);
    put(result);
    fprintf(out, "|verdict|");
    put(verdict);
    fprintf(out, "|level|%d\n", level);
    record_line(tool, values, copy, CLOCK, line, dimof(line));
    put(line);
}

// Appends the file's bytes as they are (a self-test report is UTF-8 already).
static void put_file(const char* path) {
    FILE* f = fopen(path, "rb");
    if (!f) { fprintf(out, "(no file)\n"); return; }
    char buf[4096];
    size_t n;
    while ((n = fread(buf, 1, sizeof buf, f)) > 0) fwrite(buf, 1, n, out);
    fclose(f);
}

static void selftest_case(const char* folder, int index, const ToolDef* tool) {
    char path[600];
    wchar_t wide_path[600];
    snprintf(path, sizeof path, "%s/selftest_%d.txt", folder, index);
    for (int i = 0;; i++) if (!(wide_path[i] = (wchar_t)(unsigned char)path[i])) break;
    int code = selftest_run_tool(tool, wide_path);
    put_case("selftest", index);
    fprintf(out, "exit|%d\n", code);
    put_file(path);
    remove(path);
}

// Every golden vector of every tool in the catalogue, run as the window runs it (the follow-up plan
// counts from the vectors' fixed day).
static void catalogue_cases() {
    for (int t = 0; t < CATALOGUE_COUNT; t++) {
        const ToolDef* tool = CATALOGUE[t].get();
        for (const ToolVector& v : tool_vectors_read(tool, CATALOGUE[t].vectors)) {
            static VectorRun run;
            run = VectorRun();
            tool_vector_run(tool, v, &run);
            put_case(CATALOGUE[t].file_stem, v.line);
            put(run.result);
            fprintf(out, "|verdict|");
            put(run.verdict);
            fprintf(out, "|level|%d\n", run.level);
        }
    }
}

// Each tool's self-test report as its exe's --selftest writes it: <folder>/selftest_<number>.txt.
static void catalogue_selftests(const char* folder) {
    for (int t = 0; t < CATALOGUE_COUNT; t++) {
        char path[600];
        wchar_t wide_path[600];
        snprintf(path, sizeof path, "%s/selftest_%u.txt", folder, CATALOGUE[t].number);
        for (int i = 0;; i++) if (!(wide_path[i] = (wchar_t)(unsigned char)path[i])) break;
        selftest_run_tool(CATALOGUE[t].get(), wide_path);
    }
}

// ---- the built-in tool: ordinary, boundary (the 1.5 cut, rounding at two decimals) and failing ----
static const double BUILTIN_CASES[][2] = {
    { 600, 290 }, { 300, 300 }, { 435, 290 }, { 434.99, 290 }, { 435.01, 290 }, { 1200, 290 },
    { 0, 290 }, { 600, 0 }, { 0, 0 }, { -600, 290 }, { 600, -0.0 }, { -0.0, 290 }, { 1e308, 1e-308 },
    { 5e-324, 1 }, { 1.005, 1 }, { 2.675, 1 }, { 1.125, 1 }, { 0.125, 1 }, { 1e20, 3 }, { 1e76, 1 },
    { 123456.789, 0.001 }, { 1, 3 }, { 2, 3 }, { -1, 3 }, { 0x1p-1074, 0x1p-1074 },
};

// ---- generic tools ----
static const ToolInput AB[] = {
    // key  label      unit      default
    { "a", L"甲值", L"mg/dL", 2.0689655172413794 },
    { "b", L"乙值", nullptr,  3.5 },
};
static const ToolOutput FORMATS[] = {
    // key   label     unit       formula         format
    { "o0", L"零位", L"",        "a*b",          "f0" },
    { "o1", L"一位", L"mmol/L",  "a*b",          "f1" },
    { "o2", L"两位", nullptr,    "a/b",          "f2" },
    { "o3", L"三位", L"%",       "a-b",          "f3" },
    { "o4", L"整数", L"次",      "a*b+0.5",      "int" },
    { "o5", L"比例", L"",        "100*a/b",      "pct" },
    { "o6", L"日期", L"",        "a*10000+b",    "date" },
    { "o7", L"默认", L"",        "o0+o1",        nullptr },
    { "o8", L"未知", L"",        "o7/(a-a)",     "xyz" },
};
static const ToolRule LEVELS[] = {
    // condition      level  text
    { "o1>100",       3,     L"危急：远超上限" },
    { "o1>10",        2,     L"明显升高" },
    { "o1>1 && b>0",  1,     L"轻度升高" },
    { "o1<0 || b<0",  1,     L"数值为负" },
    { "a==b",         0,     L"" },
    { "o8",           2,     L"不可能" },
};
static const ToolDef FORMAT_TOOL = {
    901, L"格式测试", L"各格式码", L"测试", L"参考", L"备注", dimof(AB), AB, dimof(FORMATS), FORMATS,
    dimof(LEVELS), LEVELS, 0,
};

static const ToolOutput FUNCTIONS[] = {
    { "e", L"exp", L"", "exp(a)",                    "f3" },
    { "l", L"log", L"", "log(b)",                    "f3" },
    { "s", L"sqrt", L"", "sqrt(a*b)",                "f3" },
    { "c", L"cbrt", L"", "cbrt(a-b)",                "f3" },
    { "p", L"pow", L"", "pow(a,b)",                  "f3" },
    { "q", L"pow2", L"", "a^b^0.5",                  "f3" },
    { "r", L"round", L"", "round(a*10)/10",          "f1" },
    { "m", L"mod", L"", "mod(a,b)+a%b",              "f3" },
    { "t", L"log10", L"", "log10(abs(a)+1)",         "f3" },
    { "f", L"floor", L"", "floor(a)+ceil(b)+sign(a-b)", "f0" },
    { "k", L"CKD", L"", "142*min(b/0.7,1)^-0.241*max(b/0.7,1)^-1.2*0.9938^a*1.012", "f0" },
    { "g", L"CG", L"", "(140-a)*70/(72*b)*(a>b ? 0.85 : 1)", "f1" },
    { "x", L"bits", L"", "exp(a)*log(b+2)*pow(a,1/3)", "f3" },
};
static const ToolRule ALWAYS[] = { { "", 0, L"完成" } };
static const ToolDef FUNCTION_TOOL = {
    902, L"函数测试", nullptr, L"测试", L"参考", nullptr, dimof(AB), AB, dimof(FUNCTIONS), FUNCTIONS,
    dimof(ALWAYS), ALWAYS, 0,
};

static const double AB_CASES[][2] = {
    { 2.0689655172413794, 3.5 }, { 0, 0 }, { 1, 1 }, { -2.5, 0.5 }, { 40, 1.1 }, { 65, 0.7 }, { 0.5, 2.5 },
    { 700, 1e-3 }, { -1e10, 7 }, { 1e15, 1e-15 }, { 12.345, 0.001 }, { 86.5, 4 }, { 3, 3 },
};

// ---- the functions bit for bit: printed results hide differences in the last bits, which a rule's
// cut-off or a rounding boundary can still reveal. Each formula over many arguments, as raw bits.
static const char* const BIT_FORMULAS[] = {
    "exp(a)", "log(b)", "log10(b)", "pow(b,a)", "b^(a/7)", "10^-(b%9)", "cbrt(a*b)", "sqrt(b)", "mod(b,a)",
};

static void bits_cases() {
    const ToolDef tool = { 903, L"位", nullptr, L"", L"", nullptr, dimof(AB), AB, 0, nullptr, 0, nullptr, 0 };
    uint64_t state = 0x9E3779B97F4A7C15ull;  // a fixed sequence of arguments (xorshift)
    for (int f = 0; f < dimof(BIT_FORMULAS); f++) {
        put_case("bits", f);
        fprintf(out, "%s\n", BIT_FORMULAS[f]);
        for (int i = 0; i < 400; i++) {
            state ^= state << 13, state ^= state >> 7, state ^= state << 17;
            // a in [-40, 40), b in (0, 2000): spans the clinical ranges, tiny and large powers
            double values[MAX_VALUES] = { (double)(state % 80000) / 1000.0 - 40.0,
                                          (double)(state >> 40 & 0xFFFFF) / 524.288 + 1e-3 };
            double outputs[MAX_VALUES] = {};
            int failed;
            double v = expr_eval(&tool, BIT_FORMULAS[f], values, outputs, &failed);
            uint64_t bits;
            memcpy(&bits, &v, sizeof bits);
            fprintf(out, "%d %016llx\n", failed, (unsigned long long)bits);
        }
    }
}

// ---- the input boxes: what a typed text reads as, as raw bits (a sign of zero prints and is saved)
static const wchar_t* const INPUT_TEXTS[] = {
    L"600", L" 290", L"-0", L"-x", L"- 5", L"-.", L"-e5", L"+", L"abc", L"1,5", L"0x1.8p1", L"1e-400",
    L"-1e-400", L"2.0689655172413794", L"434.99", L".5e1", L"7５", L"inf", L"-nan", L"1e999",
    L"６０．５", L"60。5", L"－１２　", L"6O", L"60,5", L"5.", L".5", L"1e3",
};

static void input_text_cases() {
    put_case("input texts", 0);
    for (const wchar_t* text : INPUT_TEXTS) {
        double v = input_text_value(text);
        uint64_t bits;
        memcpy(&bits, &v, sizeof bits);
        put(text);
        fprintf(out, " %016llx\n", (unsigned long long)(isnan(v) ? 0x7ff8000000000000ull : bits));
    }
}

// ---- the reports: every kind, each parameter at ordinary, limit and out-of-range values ----
// A row per parameter key the reports declare (report_params.h): its ordinary value, and the values
// tried one at a time while every other key keeps its ordinary value. A declared key without a row,
// or a row for an undeclared key, stops the corpus.
struct ParamVariants {
    const char* key;
    double      base;
    double      values[12];
    int         count;
};
static const ParamVariants VARIANTS[] = {
    { "nurses",   5,   { 1, 3, 40, 41, 0, 2.9 }, 6 },
    { "days",     7,   { 1, 31, 32, -1, 0.5, 10 }, 6 },
    { "start",    8,   { 0, 8.2, 23.5, -1, 30, 1e9 }, 6 },
    { "interval", 8,   { 8, 8.2, 0, 12, 0.5, 37 }, 6 },
    { "times",    3,   { 1, 30, 31, 0, -2, 7.9 }, 6 },
    { "kind",     1,   { 1, 2, 3, 4, 5, 6, 0, 7, -1, 1e12, NAN, 3.7 }, 12 },
    { "drugA",    1,   { 0 }, 0 },  // both drugs over the whole table below
    { "drugB",    2,   { 0 }, 0 },
    { "gap",      7,   { 1, 30, 0, -7, 365, 2.5 }, 6 },
    { "beds",     10,  { 1, 30, 31, 0, -5, 2.7 }, 6 },
    { "bed",      12,  { 1, 0, 999, -3, 12.7, 1e15 }, 6 },
    { "dose",     250, { 0, 1.5, 250, -5, 1e6, 0.001 }, 6 },
    { "volume",   100, { 100, 0, 250, -1, 1e6, 0.5 }, 6 },
    { "gtt",      20,  { 20, 0, 60, 15, -4, 1e7 }, 6 },
    { "panel",    1,   { 1, 5, 6, 7, 0, 2.9 }, 6 },
};

// One input per declared key, in the order of the declarations, and the row of VARIANTS of each.
static ToolInput params[MAX_REPORT_KEYS];
static const ParamVariants* param_variants[MAX_REPORT_KEYS];
static int param_count;

// Fills params from the declarations; false, after a message, when VARIANTS does not match them.
static bool params_from_declarations() {
    const char* keys[MAX_REPORT_KEYS];
    param_count = report_all_keys(keys, MAX_REPORT_KEYS);
    for (int i = 0; i < param_count; i++) {
        param_variants[i] = nullptr;
        for (const ParamVariants& v : VARIANTS)
            if (report_key_equals(v.key, keys[i])) param_variants[i] = &v;
        if (!param_variants[i]) { fprintf(stderr, "no VARIANTS row for the report key %s\n", keys[i]); return false; }
        params[i] = { keys[i], L"参数", L"", param_variants[i]->base };
    }
    if (param_count != dimof(VARIANTS)) { fprintf(stderr, "VARIANTS holds a key no report reads\n"); return false; }
    return true;
}

static int param_index(const char* key) {
    for (int i = 0; i < param_count; i++) if (report_key_equals(params[i].key, key)) return i;
    return -1;
}

static void report_cases() {
    static wchar_t result[REPORT_TEXT_CAP], verdict[512];
    double base[MAX_VALUES] = {};
    for (int i = 0; i < param_count; i++) base[i] = params[i].default_value;
    int index = 0;
    for (uint32_t kind = 0; kind <= 12; kind++) {
        ToolDef tool = { 910 + kind, L"报告", nullptr, L"测试", L"参考", nullptr, param_count, params,
                         0, nullptr, dimof(ALWAYS), ALWAYS, kind };
        for (int p = 0; p < param_count; p++) {
            const ParamVariants& v = *param_variants[p];
            for (int j = 0; j < v.count; j++) {
                double values[MAX_VALUES];
                memcpy(values, base, sizeof values);
                values[p] = v.values[j];
                int level;
                // The follow-up plan counts from today: a fixed day keeps both builds on one date.
                if (kind == 7) {
                    result[0] = verdict[0] = 0;
                    level = report_followup_on(days_from_civil(2026, 3, 9), &tool, values, result,
                                               dimof(result), verdict, dimof(verdict));
                } else {
                    level = report_build(kind, &tool, values, result, dimof(result), verdict, dimof(verdict));
                }
                put_case("report", index++);
                fprintf(out, "kind|%u|%s|%.17g\n", kind, v.key, v.values[j]);
                put(result);
                fprintf(out, "|verdict|");
                put(verdict);
                fprintf(out, "|level|%d\n", level);
            }
        }
        // Both drugs over the whole table, for the compatibility check's levels.
        if (kind == 6)
            for (int a = 0; a <= 11; a++)
                for (int b = 0; b <= 11; b++) {
                    double values[MAX_VALUES];
                    memcpy(values, base, sizeof values);
                    values[param_index("drugA")] = a;
                    values[param_index("drugB")] = b;
                    int level = report_build(kind, &tool, values, result, dimof(result), verdict, dimof(verdict));
                    put_case("compat", a * 12 + b);
                    put(result);
                    put(verdict);
                    fprintf(out, "|level|%d\n", level);
                }
    }
}

int main(int argc, char** argv) {
    if (argc != 2) {
        fprintf(stderr, "usage: identity_dump <folder>\n");
        return 2;
    }
    if (!params_from_declarations()) return 1;
    char path[600];
    snprintf(path, sizeof path, "%s/corpus.txt", argv[1]);
    out = fopen(path, "wb");
    if (!out) { fprintf(stderr, "cannot write %s\n", path); return 1; }

    const ToolDef* builtin = tool_get();
    for (int i = 0; i < dimof(BUILTIN_CASES); i++) compute_case("builtin", i, builtin, BUILTIN_CASES[i]);
    for (int i = 0; i < dimof(AB_CASES); i++) compute_case("formats", i, &FORMAT_TOOL, AB_CASES[i]);
    for (int i = 0; i < dimof(AB_CASES); i++) compute_case("functions", i, &FUNCTION_TOOL, AB_CASES[i]);
    bits_cases();
    input_text_cases();

    static wchar_t header[RECORD_HEADER_CAP], name[32];
    const ToolDef* headed[] = { builtin, &FORMAT_TOOL };
    for (int i = 0; i < dimof(headed); i++) {
        put_case("record header", i);
        record_header(headed[i], header, dimof(header));
        put(header);
        record_file_name(headed[i]->id, name, dimof(name));
        put(name);
    }

    report_cases();

    ToolDef report_tool = { 920, L"报告自检", nullptr, L"测试", L"参考", nullptr, param_count, params,
                            0, nullptr, dimof(ALWAYS), ALWAYS, 2 };
    const ToolDef* tested[] = { builtin, &FORMAT_TOOL, &FUNCTION_TOOL, &report_tool };
    for (int i = 0; i < dimof(tested); i++) selftest_case(argv[1], i, tested[i]);
    catalogue_cases();
    fclose(out);
    catalogue_selftests(argv[1]);

    // The built-in tool's self-test report on its own, as the exe's --selftest writes it.
    snprintf(path, sizeof path, "%s/selftest.txt", argv[1]);
    wchar_t wide_path[600];
    for (int i = 0;; i++) if (!(wide_path[i] = (wchar_t)(unsigned char)path[i])) break;
    selftest_run(wide_path);
    return 0;
}

// Benchmarks of the engine with peers in the same run, so that the figures are ratios: expr_eval on seven
// clinical formulas (parsing every time, as designed), muparser parsing every time and evaluating
// pre-parsed, the floor (the same arithmetic compiled, on values loaded from volatile variables), and
// tool_compute of the built-in tool, report_build of every kind. Before timing, every contestant must
// compute the same values.
// Prints the medians and the ratios to the goals. Extra arguments go to Google Benchmark.
#include <math.h>
#include <stdio.h>
#include <string.h>

#include <benchmark/benchmark.h>
#include <muParser.h>

#include <map>
#include <string>
#include <vector>

#include "base/dimof.h"
#include "base/portable_math.h"
#include "calc/compute.h"
#include "engine/expr.h"
#include "reports/report.h"
#include "reports/report_params.h"

// The clinical values every contestant computes with; volatile so the floor loads them each time.
static volatile double uosm = 600, sosm = 290, age = 60, weight = 72, scr = 1.1, female = 1, height = 170,
                       ca = 8.5, alb = 3.2, ratio = 600.0 / 290.0;

// The floor: each formula written directly in C++, with the pow that both builds use.
static double floor_uosm_sosm() { return uosm / sosm; }
static double floor_ratio_cut() { return ratio < 1.5 ? 1.0 : 0.0; }
static double floor_cockcroft_gault() {
    return (140 - age) * weight / (72 * scr) * (female != 0 ? 0.85 : 1);
}
static double floor_ckd_epi_2021() {
    double f = female, s = scr, kappa = f != 0 ? 0.7 : 0.9, alpha = f != 0 ? -0.241 : -0.302;
    return 142 * portable_pow(fmin(s / kappa, 1), alpha) * portable_pow(fmax(s / kappa, 1), -1.2) *
           portable_pow(0.9938, age) * (f != 0 ? 1.012 : 1);
}
static double floor_bmi() { double h = height / 100; return weight / (h * h); }
static double floor_bsa_mosteller() { return sqrt(height * weight / 3600); }
static double floor_corrected_calcium() { return ca + 0.8 * (4 - alb); }

struct Formula {
    const char* name;
    const char* text;  // the same text for expr_eval and muparser
    double (*compiled)();
};

static const Formula FORMULAS[] = {
    { "uosm/sosm",         "uosm/sosm",                                            floor_uosm_sosm },
    { "ratio<1.5",         "ratio<1.5",                                            floor_ratio_cut },
    { "Cockcroft-Gault",   "(140-age)*weight/(72*scr)*(female ? 0.85 : 1)",        floor_cockcroft_gault },
    { "CKD-EPI 2021",      "142*min(scr/(female ? 0.7 : 0.9),1)^(female ? -0.241 : -0.302)"
                           "*max(scr/(female ? 0.7 : 0.9),1)^(-1.2)*0.9938^age*(female ? 1.012 : 1)",
                                                                                   floor_ckd_epi_2021 },
    { "BMI",               "weight/(height/100)^2",                                floor_bmi },
    { "BSA (Mosteller)",   "sqrt(height*weight/3600)",                             floor_bsa_mosteller },
    { "corrected calcium", "ca+0.8*(4-alb)",                                       floor_corrected_calcium },
};
static const int FORMULA_COUNT = dimof(FORMULAS);

// A tool whose keys the formulas name, in the order a definition would list them.
static const ToolInput BENCH_INPUTS[] = {
    { "uosm", L"", L"", 600 }, { "sosm", L"", L"", 290 }, { "age", L"", L"", 60 },
    { "weight", L"", L"", 72 }, { "scr", L"", L"", 1.1 }, { "female", L"", L"", 1 },
    { "height", L"", L"", 170 }, { "ca", L"", L"", 8.5 }, { "alb", L"", L"", 3.2 },
};
static const ToolOutput BENCH_OUTPUTS[] = { { "ratio", L"", L"", "uosm/sosm", "f2" } };
static const ToolRule BENCH_RULES[] = { { "", 0, L"" } };
static const ToolDef BENCH_TOOL = {
    1, L"bench", nullptr, L"", L"", nullptr, dimof(BENCH_INPUTS), BENCH_INPUTS, dimof(BENCH_OUTPUTS),
    BENCH_OUTPUTS, dimof(BENCH_RULES), BENCH_RULES, 0,
};

static void load_values(double* inputs, double* outputs) {
    const double values[] = { uosm, sosm, age, weight, scr, female, height, ca, alb };
    for (int i = 0; i < MAX_VALUES; i++) inputs[i] = i < dimof(values) ? values[i] : 0;
    for (int i = 0; i < MAX_VALUES; i++) outputs[i] = i == 0 ? ratio : 0;
}

// muparser reads its variables through pointers to these copies.
static double mu_values[9];
static double mu_ratio;

static void define_variables(mu::Parser* p) {
    static const char* const names[] = { "uosm", "sosm", "age", "weight", "scr", "female", "height", "ca", "alb" };
    for (int i = 0; i < 9; i++) p->DefineVar(names[i], &mu_values[i]);
    p->DefineVar("ratio", &mu_ratio);
}

static void BM_expr_eval_seven(benchmark::State& state) {
    double inputs[MAX_VALUES], outputs[MAX_VALUES];
    load_values(inputs, outputs);
    for (auto _ : state) {
        for (const Formula& f : FORMULAS) {
            int failed;
            benchmark::DoNotOptimize(expr_eval(&BENCH_TOOL, f.text, inputs, outputs, &failed));
        }
    }
}

static void BM_expr_eval_uosm_sosm(benchmark::State& state) {
    double inputs[MAX_VALUES] = { 600, 290 }, outputs[MAX_VALUES] = {};
    for (auto _ : state) {
        int failed;
        benchmark::DoNotOptimize(expr_eval(tool_get(), "uosm/sosm", inputs, outputs, &failed));
    }
}

static void BM_muparser_parse_eval_seven(benchmark::State& state) {
    mu::Parser p;
    define_variables(&p);
    for (auto _ : state) {
        for (const Formula& f : FORMULAS) {
            p.SetExpr(f.text);
            benchmark::DoNotOptimize(p.Eval());
        }
    }
}

static void BM_muparser_preparsed_seven(benchmark::State& state) {
    std::vector<mu::Parser> parsers(FORMULA_COUNT);
    for (int i = 0; i < FORMULA_COUNT; i++) {
        define_variables(&parsers[i]);
        parsers[i].SetExpr(FORMULAS[i].text);
        parsers[i].Eval();  // the first evaluation parses; later ones run the byte code
    }
    for (auto _ : state)
        for (mu::Parser& p : parsers) benchmark::DoNotOptimize(p.Eval());
}

static void BM_muparser_preparsed_uosm_sosm(benchmark::State& state) {
    mu::Parser p;
    define_variables(&p);
    p.SetExpr("uosm/sosm");
    p.Eval();
    for (auto _ : state) benchmark::DoNotOptimize(p.Eval());
}

static void BM_floor_seven(benchmark::State& state) {
    for (auto _ : state)
        for (const Formula& f : FORMULAS) benchmark::DoNotOptimize(f.compiled());
}

static void BM_floor_uosm_sosm(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(floor_uosm_sosm());
}

static void BM_tool_compute_builtin(benchmark::State& state) {
    double inputs[MAX_VALUES] = { 600, 290 };
    wchar_t result[4096], verdict[512], copy[8192];
    int level;
    for (auto _ : state) {
        benchmark::DoNotOptimize(tool_compute(tool_get(), inputs, result, dimof(result), verdict,
                                              dimof(verdict), &level, copy, dimof(copy)));
        benchmark::ClobberMemory();
    }
}

// An ordinary value of every parameter key a report reads: 5 nurses over 7 days, 3 doses 8 hours
// apart... The keys come from the reports' own declarations (report_params.h); a key without a value
// here stops the benchmark.
static const ToolInput ORDINARY_VALUES[] = {
    { "nurses", L"", L"", 5 },   { "days", L"", L"", 7 },   { "start", L"", L"", 8 },
    { "interval", L"", L"", 8 }, { "times", L"", L"", 3 },  { "kind", L"", L"", 1 },
    { "drugA", L"", L"", 1 },    { "drugB", L"", L"", 2 },  { "gap", L"", L"", 7 },
    { "bed", L"", L"", 12 },     { "dose", L"", L"", 250 }, { "volume", L"", L"", 100 },
    { "gtt", L"", L"", 20 },      { "beds", L"", L"", 10 },  { "panel", L"", L"", 1 },
};

// The inputs of a tool of report `kind`, as its tool definition has them: one per parameter the report
// declares, with its ordinary value. Returns the count, or -1 when a key has no ordinary value.
static int report_inputs(uint32_t kind, ToolInput* inputs, double* values) {
    int n = 0;
    for (const char* key : report_params(kind)->keys) {
        if (!key) break;
        int found = -1;
        for (int i = 0; i < dimof(ORDINARY_VALUES); i++)
            if (report_key_equals(ORDINARY_VALUES[i].key, key)) found = i;
        if (found < 0) return -1;
        inputs[n] = ORDINARY_VALUES[found];
        values[n++] = ORDINARY_VALUES[found].default_value;
    }
    return n;
}

static bool every_report_key_has_a_value() {
    for (uint32_t kind = 1; kind <= REPORT_KINDS; kind++) {
        ToolInput inputs[MAX_REPORT_PARAMS];
        double values[MAX_REPORT_PARAMS];
        if (report_inputs(kind, inputs, values) < 0) {
            printf("report kind %u reads a key that ORDINARY_VALUES lacks; no figures\n", kind);
            return false;
        }
    }
    return true;
}

static void BM_report_build(benchmark::State& state) {
    uint32_t kind = (uint32_t)state.range(0);
    ToolInput inputs[MAX_REPORT_PARAMS];
    double values[MAX_VALUES] = {};
    int count = report_inputs(kind, inputs, values);
    const ToolDef tool = { 1, L"bench", nullptr, L"", L"", nullptr, count, inputs, 0,
                           nullptr, dimof(BENCH_RULES), BENCH_RULES, kind };
    static wchar_t result[REPORT_TEXT_CAP], verdict[512];
    for (auto _ : state) {
        benchmark::DoNotOptimize(report_build(kind, &tool, values, result, dimof(result), verdict, dimof(verdict)));
        benchmark::ClobberMemory();
    }
}

BENCHMARK(BM_expr_eval_seven);
BENCHMARK(BM_muparser_parse_eval_seven);
BENCHMARK(BM_muparser_preparsed_seven);
BENCHMARK(BM_floor_seven);
BENCHMARK(BM_expr_eval_uosm_sosm);
BENCHMARK(BM_muparser_preparsed_uosm_sosm);
BENCHMARK(BM_floor_uosm_sosm);
BENCHMARK(BM_tool_compute_builtin);
BENCHMARK(BM_report_build)->DenseRange(1, REPORT_KINDS);

// Every contestant must compute the same value for every formula: expr_eval and the floor bit for
// bit, muparser within 1e-12 relative (it may take powers its own way). Returns false after printing
// the differences.
static bool contestants_agree() {
    double inputs[MAX_VALUES], outputs[MAX_VALUES];
    load_values(inputs, outputs);
    const double values[] = { uosm, sosm, age, weight, scr, female, height, ca, alb };
    memcpy(mu_values, values, sizeof mu_values);
    mu_ratio = ratio;
    bool agree = true;
    for (const Formula& f : FORMULAS) {
        int failed = 0;
        double ours = expr_eval(&BENCH_TOOL, f.text, inputs, outputs, &failed);
        double floor_value = f.compiled();
        double peer = NAN;
        try {
            mu::Parser p;
            define_variables(&p);
            p.SetExpr(f.text);
            peer = p.Eval();
        } catch (mu::Parser::exception_type& e) {
            printf("muparser refuses %s: %s\n", f.name, e.GetMsg().c_str());
        }
        bool same = !failed && memcmp(&ours, &floor_value, sizeof ours) == 0 &&
                    fabs(peer - ours) <= 1e-12 * fabs(ours);
        printf("%-18s expr_eval %.17g%s  floor %.17g  muparser %.17g%s\n", f.name, ours,
               failed ? " (failed)" : "", floor_value, peer, same ? "" : "  <- DIFFERENT");
        agree = agree && same;
    }
    return agree;
}

// Collects the median CPU time of each benchmark while the console shows the run.
class MedianCollector : public benchmark::ConsoleReporter {
public:
    MedianCollector() : ConsoleReporter(OO_Tabular) {}  // no colour codes: the output goes to logs
    std::map<std::string, double> median_ns;
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& r : runs)
            if (r.run_type == Run::RT_Aggregate && r.aggregate_name == "median")
                median_ns[r.run_name.function_name] = r.GetAdjustedCPUTime();
        ConsoleReporter::ReportRuns(runs);
    }
};

static void print_ratio(const char* what, double value, const char* goal, bool met) {
    printf("%-62s %9.2f   goal %-8s %s\n", what, value, goal, met ? "met" : "MISSED");
}

int main(int argc, char** argv) {
    if (!contestants_agree()) {
        printf("the contestants compute different values; no figures\n");
        return 1;
    }
    if (!every_report_key_has_a_value()) return 1;
    std::vector<char*> args(argv, argv + argc);
    char repetitions[] = "--benchmark_repetitions=9";
    char aggregates[] = "--benchmark_report_aggregates_only=true";
    args.insert(args.begin() + 1, { repetitions, aggregates });
    int count = (int)args.size();
    benchmark::Initialize(&count, args.data());
    MedianCollector collector;
    benchmark::RunSpecifiedBenchmarks(&collector);

    std::map<std::string, double>& m = collector.median_ns;
    if (!m.count("BM_expr_eval_seven") || !m.count("BM_muparser_preparsed_seven") ||
        !m.count("BM_muparser_parse_eval_seven") || !m.count("BM_floor_seven") ||
        !m.count("BM_expr_eval_uosm_sosm") || !m.count("BM_muparser_preparsed_uosm_sosm") ||
        !m.count("BM_floor_uosm_sosm") || !m.count("BM_tool_compute_builtin"))
        return 0;  // a filtered run: no ratios
    double ours7 = m["BM_expr_eval_seven"], parse7 = m["BM_muparser_parse_eval_seven"];
    double pre7 = m["BM_muparser_preparsed_seven"], floor7 = m["BM_floor_seven"];
    double ours1 = m["BM_expr_eval_uosm_sosm"], pre1 = m["BM_muparser_preparsed_uosm_sosm"];
    double compute = m["BM_tool_compute_builtin"], floor1 = m["BM_floor_uosm_sosm"];
    printf("\nMedians (ns): expr_eval seven %.1f, muparser parse+eval seven %.1f, muparser pre-parsed seven "
           "%.1f, floor seven %.1f; expr_eval uosm/sosm %.1f, muparser pre-parsed uosm/sosm %.1f, floor "
           "uosm/sosm %.2f; tool_compute built-in %.1f\n\n",
           ours7, parse7, pre7, floor7, ours1, pre1, floor1, compute);
    print_ratio("expr_eval seven / muparser pre-parsed seven", ours7 / pre7, "<= 2.5", ours7 <= 2.5 * pre7);
    print_ratio("muparser parse+eval seven / expr_eval seven", parse7 / ours7, ">= 100", parse7 >= 100 * ours7);
    print_ratio("expr_eval uosm/sosm / muparser pre-parsed uosm/sosm", ours1 / pre1, "<= 2", ours1 <= 2 * pre1);
    print_ratio("expr_eval seven / floor seven", ours7 / floor7, "-", true);
    print_ratio("tool_compute built-in (us)", compute / 1000, "< 1", compute < 1000);
    print_ratio("tool_compute built-in / floor uosm/sosm", compute / floor1, "-", true);
    return 0;
}

// The catalogue of tools: every definition in tools/ checked against the others and the shipped
// numbers, and every golden vector run through the calculation, in both builds.
#include <gtest/gtest.h>

#include <math.h>
#include <stdlib.h>

#include <random>
#include <set>
#include <string>

#include "engine/expr.h"
#include "selftest/selftest.h"
#include "tests/tool_vectors.h"
#include "tools/catalogue.h"

#ifndef SOURCE_DIR
#error "SOURCE_DIR names the source tree (tools/shipped.txt)"
#endif

// UTF-8, so a failure shows the Chinese text it compared.
static std::string narrow(const std::wstring& w) {
    std::vector<char> bytes(w.size() * 4 + 1);
    return platform_utf8_from_wide(w.c_str(), bytes.data(), (int)bytes.size()) > 0 ? std::string(bytes.data()) : "?";
}

// The value text of output i in the result text: line i without "label：" and " unit".
static std::wstring printed_output(const ToolDef* tool, const wchar_t* result, int i) {
    std::wstring line = vector_split(result, L'\n')[i];
    if (!line.empty() && line.back() == L'\r') line.pop_back();
    const ToolOutput& out = tool->outputs[i];
    std::wstring head = std::wstring(out.label) + L"：";
    if (line.compare(0, head.size(), head) != 0) return L"(line " + std::to_wstring(i) + L" is not this output's)";
    line.erase(0, head.size());
    if (out.unit && out.unit[0]) {
        std::wstring tail = std::wstring(L" ") + out.unit;
        if (line.size() < tail.size() || line.compare(line.size() - tail.size(), tail.size(), tail) != 0)
            return L"(no unit " + std::wstring(out.unit) + L")";
        line.erase(line.size() - tail.size());
    }
    return line;
}

TEST(Catalogue, NumbersNamesAndExesAreUniqueAndMatchTheirFiles) {
    std::set<uint32_t> numbers;
    std::set<std::wstring> names;
    std::set<std::string> exes;
    ASSERT_GT(CATALOGUE_COUNT, 0);
    for (int i = 0; i < CATALOGUE_COUNT; i++) {
        const CatalogueTool& c = CATALOGUE[i];
        SCOPED_TRACE(c.file_stem);
        const ToolDef* tool = c.get();
        EXPECT_EQ(c.number, tool->id) << "the file's number and the definition's id differ";
        EXPECT_TRUE(numbers.insert(tool->id).second) << "tool number used twice";
        EXPECT_TRUE(names.insert(tool->name).second) << "tool name used twice";
        EXPECT_TRUE(exes.insert(c.exe_name).second) << "exe name used twice";
        EXPECT_EQ(tool->id == 115, std::string(c.exe_name) == "medtool.exe");
    }
}

// tools/shipped.txt pairs each number that ever shipped with its file stem: a number keeps its tool.
TEST(Catalogue, ShippedNumbersKeepTheirMeaning) {
    FILE* f = fopen(SOURCE_DIR "/tools/shipped.txt", "rb");
    ASSERT_NE(nullptr, f);
    std::set<std::string> shipped;
    char line[256];
    while (fgets(line, sizeof line, f)) {
        unsigned number = 0;
        char slug[128];
        if (line[0] == '#' || sscanf(line, "%u %127s", &number, slug) != 2) continue;
        char stem[160];
        snprintf(stem, sizeof stem, "%03u_%s", number, slug);
        shipped.insert(stem);
        bool found = false, same_number = false;
        for (int i = 0; i < CATALOGUE_COUNT; i++) {
            if (CATALOGUE[i].file_stem == std::string(stem)) found = true;
            if (CATALOGUE[i].number == number) same_number = true;
        }
        EXPECT_TRUE(found) << stem << " shipped; tools/" << stem << ".cpp must stay"
                           << (same_number ? " (its number now names another tool)" : "");
    }
    fclose(f);
    for (int i = 0; i < CATALOGUE_COUNT; i++)
        EXPECT_TRUE(shipped.count(CATALOGUE[i].file_stem)) << CATALOGUE[i].file_stem << " is not in tools/shipped.txt";
}

// Every tool's defaults compute without a failed formula, as its --selftest does.
TEST(Catalogue, EveryToolsSelftestPassesOnItsDefaults) {
    std::wstring path = (std::wstring)L"catalogue_selftest_report.txt";
    for (int i = 0; i < CATALOGUE_COUNT; i++) {
        SCOPED_TRACE(CATALOGUE[i].file_stem);
        EXPECT_EQ(SELFTEST_PASSED, selftest_run_tool(CATALOGUE[i].get(), path.c_str()));
    }
    remove("catalogue_selftest_report.txt");
}

TEST(Catalogue, EveryGoldenVectorHolds) {
    int total = 0;
    for (int t = 0; t < CATALOGUE_COUNT; t++) {
        const CatalogueTool& c = CATALOGUE[t];
        const ToolDef* tool = c.get();
        std::vector<ToolVector> cases = tool_vectors_read(tool, c.vectors);
        EXPECT_FALSE(cases.empty()) << c.file_stem << ".vec holds no case";
        for (const ToolVector& v : cases) {
            SCOPED_TRACE(std::string(c.file_stem) + ".vec:" + std::to_string(v.line));
            total++;
            if (!v.error.empty()) { ADD_FAILURE() << v.error; continue; }
            static VectorRun run;
            run = VectorRun();
            tool_vector_run(tool, v, &run);
            EXPECT_EQ(v.level, run.level);
            if (tool->report_kind == 0) {
                // An invalid-input verdict shows no output: the case's outputs are then compared
                // with what the formulas computed, printed as the result lines would print them.
                bool invalid = v.rule >= 0 && tool->rules[v.rule].kind == RULE_INVALID_INPUT;
                double values[MAX_VALUES] = {};
                bool failed[MAX_VALUES] = {};
                compute_outputs(tool, run.values, values, failed);
                for (int i = 0; i < tool->output_count; i++) {
                    wchar_t computed[128];
                    output_value_text(tool, i, values[i], failed[i], computed, 128);
                    EXPECT_EQ(narrow(v.outputs[i]), narrow(invalid ? computed : printed_output(tool, run.result, i)))
                        << "output " << tool->outputs[i].key;
                }
                EXPECT_EQ(invalid, run.copy[0] == 0) << "a result to copy and save exactly when the inputs are valid";
                const wchar_t* expected = v.rule >= 0 ? tool->rules[v.rule].text : L"请核对输入参数后重新计算";
                EXPECT_TRUE(std::wstring(expected) == run.verdict) << "rule " << v.rule << " did not match";
                if (v.rule >= 0) {
                    EXPECT_EQ(tool->rules[v.rule].level, v.level) << "the rule's level is not the case's";
                }
                continue;
            }
            EXPECT_TRUE(v.verdict == run.verdict) << "verdict differs";
            EXPECT_TRUE(!v.exact_lines.empty() || !v.contained_lines.empty()) << "a report case names no line";
            if (!v.exact_lines.empty()) {
                std::wstring whole;
                for (const std::wstring& l : v.exact_lines) whole += l + L"\r\n";
                EXPECT_TRUE(whole == run.result) << "the result text differs from the case's lines";
            }
            std::wstring result = std::wstring(L"\r\n") + run.result;
            for (const std::wstring& l : v.contained_lines)
                EXPECT_NE(std::wstring::npos, result.find(L"\r\n" + l + L"\r\n")) << "missing line";
        }
    }
    EXPECT_GE(total, CATALOGUE_COUNT);
}

// The rule text the rules pick when applied to the values as printed in the result text; null when an
// output printed no number.
static const wchar_t* verdict_from_screen(const ToolDef* tool, const double* values, const wchar_t* result) {
    double shown[MAX_VALUES] = {};
    for (int i = 0; i < tool->output_count; i++) {
        std::wstring text = printed_output(tool, result, i);
        wchar_t* end = nullptr;
        shown[i] = wcstod(text.c_str(), &end);
        if (end == text.c_str() || !isfinite(shown[i])) return nullptr;
    }
    for (int r = 0; r < tool->rule_count; r++) {
        int failed = 0;
        const char* condition = tool->rules[r].condition;
        if (!condition[0] || (expr_eval(tool, condition, values, shown, &failed) != 0 && !failed))
            return tool->rules[r].text;
    }
    return L"请核对输入参数后重新计算";
}

// A value as a user types it: `decimals` digits after the point, read back as the input box reads it.
static double typed(double x, int decimals) {
    char text[64];
    snprintf(text, sizeof text, "%.*f", decimals, x);
    return strtod(text, nullptr);
}

// Runs the tool on values; counts a disagreement between the verdict and the numbers on screen.
static void check_screen(const ToolDef* tool, const double* values, VectorRun* run, int* checks, int* disagreements,
                         const char* stem) {
    *run = VectorRun();
    for (int i = 0; i < tool->input_count; i++) run->values[i] = values[i];
    tool_compute(tool, run->values, run->result, 4096, run->verdict, 512, &run->level, run->copy, 8192);
    const wchar_t* from_screen = verdict_from_screen(tool, run->values, run->result);
    if (!from_screen) return;
    ++*checks;
    if (std::wstring(from_screen) != run->verdict && ++*disagreements <= 3) {
        std::string inputs;
        for (int i = 0; i < tool->input_count; i++) inputs += std::to_string(values[i]) + " ";
        ADD_FAILURE() << stem << ": inputs " << inputs << "show\n" << narrow(run->result)
                      << "with the verdict " << narrow(run->verdict) << ", but these numbers give " << narrow(from_screen);
    }
}

// The verdict never contradicts the numbers on screen: the rules, applied to the values as printed,
// pick the rule that the calculation picked. For every calculator tool but 115 (whose rule compares
// the unrounded ratio by design): typed inputs around each default and small whole codes, and at every
// verdict change found along one input, the typed values with 0 to 3 decimals next to it.
TEST(Catalogue, VerdictsAgreeWithTheNumbersOnScreen) {
    std::mt19937_64 random(20261208);
    auto fraction = [&] { return (double)(random() % 1000000) / 1000000.0; };
    int checks = 0;
    for (int t = 0; t < CATALOGUE_COUNT; t++) {
        const ToolDef* tool = CATALOGUE[t].get();
        if (tool->report_kind != 0 || tool->rule_count == 0 || tool->id == 115) continue;
        int disagreements = 0;
        static VectorRun run;
        for (int n = 0; n < 120; n++) {
            double base[MAX_VALUES];
            for (int i = 0; i < tool->input_count; i++)
                base[i] = random() % 5 == 0 ? (double)(random() % 6)
                                            : typed(tool->inputs[i].default_value * (0.3 + 1.4 * fraction()), (int)(random() % 3));
            check_screen(tool, base, &run, &checks, &disagreements, CATALOGUE[t].file_stem);
            const std::wstring base_verdict = run.verdict;
            for (int i = 0; i < tool->input_count; i++) {
                // Another value of input i; where the verdict differs, halve the gap to the change.
                double lo = base[i], hi = tool->inputs[i].default_value * (0.3 + 1.4 * fraction());
                double v[MAX_VALUES];
                for (int k = 0; k < tool->input_count; k++) v[k] = base[k];
                v[i] = hi;
                check_screen(tool, v, &run, &checks, &disagreements, CATALOGUE[t].file_stem);
                if (std::wstring(run.verdict) == base_verdict) continue;
                for (int step = 0; step < 48; step++) {
                    v[i] = (lo + hi) / 2;
                    check_screen(tool, v, &run, &checks, &disagreements, CATALOGUE[t].file_stem);
                    (std::wstring(run.verdict) == base_verdict ? lo : hi) = v[i];
                }
                for (int decimals = 0; decimals <= 3; decimals++)
                    for (int k = -1; k <= 1; k++) {
                        v[i] = typed(lo + k * pow(10.0, -decimals), decimals);
                        check_screen(tool, v, &run, &checks, &disagreements, CATALOGUE[t].file_stem);
                    }
            }
        }
        EXPECT_EQ(0, disagreements) << CATALOGUE[t].file_stem;
    }
    EXPECT_GT(checks, 20000);
}

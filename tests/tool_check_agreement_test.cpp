// The build-time check's expression check (engine/tool_check.h) against the evaluator: the check must
// accept exactly the texts the evaluator evaluates without a fault of form (syntax, a name that is no
// key, a function the table lacks for that number of arguments), so that a definition that builds never
// fails that way in a calculation. Compared on generated expressions and on the evaluator tests' texts.
#include <gtest/gtest.h>

#include <stdio.h>
#include <stdlib.h>

#include <string>
#include <vector>

#include "engine/expr.h"
#include "engine/tool_check.h"
#include "tests/oracle/expr_oracle.h"

#ifndef SOURCE_DIR
#error "SOURCE_DIR names the source tree (the evaluator tests' texts)"
#endif

namespace {

struct Tally {
    int compared;
    int accepted;
};

std::string visible(const std::string& text) {
    std::string out;
    for (unsigned char c : text) {
        char hex[8];
        snprintf(hex, sizeof hex, "\\x%02x", c);
        out += (c >= 32 && c < 127) ? std::string(1, (char)c) : std::string(hex);
    }
    return out;
}

// Value sets: ordinary positive values, under which a name yields no domain fault, and one with zeros,
// negatives and huge values, under which zero divisors end products early.
void fill(int set, double* inputs, double* outputs) {
    static const double harsh[] = { 0, -1, 2, 1e308, -0.0, 3, 0.5, -7 };
    for (int i = 0; i < MAX_VALUES; i++) {
        inputs[i] = set == 0 ? 1.5 + 0.25 * i : harsh[i % 8];
        outputs[i] = set == 0 ? 2.5 + 0.5 * i : harsh[(i + 3) % 8];
    }
}

// One text. The evaluator's failure is of form when it fails and the reference evaluator, on the same
// values, meets no domain fault; where a domain fault may hide one, the reference's parse by the grammar
// alone decides. Adds a failure for every disagreement; returns false once there are too many to show.
bool compare(const ToolDef* tool, const std::string& text, Tally* tally, int* disagreements) {
    const char* s = text.c_str();
    bool accepted = tool_check_detail::check_expression(*tool, s, tool->output_count).error ==
                    tool_check_detail::CHECK_OK;
    tally->compared++;
    tally->accepted += accepted;
    int before = *disagreements;
    if (accepted == oracle_form_fault(tool, s)) {
        ADD_FAILURE() << "\"" << visible(text) << "\": the check " << (accepted ? "accepts" : "refuses")
                      << " it, the grammar " << (accepted ? "refuses" : "accepts") << " it";
        ++*disagreements;
    }
    for (int set = 0; set < 2; set++) {
        double inputs[MAX_VALUES], outputs[MAX_VALUES];
        fill(set, inputs, outputs);
        int failed = -1;
        expr_eval(tool, s, inputs, outputs, &failed);
        OracleFaults faults;
        oracle_eval_faults(tool, s, inputs, outputs, &faults);
        if (failed != (faults.form || faults.domain)) {
            ADD_FAILURE() << "\"" << visible(text) << "\" (values " << set
                          << "): the reference evaluator disagrees with the evaluator, so its fault kinds tell nothing";
            ++*disagreements;
        } else if (accepted && failed && !faults.domain) {
            ADD_FAILURE() << "\"" << visible(text) << "\" (values " << set
                          << "): the check accepts it, the evaluator fails it by form";
            ++*disagreements;
        } else if (!accepted && !failed) {
            ADD_FAILURE() << "\"" << visible(text) << "\" (values " << set
                          << "): the check refuses it, the evaluator evaluates it";
            ++*disagreements;
        }
        if (*disagreements != before) break;
    }
    return *disagreements < 10;
}

void compare_generated(const ToolDef* tool, uint64_t seed, int rounds) {
    uint64_t state = seed;
    std::string text;
    Tally tally = {};
    int disagreements = 0;
    for (int round = 0; round < rounds; round++) {
        text.clear();
        oracle_generate(tool, &state, &text);
        if (!compare(tool, text, &tally, &disagreements)) return;
    }
    printf("check and evaluator agree on %d generated texts (%d accepted)\n", tally.compared, tally.accepted);
    // Both verdicts in good numbers, or the comparison proves little.
    EXPECT_GT(tally.accepted, rounds / 10);
    EXPECT_LT(tally.accepted, rounds - rounds / 10);
}

// The narrow string literals of the rows ("{ "...) of a test file's tables, escapes resolved.
std::vector<std::string> table_texts(const char* path) {
    std::vector<std::string> texts;
    FILE* f = fopen(path, "rb");
    if (!f) {
        ADD_FAILURE() << "cannot read " << path;
        return texts;
    }
    char line[512];
    while (fgets(line, sizeof line, f)) {
        const char* p = line;
        while (*p == ' ') p++;
        if (p[0] != '{' || p[1] != ' ' || p[2] != '"') continue;
        for (; *p; p++) {
            if (*p != '"' || p[-1] == 'L') continue;
            std::string text;
            for (p++; *p && *p != '"'; p++) {
                if (*p != '\\') { text += *p; continue; }
                p++;
                switch (*p) {
                case 't': text += '\t'; break;
                case 'r': text += '\r'; break;
                case 'n': text += '\n'; break;
                case 'v': text += '\v'; break;
                case 'f': text += '\f'; break;
                case 'x': text += (char)strtol(std::string(p + 1, 2).c_str(), nullptr, 16); p += 2; break;
                default:  text += *p; break;  // \\ and \"
                }
            }
            texts.push_back(text);
            if (!*p) break;
        }
    }
    fclose(f);
    return texts;
}

}  // namespace

TEST(ToolCheckAgreement, GeneratedExpressionsOverTheBuiltInTool) {
    compare_generated(tool_get(), 0x115, 20000);
}

TEST(ToolCheckAgreement, GeneratedExpressionsOverManyKeys) {
    compare_generated(oracle_many_key_tool(), 0x9001, 20000);
}

// The texts of the evaluator's own test tables, against the built-in tool (its keys are theirs).
TEST(ToolCheckAgreement, EvaluatorTestTables) {
    Tally tally = {};
    int disagreements = 0;
    for (const char* file : { SOURCE_DIR "/tests/expr_test.cpp", SOURCE_DIR "/tests/expr_oracle_test.cpp" })
        for (const std::string& text : table_texts(file))
            if (!compare(tool_get(), text, &tally, &disagreements)) return;
    printf("check and evaluator agree on %d table texts (%d accepted)\n", tally.compared, tally.accepted);
    EXPECT_GT(tally.compared, 150);  // the tables' rows, read
    EXPECT_GT(tally.accepted, 50);
    EXPECT_GT(tally.compared - tally.accepted, 30);
}

// Tests of tool_compute on the built-in tool and on generic tools.
#include <gtest/gtest.h>

#include "calc/compute.h"

TEST(ComputeBuiltin, DefaultsGiveNormalConcentration) {
    const ToolDef* tool = tool_get();
    double inputs[MAX_VALUES] = { 600, 290 };
    wchar_t result[4096], verdict[512], copy[8192];
    int level = -1;
    int r = tool_compute(tool, inputs, result, 4096, verdict, 512, &level, copy, 8192);
    EXPECT_EQ(0, r);
    EXPECT_EQ(0, level);
    EXPECT_STREQ(L"尿/血比值：2.07\r\n", result);
    EXPECT_STREQ(L"浓缩功能大致正常", verdict);
    EXPECT_STREQ(result, copy);
}

#include <math.h>

#include "base/dimof.h"
#include "reports/report.h"

enum { RESULT_CAP = 4096, VERDICT_CAP = 512, COPY_CAP = 8192 };

struct ComputeRun {
    wchar_t result[RESULT_CAP];
    wchar_t verdict[VERDICT_CAP];
    wchar_t copy[COPY_CAP];
    int     level;     // through level_out
    int     returned;  // the return value
};

static void run_compute(const ToolDef* tool, const double* inputs, ComputeRun* run,
                        int result_cap = RESULT_CAP, int copy_cap = COPY_CAP) {
    run->level = -99;
    run->returned = tool_compute(tool, inputs, run->result, result_cap, run->verdict, VERDICT_CAP,
                                 &run->level, run->copy, copy_cap);
}

static const wchar_t REDUCED[] = L"浓缩功能下降，评估肾小管与容量状态";
static const wchar_t NORMAL[] = L"浓缩功能大致正常";
static const wchar_t PARTIAL[] = L"（部分结果无法计算，请检查输入是否合理）\r\n";

// The cut-off 1.5 is applied to the exact ratio, not to the printed one. Published ranges of the
// ratio: about 0.2 to 0.7 in diabetes insipidus, 1.0 to 3.0 with normal intake, 3.0 to 4.7 after
// fluid restriction.
TEST(ComputeBuiltin, GoldenVectors) {
    static const struct {
        const char*    label;
        double         uosm, sosm;
        const wchar_t* result;
        const wchar_t* verdict;
        int            level;
    } cases[] = {
        { "just below cut-off prints 1.50", 434.99, 290, L"尿/血比值：1.50\r\n", REDUCED, 2 },
        { "cut-off exactly",                435,    290, L"尿/血比值：1.50\r\n", NORMAL,  0 },
        { "diabetes insipidus low",         58,     290, L"尿/血比值：0.20\r\n", REDUCED, 2 },
        { "diabetes insipidus high",        203,    290, L"尿/血比值：0.70\r\n", REDUCED, 2 },
        { "isosthenuria",                   300,    300, L"尿/血比值：1.00\r\n", REDUCED, 2 },
        { "normal intake",                  580,    290, L"尿/血比值：2.00\r\n", NORMAL,  0 },
        { "normal intake high",             870,    290, L"尿/血比值：3.00\r\n", NORMAL,  0 },
        { "fluid restriction",              1160,   290, L"尿/血比值：4.00\r\n", NORMAL,  0 },
        { "fluid restriction high",         1363,   290, L"尿/血比值：4.70\r\n", NORMAL,  0 },
        // sosm 0: the formula fails with 0.0, which is printed, noted and fed to the rules.
        { "blood osmolality 0",             600,    0,   L"尿/血比值：0.00\r\n（部分结果无法计算，请检查输入是否合理）\r\n", REDUCED, 2 },
        // Infinity prints "--"; "ratio<1.5" is then false without failing.
        { "overflow to infinity",           1e308,  1e-10, L"尿/血比值：--\r\n（部分结果无法计算，请检查输入是否合理）\r\n", NORMAL, 0 },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        const double inputs[MAX_VALUES] = { c.uosm, c.sosm };
        ComputeRun run;
        run_compute(tool_get(), inputs, &run);
        EXPECT_STREQ(c.result, run.result);
        EXPECT_STREQ(c.verdict, run.verdict);
        EXPECT_EQ(c.level, run.level);
        EXPECT_EQ(c.level, run.returned);
        EXPECT_STREQ(run.result, run.copy);
    }
}

// A generic tool: backward references, a forward reference (reads 0.0), a self reference (reads
// 0.0), units and format codes, and rules that fail, match on an output, and match always.
static const ToolInput GENERIC_INPUTS[] = {
    { "w", L"体重", L"kg", 70 },
    { "h", L"身高", L"cm", 175 },
};
static const ToolOutput GENERIC_OUTPUTS[] = {
    { "m",     L"身高(米)", L"m",     "h/100",           "f3" },
    { "bmi",   L"BMI",      L"kg/m2", "w/(m*m)",         "f1" },
    { "ahead", L"前向引用", nullptr,  "later+1",         "f0" },
    { "self",  L"自引用",   L"",      "self+2",          "int" },
    { "later", L"后项",     nullptr,  "bmi*2",           nullptr },
    { "share", L"占比",     nullptr,  "w/h*100",         "pct" },
};
static const ToolRule GENERIC_RULES[] = {
    { "nosuch>0", 3, L"不应命中" },
    { "bmi>=28",  2, L"肥胖" },
    { "",         0, L"正常范围" },
};
static const ToolDef GENERIC_TOOL = {
    901, L"通用测试", nullptr, L"测试", L"测试", nullptr,
    dimof(GENERIC_INPUTS), GENERIC_INPUTS, dimof(GENERIC_OUTPUTS), GENERIC_OUTPUTS,
    dimof(GENERIC_RULES), GENERIC_RULES, 0,
};

TEST(ComputeGeneric, OutputsInOrderWithUnitsFormatsAndReferences) {
    const double inputs[MAX_VALUES] = { 70, 175 };
    ComputeRun run;
    run_compute(&GENERIC_TOOL, inputs, &run);
    EXPECT_STREQ(L"身高(米)：1.750 m\r\n"
                 L"BMI：22.9 kg/m2\r\n"
                 L"前向引用：1\r\n"
                 L"自引用：2\r\n"
                 L"后项：45.71\r\n"
                 L"占比：40.0%\r\n",
                 run.result);
    EXPECT_STREQ(L"正常范围", run.verdict);
    EXPECT_EQ(0, run.level);

    const double heavy[MAX_VALUES] = { 100, 175 };
    run_compute(&GENERIC_TOOL, heavy, &run);
    EXPECT_STREQ(L"肥胖", run.verdict);
    EXPECT_EQ(2, run.level);
}

// A failed output is printed (by a tool that prints failed values, as 115 does), feeds the later ones
// and the rules, and adds the note once.
static const ToolOutput FAILING_OUTPUTS[] = {
    { "a", L"甲", nullptr, "sqrt(x)", "f1" },
    { "b", L"乙", nullptr, "a+1",     "f1" },
    { "c", L"丙", nullptr, "1/x",     "f1" },
};
static const ToolRule FAILING_RULES[] = {
    { "a==0&&b==1", 1, L"前项失败后的值" },
};
static const ToolInput X_INPUT[] = { { "x", L"x", nullptr, 4 } };
static const ToolDef FAILING_TOOL = {
    902, L"失败测试", nullptr, L"测试", L"测试", nullptr,
    dimof(X_INPUT), X_INPUT, dimof(FAILING_OUTPUTS), FAILING_OUTPUTS,
    dimof(FAILING_RULES), FAILING_RULES, 0, nullptr, FAILED_PRINTS_VALUE,
};

TEST(ComputeGeneric, FailedOutputsArePrintedFedForwardAndNoted) {
    const double negative[MAX_VALUES] = { -5 };
    ComputeRun run;
    run_compute(&FAILING_TOOL, negative, &run);
    EXPECT_STREQ(L"甲：0.0\r\n乙：1.0\r\n丙：-0.2\r\n（部分结果无法计算，请检查输入是否合理）\r\n", run.result);
    EXPECT_STREQ(L"前项失败后的值", run.verdict);
    EXPECT_EQ(1, run.level);

    const double five[MAX_VALUES] = { 5 };
    run_compute(&FAILING_TOOL, five, &run);
    EXPECT_STREQ(L"甲：2.2\r\n乙：3.2\r\n丙：0.2\r\n", run.result);
    EXPECT_STREQ(L"请核对输入参数后重新计算", run.verdict);  // the only rule does not match
    EXPECT_EQ(0, run.level);
}

TEST(ComputeGeneric, VerdictRules) {
    static const ToolRule failing_only[] = { { "1/0", 3, L"失败的条件" } };
    static const ToolRule empty_text[] = { { "x>0", 2, L"" }, { "", 1, L"不应到达" } };
    static const ToolRule none[1] = {};
    static const struct {
        const char*     label;
        const ToolRule* rules;
        int32_t         count;
        const wchar_t*  verdict;
        int             level;
    } cases[] = {
        { "a failed condition never matches", failing_only, 1, L"请核对输入参数后重新计算", 0 },
        { "empty text keeps the rule's level", empty_text,  2, L"请核对输入参数后重新计算", 2 },
        { "no rules",                          none,        0, L"请核对输入参数后重新计算", 0 },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        ToolDef tool = FAILING_TOOL;
        tool.rules = c.rules;
        tool.rule_count = c.count;
        const double inputs[MAX_VALUES] = { 5 };
        ComputeRun run;
        run_compute(&tool, inputs, &run);
        EXPECT_STREQ(c.verdict, run.verdict);
        EXPECT_EQ(c.level, run.level);
        EXPECT_EQ(c.level, run.returned);
    }
}

TEST(ComputeGeneric, NoOutputsGiveAnEmptyTextAndNoNote) {
    ToolDef tool = FAILING_TOOL;
    tool.output_count = 0;
    tool.outputs = nullptr;
    const double inputs[MAX_VALUES] = { -5 };
    ComputeRun run;
    run_compute(&tool, inputs, &run);
    EXPECT_STREQ(L"", run.result);
    EXPECT_STREQ(L"", run.copy);
    EXPECT_STREQ(L"请核对输入参数后重新计算", run.verdict);
}

TEST(ComputeGeneric, CapacitiesCutTheResultAndItsCopy) {
    const double inputs[MAX_VALUES] = { -5 };
    static const struct {
        const char*    label;
        int            result_cap, copy_cap;
        const wchar_t* result;
        const wchar_t* copy;
    } cases[] = {
        { "first line cut",         4,   100, L"甲：0",     L"甲：0" },
        { "first line and CR",      7,   100, L"甲：0.0\r", L"甲：0.0\r" },
        { "note dropped when full", 21,  100, L"甲：0.0\r\n乙：1.0\r\n丙：-0.2", L"甲：0.0\r\n乙：1.0\r\n丙：-0.2" },
        { "copy shorter",           100, 6,
          L"甲：0.0\r\n乙：1.0\r\n丙：-0.2\r\n（部分结果无法计算，请检查输入是否合理）\r\n", L"甲：0.0" },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        ComputeRun run;
        for (wchar_t& ch : run.result) ch = L'#';
        for (wchar_t& ch : run.copy) ch = L'#';
        run_compute(&FAILING_TOOL, inputs, &run, c.result_cap, c.copy_cap);
        EXPECT_STREQ(c.result, run.result);
        EXPECT_STREQ(c.copy, run.copy);
        EXPECT_EQ(L'#', run.result[c.result_cap]);
        EXPECT_EQ(L'#', run.copy[c.copy_cap]);
        EXPECT_EQ(1, run.level);
    }
    ComputeRun run;
    run.result[0] = L'#';
    run.copy[0] = L'#';
    run_compute(&FAILING_TOOL, inputs, &run, 0, 0);
    EXPECT_EQ(L'#', run.result[0]);
    EXPECT_EQ(L'#', run.copy[0]);
    EXPECT_EQ(1, run.level);
}

// A report tool hands everything to report_build: its verdict (even empty) and level stand.
TEST(ComputeReport, ReportKindGoesToReportBuild) {
    static const ToolInput drugs[] = { { "drugA", L"甲药", nullptr, 1 }, { "drugB", L"乙药", nullptr, 2 } };
    ToolDef tool = GENERIC_TOOL;
    tool.inputs = drugs;
    tool.input_count = dimof(drugs);
    tool.report_kind = 6;
    const double inputs[MAX_VALUES] = { 9, 2 };
    ComputeRun run;
    run_compute(&tool, inputs, &run);
    wchar_t text[RESULT_CAP], verdict[VERDICT_CAP];
    int level = report_build(6, &tool, inputs, text, RESULT_CAP, verdict, VERDICT_CAP);
    EXPECT_EQ(3, level);
    EXPECT_EQ(3, run.level);
    EXPECT_EQ(3, run.returned);
    EXPECT_STREQ(text, run.result);
    EXPECT_STREQ(text, run.copy);
    EXPECT_STREQ(verdict, run.verdict);

    tool.report_kind = 12;
    run_compute(&tool, inputs, &run, RESULT_CAP, 5);
    EXPECT_STREQ(L"（该工具暂无自定义报告）", run.result);
    EXPECT_STREQ(L"（该工具", run.copy);
    EXPECT_STREQ(L"暂无报告内容", run.verdict);
    EXPECT_EQ(0, run.level);
}

// The three additions to the run, each on one small tool: a failed output shown as not computable, an
// output judged as printed (the rule sees 18.5, not 18.45), and an invalid-input rule that shows and
// copies no result.
static const ToolInput JUDGED_INPUTS[] = { { "x", L"x", nullptr, 18.45 } };
static const ToolOutput JUDGED_OUTPUTS[] = {
    { "v", L"值", L"单位", "x",     "f1", VALUE_AS_PRINTED },
    { "r", L"根", nullptr, "sqrt(x-20)", "f2" },
    { "w", L"后项", nullptr, "v*10", "f0" },
};
static const ToolRule JUDGED_RULES[] = {
    { "x <= 0",    3, L"请核对x：须大于0", RULE_INVALID_INPUT },
    { "v >= 18.5", 1, L"达到18.5" },
    { "",          0, L"低于18.5" },
};
static const ToolDef JUDGED_TOOL = {
    903, L"判读测试", nullptr, L"测试", L"测试", nullptr, 1, JUDGED_INPUTS, dimof(JUDGED_OUTPUTS), JUDGED_OUTPUTS,
    dimof(JUDGED_RULES), JUDGED_RULES, 0,
};

TEST(ComputeGeneric, NotComputableAsPrintedAndInvalidInput) {
    static const struct {
        const char*    label;
        double         x;
        const wchar_t* result;
        const wchar_t* copy;
        const wchar_t* verdict;
        int            level;
    } cases[] = {
        { "18.45 is judged as the 18.5 shown", 18.45,
          L"值：18.5 单位\r\n根：无法计算\r\n后项：185\r\n（部分结果无法计算，请检查输入是否合理）\r\n", nullptr, L"达到18.5", 1 },
        { "18.44 shows and is judged 18.4", 18.44,
          L"值：18.4 单位\r\n根：无法计算\r\n后项：184\r\n（部分结果无法计算，请检查输入是否合理）\r\n", nullptr, L"低于18.5", 0 },
        { "every output computed", 24,
          L"值：24.0 单位\r\n根：2.00\r\n后项：240\r\n", nullptr, L"达到18.5", 1 },
        { "invalid input: no number shown or copied", -1,
          L"输入数值超出合理范围，未计算结果。\r\n请改正：请核对x：须大于0\r\n", L"", L"请核对x：须大于0", 3 },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        const double inputs[MAX_VALUES] = { c.x };
        ComputeRun run;
        run_compute(&JUDGED_TOOL, inputs, &run);
        EXPECT_STREQ(c.result, run.result);
        EXPECT_STREQ(c.copy ? c.copy : c.result, run.copy);
        EXPECT_STREQ(c.verdict, run.verdict);
        EXPECT_EQ(c.level, run.level);
    }
}

// What was chosen, ticked or dated follows the outputs as a person reads it.
static const ToolOption KIND_SEX[] = { { L"男", 1 }, { L"女", 2 } };
static const ToolInput KIND_INPUTS[] = {
    choice_input("sex", L"性别", KIND_SEX, 1),
    check_input("htn", L"高血压", 1),
    date_input("lmp", L"末次月经", 20000),
    check_input("dm", L"糖尿病", 2),
    { "w", L"体重", L"kg", 60 },
};
static const ToolOutput KIND_OUTPUTS[] = { { "s", L"评分", nullptr, "htn+dm", "f0" } };
static const ToolDef KIND_TOOL = {
    904, L"输入种类", nullptr, L"测试", L"测试", nullptr, dimof(KIND_INPUTS), KIND_INPUTS,
    dimof(KIND_OUTPUTS), KIND_OUTPUTS, 0, nullptr, 0,
};

TEST(ComputeGeneric, ChosenTickedAndDatedInputsFollowTheOutputs) {
    static const struct { const char* label; double values[5]; const wchar_t* result; } cases[] = {
        { "nothing ticked", { 2, 0, 20521, 0, 70 }, L"评分：0\r\n性别：女\r\n末次月经：2026-03-09\r\n已勾选：无\r\n" },
        { "both ticked",    { 1, 1, 20000, 2, 70 }, L"评分：3\r\n性别：男\r\n末次月经：2024-10-04\r\n已勾选：高血压、糖尿病\r\n" },
        { "a value outside the list shows as the number", { 3, 0, 20000, 2, 70 },
          L"评分：2\r\n性别：3.00\r\n末次月经：2024-10-04\r\n已勾选：糖尿病\r\n" },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        double inputs[MAX_VALUES] = {};
        for (int i = 0; i < 5; i++) inputs[i] = c.values[i];
        ComputeRun run;
        run_compute(&KIND_TOOL, inputs, &run);
        EXPECT_STREQ(c.result, run.result);
    }
}

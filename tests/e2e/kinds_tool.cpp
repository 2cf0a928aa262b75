// A tool definition for the window tests only: 40 inputs, the most a form may hold, of every kind
// (numbers, drop-down lists, check boxes, dates) and every start (a default, empty, today), more rows
// than the input panel shows at once, a plausibility rule that marks the inputs invalid and a real
// level-3 verdict. Exports tool_get for the medtool_kinds program.
#include "base/dimof.h"
#include "engine/tool_check.h"

static constexpr ToolOption SEX[] = { { L"男", 1 }, { L"女", 2 } };
static constexpr ToolOption GRADE[] = { { L"轻度", 1 }, { L"中度", 2 }, { L"重度", 3 } };
static constexpr ToolOption AGE[] = {
    { L"40 岁及以下", 0 }, { L"41–60 岁", 1 }, { L"61–74 岁", 2 }, { L"75 岁及以上", 3 },
};

static constexpr ToolInput inputs[] = {
    { "w", L"体重", L"kg", 60.0 },
    number_input("na", L"血钠", L"mmol/L", 140.0, START_EMPTY),
    choice_input("sex", L"性别", SEX, 1, START_EMPTY),
    choice_input("grade", L"分级", GRADE, 2),
    check_input("htn", L"高血压", 2),
    check_input("dm", L"糖尿病", 1, true),
    date_input("lmp", L"末次月经", 20521, START_DEFAULT),  // 2026-03-09
    date_input("seen", L"就诊日期", 20521),                // today in the window
    date_input("op", L"手术日期", 20528, START_EMPTY),
    choice_input("age", L"年龄段", AGE, 1),
    check_input("c11", L"项目 11", 1), check_input("c12", L"项目 12", 1), check_input("c13", L"项目 13", 1),
    check_input("c14", L"项目 14", 1), check_input("c15", L"项目 15", 1), check_input("c16", L"项目 16", 1),
    check_input("c17", L"项目 17", 1), check_input("c18", L"项目 18", 1), check_input("c19", L"项目 19", 1),
    check_input("c20", L"项目 20", 1), check_input("c21", L"项目 21", 1), check_input("c22", L"项目 22", 1),
    check_input("c23", L"项目 23", 1), check_input("c24", L"项目 24", 1), check_input("c25", L"项目 25", 1),
    check_input("c26", L"项目 26", 1), check_input("c27", L"项目 27", 1), check_input("c28", L"项目 28", 1),
    check_input("c29", L"项目 29", 1), check_input("c30", L"项目 30", 1),
    { "n31", L"数值 31", L"mg", 1.0 },  { "n32", L"数值 32", L"mg", 2.0 },  { "n33", L"数值 33", L"mg", 3.0 },
    { "n34", L"数值 34", L"mg", 4.0 },  { "n35", L"数值 35", L"mg", 5.0 },  { "n36", L"数值 36", L"mg", 6.0 },
    { "n37", L"数值 37", L"mg", 7.0 },  { "n38", L"数值 38", L"mg", 8.0 },
    choice_input("last_choice", L"末项分级", GRADE, 1),
    check_input("last", L"末项", 5),
};
static_assert(dimof(inputs) == MAX_INPUTS, "the test form holds the most inputs a form may");

static constexpr ToolOutput outputs[] = {
    // key      label       unit   formula                                                  format
    { "score", L"评分",    L"分", "grade+htn+dm+age+c11+c12+c13+c14+c15+last+last_choice", "f0" },
    { "days",  L"停经",    L"",   "seen-lmp",                                              "wd" },
    { "opday", L"手术日",  L"",   "op",                                                    "date" },
    { "code",  L"性别代码", L"",  "sex*100+na",                                            "f0" },
};

static constexpr ToolRule rules[] = {
    // condition       level  text                                   kind
    { "w>500",         3,     L"体重超出可信范围，请核对",           RULE_INVALID_INPUT },
    { "score>=12",     3,     L"高危：评分达 12 分",                 RULE_VERDICT },
    { "score>=8",      2,     L"中危",                               RULE_VERDICT },
    { "",              0,     L"低危",                               RULE_VERDICT },
};

static constexpr ToolDef tool = {
    .id           = 9004,
    .name         = L"四十项测试",
    .purpose      = L"各类输入",
    .category     = L"测试科",
    .reference    = L"无",
    .note         = L"每项输入均须核对。",
    .input_count  = dimof(inputs), .inputs = inputs,
    .output_count = dimof(outputs), .outputs = outputs,
    .rule_count   = dimof(rules), .rules = rules,
    .report_kind  = 0,
    .search       = "sssc",
};
static_assert(tool_check(tool), "the test tool definition breaks an invariant");

const ToolDef* tool_get() { return &tool; }

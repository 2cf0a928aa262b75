// Tool 158: basal energy expenditure of adults by the original Harris-Benedict equations, with the
// Roza-Shizgal revision beside it. Exports tool_get.
#include "base/dimof.h"
#include "engine/tool_check.h"
#include "tools/sex_options.h"

// Harris JA, Benedict FG, Carnegie Institution of Washington Publication No. 279, 1919 (kg, cm,
// years; kcal/d): men 66.4730 + 13.7516·W + 5.0033·H − 6.7550·A, women 655.0955 + 9.5634·W +
// 1.8496·H − 4.6756·A. The shortened textbook coefficients differ by < 1 kcal/d. Roza AM, Shizgal
// HM, Am J Clin Nutr 1984;40:168-182: men 88.362 + 13.397·W + 4.799·H − 5.677·A, women 447.593 +
// 9.247·W + 3.098·H − 4.330·A. The sex chooses the equation: it starts unselected, and any code but
// 男 1 and 女 2 leaves both values not computable (choose fails) while the sex rule answers. No
// activity or stress factor: those vary between departments. The values are printed to whole
// kcal/d, rounded half up.

static constexpr ToolInput inputs[] = {
    choice_input("sex", L"性别", SEX_OPTIONS, 1.0, START_EMPTY),
    //           key       label   unit    default  start
    number_input("weight", L"体重", L"kg",  65.0,    START_EMPTY),
    number_input("height", L"身高", L"cm",  170.0,   START_EMPTY),
    number_input("age",    L"年龄", L"岁",  40.0,    START_EMPTY),
};

static constexpr ToolOutput outputs[] = {
    // key       label                                 unit       formula / format / judged
    { "bee",    L"基础能量消耗（Harris-Benedict 1919）", L"kcal/d",
      "choose(sex, 66.4730 + 13.7516*weight + 5.0033*height - 6.7550*age,"
      " 655.0955 + 9.5634*weight + 1.8496*height - 4.6756*age)", "f0", VALUE_AS_PRINTED },
    { "bee_rs", L"基础能量消耗（Roza-Shizgal 1984）",    L"kcal/d",
      "choose(sex, 88.362 + 13.397*weight + 4.799*height - 5.677*age,"
      " 447.593 + 9.247*weight + 3.098*height - 4.330*age)", "f0", VALUE_AS_PRINTED },
};

static constexpr ToolRule rules[] = {
    // condition                                level  text                                        kind
    { "(sex != 1) && (sex != 2)",               3,     L"请选择性别（男/女）：未选择或代码无效",   RULE_INVALID_INPUT },
    { "(weight < 20) || (weight > 400)",        3,     L"请检查体重：单位应为kg（有效范围20–400）", RULE_INVALID_INPUT },
    { "(height < 100) || (height > 250)",       3,     L"请检查身高：单位应为cm（有效范围100–250）", RULE_INVALID_INPUT },
    { "(age < 18) || (age > 120)",              3,     L"请检查年龄：本公式仅适用于18–120岁成人",  RULE_INVALID_INPUT },
    { "",                                       0,     L"已按Harris-Benedict公式（1919）估算" },
};

static constexpr ToolDef tool = {
    .id        = 158,
    .name      = L"基础能量消耗（Harris-Benedict公式）",
    .purpose   = L"按Harris-Benedict原始方程（1919）估算成人基础能量消耗 并列出Roza-Shizgal修订式（1984）对照值",
    .category  = L"营养科",
    .reference = L"Harris JA, Benedict FG. Carnegie Inst Publ 279, 1919; Roza AM, Shizgal HM. Am J Clin Nutr 1984;40:168-182",
    .note      = L"Roza-Shizgal修订式（1984）供对照；总需要量需乘活动/应激系数。肥胖者按实际体重会高估 消瘦者可能低估；"
                 L"危重症患者宜以间接测热法为准；结果为kcal/d（×4.184=kJ/d）。",
    .input_count = dimof(inputs),   .inputs = inputs,
    .output_count = dimof(outputs), .outputs = outputs,
    .rule_count = dimof(rules),     .rules = rules,
    .report_kind = 0,
    .search    = "bee hb harris-benedict bmr jcnlxh jcdx",
};
static_assert(tool_check(tool), "the tool definition breaks an invariant; the error above names it");

const ToolDef* tool_get() { return &tool; }

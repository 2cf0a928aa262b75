// Tool 176: ideal body weight by Devine and the adjusted body weight used for dosing in obesity.
// Exports tool_get.
#include "base/dimof.h"
#include "engine/tool_check.h"
#include "tools/sex_options.h"

// Devine BJ, Drug Intell Clin Pharm 1974;8:650-655: IBW 50 kg (men) or 45.5 kg (women) + 2.3 kg per inch
// over 5 ft; height cm ÷ 2.54 = inches, 60 in = 152.4 cm. Below 60 in the line gives implausible and,
// near 100 cm, negative weights, so shorter heights are refused. Adjusted weight = IBW + 0.4 × (actual −
// IBW) (Traynor AM et al., Antimicrob Agents Chemother 1995;39:545-548), suggested from 120 % of IBW
// (130 % in some hospitals), judged on the percentage as printed. With no sex chosen IBW is not
// computable; the outputs built on it repeat the sex test, so that the values the rules read fail too,
// not only the ones shown.

static constexpr ToolInput inputs[] = {
    choice_input("sex",    L"性别",     SEX_OPTIONS, 1.0,   START_EMPTY),
    number_input("height", L"身高",     L"cm", 170.0, START_EMPTY),
    number_input("weight", L"实际体重", L"kg", 80.0,  START_EMPTY),
};

static constexpr ToolOutput outputs[] = {
    // key        label                unit    formula                                                     format
    { "ibw",     L"理想体重（Devine）", L"kg", "choose(sex, 50, 45.5) + 2.3*(height/2.54 - 60)",           "f1",  VALUE_AS_PRINTED },
    { "pct_ibw", L"实际/理想体重",      L"",   "weight/ibw*100/(sex == 1 || sex == 2)",                    "pct", VALUE_AS_PRINTED },
    { "abw",     L"校正体重（系数0.4）", L"kg", "(ibw + 0.4*(weight - ibw))/(sex == 1 || sex == 2)",        "f1",  VALUE_AS_PRINTED },
};

static constexpr ToolRule rules[] = {
    // condition                             level  text
    { "(sex != 1) && (sex != 2)",            3, L"请选择性别（男/女）：未选择或代码无效",                RULE_INVALID_INPUT },
    { "(height < 100) || (height > 250)",    3, L"请检查身高：单位应为cm（有效范围100–250）",            RULE_INVALID_INPUT },
    { "(weight < 20) || (weight > 400)",     3, L"请检查体重：单位应为kg（有效范围20–400）",             RULE_INVALID_INPUT },
    { "height < 152.4",                      3, L"身高<152.4 cm（60英寸）：Devine公式不适用",            RULE_INVALID_INPUT },
    { "pct_ibw >= 120",                      1, L"实际体重≥理想体重120%：按药品要求选体重" },
    { "",                                    0, L"实际体重<理想体重120%：一般按实际体重给药" },
};

static constexpr ToolDef tool = {
    .id        = 176,
    .name      = L"理想体重与校正体重（Devine）",
    .purpose   = L"按Devine公式计算理想体重及肥胖者给药用校正体重",
    .category  = L"药学部",
    .reference = L"Devine BJ. Drug Intell Clin Pharm 1974;8:650-655; 校正体重=IBW+0.4×(实际体重−IBW)",
    .note      = L"实际体重<理想体重120%时一般按实际体重（或理想体重 取较小者）给药 ≥120%时按药品要求选用校正体重或理想体重；校正体重主要用于氨基糖苷类 部分化疗药等；具体用哪种体重以药品说明书或本院规范为准。",
    .input_count = dimof(inputs),   .inputs = inputs,
    .output_count = dimof(outputs), .outputs = outputs,
    .rule_count = dimof(rules),     .rules = rules,
    .report_kind = 0,
    .search    = "ibw abw adjbw devine lxtz jztz",
};
static_assert(tool_check(tool), "the tool definition breaks an invariant; the error above names it");

const ToolDef* tool_get() { return &tool; }

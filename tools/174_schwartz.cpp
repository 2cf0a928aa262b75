// Tool 174: estimated GFR of children by the bedside Schwartz equation, with the KDIGO GFR categories.
// Exports tool_get.
#include "base/dimof.h"
#include "engine/tool_check.h"

// Schwartz GJ et al., J Am Soc Nephrol 2009;20:629-637: eGFR = 0.413 × height (cm) / Scr (mg/dL), with
// IDMS-traceable (enzymatic) creatinine, children 1–18 y; Scr μmol/L ÷ 88.4 inside the formula
// (0.413 × 88.4 = 36.5). Age is asked only to keep the equation to 1–18 y; the formula does not use it.
// Categories as for adults (KDIGO), judged on the eGFR as printed (an integer).
static constexpr ToolInput inputs[] = {
    number_input("height", L"身高",   L"cm",     120.0, START_EMPTY),
    number_input("scr",    L"血肌酐", L"μmol/L", 40.0,  START_EMPTY),
    number_input("age",    L"年龄",   L"岁",     8.0,   START_EMPTY),
};

static constexpr ToolOutput outputs[] = {
    // key     label                  unit              formula                    format
    { "egfr", L"eGFR（床旁Schwartz）", L"ml/min/1.73m²", "0.413*height/(scr/88.4)", "f0", VALUE_AS_PRINTED },
};

static constexpr ToolRule rules[] = {
    // condition                             level  text
    { "(height < 40) || (height > 220)",     3, L"请检查身高：单位应为cm（有效范围40–220）",                     RULE_INVALID_INPUT },
    { "(scr < 5) || (scr > 2000)",           3, L"请检查血肌酐：单位μmol/L 有效范围5–2000",    RULE_INVALID_INPUT },
    { "(age < 1) || (age > 18)",             3, L"请检查年龄：本公式适用于1–18岁儿童",                           RULE_INVALID_INPUT },
    { "egfr >= 90",                          0, L"G1：eGFR≥90" },
    { "egfr >= 60",                          1, L"G2：eGFR 60–89 轻度下降" },
    { "egfr >= 45",                          2, L"G3a：eGFR 45–59" },
    { "egfr >= 30",                          2, L"G3b：eGFR 30–44" },
    { "egfr >= 15",                          3, L"G4：eGFR 15–29 重度下降" },
    { "",                                    3, L"G5：eGFR<15 肾衰竭" },
};

static constexpr ToolDef tool = {
    .id        = 174,
    .name      = L"儿童eGFR（床旁Schwartz公式）",
    .purpose   = L"由身高与血肌酐按床旁Schwartz公式估算儿童eGFR",
    .category  = L"儿科",
    .reference = L"Schwartz GJ, et al. J Am Soc Nephrol 2009;20:629-637",
    .note      = L"需酶法（IDMS溯源）肌酐；2岁以下儿童GFR生理性偏低 不宜直接套用成人分期；肌肉量异常时误差大。"
                 L"肌酐mg/dL×88.4=μmol/L。",
    .input_count = dimof(inputs),   .inputs = inputs,
    .output_count = dimof(outputs), .outputs = outputs,
    .rule_count = dimof(rules),     .rules = rules,
    .report_kind = 0,
    .search    = "schwartz egfr gfr ckd etegfr et gssxqlgl sgn",
};
static_assert(tool_check(tool), "the tool definition breaks an invariant; the error above names it");

const ToolDef* tool_get() { return &tool; }

// Tool 118: estimated GFR of adults by the race-free CKD-EPI 2021 creatinine equation, with the
// KDIGO GFR categories. Exports tool_get.
#include "base/dimof.h"
#include "engine/tool_check.h"
#include "tools/sex_options.h"

// Inker LA et al., N Engl J Med 2021;385:1737-1749: eGFR = 142 × min(Scr/κ,1)^α × max(Scr/κ,1)^−1.200
// × 0.9938^age × 1.012 (women); Scr in mg/dL (μmol/L ÷ 88.4), κ 0.9 men / 0.7 women, α −0.302 men /
// −0.241 women; adults only. Categories G1 ≥90, G2 60–89, G3a 45–59, G3b 30–44, G4 15–29, G5 <15
// (KDIGO 2024), compared on the eGFR as printed (an integer): 89.6 prints 90 and is G1.
// Sex is a choice that starts unselected, coded 男 1, 女 2 (GB/T 2261.1—2003): the window asks for it
// before a calculation. Any other value (a record, a test) makes choose() fail, eGFR is not computable
// and the sex rule answers, so no eGFR is ever computed for an unknown sex.
static constexpr ToolInput inputs[] = {
    // key    label      unit          default
    number_input("scr", L"血肌酐", L"μmol/L", 80.0, START_EMPTY),
    number_input("age", L"年龄",  L"岁",      50.0, START_EMPTY),
    choice_input("sex", L"性别", SEX_OPTIONS, 1, START_EMPTY),
};

static constexpr ToolOutput outputs[] = {
    // key         label             unit              formula / format
    { "scr_mgdl", L"血肌酐（换算）", L"mg/dL",
      "scr/88.4", "f2" },
    { "egfr",     L"eGFR",           L"ml/min/1.73m²",
      "142*pow(min(scr_mgdl/choose(sex, 0.9, 0.7), 1), choose(sex, -0.302, -0.241))"
      "*pow(max(scr_mgdl/choose(sex, 0.9, 0.7), 1), -1.2)*pow(0.9938, age)*choose(sex, 1, 1.012)",
      "f0", VALUE_AS_PRINTED },
};

static constexpr ToolRule rules[] = {
    // condition                        level  text
    { "(scr < 10) || (scr > 3000)", 3, L"请核对血肌酐：单位μmol/L，有效范围10–3000", RULE_INVALID_INPUT },
    { "(age < 18) || (age > 120)",  3, L"请核对年龄：本公式仅用于18–120岁成人", RULE_INVALID_INPUT },
    { "(sex != 1) && (sex != 2)",   3, L"请选择性别", RULE_INVALID_INPUT },
    { "egfr >= 90",                 0, L"G1（eGFR≥90）：正常或升高" },
    { "egfr >= 60",                 1, L"G2（eGFR 60–89）：轻度下降" },
    { "egfr >= 45",                 2, L"G3a（eGFR 45–59）：轻至中度下降" },
    { "egfr >= 30",                 2, L"G3b（eGFR 30–44）：中至重度下降" },
    { "egfr >= 15",                 3, L"G4（eGFR 15–29）：重度下降" },
    { "",                           3, L"G5（eGFR<15）：肾衰竭" },
};

static constexpr ToolDef tool = {
    .id        = 118,
    .name      = L"eGFR（CKD-EPI 2021）",
    .purpose   = L"以血肌酐、年龄、性别估算成人eGFR并按KDIGO分期",
    .category  = L"肾内科",
    .reference = L"Inker LA, et al. N Engl J Med 2021;385:1737-1749；KDIGO 2024. Kidney Int 2024;105(4S):S117-S314",
    .note      = L"适用于18岁及以上成人，需IDMS溯源的肌酐结果（mg/dL×88.4=μmol/L），不含种族系数。急性肾损伤等肾功能不稳定、"
                 L"肌肉量极端、截肢或妊娠时不可靠。G1、G2须有白蛋白尿等肾损伤证据才诊断CKD，"
                 L"且异常须持续3个月以上。",
    .input_count = dimof(inputs),   .inputs = inputs,
    .output_count = dimof(outputs), .outputs = outputs,
    .rule_count = dimof(rules),     .rules = rules,
    .report_kind = 0,
    .search    = "egfr gfr ckd-epi ckdepi sxqlgl gsxqlgl",
};
static_assert(tool_check(tool), "the tool definition breaks an invariant; the error above names it");

const ToolDef* tool_get() { return &tool; }

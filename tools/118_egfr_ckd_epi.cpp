// Tool 118: estimated GFR of adults by the race-free CKD-EPI 2021 creatinine equation, with the
// KDIGO GFR categories. Exports tool_get.
#include "base/dimof.h"
#include "engine/tool_check.h"

// Inker LA et al., N Engl J Med 2021;385:1737-1749: eGFR = 142 × min(Scr/κ,1)^α × max(Scr/κ,1)^−1.200
// × 0.9938^age × 1.012 (women); Scr in mg/dL (μmol/L ÷ 88.4), κ 0.9 men / 0.7 women, α −0.302 men /
// −0.241 women; adults only. Categories G1 ≥90, G2 60–89, G3a 45–59, G3b 30–44, G4 15–29, G5 <15
// (KDIGO 2024), compared on the eGFR as printed (an integer): 89.6 prints 90 and is G1.
// Sex is coded 男 1, 女 2 (GB/T 2261.1—2003). An empty box reads 0, which is that standard's
// "unknown" code: every code but 1 and 2 makes κ 0, the division fails, eGFR is not computable and
// the sex rule answers, so an empty sex is never computed as either sex.
static constexpr ToolInput inputs[] = {
    // key    label      unit          default
    { "scr", L"血肌酐", L"μmol/L",    80.0 },
    { "age", L"年龄",   L"岁",        50.0 },
    { "sex", L"性别",   L"男=1 女=2", 1.0 },
};

// An output a rule judges is rounded half up to the digits it prints, in its formula, so the value on
// screen and the value the rules compare are one number (printed unrounded, 18.45 would show 18.4 and
// x.5 would round to even, while the rules round half up).
static constexpr ToolOutput outputs[] = {
    // key         label             unit              formula / format
    { "scr_mgdl", L"血肌酐（换算）", L"mg/dL",
      "scr/88.4", "f2" },
    { "egfr",     L"eGFR",           L"ml/min/1.73m²",
      "round(142*pow(min(scr_mgdl/(sex==1?0.9:(sex==2?0.7:0)),1),(sex==1?-0.302:(sex==2?-0.241:0)))"
      "*pow(max(scr_mgdl/(sex==1?0.9:(sex==2?0.7:0)),1),-1.2)*pow(0.9938,age)*(sex==1?1:(sex==2?1.012:0)))",
      "f0" },
};

static constexpr ToolRule rules[] = {
    // condition                        level  text
    { "(scr < 10) || (scr > 3000)",     3,     L"请核对血肌酐：单位μmol/L，有效范围10–3000" },
    { "(age < 18) || (age > 120)",      3,     L"请核对年龄：本公式仅用于18–120岁成人" },
    { "(sex != 1) && (sex != 2)",       3,     L"请核对性别：男填1，女填2，其他数值无效" },
    { "round(egfr) >= 90",              0,     L"G1（eGFR≥90）：正常或升高" },
    { "round(egfr) >= 60",              1,     L"G2（eGFR 60–89）：轻度下降" },
    { "round(egfr) >= 45",              2,     L"G3a（eGFR 45–59）：轻至中度下降" },
    { "round(egfr) >= 30",              2,     L"G3b（eGFR 30–44）：中至重度下降" },
    { "round(egfr) >= 15",              3,     L"G4（eGFR 15–29）：重度下降" },
    { "",                               3,     L"G5（eGFR<15）：肾衰竭" },
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

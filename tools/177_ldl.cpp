// Tool 177: calculated LDL cholesterol by Friedewald (graded, the form Chinese reports print) with the
// Sampson (NIH) equation beside it. Exports tool_get.
#include "base/dimof.h"
#include "engine/tool_check.h"

// Friedewald WT et al., Clin Chem 1972;18:499-502, SI form LDL-C = TC − HDL-C − TG/2.2 mmol/L, not valid
// above TG 4.5 mmol/L (400 mg/dL). Sampson M et al., JAMA Cardiol 2020;5:540-548: LDL-C (mg/dL) =
// TC/0.948 − HDL/0.971 − (TG/8.56 + TG × non-HDL/2140 − TG²/16100) − 9.44, usable up to TG 9 mmol/L;
// TC and HDL mg/dL = mmol/L × 38.67, TG mg/dL = mmol/L × 88.57. Each equation is divided by its TG test
// so that it is not computable outside its range. Bands of 中国血脂管理指南（2023年）for primary
// prevention (< 2.6 ideal, < 3.4 suitable, 3.4–4.1 borderline, ≥ 4.1 raised; ≥ 4.9 high risk), judged
// on the Friedewald value as printed; TG above 4.5 answers before any rule reads it. A calculated LDL-C
// of 0 or less is no result: the inputs are refused.
static constexpr ToolInput inputs[] = {
    number_input("tc",  L"总胆固醇", L"mmol/L", 5.2, START_EMPTY),
    number_input("hdl", L"HDL-C",    L"mmol/L", 1.3, START_EMPTY),
    number_input("tg",  L"甘油三酯", L"mmol/L", 1.5, START_EMPTY),
};

static constexpr ToolOutput outputs[] = {
    { "non_hdl", L"非HDL-C",            L"mmol/L", "tc - hdl",                        "f2", VALUE_AS_PRINTED },
    { "ldl_f",   L"LDL-C（Friedewald）", L"mmol/L", "(tc - hdl - tg/2.2)/(tg <= 4.5)", "f2", VALUE_AS_PRINTED },
    { "ldl_s",   L"LDL-C（Sampson对照）", L"mmol/L",
      "(tc*38.67/0.948 - hdl*38.67/0.971 - (tg*88.57/8.56 + tg*88.57*(tc - hdl)*38.67/2140"
      " - pow(tg*88.57, 2)/16100) - 9.44)/38.67/(tg <= 9)",
      "f2", VALUE_AS_PRINTED },
};

static constexpr ToolRule rules[] = {
    // condition                     level  text
    { "(tc < 1) || (tc > 25)",       3, L"请检查总胆固醇：单位mmol/L 有效范围1–25",  RULE_INVALID_INPUT },
    { "(hdl < 0.1) || (hdl > 5)",    3, L"请检查HDL-C：单位mmol/L（有效范围0.1–5）",    RULE_INVALID_INPUT },
    { "(tg < 0.1) || (tg > 50)",     3, L"请检查甘油三酯：单位mmol/L 有效范围0.1–50", RULE_INVALID_INPUT },
    { "hdl >= tc",                   3, L"HDL-C不应≥总胆固醇：请核对两项",                              RULE_INVALID_INPUT },
    { "tg > 4.5",                    1, L"TG>4.5：Friedewald不适用 请直接测定LDL-C" },
    { "ldl_f <= 0",                  3, L"计算LDL-C≤0：请核对输入",                                     RULE_INVALID_INPUT },
    { "ldl_f >= 4.9",                2, L"LDL-C≥4.9 mmol/L：显著升高 直接列为高危" },
    { "ldl_f >= 4.1",                2, L"LDL-C≥4.1 mmol/L：升高" },
    { "ldl_f >= 3.4",                1, L"LDL-C 3.40–4.09 mmol/L：边缘升高" },
    { "ldl_f >= 2.6",                0, L"LDL-C 2.60–3.39 mmol/L：合适水平" },
    { "",                            0, L"LDL-C<2.6 mmol/L：理想水平（一级预防）" },
};

static constexpr ToolDef tool = {
    .id        = 177,
    .name      = L"低密度脂蛋白胆固醇计算（Friedewald与Sampson）",
    .purpose   = L"按Friedewald公式（mmol/L）计算LDL-C并给出Sampson（NIH）公式对照值",
    .category  = L"心内科",
    .reference = L"Friedewald WT, et al. Clin Chem 1972;18:499-502; Sampson M, et al. JAMA Cardiol 2020;5:540-548; 中国血脂管理指南（2023年）",
    .note      = L"TG>4.5 mmol/L 或LDL-C很低时计算值低估 应直接测定（Sampson值仅供参考 TG>9 mmol/L时不可计算）；"
                 L"LDL-C≥4.9 mmol/L需排查家族性高胆固醇血症（FH）；治疗目标值取决于ASCVD风险分层（如极高危<1.8 或<1.4 mmol/L）。"
                 L"胆固醇mg/dL÷38.67 甘油三酯mg/dL÷88.57=mmol/L。",
    .input_count = dimof(inputs),   .inputs = inputs,
    .output_count = dimof(outputs), .outputs = outputs,
    .rule_count = dimof(rules),     .rules = rules,
    .report_kind = 0,
    .search    = "ldl ldl-c friedewald sampson non-hdl dmdzdbdgc xz",
};
static_assert(tool_check(tool), "the tool definition breaks an invariant; the error above names it");

const ToolDef* tool_get() { return &tool; }

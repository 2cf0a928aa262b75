// Tool 169: estimated average glucose from HbA1c by the ADAG regression, with HbA1c in IFCC units.
// Exports tool_get.
#include "base/dimof.h"
#include "engine/tool_check.h"

// Nathan DM et al., Diabetes Care 2008;31:1473-1478 (ADAG): eAG = 28.7 × A1c − 46.7 mg/dL and
// 1.59 × A1c − 2.59 mmol/L (7 % gives 8.5 by the line; the paper's table says 8.6, converted from 154
// mg/dL). IFCC = (NGSP − 2.152)/0.09148 mmol/mol, the NGSP–IFCC master equation. The verdict reads the
// typed HbA1c: ≥6.5 % the diagnostic cut-off with a standardised assay (中国2型糖尿病防治指南 2020),
// 5.7–6.4 % the ADA prediabetes range. A value in mmol/mol typed as % (e.g. 53) fails the 3–20 % limit.
static constexpr ToolInput inputs[] = {
    number_input("a1c", L"糖化血红蛋白（HbA1c）", L"%", 7.0, START_EMPTY),
};

static constexpr ToolOutput outputs[] = {
    // key       label            unit         formula                    format
    { "eag",    L"估算平均血糖", L"mmol/L",   "1.59*a1c - 2.59",         "f1", VALUE_AS_PRINTED },
    { "eag_mg", L"估算平均血糖", L"mg/dL",    "28.7*a1c - 46.7",         "f0", VALUE_AS_PRINTED },
    { "ifcc",   L"HbA1c（IFCC）", L"mmol/mol", "(a1c - 2.152)/0.09148",  "f0", VALUE_AS_PRINTED },
};

static constexpr ToolRule rules[] = {
    // condition                    level  text
    { "(a1c < 3) || (a1c > 20)",    3, L"请检查HbA1c：单位%（NGSP）有效范围3–20", RULE_INVALID_INPUT },
    { "a1c >= 6.5",                 2, L"HbA1c≥6.5%：达糖尿病诊断切点（需复核）" },
    { "a1c >= 5.7",                 1, L"HbA1c 5.7%–6.4%：ADA糖尿病前期范围" },
    { "",                           0, L"HbA1c<5.7%" },
};

static constexpr ToolDef tool = {
    .id        = 169,
    .name      = L"糖化血红蛋白换算估算平均血糖（eAG）",
    .purpose   = L"按ADAG研究公式由HbA1c换算估算平均血糖并换算IFCC单位",
    .category  = L"内分泌科",
    .reference = L"Nathan DM, et al. Diabetes Care 2008;31:1473-1478; 中国2型糖尿病防治指南（2020年版）",
    .note      = L"贫血 血红蛋白病 近期失血或输血 妊娠 慢性肾病时HbA1c与平均血糖关系改变；eAG不能替代血糖监测；HbA1c用于诊断时需标准化检测并复核。"
                 L"IFCC单位（mmol/mol）的结果请先换算为%再输入。",
    .input_count = dimof(inputs),   .inputs = inputs,
    .output_count = dimof(outputs), .outputs = outputs,
    .rule_count = dimof(rules),     .rules = rules,
    .report_kind = 0,
    .search    = "eag hba1c a1c ifcc thxhdb pjxt",
};
static_assert(tool_check(tool), "the tool definition breaks an invariant; the error above names it");

const ToolDef* tool_get() { return &tool; }

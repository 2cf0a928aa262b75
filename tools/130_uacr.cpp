// Tool 130: urine albumin-to-creatinine ratio (UACR) with the KDIGO albuminuria category. Exports tool_get.
#include "base/dimof.h"
#include "engine/tool_check.h"

// ACR (mg/mmol) = urine albumin (mg/L) / urine creatinine (mmol/L); mg/g = mg/mmol × 8.84
// (1000 / 113.12, creatinine 113.12 g/mol). KDIGO 2012 CKD guideline (Kidney Int Suppl 2013;3:1),
// unchanged in KDIGO 2024: A1 < 3 mg/mmol, A2 3–30, A3 > 30; > 220 mg/mmol is the nephrotic range.
// The category is decided on mg/mmol as printed with 1 decimal; KDIGO's mg/g column is a rounded
// equivalent (30.06 mg/mmol is A3 and shows 266 mg/g), so it is never used for the category, and the
// verdict texts name the mg/mmol bands only: a mg/g band beside the mg/g number shown could disagree.
// The mg/g line converts the unrounded ratio (ualb/ucr, as acr was before its display rounding).
// Urine creatinine here is in mmol/L; above 50 it is taken as a μmol/L slip. Range rules come first
// and read inputs only; urine albumin must be above 0 (an empty box reads 0 and would give A1); a
// result below the detection limit ("<x") is typed as x, which makes ACR an upper bound.
static constexpr ToolInput inputs[] = {
    // key     label        unit       default
    number_input("ualb", L"尿白蛋白", L"mg/L",   20.0, START_EMPTY),
    number_input("ucr",  L"尿肌酐",  L"mmol/L", 8.0, START_EMPTY),
};

static constexpr ToolOutput outputs[] = {
    // key        label           unit         formula       format
    { "acr",     L"ACR",     L"mg/mmol", "ualb/ucr",      "f1", VALUE_AS_PRINTED },
    { "acr_mgg", L"ACR（换算）", L"mg/g",    "ualb/ucr*8.84", "f0" },
};

static constexpr ToolRule rules[] = {
    // condition                          level  text
    { "(ualb <= 0) || (ualb > 20000)", 3, L"请核对尿白蛋白：单位mg/L，有效范围>0–20000", RULE_INVALID_INPUT },
    { "(ucr <= 0) || (ucr > 50)",      3, L"请核对尿肌酐：单位mmol/L，有效范围>0–50", RULE_INVALID_INPUT },
    { "acr < 3",                       0, L"A1：ACR<3 mg/mmol，正常至轻度增加" },
    { "acr <= 30",                     1, L"A2：ACR 3–30 mg/mmol，中度增加" },
    { "acr <= 220",                    2, L"A3：30<ACR≤220 mg/mmol，重度增加" },
    { "",                              3, L"A3：ACR>220 mg/mmol，达肾病综合征范围" },
};

static constexpr ToolDef tool = {
    .id        = 130,
    .name      = L"尿白蛋白/肌酐比值（UACR）",
    .purpose   = L"由随机尿白蛋白与尿肌酐计算ACR并作KDIGO白蛋白尿分级",
    .category  = L"肾内科",
    .reference = L"KDIGO 2012 CKD Guideline. Kidney Int Suppl 2013;3:1-150；KDIGO 2024. Kidney Int 2024;105(4S):S117",
    .note      = L"异常结果需在3–6个月内复查，3次中2次异常方可确认；剧烈运动、感染、发热、心衰、明显高血糖、月经期、显著高血压可使ACR一过性升高。"
                 L"分级按mg/mmol判定，mg/g仅为近似换算。尿肌酐以mmol/L输入（μmol/L÷1000）。"
                 L"尿白蛋白须输入实测值，低于检测下限（报告为“<x”）时按x输入，所得ACR为上限值：判A1仍成立，判A2及以上不能确定（稀释尿时可出现）。",
    .input_count = dimof(inputs),   .inputs = inputs,
    .output_count = dimof(outputs), .outputs = outputs,
    .rule_count = dimof(rules),     .rules = rules,
    .report_kind = 0,
    .search    = "uacr acr nbdbjgbz",
};
static_assert(tool_check(tool), "the tool definition breaks an invariant; the error above names it");

const ToolDef* tool_get() { return &tool; }

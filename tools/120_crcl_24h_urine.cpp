// Tool 120: measured creatinine clearance from a 24-hour urine collection, normalised to 1.73 m².
// Exports tool_get.
#include "base/dimof.h"
#include "engine/tool_check.h"

// Clearance C = U × V / P with V the urine flow (24-hour volume in ml ÷ 1440 min); urine and serum
// creatinine are both typed in μmol/L, so no unit factor is needed. Normalised CrCl = CrCl × 1.73 / BSA
// (Mosteller RD, N Engl J Med 1987;317:1098). The verdict uses the normalised value, as printed (one
// decimal), against the KDIGO 2024 GFR thresholds 90/60/45/30/15, labelled "参照" because tubular
// secretion makes CrCl read above GFR. A urine creatinine not above the serum creatinine is
// impossible and is reported as a unit slip (mmol/L typed). No completeness rule on the creatinine
// excretion: population limits for it are unreliable (Kestenbaum B et al., Kidney Int Rep 2022;
// 7:2474-2483); the excretion is shown for the clinician instead.
static constexpr ToolInput inputs[] = {
    // key       label           unit       default
    number_input("ucr",    L"尿肌酐",    L"μmol/L", 8000.0, START_EMPTY),
    number_input("uvol",   L"24小时尿量", L"ml",     1500.0, START_EMPTY),
    number_input("scr",    L"血肌酐",    L"μmol/L", 90.0, START_EMPTY),
    number_input("height", L"身高",     L"cm",     170.0, START_EMPTY),
    number_input("weight", L"体重",     L"kg",     65.0, START_EMPTY),
};

static constexpr ToolOutput outputs[] = {
    // key         label                    unit              formula                       format
    { "crcl",     L"肌酐清除率（实测）",       L"ml/min",        "ucr*uvol/(scr*1440)",      "f1" },
    { "bsa",      L"体表面积（Mosteller）", L"m²",            "sqrt(height*weight/3600)", "f2" },
    { "crcl_bsa", L"肌酐清除率（标化）",       L"ml/min/1.73m²", "crcl*1.73/bsa",            "f1", VALUE_AS_PRINTED },
    { "ucr_24h",  L"24小时尿肌酐排泄量",      L"mmol/24h",      "ucr*uvol/1000000",         "f2" },
};

static constexpr ToolRule rules[] = {
    // condition                              level  text
    { "(scr < 10) || (scr > 3000)",       3, L"请核对血肌酐：单位μmol/L，有效范围10–3000", RULE_INVALID_INPUT },
    { "(ucr <= scr) || (ucr > 100000)",   3, L"请核对尿肌酐：单位μmol/L，应高于血肌酐", RULE_INVALID_INPUT },
    { "(uvol < 20) || (uvol > 20000)",    3, L"请核对24小时尿量：单位ml，有效范围20–20000", RULE_INVALID_INPUT },
    { "(height < 100) || (height > 250)", 3, L"请核对身高：单位cm，有效范围100–250", RULE_INVALID_INPUT },
    { "(weight < 20) || (weight > 400)",  3, L"请核对体重：单位kg，有效范围20–400", RULE_INVALID_INPUT },
    { "crcl_bsa >= 90",                   0, L"标化CrCl≥90（参照G1）：正常或升高" },
    { "crcl_bsa >= 60",                   1, L"标化CrCl 60–89.9（参照G2）：轻度下降" },
    { "crcl_bsa >= 45",                   2, L"标化CrCl 45–59.9（参照G3a）：轻至中度下降" },
    { "crcl_bsa >= 30",                   2, L"标化CrCl 30–44.9（参照G3b）：中至重度下降" },
    { "crcl_bsa >= 15",                   3, L"标化CrCl 15–29.9（参照G4）：重度下降" },
    { "",                                 3, L"标化CrCl<15（参照G5）：肾衰竭范围" },
};

static constexpr ToolDef tool = {
    .id        = 120,
    .name      = L"24小时尿肌酐清除率",
    .purpose   = L"由24小时尿计算实测肌酐清除率并按体表面积标化",
    .category  = L"肾内科",
    .reference = L"KDIGO 2024. Kidney Int 2024;105(4S):S117-S314（分级阈值）；Mosteller RD. N Engl J Med 1987;317:1098",
    .note      = L"须完整留取24小时尿：弃去起始尿，收集至终末尿。肌酐均以μmol/L输入（血肌酐mg/dL×88.4，尿肌酐mmol/L×1000）。"
                 L"肾小管分泌肌酐，CrCl常高于真实GFR，肾功能越差越明显。肌酐排泄量明显偏低提示留尿不全。",
    .input_count = dimof(inputs),   .inputs = inputs,
    .output_count = dimof(outputs), .outputs = outputs,
    .rule_count = dimof(rules),     .rules = rules,
    .report_kind = 0,
    .search    = "crcl ccr 24h 24xsnjgqcl xsnjgqcl njgqcl jgqcl",
};
static_assert(tool_check(tool), "the tool definition breaks an invariant; the error above names it");

const ToolDef* tool_get() { return &tool; }

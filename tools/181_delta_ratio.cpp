// Tool 181: the delta gap and delta ratio (ΔAG/ΔHCO3⁻) of a high anion gap metabolic acidosis, on the
// albumin-corrected anion gap. Exports tool_get.
#include "base/dimof.h"
#include "engine/tool_check.h"

// Rastegar A, J Am Soc Nephrol 2007;18:2429-2431: ΔAG = AG − 12, ΔHCO3 = 24 − HCO3, ratio = ΔAG/ΔHCO3;
// < 0.4 hyperchloraemic (normal-AG) acidosis, 0.4–0.8 mixed, 0.8–2.0 pure high-AG, > 2.0 high-AG with
// metabolic alkalosis or compensated respiratory acidosis (some sources put the mixed band's upper edge
// at 1.0). AG corrected for albumin by 0.25 mmol/L per g/L below 40 (Figge J et al., Crit Care Med
// 1998;26:1807-1810). The ratio is judged only when the corrected AG is above 16 and HCO3 below 24; at
// HCO3 24 it is not computable and the rule on HCO3 answers first. Judged as printed.
static constexpr ToolInput inputs[] = {
    number_input("na",   L"血钠",   L"mmol/L", 140.0, START_EMPTY),
    number_input("cl",   L"血氯",   L"mmol/L", 100.0, START_EMPTY),
    number_input("hco3", L"HCO3⁻",  L"mmol/L", 14.0,  START_EMPTY),
    number_input("alb",  L"白蛋白", L"g/L",    40.0,  START_EMPTY),
};

static constexpr ToolOutput outputs[] = {
    // key        label          unit        formula                                  format
    { "ag",      L"阴离子间隙", L"mmol/L", "na - cl - hco3",                         "f1", VALUE_AS_PRINTED },
    { "ag_corr", L"校正AG",     L"mmol/L", "na - cl - hco3 + 0.25*(40 - alb)",       "f1", VALUE_AS_PRINTED },
    { "d_ag",    L"ΔAG",        L"mmol/L", "ag_corr - 12",                           "f1", VALUE_AS_PRINTED },
    { "d_hco3",  L"ΔHCO3⁻",     L"mmol/L", "24 - hco3",                              "f1", VALUE_AS_PRINTED },
    { "ratio",   L"Δ比值",      L"",       "(ag_corr - 12)/(24 - hco3)",             "f2", VALUE_AS_PRINTED },
};

static constexpr ToolRule rules[] = {
    // condition                              level  text
    { "(na < 100) || (na > 200)",             3, L"请检查血钠：单位mmol/L（有效范围100–200）",            RULE_INVALID_INPUT },
    { "(cl < 50) || (cl > 150)",              3, L"请检查血氯：单位mmol/L（有效范围50–150）",             RULE_INVALID_INPUT },
    { "(hco3 < 1) || (hco3 > 60)",            3, L"请检查HCO3⁻：单位mmol/L（有效范围1–60）",              RULE_INVALID_INPUT },
    { "(alb < 5) || (alb > 70)",              3, L"请检查白蛋白：单位g/L（有效范围5–70）",     RULE_INVALID_INPUT },
    { "(hco3 >= 24) && (ag_corr > 16)",       2, L"AG升高而HCO3⁻≥24：高AG代酸合并代碱" },
    { "hco3 >= 24",                           0, L"HCO3⁻≥24且AG不高：无代酸 Δ比值不适用" },
    { "ag_corr <= 16",                        1, L"校正AG≤16：Δ比值不适用（代酸为高氯性）" },
    { "ratio < 0.4",                          2, L"Δ比值<0.4：以高氯性代谢性酸中毒为主" },
    { "ratio < 0.8",                          2, L"Δ比值0.40–0.79：高AG代酸合并正常AG代酸" },
    { "ratio <= 2",                           1, L"Δ比值0.80–2.00：单纯高AG代谢性酸中毒" },
    { "",                                     2, L"Δ比值>2.00：高AG代酸合并代碱或慢性呼酸" },
};

static constexpr ToolDef tool = {
    .id        = 181,
    .name      = L"Δ阴离子间隙与Δ比值（ΔAG/ΔHCO3⁻）",
    .purpose   = L"高AG代谢性酸中毒时计算Δ间隙与Δ比值判断合并的酸碱失衡",
    .category  = L"重症医学科",
    .reference = L"Rastegar A. J Am Soc Nephrol 2007;18:2429-2431; Figge J, et al. Crit Care Med 1998;26:1807-1810",
    .note      = L"基线AG取12 HCO3⁻取24 如已知患者基线值应以基线为准；乳酸酸中毒Δ比值常约1.6 酮症酸中毒常约1.0；"
                 L"校正AG≤16时Δ比值不适用 如存在代谢性酸中毒则为正常AG（高氯性）代酸；混合型上限有取0.8或1.0两种。"
                 L"白蛋白g/dL×10=g/L。",
    .input_count = dimof(inputs),   .inputs = inputs,
    .output_count = dimof(outputs), .outputs = outputs,
    .rule_count = dimof(rules),     .rules = rules,
    .report_kind = 0,
    .search    = "delta ratio dag ag hco3 dbz ylzjx sjph",
};
static_assert(tool_check(tool), "the tool definition breaks an invariant; the error above names it");

const ToolDef* tool_get() { return &tool; }

// Tool 121: serum anion gap and the albumin-corrected anion gap (Figge). Exports tool_get.
#include "base/dimof.h"
#include "engine/tool_check.h"

// AG = Na − (Cl + HCO3), potassium left out. Figge J et al., Crit Care Med 1998;26:1807-1810:
// corrected AG = AG + 0.25 × (normal albumin − albumin) in g/L, with 40 g/L as the normal albumin,
// applied both ways (albumin above 40 lowers it). Interval 8–16 mmol/L (Winter SD et al., Arch Intern
// Med 1990;150:311-313, analyser-dependent), compared on the corrected AG as printed (one decimal).
// Low AG causes from Kraut JA, Madias NE, Clin J Am Soc Nephrol 2007;2:162-174.
static constexpr ToolInput inputs[] = {
    // key     label                 unit       default
    number_input("na",   L"血钠",          L"mmol/L", 140.0, START_EMPTY),
    number_input("cl",   L"血氯",          L"mmol/L", 104.0, START_EMPTY),
    number_input("hco3", L"碳酸氢根（HCO3-）", L"mmol/L", 24.0, START_EMPTY),
    number_input("alb",  L"血清白蛋白",       L"g/L",    40.0, START_EMPTY),
};

static constexpr ToolOutput outputs[] = {
    // key        label              unit       formula                 format
    { "ag",      L"阴离子间隙",   L"mmol/L", "na - cl - hco3",       "f1" },
    { "ag_corr", L"校正阴离子间隙", L"mmol/L", "ag + 0.25*(40 - alb)", "f1", VALUE_AS_PRINTED },
};

static constexpr ToolRule rules[] = {
    // condition                          level  text
    { "(na < 100) || (na > 200)",  3, L"请核对血钠：单位mmol/L，有效范围100–200", RULE_INVALID_INPUT },
    { "(cl < 50) || (cl > 150)",   3, L"请核对血氯：单位mmol/L，有效范围50–150", RULE_INVALID_INPUT },
    { "(hco3 < 1) || (hco3 > 60)", 3, L"请核对碳酸氢根：单位mmol/L，有效范围1–60", RULE_INVALID_INPUT },
    { "(alb < 5) || (alb > 70)",   3, L"请核对白蛋白：单位g/L，有效范围5–70", RULE_INVALID_INPUT },
    { "ag_corr > 16",              2, L"校正AG>16 mmol/L：提示高AG代谢性酸中毒" },
    { "ag_corr < 8",               1, L"校正AG<8 mmol/L：偏低，先排查检验误差" },
    { "",                          0, L"校正AG 8–16 mmol/L：在参考区间内" },
};

static constexpr ToolDef tool = {
    .id        = 121,
    .name      = L"阴离子间隙（AG）",
    .purpose   = L"计算血清阴离子间隙并按白蛋白校正",
    .category  = L"重症医学科",
    .reference = L"Figge J, et al. Crit Care Med 1998;26:1807-10；Kraut JA, et al. Clin J Am Soc Nephrol 2007;2:162-74",
    .note      = L"AG=Na−(Cl+HCO3)，不含钾。白蛋白以g/L输入（g/dL×10），以40 g/L为正常值，每低1 g/L校正AG加0.25。"
                 L"参考区间随检测方法而异（离子选择电极法可低至约3–11 mmol/L），以本实验室为准。"
                 L"AG升高见于乳酸、酮症、尿毒症、毒物；偏低见于检验误差、副蛋白血症、锂或溴中毒。",
    .input_count = dimof(inputs),   .inputs = inputs,
    .output_count = dimof(outputs), .outputs = outputs,
    .rule_count = dimof(rules),     .rules = rules,
    .report_kind = 0,
    .search    = "ag ylzjx",
};
static_assert(tool_check(tool), "the tool definition breaks an invariant; the error above names it");

const ToolDef* tool_get() { return &tool; }

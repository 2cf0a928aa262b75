// Tool 126: serum sodium corrected for hyperglycaemia (Katz and Hillier factors). Exports tool_get.
#include "base/dimof.h"
#include "engine/tool_check.h"

// Glucose is typed in mmol/L and converted with 18.016 (glucose 180.16 g/mol) to mg/dL, the unit of
// both sources. Katz MA, N Engl J Med 1973;289:843: 1.6 mmol/L Na per 100 mg/dL glucose above
// 100 mg/dL; Hillier TA et al., Am J Med 1999;106:399: 2.4 per 100 mg/dL. The correction starts at
// 100 mg/dL (max(...,0)): below it neither source means a negative correction. Both values are shown
// and the rules say when they disagree. Hyponatraemia < 135 mmol/L (Spasovski G et al., Eur J
// Endocrinol 2014;170:G1); hypernatraemia > 145 mmol/L (Adrogué HJ, Madias NE, N Engl J Med
// 2000;342:1493). The limits compare the corrected values as printed with 1 decimal.
// Range rules come first and read inputs only; glucose 0 (an empty box) is refused.
static constexpr ToolInput inputs[] = {
    // key   label        unit       default
    number_input("na",  L"实测血钠", L"mmol/L", 132.0, START_EMPTY),
    number_input("glu", L"血糖",   L"mmol/L", 25.0, START_EMPTY),
};

static constexpr ToolOutput outputs[] = {
    // key           label                     unit        formula                                  format
    { "glu_mgdl",   L"血糖（换算）",            L"mg/dL",  "glu*18.016",                          "f0" },
    { "na_katz",    L"校正血钠（Katz 1.6）",    L"mmol/L", "na + 1.6*max(glu_mgdl - 100, 0)/100", "f1", VALUE_AS_PRINTED },
    { "na_hillier", L"校正血钠（Hillier 2.4）", L"mmol/L", "na + 2.4*max(glu_mgdl - 100, 0)/100", "f1", VALUE_AS_PRINTED },
};

static constexpr ToolRule rules[] = {
    // condition                              level  text
    { "(na < 100) || (na > 200)",  3, L"请核对血钠：单位mmol/L，有效范围100–200", RULE_INVALID_INPUT },
    { "(glu <= 0) || (glu > 150)", 3, L"请核对血糖：单位mmol/L，有效范围>0–150", RULE_INVALID_INPUT },
    { "na_hillier < 135",          2, L"两式校正血钠均<135：提示合并低渗性低钠血症" },
    { "na_katz < 135",             1, L"仅Katz校正值<135：是否真性低钠因公式而异" },
    { "na_katz > 145",             2, L"两式校正血钠均>145：提示失水（高钠血症）" },
    { "na_hillier > 145",          1, L"仅Hillier校正值>145：可能失水，请结合临床" },
    { "",                          0, L"两式校正血钠均在135–145：在正常范围内" },
};

static constexpr ToolDef tool = {
    .id        = 126,
    .name      = L"高血糖校正血钠",
    .purpose   = L"估计去除高血糖稀释效应后的血钠浓度",
    .category  = L"内分泌科",
    .reference = L"Katz MA. N Engl J Med 1973;289:843-844；Hillier TA, et al. Am J Med 1999;106:399-403",
    .note      = L"血糖以mmol/L输入（mg/dL÷18.016），≤5.55 mmol/L（100 mg/dL）时不作校正。血糖>22.2 mmol/L（400 mg/dL）时"
                 L"Hillier研究提示每100 mg/dL血钠约下降4.0 mmol/L，两式均可能低估。判定界值：低钠<135、高钠>145 mmol/L。"
                 L"两式校正值均<135时低钠不能仅用高血糖解释；两式结论不一致时请结合血浆渗透压判断。",
    .input_count = dimof(inputs),   .inputs = inputs,
    .output_count = dimof(outputs), .outputs = outputs,
    .rule_count = dimof(rules),     .rules = rules,
    .report_kind = 0,
    .search    = "na cna jzxn gxtjzxn",
};
static_assert(tool_check(tool), "the tool definition breaks an invariant; the error above names it");

const ToolDef* tool_get() { return &tool; }

// Tool 122: total serum calcium corrected for albumin (Payne) with hyper- and hypocalcaemia bands.
// Exports tool_get.
#include "base/dimof.h"
#include "engine/tool_check.h"

// Payne RB et al., Br Med J 1973;4:643-646, SI form: corrected Ca = Ca + 0.02 × (40 − albumin g/L),
// linear both ways. Reference interval 2.11–2.52 mmol/L for Chinese adults of 20–79 years, men and
// women alike (WS/T 404.6—2015, clause 4.1, table 1).
// Hypercalcaemia mild below 3.00, moderate 3.00–3.49, severe from 3.50 mmol/L (BMJ Best Practice);
// symptoms of hypocalcaemia typically below about 1.90 mmol/L (Society for Endocrinology emergency
// guidance, Turner J et al., Endocr Connect 2016;5:G7-G8). Bands compare the corrected calcium as
// printed (two decimals). 1 mmol/L calcium = 4.008 mg/dL.
static constexpr ToolInput inputs[] = {
    // key    label          unit       default
    number_input("ca",  L"血清总钙",  L"mmol/L", 2.3, START_EMPTY),
    number_input("alb", L"血清白蛋白", L"g/L",    40.0, START_EMPTY),
};

static constexpr ToolOutput outputs[] = {
    // key        label        unit       formula                  format
    { "ca_corr", L"校正血钙", L"mmol/L", "ca + 0.02*(40 - alb)", "f2", VALUE_AS_PRINTED },
};

static constexpr ToolRule rules[] = {
    // condition                              level  text
    { "(ca < 0.5) || (ca > 5)",  3, L"请核对血钙：单位mmol/L，有效范围0.5–5.0", RULE_INVALID_INPUT },
    { "(alb < 5) || (alb > 70)", 3, L"请核对白蛋白：单位g/L，有效范围5–70", RULE_INVALID_INPUT },
    { "ca_corr >= 3.5",          3, L"校正钙≥3.50 mmol/L：重度高钙血症需紧急处理" },
    { "ca_corr >= 3",            2, L"校正钙3.00–3.49 mmol/L：中度高钙血症" },
    { "ca_corr > 2.52",          1, L"校正钙2.53–2.99 mmol/L：轻度高钙血症" },
    { "ca_corr >= 2.11",         0, L"校正钙2.11–2.52 mmol/L：在参考区间内" },
    { "ca_corr >= 1.9",          1, L"校正钙1.90–2.10 mmol/L：轻度低钙血症" },
    { "",                        3, L"校正钙<1.90 mmol/L：重度低钙血症，紧急评估" },
};

static constexpr ToolDef tool = {
    .id        = 122,
    .name      = L"白蛋白校正血钙",
    .purpose   = L"按Payne公式校正总钙并判断高钙或低钙血症程度",
    .category  = L"内分泌科",
    .reference = L"Payne RB, et al. Br Med J 1973;4:643-6；WS/T 404.6—2015；Turner J, et al. Endocr Connect 2016;5:G7-G8",
    .note      = L"血钙以mmol/L输入（mg/dL÷4.008），白蛋白以g/L输入（g/dL×10）。"
                 L"危重症、严重低白蛋白血症、慢性肾脏病或酸碱紊乱时校正钙可能失准，应直接测定离子钙。"
                 L"重度低钙易致抽搐、喉痉挛、QT延长。参考区间以本实验室为准。",
    .input_count = dimof(inputs),   .inputs = inputs,
    .output_count = dimof(outputs), .outputs = outputs,
    .rule_count = dimof(rules),     .rules = rules,
    .report_kind = 0,
    .search    = "ca cca jzg jzxg bdbjzxg",
};
static_assert(tool_check(tool), "the tool definition breaks an invariant; the error above names it");

const ToolDef* tool_get() { return &tool; }

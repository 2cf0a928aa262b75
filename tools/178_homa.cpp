// Tool 178: insulin resistance and beta-cell function by the homeostasis model (HOMA-IR, HOMA-β).
// Exports tool_get.
#include "base/dimof.h"
#include "engine/tool_check.h"

// Matthews DR et al., Diabetologia 1985;28:412-419: HOMA-IR = FPG (mmol/L) × FINS (μU/ml) / 22.5;
// HOMA-β (%) = 20 × FINS / (FPG − 3.5), divided by max(FPG − 3.5, 0) so that it is not computable at
// FPG ≤ 3.5 mmol/L instead of a negative percentage. Insulin in μU/ml (= mU/L); pmol/L ÷ 6 (some
// laboratories 6.945). There is no universal cut-off: Chinese population studies report 2.6–2.8, so the
// verdict says so and grades nothing.
static constexpr ToolInput inputs[] = {
    number_input("glu", L"空腹血糖",   L"mmol/L", 5.5,  START_EMPTY),
    number_input("ins", L"空腹胰岛素", L"μU/ml",  10.0, START_EMPTY),
};

static constexpr ToolOutput outputs[] = {
    // key        label      unit   formula                      format
    { "homa_ir", L"HOMA-IR", L"",   "glu*ins/22.5",              "f2", VALUE_AS_PRINTED },
    { "homa_b",  L"HOMA-β",  L"%",  "20*ins/max(glu - 3.5, 0)",  "f0", VALUE_AS_PRINTED },
};

static constexpr ToolRule rules[] = {
    // condition                     level  text
    { "(glu < 1) || (glu > 35)",     3, L"请检查空腹血糖：单位mmol/L 有效范围1–35",  RULE_INVALID_INPUT },
    { "(ins < 0.5) || (ins > 300)",  3, L"请检查空腹胰岛素：单位μU/ml 范围0.5–300", RULE_INVALID_INPUT },
    { "",                            0, L"HOMA-IR无统一切点：请结合人群标准解读" },
};

static constexpr ToolDef tool = {
    .id        = 178,
    .name      = L"稳态模型胰岛素抵抗指数（HOMA-IR）",
    .purpose   = L"由空腹血糖与空腹胰岛素计算HOMA-IR及HOMA-β",
    .category  = L"内分泌科",
    .reference = L"Matthews DR, et al. Diabetologia 1985;28:412-419",
    .note      = L"HOMA-IR无统一切点 中国人群研究多在2.6–2.8；仅适用于空腹状态且未使用胰岛素者；"
                 L"胰岛素检测方法差异大 结果不宜跨实验室比较；HOMA-β在空腹血糖≤3.5 mmol/L时不可计算。"
                 L"血糖mg/dL÷18.016=mmol/L 胰岛素pmol/L÷6=μU/ml。",
    .input_count = dimof(inputs),   .inputs = inputs,
    .output_count = dimof(outputs), .outputs = outputs,
    .rule_count = dimof(rules),     .rules = rules,
    .report_kind = 0,
    .search    = "homa homa-ir ir homa-b ydsdk wtmx",
};
static_assert(tool_check(tool), "the tool definition breaks an invariant; the error above names it");

const ToolDef* tool_get() { return &tool; }

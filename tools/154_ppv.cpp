// Tool 154: pulse pressure variation over one respiratory cycle, as a predictor of fluid
// responsiveness. Exports tool_get.
#include "base/dimof.h"
#include "engine/tool_check.h"

// PPV (%) = 100 × (PPmax − PPmin) / [(PPmax + PPmin)/2]; above 13 % predicted fluid responsiveness
// in ventilated septic patients (Michard F et al., Am J Respir Crit Care Med 2000;162:134-138);
// 9–13 % is the grey zone (Cannesson M et al., Anesthesiology 2011;115:231-241). PPV is judged as
// printed: 13.0 % is grey zone, 13.1 % is above. Both pulse pressures are read from the arterial
// waveform in mmHg; an empty box (0) is below the 5 mmHg limit.
static constexpr ToolInput inputs[] = {
    //           key      label       unit     default  start
    number_input("ppmax", L"最大脉压", L"mmHg", 50.0,    START_EMPTY),
    number_input("ppmin", L"最小脉压", L"mmHg", 45.0,    START_EMPTY),
};

static constexpr ToolOutput outputs[] = {
    // key    label               unit  formula                                      format  judged
    { "ppv", L"脉压变异度（PPV）", L"",  "100*(ppmax - ppmin)/((ppmax + ppmin)/2)",   "pct",  VALUE_AS_PRINTED },
};

static constexpr ToolRule rules[] = {
    // condition                          level  text                                              kind
    { "(ppmax < 5) || (ppmax > 200)",     3,     L"请检查最大脉压：单位mmHg（有效范围5–200）",     RULE_INVALID_INPUT },
    { "(ppmin < 5) || (ppmin > 200)",     3,     L"请检查最小脉压：单位mmHg（有效范围5–200）",     RULE_INVALID_INPUT },
    { "ppmin > ppmax",                    3,     L"最小脉压不应大于最大脉压：请核对两项是否填反",      RULE_INVALID_INPUT },
    { "ppv > 13",                         1,     L"PPV>13%：提示存在容量反应性" },
    { "ppv >= 9",                         1,     L"PPV 9%–13%：灰区 需结合被动抬腿试验等判断" },
    { "",                                 0,     L"PPV<9%：容量反应性可能性小" },
};

static constexpr ToolDef tool = {
    .id        = 154,
    .name      = L"脉压变异度（PPV）",
    .purpose   = L"由一个呼吸周期内最大与最小脉压计算脉压变异度以评估容量反应性",
    .category  = L"重症医学科",
    .reference = L"Michard F, et al. Am J Respir Crit Care Med 2000;162:134-138; Cannesson M, et al. Anesthesiology 2011;115:231-241",
    .note      = L"仅适用于完全控制通气（潮气量≥8 ml/kg 无自主呼吸）、窦性心律、闭合胸腔者；心律失常 低潮气量 右心衰 腹内高压时不可靠。"
                 L"本项为呼吸周期内的脉压变异 与“Δ脉压”（脉压−40 mmHg）不同。",
    .input_count = dimof(inputs),   .inputs = inputs,
    .output_count = dimof(outputs), .outputs = outputs,
    .rule_count = dimof(rules),     .rules = rules,
    .report_kind = 0,
    .search    = "ppv mybyd",
};
static_assert(tool_check(tool), "the tool definition breaks an invariant; the error above names it");

const ToolDef* tool_get() { return &tool; }

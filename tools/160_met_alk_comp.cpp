// Tool 160: expected PaCO2 in metabolic alkalosis by the compensation formula of Chinese teaching
// texts. Exports tool_get.
#include "base/dimof.h"
#include "engine/tool_check.h"

// Expected PaCO2 (mmHg) = 40 + 0.9 × (HCO3⁻ − 24) ± 5, with a compensation limit of 55 mmHg (the
// table of 酸碱失衡预计代偿公式 in Chinese teaching texts, 诊断学 / 病理生理学; the textbook edition was
// not viewed). The Western 0.7 × HCO3⁻ + 21 ± 2 differs by up to about 5 mmHg and is not used. The
// upper limit is min(40 + 0.9·ΔHCO3 + 5, 55). Limits are judged as printed (one decimal); a PaCO2
// equal to a limit is within the range. HCO3⁻ ≤ 27 mmol/L (the upper end of 22–27) means no metabolic
// alkalosis and stops at level 1.
static constexpr ToolInput inputs[] = {
    //           key      label        unit       default  start
    number_input("hco3",  L"HCO3⁻",    L"mmol/L", 34.0,    START_EMPTY),
    number_input("paco2", L"实测PaCO2", L"mmHg",  48.0,    START_EMPTY),
};

static constexpr ToolOutput outputs[] = {
    // key         label              unit     formula                          format  judged
    { "exp_pco2", L"预计PaCO2",       L"mmHg", "40 + 0.9*(hco3 - 24)",          "f1",   VALUE_AS_PRINTED },
    { "lo",       L"预计下限",        L"mmHg", "35 + 0.9*(hco3 - 24)",          "f1",   VALUE_AS_PRINTED },
    { "hi",       L"预计上限（≤55）", L"mmHg", "min(45 + 0.9*(hco3 - 24), 55)", "f1",   VALUE_AS_PRINTED },
};

static constexpr ToolRule rules[] = {
    // condition                            level  text                                              kind
    { "(hco3 < 1) || (hco3 > 60)",          3,     L"请检查HCO3⁻：单位mmol/L（有效范围1–60）",       RULE_INVALID_INPUT },
    { "(paco2 < 10) || (paco2 > 150)",      3,     L"请检查PaCO2：mmHg（kPa×7.5）范围10–150",       RULE_INVALID_INPUT },
    { "hco3 <= 27",                         1,     L"HCO3⁻≤27 mmol/L：本公式不适用" },
    { "paco2 > hi",                         2,     L"实测PaCO2高于预计上限：合并呼吸性酸中毒" },
    { "paco2 < lo",                         2,     L"实测PaCO2低于预计下限：合并呼吸性碱中毒" },
    { "",                                   0,     L"实测PaCO2在预计范围内：呼吸代偿适当" },
};

static constexpr ToolDef tool = {
    .id        = 160,
    .name      = L"代谢性碱中毒预计PaCO2",
    .purpose   = L"代谢性碱中毒时按预计代偿公式判断呼吸代偿是否适当",
    .category  = L"重症医学科",
    .reference = L"酸碱失衡预计代偿公式：代谢性碱中毒 PaCO2=40+0.9×(HCO3⁻−24)±5 代偿极限55 mmHg（诊断学）",
    .note      = L"HCO3⁻≤27 mmol/L时无代谢性碱中毒 公式不适用；预计上限不超过代偿极限55 mmHg 实测PaCO2>55 mmHg应考虑合并呼吸性酸中毒。"
                 L"代谢性碱中毒的呼吸代偿个体差异大；低钾 低氯常并存。",
    .input_count = dimof(inputs),   .inputs = inputs,
    .output_count = dimof(outputs), .outputs = outputs,
    .rule_count = dimof(rules),     .rules = rules,
    .report_kind = 0,
    .search    = "paco2 dxxjzd yjpaco2 dcgs sjph",
};
static_assert(tool_check(tool), "the tool definition breaks an invariant; the error above names it");

const ToolDef* tool_get() { return &tool; }

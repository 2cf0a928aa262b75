// Tool 159: expected PaCO2 in metabolic acidosis by Winters' formula. Exports tool_get.
#include "base/dimof.h"
#include "engine/tool_check.h"

// Expected PaCO2 (mmHg) = 1.5 × HCO3⁻ + 8 ± 2 (Albert MS, Dell RB, Winters RW, Ann Intern Med
// 1967;66:312-322; the ± 2 band and the compensation limit of about 10 mmHg as in Chinese blood-gas
// teaching texts). The limits are computed directly (1.5·HCO3 + 6 and + 10) and judged as printed
// (one decimal), so a PaCO2 typed with one decimal compares exactly; a PaCO2 equal to a limit is
// within the range. HCO3⁻ ≥ 22 mmol/L (the lower end of 22–27) means no metabolic acidosis and stops
// at level 1. kPa typed for mmHg (3.5 kPa) falls below the 10 mmHg limit.
static constexpr ToolInput inputs[] = {
    //           key      label        unit       default  start
    number_input("hco3",  L"HCO3⁻",    L"mmol/L", 12.0,    START_EMPTY),
    number_input("paco2", L"实测PaCO2", L"mmHg",  26.0,    START_EMPTY),
};

static constexpr ToolOutput outputs[] = {
    // key         label        unit     formula          format  judged
    { "exp_pco2", L"预计PaCO2", L"mmHg", "1.5*hco3 + 8",  "f1",   VALUE_AS_PRINTED },
    { "lo",       L"预计下限",  L"mmHg", "1.5*hco3 + 6",  "f1",   VALUE_AS_PRINTED },
    { "hi",       L"预计上限",  L"mmHg", "1.5*hco3 + 10", "f1",   VALUE_AS_PRINTED },
};

static constexpr ToolRule rules[] = {
    // condition                            level  text                                              kind
    { "(hco3 < 1) || (hco3 > 60)",          3,     L"请检查HCO3⁻：单位mmol/L（有效范围1–60）",       RULE_INVALID_INPUT },
    { "(paco2 < 10) || (paco2 > 150)",      3,     L"请检查PaCO2：mmHg（kPa×7.5）范围10–150",       RULE_INVALID_INPUT },
    { "hco3 >= 22",                         1,     L"HCO3⁻≥22 mmol/L：Winters公式不适用" },
    { "paco2 > hi",                         2,     L"实测PaCO2高于预计上限：合并呼吸性酸中毒" },
    { "paco2 < lo",                         2,     L"实测PaCO2低于预计下限：合并呼吸性碱中毒" },
    { "",                                   0,     L"实测PaCO2在预计范围内：呼吸代偿适当" },
};

static constexpr ToolDef tool = {
    .id        = 159,
    .name      = L"代谢性酸中毒预计PaCO2（Winters公式）",
    .purpose   = L"代谢性酸中毒时按Winters公式判断呼吸代偿是否适当",
    .category  = L"重症医学科",
    .reference = L"Albert MS, Dell RB, Winters RW. Ann Intern Med 1967;66:312-322",
    .note      = L"HCO3⁻≥22 mmol/L时无代谢性酸中毒 公式不适用；实测PaCO2高于上限提示呼吸代偿不足。"
                 L"代偿需12–24 h完成 急性期判断需谨慎；PaCO2代偿极限约10 mmHg；应先确认原发为代谢性酸中毒。",
    .input_count = dimof(inputs),   .inputs = inputs,
    .output_count = dimof(outputs), .outputs = outputs,
    .rule_count = dimof(rules),     .rules = rules,
    .report_kind = 0,
    .search    = "winters paco2 dxxszd yjpaco2 sjph",
};
static_assert(tool_check(tool), "the tool definition breaks an invariant; the error above names it");

const ToolDef* tool_get() { return &tool; }

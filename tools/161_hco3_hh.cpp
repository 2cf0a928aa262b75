// Tool 161: actual bicarbonate and total CO2 from pH and PaCO2 (Henderson-Hasselbalch), to check a
// blood-gas report for internal consistency. Exports tool_get.
#include "base/dimof.h"
#include "engine/tool_check.h"

// HCO3⁻ = 0.0307 × PaCO2 × 10^(pH − 6.1); TCO2 = HCO3⁻ + 0.0307 × PaCO2 (CO2 solubility 0.0307
// mmol/L per mmHg at 37 °C and pK′ 6.1, the analyser convention of CLSI C46-A2; Chinese textbooks
// write 0.03, which gives 23.9 instead of 24.5 mmol/L at pH 7.40 and 40 mmHg). Reference HCO3⁻ 22–27
// mmol/L (Chinese textbooks). TCO2 adds the dissolved CO2 to the unrounded bicarbonate. HCO3⁻ is
// judged as printed (one decimal): 21.99 prints 22.0 and is inside. Standard bicarbonate needs
// haemoglobin, saturation and the analyser's model and is not offered. [H⁺] typed for pH (40) and
// kPa typed for mmHg (5.3) fall outside the ranges.
static constexpr ToolInput inputs[] = {
    //           key      label     unit     default  start
    number_input("ph",    L"pH",    L"",     7.4,     START_EMPTY),
    number_input("paco2", L"PaCO2", L"mmHg", 40.0,    START_EMPTY),
};

static constexpr ToolOutput outputs[] = {
    // key     label                  unit       formula                                              format  judged
    { "hco3", L"计算HCO3⁻",           L"mmol/L", "0.0307*paco2*pow(10, ph - 6.1)",                    "f1",   VALUE_AS_PRINTED },
    { "tco2", L"二氧化碳总量（TCO2）", L"mmol/L", "0.0307*paco2*pow(10, ph - 6.1) + 0.0307*paco2",     "f1",   VALUE_AS_PRINTED },
};

static constexpr ToolRule rules[] = {
    // condition                            level  text                                              kind
    { "(ph < 6.5) || (ph > 8)",             3,     L"请检查pH：有效范围6.50–8.00（勿输入[H⁺]）",     RULE_INVALID_INPUT },
    { "(paco2 < 10) || (paco2 > 150)",      3,     L"请检查PaCO2：mmHg（kPa×7.5）范围10–150",       RULE_INVALID_INPUT },
    { "hco3 < 22",                          1,     L"计算HCO3⁻<22 mmol/L：低于参考区间" },
    { "hco3 > 27",                          1,     L"计算HCO3⁻>27 mmol/L：高于参考区间" },
    { "",                                   0,     L"计算HCO3⁻在22–27 mmol/L参考区间内" },
};

static constexpr ToolDef tool = {
    .id        = 161,
    .name      = L"碳酸氢盐与二氧化碳总量（Henderson-Hasselbalch）",
    .purpose   = L"由pH与PaCO2计算实际碳酸氢盐及二氧化碳总量 用于核对血气内在一致性",
    .category  = L"重症医学科",
    .reference = L"Henderson-Hasselbalch: HCO3⁻=0.0307×PaCO2×10^(pH−6.1); TCO2=HCO3⁻+0.0307×PaCO2 (CLSI C46-A2)",
    .note      = L"HCO3⁻<22见于代谢性酸中毒或呼吸性碱中毒代偿 >27见于代谢性碱中毒或呼吸性酸中毒代偿。与血气仪报告或生化总CO2相差>2–3 mmol/L时应怀疑标本或录入错误；"
                 L"标准碳酸氢盐（SB）需血红蛋白等参数 本工具不计算。",
    .input_count = dimof(inputs),   .inputs = inputs,
    .output_count = dimof(outputs), .outputs = outputs,
    .rule_count = dimof(rules),     .rules = rules,
    .report_kind = 0,
    .search    = "hco3 tco2 hh henderson-hasselbalch tsqy eyhtzl xqfx",
};
static_assert(tool_check(tool), "the tool definition breaks an invariant; the error above names it");

const ToolDef* tool_get() { return &tool; }

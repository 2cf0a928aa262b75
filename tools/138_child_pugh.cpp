// Tool 138: Child-Pugh class of liver function in cirrhosis. Exports tool_get.
#include "base/dimof.h"
#include "engine/tool_check.h"

// Pugh RN, Murray-Lyon IM, Dawson JL, Pietroni MC, Williams R. Br J Surg 1973;60(8):646-649: bilirubin
// < 34 / 34–51 / > 51 μmol/L (< 2 / 2–3 / > 3 mg/dL × 17.1 = 34.2, 51.3, printed 34 and 51); albumin
// > 35 / 28–35 / < 28 g/L (the 30 g/L variant of some textbooks is not used); INR < 1.7 / 1.7–2.3 /
// > 2.3 (PT prolongation in seconds is not offered); ascites and encephalopathy 1–3 points. These bands
// leave no gaps, so each value is compared as entered. Class A 5–6, B 7–9, C 10–15. No level 0: the
// score applies to cirrhosis. The 3-point ascites option reads "中等量及以上": moderate ascites scores
// 3, not 2.
static constexpr ToolOption ASCITES[] = {
    { L"无",           1 },
    { L"轻度",         2 },
    { L"中等量及以上", 3 },
};
static constexpr ToolOption ENCEPHALOPATHY[] = {
    { L"无",    1 },
    { L"1–2级", 2 },
    { L"3–4级", 3 },
};

static constexpr ToolInput inputs[] = {
    number_input("bili",   L"总胆红素", L"μmol/L", 15,  START_EMPTY),
    number_input("alb",    L"白蛋白",   L"g/L",    40,  START_EMPTY),
    number_input("inr",    L"INR",      nullptr,   1.0, START_EMPTY),
    choice_input("ascites", L"腹水",     ASCITES, 1, START_EMPTY),
    choice_input("he",      L"肝性脑病", ENCEPHALOPATHY, 1, START_EMPTY),
};

static constexpr ToolOutput outputs[] = {
    // key     label              unit   formula                                                                              format  value
    { "score", L"Child-Pugh评分", L"分", "(bili<34?1:(bili<=51?2:3))+(alb>35?1:(alb>=28?2:3))+(inr<1.7?1:(inr<=2.3?2:3))+ascites+he",
                                                                                                                              "f0", VALUE_AS_PRINTED },
};

static constexpr ToolRule rules[] = {
    // condition                        level  text                                                 kind
    { "(bili < 1) || (bili > 1000)",        3, L"请核对总胆红素：单位μmol/L 有效范围1–1000",       RULE_INVALID_INPUT },
    { "(alb < 5) || (alb > 70)",            3, L"请核对白蛋白：单位g/L 有效范围5–70",              RULE_INVALID_INPUT },
    { "(inr < 0.5) || (inr > 15)",          3, L"请核对INR：有效范围0.5–15",                       RULE_INVALID_INPUT },
    { "score <= 6",                         1, L"Child-Pugh A级（5–6分）：肝功能代偿良好" },
    { "score <= 9",                         2, L"Child-Pugh B级（7–9分）：肝功能中度受损" },
    { "",                                   3, L"Child-Pugh C级（10–15分）：肝功能失代偿 预后差" },
};

static constexpr ToolDef tool = {
    .id        = 138,
    .name      = L"Child-Pugh分级",
    .purpose   = L"按胆红素 白蛋白 INR 腹水 肝性脑病评估肝硬化肝功能储备（A/B/C级）",
    .category  = L"消化内科",
    .reference = L"Pugh RN, et al. Br J Surg 1973;60:646-649；肝硬化诊治指南. 中华肝脏病杂志 2019;27(11):846-865",
    .note      = L"用于肝硬化患者肝功能储备评估及手术 用药风险判断。腹水中等量即计3分。"
                 L"原发性胆汁性胆管炎等胆汁淤积性肝病胆红素界值不同（17–68 68–170 >170 μmol/L），本工具未采用。"
                 L"服用华法林者INR不能反映肝功能。腹水和肝性脑病分级有主观性。",
    .input_count = dimof(inputs),   .inputs = inputs,
    .output_count = dimof(outputs), .outputs = outputs,
    .rule_count = dimof(rules),     .rules = rules,
    .report_kind = 0,
    .search    = "child-pugh childpugh ctp cp fj ggn",
};
static_assert(tool_check(tool), "the tool definition breaks an invariant; the error above names it");

const ToolDef* tool_get() { return &tool; }

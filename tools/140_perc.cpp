// Tool 140: PERC, the pulmonary embolism rule-out criteria. Exports tool_get.
#include "base/dimof.h"
#include "engine/tool_check.h"

// Kline JA, Mitchell AM, Kabrhel C, Richman PB, Courtney DM. J Thromb Haemost 2004;2(8):1247-1255:
// eight criteria, each positive at age ≥ 50, heart rate ≥ 100/min, SaO2 < 95 % on room air,
// haemoptysis, exogenous oestrogen, prior DVT or PE, unilateral leg swelling, surgery or trauma
// needing hospitalisation within 4 weeks; values as entered. It applies only when the physician's
// gestalt puts PE below 15 %: the gate check starts unticked, so the first verdict is "not applicable",
// never "ruled out". With all eight negative VTE was < 2 % (Kline JA, et al. J Thromb Haemost
// 2008;6(5):772-780).
static constexpr ToolInput inputs[] = {
    check_input("lowrisk",  L"临床低度可疑", 1),
    number_input("age",     L"年龄",             L"岁",    30, START_EMPTY),
    number_input("hr",      L"心率",             L"次/分", 80, START_EMPTY),
    number_input("spo2",    L"未吸氧血氧饱和度", L"%",     98, START_EMPTY),
    check_input("hemo",     L"咯血",               1),
    check_input("estrogen", L"使用外源性雌激素",   1),
    check_input("prior",    L"既往DVT或PE",        1),
    check_input("leg",      L"单侧下肢肿胀",       1),
    check_input("surgery",  L"4周内手术或创伤住院", 1),
};

static constexpr ToolOutput outputs[] = {
    // key     label        unit   formula                                                                  format  value
    { "count", L"阳性项数", L"项", "(age>=50)+(hr>=100)+(spo2<95)+hemo+estrogen+prior+leg+surgery",        "f0", VALUE_AS_PRINTED },
};

static constexpr ToolRule rules[] = {
    // condition                        level  text                                                        kind
    { "(age < 18) || (age > 120)",          3, L"请核对年龄：单位岁 有效范围18–120",                      RULE_INVALID_INPUT },
    { "(hr < 20) || (hr > 300)",            3, L"请核对心率：单位次/分 有效范围20–300",                   RULE_INVALID_INPUT },
    { "(spo2 < 50) || (spo2 > 100)",        3, L"请核对血氧饱和度：单位% 有效范围50–100",                 RULE_INVALID_INPUT },
    { "lowrisk == 0",                       1, L"PERC不适用：仅用于临床低度可疑者 请按Wells评估" },
    { "count == 0",                         0, L"PERC阴性：可不查D-二聚体 排除肺栓塞（漏诊<2%）" },
    { "",                                   2, L"PERC阳性：不能排除肺栓塞 需查D-二聚体或影像" },
};

static constexpr ToolDef tool = {
    .id        = 140,
    .name      = L"PERC肺栓塞排除标准",
    .purpose   = L"在临床低度可疑肺栓塞者中判断能否不查D-二聚体而排除肺栓塞",
    .category  = L"急诊科",
    .reference = L"Kline JA, et al. J Thromb Haemost 2004;2:1247-1255；Kline JA, et al. J Thromb Haemost 2008;6:772-780",
    .note      = L"仅用于急诊疑诊肺栓塞且医生判断临床可能性低（<15%）的患者，判断后勾选“临床低度可疑”；"
                 L"8项全部阴性才可不查D-二聚体（年龄≥50岁、心率≥100次/分、血氧饱和度<95%计为阳性）。"
                 L"高患病率人群、孕妇和住院患者未经验证。血氧饱和度按未吸氧测得值。",
    .input_count = dimof(inputs),   .inputs = inputs,
    .output_count = dimof(outputs), .outputs = outputs,
    .rule_count = dimof(rules),     .rules = rules,
    .report_kind = 0,
    .search    = "perc pe fss fsspcbz pcbz",
};
static_assert(tool_check(tool), "the tool definition breaks an invariant; the error above names it");

const ToolDef* tool_get() { return &tool; }

// Tool 136: HEART score for chest pain in the emergency department. Exports tool_get.
#include "base/dimof.h"
#include "engine/tool_check.h"

// Six AJ, Backus BE, Kelder JC. Neth Heart J 2008;16(6):191-196: history, ECG, age, risk factors and
// troponin, 0–2 points each. The published age bands overlap ("≤45 / 45–65 / ≥65"); read here as
// < 45 → 0, 45–64 → 1, ≥ 65 → 2 (age 45 scores 1, the reading that never under-scores), age as
// entered. Troponin scores 2 only above 3× the upper limit. Bands and 6-week MACE from the prospective
// validation (Backus BE, et al. Int J Cardiol 2013;168(3):2153-2158): 0–3 1.7 %, 4–6 16.6 %,
// 7–10 50.1 %.
static constexpr ToolOption HISTORY[] = {
    { L"轻度可疑", 0 },
    { L"中度可疑", 1 },
    { L"高度可疑", 2 },
};
static constexpr ToolOption ECG[] = {
    { L"正常",                                0 },
    { L"非特异性复极异常（含LBBB 起搏 LVH）", 1 },
    { L"明显ST段压低",                        2 },
};
static constexpr ToolOption RISK[] = {
    { L"无已知危险因素",             0 },
    { L"1–2项",                      1 },
    { L"≥3项或有动脉粥样硬化病史",   2 },
};
static constexpr ToolOption TROPONIN[] = {
    { L"≤正常上限",       0 },
    { L"正常上限1–3倍",   1 },
    { L"＞3倍正常上限",   2 },
};

static constexpr ToolInput inputs[] = {
    choice_input("hist", L"病史",     HISTORY, 0, START_EMPTY),
    choice_input("ecg",  L"心电图",   ECG, 0, START_EMPTY),
    number_input("age",  L"年龄",     L"岁", 40, START_EMPTY),
    choice_input("risk", L"危险因素", RISK, 0, START_EMPTY),
    choice_input("trop", L"肌钙蛋白", TROPONIN, 0, START_EMPTY),
};

static constexpr ToolOutput outputs[] = {
    // key     label         unit   formula                                                format  value
    { "score", L"HEART评分", L"分", "hist+ecg+(age>=65?2:(age>=45?1:0))+risk+trop",      "f0", VALUE_AS_PRINTED },
};

static constexpr ToolRule rules[] = {
    // condition                     level  text                                                   kind
    { "(age < 18) || (age > 120)",       3, L"请核对年龄：单位岁 有效范围18–120",                 RULE_INVALID_INPUT },
    { "score <= 3",                      0, L"HEART 0–3分：低危（6周MACE约1.7%）" },
    { "score <= 6",                      2, L"HEART 4–6分：中危（6周MACE约16.6%） 需留观评估" },
    { "",                                3, L"HEART 7–10分：高危（6周MACE约50.1%） 需积极干预" },
};

static constexpr ToolDef tool = {
    .id        = 136,
    .name      = L"HEART评分",
    .purpose   = L"评估急诊胸痛患者6周内主要不良心脏事件（MACE）风险",
    .category  = L"急诊科",
    .reference = L"Six AJ, et al. Neth Heart J 2008;16:191-196；Backus BE, et al. Int J Cardiol 2013;168:2153-2158",
    .note      = L"用于急诊疑似急性冠脉综合征的胸痛患者，不用于ST段抬高心肌梗死或血流动力学不稳定者。"
                 L"年龄<45岁0分，45–64岁1分，≥65岁2分。危险因素：高胆固醇血症 高血压 糖尿病 吸烟（现吸或戒烟≤3个月） "
                 L"早发冠心病家族史 肥胖（BMI>30）。肌钙蛋白以本院检测的正常上限（第99百分位）为准，"
                 L"高敏肌钙蛋白需按本院路径复查。低危仍需结合临床判断。",
    .input_count = dimof(inputs),   .inputs = inputs,
    .output_count = dimof(outputs), .outputs = outputs,
    .rule_count = dimof(rules),     .rules = rules,
    .report_kind = 0,
    .search    = "heart mace pf xt xtpf",
};
static_assert(tool_check(tool), "the tool definition breaks an invariant; the error above names it");

const ToolDef* tool_get() { return &tool; }

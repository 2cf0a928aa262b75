// Tool 141: FeverPAIN score for acute sore throat. Exports tool_get.
#include "base/dimof.h"
#include "engine/tool_check.h"

// Little P, Hobbs FDR, Moore M, et al. BMJ 2013;347:f5806 (PRISM trial) and Little P, Moore M,
// Hobbs FDR, et al. BMJ Open 2013;3:e003943 (derivation): fever in the past 24 hours, purulence,
// attending rapidly (within 3 days), severely inflamed tonsils, no cough or coryza, 1 point each.
// Streptococcus isolated at 0–1 13–18 %, 2–3 34–40 %, 4–5 62–65 % (NICE NG84). Age 3 years and over.
// Checks only: no plausibility rule.
static constexpr ToolInput inputs[] = {
    check_input("fever",   L"24小时内发热",       1),
    check_input("pus",     L"扁桃体脓性渗出",     1),
    check_input("rapid",   L"起病3天内就诊",      1),
    check_input("tonsil",  L"扁桃体重度充血肿大", 1),
    check_input("nocough", L"无咳嗽及鼻卡他",     1),
};

static constexpr ToolOutput outputs[] = {
    // key     label             unit   formula                              format  value
    { "score", L"FeverPAIN评分", L"分", "fever+pus+rapid+tonsil+nocough",    "f0", VALUE_AS_PRINTED },
};

static constexpr ToolRule rules[] = {
    // condition       level  text
    { "score <= 1",        0, L"FeverPAIN 0–1分：链球菌可能13–18% 不用抗生素" },
    { "score <= 3",        1, L"FeverPAIN 2–3分：链球菌可能34–40% 可考虑备用处方" },
    { "",                  2, L"FeverPAIN 4–5分：链球菌可能62–65% 可考虑抗生素" },
};

static constexpr ToolDef tool = {
    .id        = 141,
    .name      = L"FeverPAIN评分",
    .purpose   = L"评估急性咽痛患者链球菌感染可能性以指导抗生素使用",
    .category  = L"全科医学科",
    .reference = L"Little P, et al. BMJ 2013;347:f5806；Little P, et al. BMJ Open 2013;3:e003943",
    .note      = L"用于3岁及以上急性咽痛患者。备用处方指症状未缓解或加重时再用抗生素。"
                 L"全身症状重 免疫抑制 扁桃体周围脓肿等并发症或风湿热高危者不依赖本评分。",
    .input_count = dimof(inputs),   .inputs = inputs,
    .output_count = dimof(outputs), .outputs = outputs,
    .rule_count = dimof(rules),     .rules = rules,
    .report_kind = 0,
    .search    = "feverpain fever pain yt pf",
};
static_assert(tool_check(tool), "the tool definition breaks an invariant; the error above names it");

const ToolDef* tool_get() { return &tool; }

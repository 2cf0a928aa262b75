// Tool 149: Centor score with McIsaac's age adjustment for sore throat (group A streptococcus).
// Exports tool_get.
#include "base/dimof.h"
#include "engine/tool_check.h"

// Centor RM et al., Med Decis Making 1981;1:239-246: temperature >38 ℃, absent cough, tender swollen
// anterior cervical nodes, tonsillar swelling or exudate, one point each. McIsaac WJ et al., CMAJ
// 1998;158:75-83 adds age 3–14 +1, 15–44 0, ≥45 −1; probability of GAS (McIsaac WJ et al., CMAJ
// 2000;163:811-815) ≤0 1–2.5 %, 1 5–10 %, 2 11–17 %, 3 28–35 %, ≥4 51–53 %. Age is a number compared as
// entered (14.5 is under 15), so the −1 is never a default; it starts empty and under 3 is outside the
// score, which refuses a 0 typed for a missing age. The total runs from −1 to 5.
static constexpr ToolInput inputs[] = {
    //            key        label                  unit   default  start
    check_input ("fever",   L"体温>38℃",          1),
    check_input ("nocough", L"无咳嗽",            1),
    check_input ("nodes",   L"颈前淋巴结肿大压痛", 1),
    check_input ("tonsil",  L"扁桃体肿大或渗出",  1),
    number_input("age",     L"年龄",              L"岁", 30.0,    START_EMPTY),
};

static constexpr ToolOutput outputs[] = {
    // key      label    unit   formula                                                                 format
    { "score", L"总分", L"分", "fever + nocough + nodes + tonsil + (age < 15 ? 1 : (age < 45 ? 0 : -1))", "f0", VALUE_AS_PRINTED },
};

static constexpr ToolRule rules[] = {
    // condition                     level  text                                                  kind
    { "(age < 3) || (age > 120)",    3, L"请核对年龄：本评分用于3岁及以上 单位岁",                RULE_INVALID_INPUT },
    { "score <= 0",                  0, L"≤0分：链球菌感染约1–2.5% 无需检测及抗生素" },
    { "score == 1",                  0, L"1分：链球菌感染约5–10% 一般无需抗生素" },
    { "score == 2",                  1, L"2分：约11–17% 咽拭子培养或快速抗原检测" },
    { "score == 3",                  1, L"3分：约28–35% 检测阳性者抗生素治疗" },
    { "",                            2, L"≥4分：约51–53% 检测或考虑经验性抗生素" },
};

static constexpr ToolDef tool = {
    .id        = 149,
    .name      = L"改良Centor评分",
    .purpose   = L"以症状体征和年龄估计咽痛患者A组链球菌感染概率",
    .category  = L"全科医学科",
    .reference = L"Centor RM, et al. Med Decis Making 1981;1:239-246；McIsaac WJ, et al. CMAJ 1998;158:75-83",
    .note      = L"用于3岁及以上急性咽痛患者。体温>38℃可为测得或病史。儿童和青少年建议先行快速抗原检测或咽拭子培养再用抗生素。"
                 L"年龄校正后总分可为−1分。有并发症或全身情况差者不依赖本评分。",
    .input_count = dimof(inputs),   .inputs = inputs,
    .output_count = dimof(outputs), .outputs = outputs,
    .rule_count = dimof(rules),     .rules = rules,
    .report_kind = 0,
    .search    = "centor mcisaac glpf yt lqj",
};
static_assert(tool_check(tool), "the tool definition breaks an invariant; the error above names it");

const ToolDef* tool_get() { return &tool; }

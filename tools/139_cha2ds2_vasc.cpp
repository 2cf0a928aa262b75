// Tool 139: CHA2DS2-VASc stroke risk in non-valvular atrial fibrillation, with CHA2DS2-VASc-60 as a
// second output. Exports tool_get.
#include "base/dimof.h"
#include "engine/tool_check.h"

// Lip GY, Nieuwlaat R, Pisters R, Lane DA, Crijns HJ. Chest 2010;137(2):263-272: heart failure 1,
// hypertension 1, age ≥ 75 2, diabetes 1, stroke/TIA/thromboembolism 2, vascular disease 1, age
// 65–74 1, female sex 1; 0–9, age as entered. The verdict judges the points other than sex (score −
// sex), so one rule set reads "men 0 / women 1" alike: 0 low risk, 1 consider oral anticoagulation,
// ≥ 2 recommend it. The 2023 Chinese AF guideline (中华心血管病杂志 2023;51(6):572-618) proposes
// CHA2DS2-VASc-60 for Asian patients with the same sex-specific thresholds (men ≥ 2 / women ≥ 3 OAC;
// men 1 / women 2 consider; men 0 / women 1 none); its age points (60–64 1, ≥ 65 2, other items
// unchanged) are not yet confirmed against the guideline's table, so it is a second output the note
// marks as such, and the verdict stays on the classic score. Sex starts unselected: a forgotten 女
// would under-score by 1.
static constexpr ToolOption SEX[] = {
    { L"男", 0 },
    { L"女", 1 },
};

static constexpr ToolInput inputs[] = {
    check_input("chf",    L"心力衰竭",            1),
    check_input("htn",    L"高血压",              1),
    number_input("age",   L"年龄", L"岁", 50, START_EMPTY),
    check_input("dm",     L"糖尿病",              1),
    check_input("stroke", L"卒中TIA或血栓栓塞史", 2),
    check_input("vasc",   L"血管疾病",            1),
    choice_input("sex",   L"性别", SEX, 0, START_EMPTY),
};

static constexpr ToolOutput outputs[] = {
    // key       label                unit   formula                                                      format  value
    { "score",   L"CHA2DS2-VASc",    L"分", "chf+htn+(age>=75?2:(age>=65?1:0))+dm+stroke+vasc+sex",    "f0", VALUE_AS_PRINTED },
    { "score60", L"CHA2DS2-VASc-60", L"分", "chf+htn+(age>=65?2:(age>=60?1:0))+dm+stroke+vasc+sex",    "f0", VALUE_AS_PRINTED },
};

static constexpr ToolRule rules[] = {
    // condition                     level  text                                            kind
    { "(age < 18) || (age > 120)",       3, L"请核对年龄：单位岁 有效范围18–120",          RULE_INVALID_INPUT },
    { "score - sex == 0",                0, L"低危（男0分/女1分）：一般不需抗凝" },
    { "score - sex == 1",                1, L"男1分/女2分：应考虑口服抗凝 权衡出血风险" },
    { "",                                2, L"男≥2分/女≥3分：推荐口服抗凝治疗" },
};

static constexpr ToolDef tool = {
    .id        = 139,
    .name      = L"CHA2DS2-VASc评分",
    .purpose   = L"评估非瓣膜性房颤患者卒中和血栓栓塞风险以决定是否抗凝",
    .category  = L"心血管内科",
    .reference = L"Lip GY, et al. Chest 2010;137:263-272；心房颤动诊断和治疗中国指南. 中华心血管病杂志 2023;51(6):572-618",
    .note      = L"用于非瓣膜性房颤（不含中重度二尖瓣狭窄和机械瓣）。心力衰竭含LVEF≤40%；血管疾病指心梗、外周动脉病或主动脉斑块。"
                 L"女性仅性别得分时不增加风险。结论按经典CHA2DS2-VASc评分。"
                 L"另显示中国指南（2023）提出的CHA2DS2-VASc-60评分（60–64岁1分 ≥65岁2分）供参考，其年龄计分尚待核对指南原文。"
                 L"抗凝决策需同时评估出血风险（HAS-BLED）。",
    .input_count = dimof(inputs),   .inputs = inputs,
    .output_count = dimof(outputs), .outputs = outputs,
    .rule_count = dimof(rules),     .rules = rules,
    .report_kind = 0,
    .search    = "cha2ds2-vasc cha2ds2vasc chadsvasc chads2 vasc fc xs kn",
};
static_assert(tool_check(tool), "the tool definition breaks an invariant; the error above names it");

const ToolDef* tool_get() { return &tool; }

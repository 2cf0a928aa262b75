// Tool 133: Charlson comorbidity index, unadjusted and age-adjusted. Exports tool_get.
#include "base/dimof.h"
#include "engine/tool_check.h"

// Charlson ME, Pompei P, Ales KL, MacKenzie CR. J Chronic Dis 1987;40(5):373-383: nineteen conditions
// weighted 1, 2, 3 or 6. Leukaemia and lymphoma (2 each) share one choice here, whose "两者均有" keeps
// the sum exact; diabetes, liver disease and solid tumour are one choice each, so only the worst grade
// counts. Age points of the combined age-comorbidity score (Charlson M, Szatrowski TP, Peterson J,
// Gold J. J Clin Epidemiol 1994;47(11):1245-1251): 50–59 1, 60–69 2, 70–79 3, ≥80 4, age as entered.
// The verdict rests on the unadjusted index and the 1987 groups 0 / 1–2 / 3–4 / ≥5, which most
// studies report as "CCI" and which do not count age twice; the age-adjusted index is a second
// output. The one-year mortality of the 1987 groups is deliberately left out of the texts.
static constexpr ToolOption LIVER[] = {
    { L"无",                                 0 },
    { L"轻度（慢性肝炎或无门脉高压肝硬化）", 1 },
    { L"中重度（肝硬化伴门脉高压）",         3 },
};
static constexpr ToolOption DIABETES[] = {
    { L"无或仅饮食控制",     0 },
    { L"有 无终末器官损害", 1 },
    { L"有 伴终末器官损害", 2 },
};
static constexpr ToolOption TUMOUR[] = {
    { L"无",                 0 },
    { L"有 无转移（近5年）", 2 },
    { L"转移性实体瘤",       6 },
};
static constexpr ToolOption HAEMATOLOGICAL[] = {
    { L"无",             0 },
    { L"白血病或淋巴瘤", 2 },
    { L"两者均有",       4 },
};

static constexpr ToolInput inputs[] = {
    number_input("age", L"年龄", L"岁", 40, START_EMPTY),
    check_input("mi",       L"心肌梗死史",     1),
    check_input("chf",      L"充血性心力衰竭", 1),
    check_input("pvd",      L"周围血管疾病",   1),
    check_input("cvd",      L"脑血管疾病",     1),
    check_input("dementia", L"痴呆",           1),
    check_input("copd",     L"慢性肺病",       1),
    check_input("ctd",      L"结缔组织病",     1),
    check_input("pud",      L"消化性溃疡",     1),
    choice_input("liver",   L"肝病",           LIVER, 0, START_EMPTY),
    choice_input("dm",      L"糖尿病",         DIABETES, 0, START_EMPTY),
    check_input("hemi",     L"偏瘫或截瘫",     2),
    check_input("renal",    L"中重度肾病",     2),
    choice_input("tumor",   L"实体肿瘤",       TUMOUR, 0, START_EMPTY),
    choice_input("heme",    L"白血病或淋巴瘤", HAEMATOLOGICAL, 0, START_EMPTY),
    check_input("aids",     L"艾滋病",         6),
};

static constexpr ToolOutput outputs[] = {
    // key    label             unit   formula                                                                    format  value
    { "cci",  L"合并症指数",    L"分", "mi+chf+pvd+cvd+dementia+copd+ctd+pud+liver+dm+hemi+renal+tumor+heme+aids", "f0", VALUE_AS_PRINTED },
    { "acci", L"年龄校正指数",  L"分", "cci+(age>=80?4:(age>=70?3:(age>=60?2:(age>=50?1:0))))",                   "f0", VALUE_AS_PRINTED },
};

static constexpr ToolRule rules[] = {
    // condition                     level  text                                        kind
    { "(age < 18) || (age > 120)",       3, L"请核对年龄：单位岁 有效范围18–120",      RULE_INVALID_INPUT },
    { "cci == 0",                        0, L"CCI 0分：无计分合并症" },
    { "cci <= 2",                        1, L"CCI 1–2分：轻度合并症负担" },
    { "cci <= 4",                        2, L"CCI 3–4分：中度合并症负担" },
    { "",                                3, L"CCI ≥5分：重度合并症负担 远期死亡风险高" },
};

static constexpr ToolDef tool = {
    .id        = 133,
    .name      = L"Charlson合并症指数",
    .purpose   = L"按合并症种类及严重程度加权计分评估合并症负担（同时给出年龄校正值）",
    .category  = L"老年医学科",
    .reference = L"Charlson ME, et al. J Chronic Dis 1987;40:373-383; Charlson M, et al. J Clin Epidemiol 1994;47:1245-1251",
    .note      = L"合并症按既往诊断计分，同一疾病只取最重一档（如糖尿病、肝病、实体瘤）；仅饮食控制的糖尿病记0分。"
                 L"中重度肾病指肌酐>265 μmol/L（3 mg/dL）、透析、肾移植或尿毒症；艾滋病指AIDS，仅HIV感染不计。"
                 L"结论按未校正CCI分组；年龄校正指数（50–59岁加1分，每增10岁再加1分，≥80岁加4分）另行显示，"
                 L"多用于肿瘤及老年手术患者。不反映急性病情严重度。",
    .input_count = dimof(inputs),   .inputs = inputs,
    .output_count = dimof(outputs), .outputs = outputs,
    .rule_count = dimof(rules),     .rules = rules,
    .report_kind = 0,
    .search    = "cci acci charlson hbzzs",
};
static_assert(tool_check(tool), "the tool definition breaks an invariant; the error above names it");

const ToolDef* tool_get() { return &tool; }

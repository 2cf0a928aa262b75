// Tool 146: Wells score for suspected pulmonary embolism, three-tier and two-tier. Exports tool_get.
#include "base/dimof.h"
#include "engine/tool_check.h"

// Wells PS et al., Thromb Haemost 2000;83:416-420: clinical signs of DVT 3, PE the most likely
// diagnosis 3, heart rate >100 1.5, immobilisation ≥3 days or surgery within 4 weeks 1.5, previous
// DVT or PE 1.5, haemoptysis 1, malignancy (treated within 6 months or palliative) 1. Three tiers <2
// low, 2–6 moderate, >6 high; two tiers ≤4 unlikely, >4 likely; every verdict names both. Sums of 3,
// 1.5 and 1 are exact in binary, so the edges 2, 4 and 6 compare exactly; the total prints one decimal.
static constexpr ToolInput inputs[] = {
    //           key         label
    check_input("dvt",      L"DVT症状和体征",       3),
    check_input("pe_first", L"PE为首要诊断",        3),
    check_input("hr",       L"心率>100次/分",       1.5),
    check_input("immob",    L"制动≥3天或4周内手术", 1.5),
    check_input("prev",     L"既往DVT或PE",         1.5),
    check_input("hemo",     L"咯血",                1),
    check_input("cancer",   L"恶性肿瘤",            1),
};

static constexpr ToolOutput outputs[] = {
    // key      label    unit   formula                                               format
    { "score", L"总分", L"分", "dvt + pe_first + hr + immob + prev + hemo + cancer", "f1", VALUE_AS_PRINTED },
};

static constexpr ToolRule rules[] = {
    // condition     level  text
    { "score < 2",   0,     L"Wells <2分：低度可能 PE可能性小（≤4分）" },
    { "score <= 4",  1,     L"Wells 2–4分：中度可能 PE可能性小（≤4分）" },
    { "score <= 6",  2,     L"Wells 4.5–6分：中度可能 PE可能性大（>4分）" },
    { "",            3,     L"Wells >6分：高度可能 PE可能性大 需CTPA" },
};

static constexpr ToolDef tool = {
    .id        = 146,
    .name      = L"Wells肺栓塞评分",
    .purpose   = L"评估疑似肺栓塞患者的临床可能性（三分法与二分法）",
    .category  = L"急诊科",
    .reference = L"Wells PS, et al. Thromb Haemost 2000;83:416-420；肺血栓栓塞症诊治与预防指南. 中华医学杂志 2018;98(14):1060-1087",
    .note      = L"用于疑似急性肺栓塞的验前概率评估。PE为首要诊断指PE可能性大于或等于其他诊断；恶性肿瘤指6个月内治疗或姑息治疗。"
                 L"可能性小（≤4分）者先查D-二聚体，阴性可基本排除；可能性大者直接行CT肺动脉造影。"
                 L"血流动力学不稳定者不依赖本评分。简化Wells（每项1分 ≥2分为可能）为另一版本。",
    .input_count = dimof(inputs),   .inputs = inputs,
    .output_count = dimof(outputs), .outputs = outputs,
    .rule_count = dimof(rules),     .rules = rules,
    .report_kind = 0,
    .search    = "wells pe wells-pe fss fsspf",
};
static_assert(tool_check(tool), "the tool definition breaks an invariant; the error above names it");

const ToolDef* tool_get() { return &tool; }

// Tool 143: Wells score for suspected deep-vein thrombosis of the leg, three-tier and two-tier.
// Exports tool_get.
#include "base/dimof.h"
#include "engine/tool_check.h"

// Wells PS et al., Lancet 1997;350:1795-1798: nine items of one point, "alternative diagnosis at least
// as likely" −2; three tiers ≤0 low, 1–2 moderate, ≥3 high. Wells PS et al., N Engl J Med
// 2003;349:1227-1235 adds "previously documented DVT" (+1) and the two tiers <2 unlikely, ≥2 likely.
// Every verdict names both classes, as wards use either. The total runs from −2 to 9; the −2 item is a
// check that starts unticked, so no default subtracts.
static constexpr ToolInput inputs[] = {
    //           key         label
    check_input("cancer",   L"活动性肿瘤",             1),
    check_input("paresis",  L"下肢瘫痪或近期石膏固定", 1),
    check_input("bedrest",  L"卧床>3天或近期大手术",   1),
    check_input("tender",   L"深静脉走行压痛",         1),
    check_input("legswell", L"全下肢肿胀",             1),
    check_input("calf",     L"小腿周径差>3cm",         1),
    check_input("pitting",  L"患肢凹陷性水肿",         1),
    check_input("collat",   L"浅静脉侧支循环",         1),
    check_input("prevdvt",  L"既往DVT病史",            1),
    check_input("alt",      L"其他诊断可能性≥DVT",     -2),
};

static constexpr ToolOutput outputs[] = {
    // key      label    unit   formula                                                                       format
    { "score", L"总分", L"分", "cancer + paresis + bedrest + tender + legswell + calf + pitting + collat + prevdvt + alt", "f0", VALUE_AS_PRINTED },
};

static constexpr ToolRule rules[] = {
    // condition     level  text
    { "score <= 0",  0,     L"Wells ≤0分：低度可能 DVT可能性小（二分法）" },
    { "score == 1",  1,     L"Wells 1分：中度可能 DVT可能性小（二分法<2）" },
    { "score == 2",  2,     L"Wells 2分：中度可能 DVT可能性大（二分法≥2）" },
    { "",            3,     L"Wells ≥3分：高度可能 DVT可能性大 需超声检查" },
};

static constexpr ToolDef tool = {
    .id        = 143,
    .name      = L"Wells DVT评分",
    .purpose   = L"评估疑似下肢深静脉血栓患者的临床可能性（三分法与二分法）",
    .category  = L"血管外科",
    .reference = L"Wells PS, et al. Lancet 1997;350:1795-1798；Wells PS, et al. N Engl J Med 2003;349:1227-1235",
    .note      = L"用于门急诊疑似下肢DVT患者的验前概率评估，双下肢均有症状时按较重一侧评估。近期大手术指12周内全麻或区域麻醉下的大手术。"
                 L"可能性小者D-二聚体阴性可基本排除，可能性大者应行加压超声。住院 孕妇及既往DVT患者准确性下降。",
    .input_count = dimof(inputs),   .inputs = inputs,
    .output_count = dimof(outputs), .outputs = outputs,
    .rule_count = dimof(rules),     .rules = rules,
    .report_kind = 0,
    .search    = "wells dvt wells-dvt sjmxs xzsjmxs",
};
static_assert(tool_check(tool), "the tool definition breaks an invariant; the error above names it");

const ToolDef* tool_get() { return &tool; }

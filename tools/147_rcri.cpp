// Tool 147: Revised Cardiac Risk Index (Lee) before non-cardiac surgery. Exports tool_get.
#include "base/dimof.h"
#include "engine/tool_check.h"

// Lee TH et al., Circulation 1999;100:1043-1049: one point each for high-risk surgery, ischaemic heart
// disease, heart failure, cerebrovascular disease, preoperative insulin and creatinine >2.0 mg/dL;
// major cardiac complications in the validation cohort 0.4 %, 0.9 %, 7 %, 11 % for 0, 1, 2, ≥3 points
// (classes I–IV). 2.0 mg/dL × 88.4 = 176.8 μmol/L, so 177 μmol/L (2.002 mg/dL) scores and 176 does
// not; creatinine starts empty and its range excludes 0.
static constexpr ToolInput inputs[] = {
    //            key        label                unit       default  start
    check_input ("hrsurg",  L"高危手术",         1),
    check_input ("ihd",     L"缺血性心脏病",     1),
    check_input ("chf",     L"充血性心力衰竭史", 1),
    check_input ("cvd",     L"脑血管病史",       1),
    check_input ("insulin", L"术前胰岛素治疗",   1),
    number_input("scr",     L"术前血肌酐",       L"μmol/L", 80.0,    START_EMPTY),
};

static constexpr ToolOutput outputs[] = {
    // key      label    unit   formula                                                  format
    { "score", L"总分", L"分", "hrsurg + ihd + chf + cvd + insulin + (scr > 176.8)",    "f0", VALUE_AS_PRINTED },
};

static constexpr ToolRule rules[] = {
    // condition                      level  text                                                kind
    { "(scr < 10) || (scr > 3000)",   3, L"请核对血肌酐：单位μmol/L 有效范围10–3000",             RULE_INVALID_INPUT },
    { "score == 0",                   0, L"RCRI 0分（I级）：心脏并发症风险约0.4%" },
    { "score == 1",                   1, L"RCRI 1分（II级）：心脏并发症风险约0.9%" },
    { "score == 2",                   2, L"RCRI 2分（III级）：心脏并发症风险约7%" },
    { "",                             3, L"RCRI ≥3分（IV级）：心脏并发症风险约11%" },
};

static constexpr ToolDef tool = {
    .id        = 147,
    .name      = L"RCRI心脏风险指数",
    .purpose   = L"评估非心脏手术患者围术期主要心脏并发症风险（Lee指数）",
    .category  = L"麻醉科",
    .reference = L"Lee TH, et al. Circulation 1999;100:1043-1049",
    .note      = L"用于择期非心脏大手术患者术前评估。高危手术指腹腔内 胸腔内或腹股沟以上血管手术；脑血管病指卒中或TIA。"
                 L"肌酐>176.8 μmol/L（2.0 mg/dL）计分。原研究为50岁以上择期手术人群，后续研究显示实际风险高于原报道。"
                 L"高风险者需结合心功能 运动耐量及指南决定进一步检查。急诊手术和心脏手术不适用。",
    .input_count = dimof(inputs),   .inputs = inputs,
    .output_count = dimof(outputs), .outputs = outputs,
    .rule_count = dimof(rules),     .rules = rules,
    .report_kind = 0,
    .search    = "rcri lee xzfxzs wsqfxpg",
};
static_assert(tool_check(tool), "the tool definition breaks an invariant; the error above names it");

const ToolDef* tool_get() { return &tool; }

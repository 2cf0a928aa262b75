// Tool 145: Caprini risk assessment of venous thromboembolism in surgical inpatients, with the risk
// bands of the Chinese perioperative guideline. Exports tool_get.
#include "base/dimof.h"
#include "engine/tool_check.h"

// Items and points: Caprini JA, Dis Mon 2005;51:70-78 (the form on Chinese wards): age 41–60 1,
// 61–74 2, ≥75 3; then 36 items of 1, 2, 3 or 5 points that add independently. Bands 0 very low,
// 1–2 low, 3–4 moderate, ≥5 high with VTE risk about <0.5 %, 1.5 %, 3.0 %, 6.0 % (中国普通外科围手术期
// 血栓预防与管理指南, 中华外科杂志 2016;54(5):321-327, after Gould MK et al., Chest
// 2012;141(2 Suppl):e227S-e277S). Age is compared as entered (60.5 scores as 41–60) and starts empty;
// its range excludes 0, so a 0 typed for a missing age is refused.
static constexpr ToolInput inputs[] = {
    //            key              label                       unit    default  start
    number_input("age",           L"年龄",                   L"岁",  30.0,    START_EMPTY),
    // 1 point each
    check_input ("minor_surg",    L"计划小手术",             1),
    check_input ("prior_major",   L"1月内大手术史",          1),
    check_input ("varicose",      L"静脉曲张",               1),
    check_input ("ibd",           L"炎症性肠病史",           1),
    check_input ("leg_edema",     L"目前下肢水肿",           1),
    check_input ("bmi25",         L"肥胖BMI>25",             1),
    check_input ("ami",           L"急性心肌梗死",           1),
    check_input ("chf",           L"1月内充血性心衰",        1),
    check_input ("sepsis",        L"1月内脓毒症",            1),
    check_input ("lung",          L"1月内严重肺病含肺炎",    1),
    check_input ("copd",          L"肺功能异常COPD",         1),
    check_input ("bedrest_med",   L"卧床的内科患者",         1),
    check_input ("ocp",           L"口服避孕药或激素替代",   1),
    check_input ("preg",          L"妊娠或产后1月内",        1),
    check_input ("obst",          L"不良妊娠史",             1),
    // 2 points each
    check_input ("arthroscopic",  L"关节镜手术",             2),
    check_input ("major_open",    L"开放大手术>45分钟",      2),
    check_input ("laparoscopic",  L"腹腔镜手术>45分钟",      2),
    check_input ("malignancy",    L"恶性肿瘤现患或既往",     2),
    check_input ("bed72",         L"卧床>72小时",            2),
    check_input ("cast",          L"1月内石膏固定",          2),
    check_input ("cvc",           L"中心静脉置管",           2),
    // 3 points each
    check_input ("vte_hx",        L"VTE病史",                3),
    check_input ("vte_fam",       L"VTE家族史",              3),
    check_input ("fvl",           L"因子V Leiden阳性",       3),
    check_input ("pt20210",       L"凝血酶原20210A阳性",     3),
    check_input ("la",            L"狼疮抗凝物阳性",         3),
    check_input ("acl",           L"抗心磷脂抗体阳性",       3),
    check_input ("hcy",           L"血同型半胱氨酸升高",     3),
    check_input ("hit",           L"肝素诱导血小板减少",     3),
    check_input ("thrombophilia", L"其他先天或获得性易栓症", 3),
    // 5 points each
    check_input ("stroke",        L"1月内脑卒中",            5),
    check_input ("arthroplasty",  L"择期下肢关节置换",       5),
    check_input ("fracture",      L"1月内髋骨盆或下肢骨折",  5),
    check_input ("trauma",        L"1月内多发性创伤",        5),
    check_input ("sci",           L"1月内急性脊髓损伤瘫痪",  5),
};

static constexpr ToolOutput outputs[] = {
    // key      label    unit   formula                                                             format
    { "score", L"总分", L"分", "(age >= 75 ? 3 : (age >= 61 ? 2 : (age >= 41 ? 1 : 0)))"
                               " + minor_surg + prior_major + varicose + ibd + leg_edema + bmi25 + ami + chf"
                               " + sepsis + lung + copd + bedrest_med + ocp + preg + obst"
                               " + arthroscopic + major_open + laparoscopic + malignancy + bed72 + cast + cvc"
                               " + vte_hx + vte_fam + fvl + pt20210 + la + acl + hcy + hit + thrombophilia"
                               " + stroke + arthroplasty + fracture + trauma + sci",                   "f0", VALUE_AS_PRINTED },
};

static constexpr ToolRule rules[] = {
    // condition                     level  text                                               kind
    { "(age < 18) || (age > 120)",   3, L"请核对年龄：单位岁 有效范围18–120",                   RULE_INVALID_INPUT },
    { "score == 0",                  0, L"Caprini 0分：极低危（VTE约<0.5%） 早期活动" },
    { "score <= 2",                  1, L"Caprini 1–2分：低危（约1.5%） 机械预防" },
    { "score <= 4",                  2, L"Caprini 3–4分：中危（约3.0%） 药物或机械预防" },
    { "",                            3, L"Caprini ≥5分：高危（约6.0%） 药物联合机械预防" },
};

static constexpr ToolDef tool = {
    .id        = 145,
    .name      = L"Caprini血栓风险评估",
    .purpose   = L"评估外科住院患者静脉血栓栓塞（VTE）风险以选择预防措施",
    .category  = L"普通外科",
    .reference = L"Caprini JA. Dis Mon 2005;51:70-78；中国普通外科围手术期血栓预防与管理指南. 中华外科杂志 2016;54(5):321-327",
    .note      = L"用于外科住院患者，入院 术前 术后及病情变化时动态评估。同一次手术只计一次：在计划小手术 关节镜 开放或腹腔镜大手术中选一项，不再计“1月内大手术史”。"
                 L"预防措施须同时评估出血风险，有抗凝禁忌者采用机械预防。部分旧版表格分级为0–1低危 2中危 3–4高危 ≥5极高危，"
                 L"本工具采用2016中国普外科指南分级。",
    .input_count = dimof(inputs),   .inputs = inputs,
    .output_count = dimof(outputs), .outputs = outputs,
    .rule_count = dimof(rules),     .rules = rules,
    .report_kind = 0,
    .search    = "caprini vte xsfxpg jmxssz xs",
};
static_assert(tool_check(tool), "the tool definition breaks an invariant; the error above names it");

const ToolDef* tool_get() { return &tool; }

// Tool 137: SOFA score, six organ systems of 0–4 points. Exports tool_get.
#include "base/dimof.h"
#include "engine/tool_check.h"

// Vincent JL, Moreno R, Takala J, et al. Intensive Care Med 1996;22:707-710, with its SI units:
// respiration PaO2/FiO2 ≥ 400 0, < 400 1, < 300 2, < 200 3 and < 100 4 with respiratory support
// (without support the 3–4 bands score 2); platelets ×10⁹/L < 150 / < 100 / < 50 / < 20 as entered;
// bilirubin μmol/L < 20 / 20–32 / 33–101 / 102–204 / > 204 and creatinine μmol/L < 110 / 110–170 /
// 171–299 / 300–440 / > 440, each rounded half up to a whole number first (the table's precision; its
// bands leave gaps between 32 and 33); urine output < 500 ml/d 3 and < 200 ml/d 4; MAP < 70 mmHg 1 as
// entered; dopamine ≤ 5 or any dobutamine 2, dopamine > 5 or adrenaline/noradrenaline ≤ 0.1 3,
// dopamine > 15 or adrenaline/noradrenaline > 0.1 4 (μg/kg/min for at least an hour; the 1996 table's
// "≤ 5", where some reproductions write "< 5"); GCS 15 / 13–14 / 10–12 / 6–9 / < 6. PaO2/FiO2 is judged
// as printed. Sepsis = infection with an acute rise of 2 or more (Singer M, et al. JAMA 2016;315:801-810),
// which one total cannot show. Verdict bands grouped from the mortality by initial SOFA of Ferreira FL,
// et al. JAMA 2001;286:1754-1758 (0–6 < 10 %, 7–9 15–20 %, 10–12 40–50 %); the grouping is this tool's.
static constexpr ToolOption VASOPRESSOR[] = {
    { L"无",                                           0 },
    { L"多巴胺≤5或任意剂量多巴酚丁胺",               2 },
    { L"多巴胺>5或肾上腺素≤0.1或去甲肾上腺素≤0.1",   3 },
    { L"多巴胺>15或肾上腺素>0.1或去甲肾上腺素>0.1",  4 },
};
static constexpr ToolOption URINE[] = {
    { L"≥500 ml/d或未少尿", 0 },
    { L"200–499 ml/d",      3 },
    { L"<200 ml/d",         4 },
};

static constexpr ToolInput inputs[] = {
    number_input("pao2", L"动脉血氧分压",   L"mmHg",    95,  START_EMPTY),
    number_input("fio2", L"吸入氧浓度FiO2", L"%",       21,  START_EMPTY),
    check_input("resp",  L"机械通气或无创通气", 1),
    number_input("plt",  L"血小板",         L"×10⁹/L",  200, START_EMPTY),
    number_input("bili", L"总胆红素",       L"μmol/L",  10,  START_EMPTY),
    number_input("map",  L"平均动脉压",     L"mmHg",    85,  START_EMPTY),
    choice_input("vaso", L"血管活性药",     VASOPRESSOR, 0, START_EMPTY),
    number_input("gcs",  L"GCS评分",        L"分",      15,  START_EMPTY),
    number_input("scr",  L"血肌酐",         L"μmol/L",  80,  START_EMPTY),
    choice_input("uo",   L"24小时尿量",     URINE, 0, START_EMPTY),
};

// The six systems in table order: respiration, coagulation, liver, cardiovascular, CNS, renal.
#define SOFA_RESP  "(pf>=400?0:(pf>=300?1:(pf>=200?2:(resp==1?(pf>=100?3:4):2))))"
#define SOFA_COAG  "(plt>=150?0:(plt>=100?1:(plt>=50?2:(plt>=20?3:4))))"
#define SOFA_LIVER "(round(bili)<20?0:(round(bili)<=32?1:(round(bili)<=101?2:(round(bili)<=204?3:4))))"
#define SOFA_CV    "max(vaso,map<70?1:0)"
#define SOFA_CNS   "(gcs>=15?0:(gcs>=13?1:(gcs>=10?2:(gcs>=6?3:4))))"
#define SOFA_RENAL "max(round(scr)<110?0:(round(scr)<=170?1:(round(scr)<=299?2:(round(scr)<=440?3:4))),uo)"

static constexpr ToolOutput outputs[] = {
    // key     label        unit    formula                                                                   format  value
    { "pf",    L"氧合指数", L"mmHg", "100*pao2/fio2",                                                         "f0", VALUE_AS_PRINTED },
    { "score", L"SOFA评分", L"分",
      SOFA_RESP "+" SOFA_COAG "+" SOFA_LIVER "+" SOFA_CV "+" SOFA_CNS "+" SOFA_RENAL,                          "f0", VALUE_AS_PRINTED },
};

static constexpr ToolRule rules[] = {
    // condition                                        level  text                                               kind
    { "(pao2 < 20) || (pao2 > 700)",                        3, L"请核对动脉血氧分压：单位mmHg 有效范围20–700",   RULE_INVALID_INPUT },
    { "(fio2 < 21) || (fio2 > 100)",                        3, L"请核对吸入氧浓度FiO2：单位% 有效范围21–100",    RULE_INVALID_INPUT },
    { "(plt < 1) || (plt > 2000)",                          3, L"请核对血小板：单位×10⁹/L 有效范围1–2000",       RULE_INVALID_INPUT },
    { "(bili < 1) || (bili > 1000)",                        3, L"请核对总胆红素：单位μmol/L 有效范围1–1000",     RULE_INVALID_INPUT },
    { "(map < 20) || (map > 250)",                          3, L"请核对平均动脉压：单位mmHg 有效范围20–250",     RULE_INVALID_INPUT },
    { "(gcs < 3) || (gcs > 15) || (gcs != floor(gcs))",     3, L"请核对GCS评分：单位分 有效范围3–15的整数",      RULE_INVALID_INPUT },
    { "(scr < 10) || (scr > 3000)",                         3, L"请核对血肌酐：单位μmol/L 有效范围10–3000",      RULE_INVALID_INPUT },
    { "score <= 1",                                         0, L"SOFA 0–1分：无明显器官功能障碍" },
    { "score <= 6",                                         1, L"SOFA 2–6分：存在器官功能障碍（病死率约<10%）" },
    { "score <= 9",                                         2, L"SOFA 7–9分：中度器官功能障碍（病死率约15–20%）" },
    { "",                                                   3, L"SOFA ≥10分：重度多器官功能障碍（病死率约≥40%）" },
};

static constexpr ToolDef tool = {
    .id        = 137,
    .name      = L"SOFA评分",
    .purpose   = L"按呼吸 凝血 肝 循环 神经 肾六个系统评估器官功能障碍程度",
    .category  = L"重症医学科",
    .reference = L"Vincent JL, et al. Intensive Care Med 1996;22:707-710；Singer M, et al. JAMA 2016;315:801-810",
    .note      = L"每个系统取24小时内最差值。未行机械通气或无创通气时，氧合指数<200仍计2分（3分、4分须有呼吸支持）。"
                 L"血管活性药剂量单位μg/kg/min，持续≥1小时。镇静患者GCS按镇静前估计值。"
                 L"感染患者SOFA较基线急性升高≥2分提示脓毒症，无已知器官功能障碍者基线按0分。"
                 L"未测项目原评分常按0分计，本工具要求填写实测值；以正常值代入时总分为下限。",
    .input_count = dimof(inputs),   .inputs = inputs,
    .output_count = dimof(outputs), .outputs = outputs,
    .rule_count = dimof(rules),     .rules = rules,
    .report_kind = 0,
    .search    = "sofa pf qggnza nds",
};
static_assert(tool_check(tool), "the tool definition breaks an invariant; the error above names it");

const ToolDef* tool_get() { return &tool; }

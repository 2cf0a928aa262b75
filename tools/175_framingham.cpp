// Tool 175: 10-year total cardiovascular risk by the Framingham general cardiovascular equation of 2008
// (coronary disease, stroke, peripheral artery disease and heart failure together). Exports tool_get.
#include "base/dimof.h"
#include "engine/tool_check.h"
#include "tools/sex_options.h"

// D'Agostino RB Sr et al., Circulation 2008;117:743-753: risk = 1 − S0^exp(Σβx − mean), TC and HDL in
// mg/dL (mmol/L × 38.67), logs of age, TC, HDL and SBP. Coefficients (ln age, ln TC, ln HDL, ln SBP
// untreated / treated, smoker, diabetes; S0(10); mean):
//   men   3.06117, 1.12370, −0.93263, 1.93303 / 1.99881, 0.65451, 0.57367; 0.88936; 23.9802
//   women 2.32888, 1.20904, −0.70833, 2.76157 / 2.82263, 0.52873, 0.69154; 0.95012; 26.1931
// (identical in two independent public implementations; the paper's table itself was not seen). Bands
// < 10 / 10–20 / > 20 % are the conventional Framingham categories, judged on the risk as printed. The
// equation overestimates absolute risk in Chinese cohorts; the Chinese 2019 guideline recommends
// China-PAR. Sex chooses the coefficients; with none the risk is not computable. An unticked box means
// "no", so a treated patient whose box is left unticked is underestimated: the label asks explicitly.

static constexpr ToolInput inputs[] = {
    choice_input("sex",      L"性别",         SEX_OPTIONS, 1.0,   START_EMPTY),
    number_input("age",      L"年龄",         L"岁",     55.0,  START_EMPTY),
    number_input("tc",       L"总胆固醇",     L"mmol/L", 5.5,   START_EMPTY),
    number_input("hdl",      L"HDL-C",        L"mmol/L", 1.3,   START_EMPTY),
    number_input("sbp",      L"收缩压",       L"mmHg",   140.0, START_EMPTY),
    check_input("bp_tx",     L"正在服降压药", 1),
    check_input("smoker",    L"吸烟",         1),
    check_input("diabetes",  L"糖尿病",       1),
};

// The treated and untreated SBP coefficients are chosen by bp_tx + 1 (1 unticked, 2 ticked).
static constexpr ToolOutput outputs[] = {
    { "risk", L"10年心血管病总风险", L"",
      "100*(1 - pow(choose(sex, 0.88936, 0.95012), exp(choose(sex, 3.06117, 2.32888)*log(age)"
      " + choose(sex, 1.12370, 1.20904)*log(tc*38.67) + choose(sex, -0.93263, -0.70833)*log(hdl*38.67)"
      " + choose(sex, choose(bp_tx + 1, 1.93303, 1.99881), choose(bp_tx + 1, 2.76157, 2.82263))*log(sbp)"
      " + choose(sex, 0.65451, 0.52873)*smoker + choose(sex, 0.57367, 0.69154)*diabetes"
      " - choose(sex, 23.9802, 26.1931))))",
      "pct", VALUE_AS_PRINTED },
};

static constexpr ToolRule rules[] = {
    // condition                        level  text
    { "(sex != 1) && (sex != 2)",       3, L"请选择性别（男/女）：未选择或代码无效",                       RULE_INVALID_INPUT },
    { "(age < 30) || (age > 74)",       3, L"请检查年龄：本方程适用于30–74岁",                              RULE_INVALID_INPUT },
    { "(tc < 1.5) || (tc > 20)",        3, L"请检查总胆固醇：单位mmol/L 有效范围1.5–20", RULE_INVALID_INPUT },
    { "(hdl < 0.2) || (hdl > 5)",       3, L"请检查HDL-C：单位mmol/L（有效范围0.2–5）",     RULE_INVALID_INPUT },
    { "hdl >= tc",                      3, L"HDL-C不应≥总胆固醇：请核对两项",                               RULE_INVALID_INPUT },
    { "(sbp < 70) || (sbp > 250)",      3, L"请检查收缩压：单位mmHg（有效范围70–250）",                     RULE_INVALID_INPUT },
    { "risk > 20",                      2, L"10年心血管病总风险>20%：高危" },
    { "risk >= 10",                     1, L"10年心血管病总风险10%–20%：中危" },
    { "",                               0, L"10年心血管病总风险<10%：低危" },
};

static constexpr ToolDef tool = {
    .id        = 175,
    .name      = L"10年心血管病总风险（Framingham 2008）",
    .purpose   = L"按Framingham 2008通用方程估算10年总心血管病风险（非单纯冠心病风险）",
    .category  = L"心内科",
    .reference = L"D'Agostino RB Sr, et al. Circulation 2008;117:743-753; 中国心血管病风险评估和管理指南. 中华预防医学杂志 2019;53:13-35",
    .note      = L"本结果为总心血管病风险（冠心病 脑卒中 外周动脉疾病 心力衰竭）而非单纯冠心病风险；"
                 L"Framingham方程在中国人群中会高估绝对风险 《中国心血管病风险评估和管理指南》（2019）推荐中国成人使用China-PAR模型评估；"
                 L"已有ASCVD 糖尿病伴靶器官损害等直接列为高危者无需评估。"
                 L"胆固醇mg/dL÷38.67=mmol/L。",
    .input_count = dimof(inputs),   .inputs = inputs,
    .output_count = dimof(outputs), .outputs = outputs,
    .rule_count = dimof(rules),     .rules = rules,
    .report_kind = 0,
    .search    = "framingham cvd ascvd fxpg xxgb zfx xxgbfx",
};
static_assert(tool_check(tool), "the tool definition breaks an invariant; the error above names it");

const ToolDef* tool_get() { return &tool; }

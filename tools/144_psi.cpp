// Tool 144: Pneumonia Severity Index (PSI/PORT), classes I–V of community-acquired pneumonia in adults.
// Exports tool_get.
#include "base/dimof.h"
#include "engine/tool_check.h"

// Fine MJ et al., N Engl J Med 1997;336:243-250. Points: age in years, women −10, nursing home +10;
// neoplastic disease +30, liver disease +20, heart failure, cerebrovascular and renal disease +10 each;
// altered mental status +20, respiratory rate ≥30 +20, systolic BP <90 +20, temperature <35 or ≥40 ℃
// +15, pulse ≥125 +10; arterial pH <7.35 +30, urea ≥11 mmol/L +20, Na <130 +20, glucose ≥14 mmol/L
// +10, haematocrit <30 % +10, PaO₂ <60 mmHg or SaO₂ <90 % +10, pleural effusion +10. Classes II ≤70,
// III 71–90, IV 91–130, V >130; PORT 30-day mortality I 0.1 %, II 0.6 %, III 0.9 %, IV 9.3 %, V 27.0 %.
// The SI edges are the paper's own (BUN 30 mg/dL × 0.357 = 10.7, glucose 250 mg/dL ÷ 18 = 13.9).
// Class I is the paper's first step (age ≤50, none of the five comorbidities, none of the five
// examination findings) and, deliberately more cautious than the paper, no abnormal test item either:
// a young patient with, say, pH <7.35 is classed by points. This never gives a lower class.
// The sex is an option of points (男 0, 女 −10) that starts unchosen, so the −10 is never a default;
// every number starts empty and its range excludes 0. The gas and effusion items are checks: unticked
// means absent or not measured, which is how the paper counts a missing value.
static constexpr ToolOption SEX[] = { { L"男", 0 }, { L"女", -10 } };

static constexpr ToolInput inputs[] = {
    //            key         label             unit      default  start
    number_input("age",      L"年龄",           L"岁",     40.0,  START_EMPTY),
    choice_input("sex",      L"性别",           SEX,       0.0,   START_EMPTY),
    check_input ("nursing",  L"居住养老机构",   10),
    check_input ("neo",      L"恶性肿瘤",       30),
    check_input ("liver",    L"肝脏疾病",       20),
    check_input ("chf",      L"充血性心力衰竭", 10),
    check_input ("cvd",      L"脑血管疾病",     10),
    check_input ("renal",    L"肾脏疾病",       10),
    check_input ("ams",      L"意识状态改变",   20),
    number_input("rr",       L"呼吸频率",       L"次/分",  16.0,  START_EMPTY),
    number_input("sbp",      L"收缩压",         L"mmHg",   120.0, START_EMPTY),
    number_input("temp",     L"体温",           L"℃",      37.0,  START_EMPTY),
    number_input("hr",       L"心率",           L"次/分",  80.0,  START_EMPTY),
    check_input ("acidosis", L"动脉血pH<7.35",  30),
    number_input("urea",     L"血尿素",         L"mmol/L", 5.0,   START_EMPTY),
    number_input("na",       L"血钠",           L"mmol/L", 140.0, START_EMPTY),
    number_input("glu",      L"血糖",           L"mmol/L", 5.5,   START_EMPTY),
    number_input("hct",      L"红细胞压积",     L"%",      40.0,  START_EMPTY),
    check_input ("hypox",    L"低氧血症",       10),
    check_input ("effusion", L"胸腔积液",       10),
};

// The class reads the total as printed, so a total shown as 70 is never class III.
static constexpr ToolOutput outputs[] = {
    // key       label        unit   formula                                                       format
    { "points", L"总分",     L"分", "age + sex + nursing + neo + liver + chf + cvd + renal + ams"
                                    " + 20*(rr >= 30) + 20*(sbp < 90) + 15*(temp < 35 || temp >= 40) + 10*(hr >= 125)"
                                    " + acidosis + 20*(urea >= 11) + 20*(na < 130) + 10*(glu >= 14) + 10*(hct < 30)"
                                    " + hypox + effusion",                                            "f0", VALUE_AS_PRINTED },
    { "class",  L"风险分级", L"",   "(age <= 50 && neo + liver + chf + cvd + renal == 0 && ams == 0"
                                    " && rr < 30 && sbp >= 90 && temp >= 35 && temp < 40 && hr < 125"
                                    " && acidosis == 0 && urea < 11 && na >= 130 && glu < 14 && hct >= 30"
                                    " && hypox == 0 && effusion == 0)"
                                    " ? 1 : (points <= 70 ? 2 : (points <= 90 ? 3 : (points <= 130 ? 4 : 5)))", "f0", VALUE_AS_PRINTED },
};

static constexpr ToolRule rules[] = {
    // condition                         level  text                                              kind
    { "(age < 18) || (age > 120)",       3, L"请核对年龄：单位岁 有效范围18–120",                  RULE_INVALID_INPUT },
    { "(sex != 0) && (sex != -10)",      3, L"请选择性别",                                         RULE_INVALID_INPUT },
    { "(rr < 1) || (rr > 80)",           3, L"请核对呼吸频率：单位次/分 有效范围1–80",             RULE_INVALID_INPUT },
    { "(sbp < 30) || (sbp > 300)",       3, L"请核对收缩压：单位mmHg 有效范围30–300",              RULE_INVALID_INPUT },
    { "(temp < 25) || (temp > 45)",      3, L"请核对体温：单位℃ 有效范围25–45",                    RULE_INVALID_INPUT },
    { "(hr < 20) || (hr > 300)",         3, L"请核对心率：单位次/分 有效范围20–300",               RULE_INVALID_INPUT },
    { "(urea < 0.5) || (urea > 150)",    3, L"请核对血尿素：单位mmol/L 有效范围0.5–150",           RULE_INVALID_INPUT },
    { "(na < 100) || (na > 200)",        3, L"请核对血钠：单位mmol/L 有效范围100–200",             RULE_INVALID_INPUT },
    { "(glu < 0.5) || (glu > 100)",      3, L"请核对血糖：单位mmol/L 有效范围0.5–100",             RULE_INVALID_INPUT },
    { "(hct < 5) || (hct > 80)",         3, L"请核对红细胞压积：单位% 有效范围5–80",               RULE_INVALID_INPUT },
    { "class == 1",                      0, L"PSI I级：低危（30天病死率约0.1%） 门诊治疗" },
    { "class == 2",                      0, L"PSI II级（≤70分）：低危（约0.6%） 门诊治疗" },
    { "class == 3",                      1, L"PSI III级（71–90分）：约0.9% 门诊或短期留观" },
    { "class == 4",                      2, L"PSI IV级（91–130分）：约9.3% 需住院治疗" },
    { "",                                3, L"PSI V级（>130分）：约27.0% 住院 评估ICU" },
};

static constexpr ToolDef tool = {
    .id        = 144,
    .name      = L"肺炎严重指数（PSI）",
    .purpose   = L"按PSI/PORT规则将社区获得性肺炎分为I–V级以预测30天病死率",
    .category  = L"呼吸内科",
    .reference = L"Fine MJ, et al. N Engl J Med 1997;336:243-250",
    .note      = L"用于成人社区获得性肺炎。女性一律减10分，性别须选择。年龄分权重大，年轻患者可能低估病情；低氧血症本身即提示需住院。"
                 L"低氧血症指PaO2<60 mmHg或SaO2<90%。未测动脉血气时pH和氧分压两项不勾选（原评分按正常计），此时分级可能偏低。"
                 L"血尿素以mmol/L输入（BUN mg/dL×0.357）。本工具I级另要求各项检查均无异常。社会因素和无法口服者需结合判断。",
    .input_count = dimof(inputs),   .inputs = inputs,
    .output_count = dimof(outputs), .outputs = outputs,
    .rule_count = dimof(rules),     .rules = rules,
    .report_kind = 0,
    .search    = "psi port fyyzzs fy sqhdxfy",
};
static_assert(tool_check(tool), "the tool definition breaks an invariant; the error above names it");

const ToolDef* tool_get() { return &tool; }

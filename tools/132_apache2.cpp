// Tool 132: APACHE II (acute physiology score, age points, chronic health points). Exports tool_get.
#include "base/dimof.h"
#include "engine/tool_check.h"

// Knaus WA, Draper EA, Wagner DP, Zimmerman JE. Crit Care Med 1985;13(10):818-829: twelve physiology
// variables (the worst value of the first 24 hours in the ICU), age points ≤44 0 / 45–54 2 / 55–64 3 /
// 65–74 5 / ≥75 6, chronic health 2 (elective post-operative) or 5 (emergency post-operative or
// non-operative), GCS points 15 − GCS, creatinine points doubled in acute renal failure; range 0–71.
// The table's bands leave gaps at its own precision (38.5–38.9 / 39–40.9), so each value is first
// rounded half up to the table's precision (temperature, K, Hct, WBC 0.1 → round(x*10) against
// ten times the edge; pH 0.01 → round(ph*100); MAP, HR, RR, Na, PaO2, creatinine whole numbers) and
// the bands then tile the line. Creatinine in μmol/L against the edges the Chinese ICU tables print:
// the source's mg/dL edges 3.5, 2.0, 1.5, 0.6 × 88.4 = 309.4, 176.8, 132.6, 53.0, rounded. A-aDO2 =
// FiO2 × 713 − PaCO2/0.8 − PaO2 (713 = 760 − 47 mmHg, respiratory quotient 0.8, sea level), judged
// as printed; it scores only at FiO2 ≥ 50 %, below that PaO2 does. Serum HCO3⁻ instead of pH is not
// offered. Every measured value starts empty: the source scores an unmeasured value as normal, the
// tool asks for it (the note says what a normal value stands for). The four verdict bands group the
// source's non-operative mortality by 5-point steps (0–4 ≈4 %, 5–9 ≈8 %, 10–14 ≈15 %, 15–19 ≈25 %,
// 20–24 ≈40 %, 25–29 ≈55 %, 30–34 ≈75 %, ≥35 ≈85 %); the grouping is this tool's, not the source's.
static constexpr ToolOption CHRONIC[] = {
    { L"无严重器官功能不全或免疫抑制", 0 },
    { L"有 且为择期手术后",             2 },
    { L"有 且为急诊手术后或非手术",     5 },
};

static constexpr ToolInput inputs[] = {
    number_input("temp",  L"体温",               L"℃",       37.0, START_EMPTY),
    number_input("map",   L"平均动脉压",         L"mmHg",     90,   START_EMPTY),
    number_input("hr",    L"心率",               L"次/分",    80,   START_EMPTY),
    number_input("rr",    L"呼吸频率",           L"次/分",    16,   START_EMPTY),
    number_input("fio2",  L"吸入氧浓度FiO2",     L"%",        21,   START_EMPTY),
    number_input("pao2",  L"动脉血氧分压",       L"mmHg",     90,   START_EMPTY),
    number_input("paco2", L"动脉血二氧化碳分压", L"mmHg",     40,   START_EMPTY),
    number_input("ph",    L"动脉血pH",           nullptr,     7.40, START_EMPTY),
    number_input("na",    L"血钠",               L"mmol/L",   140,  START_EMPTY),
    number_input("k",     L"血钾",               L"mmol/L",   4.0,  START_EMPTY),
    number_input("scr",   L"血肌酐",             L"μmol/L",   80,   START_EMPTY),
    check_input("arf",    L"急性肾衰竭", 1),
    number_input("hct",   L"红细胞压积",         L"%",        40,   START_EMPTY),
    number_input("wbc",   L"白细胞计数",         L"×10⁹/L",   7.0,  START_EMPTY),
    number_input("gcs",   L"GCS评分",            L"分",       15,   START_EMPTY),
    number_input("age",   L"年龄",               L"岁",       40,   START_EMPTY),
    choice_input("chronic", L"慢性健康状况", CHRONIC, 0, START_EMPTY),
};

// The acute physiology score: the twelve variables' points in table order (temperature, MAP, HR, RR,
// oxygenation, pH, Na, K, creatinine × 2 in acute renal failure, Hct, WBC, 15 − GCS).
#define APS_TEMP  "(round(temp*10)>=410?4:(round(temp*10)>=390?3:(round(temp*10)>=385?1:(round(temp*10)>=360?0:" \
                  "(round(temp*10)>=340?1:(round(temp*10)>=320?2:(round(temp*10)>=300?3:4)))))))"
#define APS_MAP   "(round(map)>=160?4:(round(map)>=130?3:(round(map)>=110?2:(round(map)>=70?0:(round(map)>=50?2:4)))))"
#define APS_HR    "(round(hr)>=180?4:(round(hr)>=140?3:(round(hr)>=110?2:(round(hr)>=70?0:" \
                  "(round(hr)>=55?2:(round(hr)>=40?3:4))))))"
#define APS_RR    "(round(rr)>=50?4:(round(rr)>=35?3:(round(rr)>=25?1:(round(rr)>=12?0:" \
                  "(round(rr)>=10?1:(round(rr)>=6?2:4))))))"
#define APS_OXY   "(fio2>=50?(aado2>=500?4:(aado2>=350?3:(aado2>=200?2:0)))" \
                  ":(round(pao2)>70?0:(round(pao2)>=61?1:(round(pao2)>=55?3:4))))"
#define APS_PH    "(round(ph*100)>=770?4:(round(ph*100)>=760?3:(round(ph*100)>=750?1:(round(ph*100)>=733?0:" \
                  "(round(ph*100)>=725?2:(round(ph*100)>=715?3:4))))))"
#define APS_NA    "(round(na)>=180?4:(round(na)>=160?3:(round(na)>=155?2:(round(na)>=150?1:(round(na)>=130?0:" \
                  "(round(na)>=120?2:(round(na)>=111?3:4)))))))"
#define APS_K     "(round(k*10)>=70?4:(round(k*10)>=60?3:(round(k*10)>=55?1:(round(k*10)>=35?0:" \
                  "(round(k*10)>=30?1:(round(k*10)>=25?2:4))))))"
#define APS_CR    "(round(scr)>=309?4:(round(scr)>=177?3:(round(scr)>=133?2:(round(scr)>=53?0:2))))*(arf==1?2:1)"
#define APS_HCT   "(round(hct*10)>=600?4:(round(hct*10)>=500?2:(round(hct*10)>=460?1:(round(hct*10)>=300?0:" \
                  "(round(hct*10)>=200?2:4)))))"
#define APS_WBC   "(round(wbc*10)>=400?4:(round(wbc*10)>=200?2:(round(wbc*10)>=150?1:(round(wbc*10)>=30?0:" \
                  "(round(wbc*10)>=10?2:4)))))"

static constexpr ToolOutput outputs[] = {
    // key     label                 unit     formula                                              format  value
    { "aado2", L"肺泡-动脉氧分压差", L"mmHg", "fio2/100*713-paco2/0.8-pao2",                        "f0", VALUE_AS_PRINTED },
    { "aps",   L"急性生理评分",      L"分",
      APS_TEMP "+" APS_MAP "+" APS_HR "+" APS_RR "+" APS_OXY "+" APS_PH "+" APS_NA "+" APS_K "+" APS_CR "+"
      APS_HCT "+" APS_WBC "+(15-gcs)",                                                                  "f0", VALUE_AS_PRINTED },
    { "total", L"APACHE II总分",     L"分",
      "aps+(age>=75?6:(age>=65?5:(age>=55?3:(age>=45?2:0))))+chronic",                                  "f0", VALUE_AS_PRINTED },
};

static constexpr ToolRule rules[] = {
    // condition                                            level  text                                                   kind
    { "(temp < 25) || (temp > 45)",                             3, L"请核对体温：单位℃ 有效范围25–45",                  RULE_INVALID_INPUT },
    { "(map < 20) || (map > 250)",                              3, L"请核对平均动脉压：单位mmHg 有效范围20–250",        RULE_INVALID_INPUT },
    { "(hr < 20) || (hr > 300)",                                3, L"请核对心率：单位次/分 有效范围20–300",             RULE_INVALID_INPUT },
    { "(rr < 1) || (rr > 80)",                                  3, L"请核对呼吸频率：单位次/分 有效范围1–80",           RULE_INVALID_INPUT },
    { "(fio2 < 21) || (fio2 > 100)",                            3, L"请核对吸入氧浓度FiO2：单位% 有效范围21–100",       RULE_INVALID_INPUT },
    { "(pao2 < 20) || (pao2 > 700)",                            3, L"请核对动脉血氧分压：单位mmHg 有效范围20–700",      RULE_INVALID_INPUT },
    { "(paco2 < 5) || (paco2 > 200)",                           3, L"请核对动脉血二氧化碳分压：单位mmHg 有效范围5–200", RULE_INVALID_INPUT },
    { "(ph < 6.5) || (ph > 8)",                                 3, L"请核对动脉血pH：有效范围6.50–8.00",                RULE_INVALID_INPUT },
    { "(na < 100) || (na > 200)",                               3, L"请核对血钠：单位mmol/L 有效范围100–200",           RULE_INVALID_INPUT },
    { "(k < 1) || (k > 10)",                                    3, L"请核对血钾：单位mmol/L 有效范围1.0–10.0",          RULE_INVALID_INPUT },
    { "(scr < 10) || (scr > 3000)",                             3, L"请核对血肌酐：单位μmol/L 有效范围10–3000",         RULE_INVALID_INPUT },
    { "(hct < 5) || (hct > 80)",                                3, L"请核对红细胞压积：单位% 有效范围5–80",             RULE_INVALID_INPUT },
    { "(wbc < 0.01) || (wbc > 300)",                            3, L"请核对白细胞计数：单位×10⁹/L 有效范围0.01–300",    RULE_INVALID_INPUT },
    { "(gcs < 3) || (gcs > 15) || (gcs != floor(gcs))",         3, L"请核对GCS评分：单位分 有效范围3–15的整数",         RULE_INVALID_INPUT },
    { "(age < 16) || (age > 120)",                              3, L"请核对年龄：单位岁 有效范围16–120",                RULE_INVALID_INPUT },
    { "total <= 9",                                             0, L"APACHE II 0–9分：病情相对较轻（预计病死率约≤8%）" },
    { "total <= 19",                                            1, L"APACHE II 10–19分：中度（预计病死率约15–25%）" },
    { "total <= 29",                                            2, L"APACHE II 20–29分：重度（预计病死率约40–55%）" },
    { "",                                                       3, L"APACHE II ≥30分：极重度（预计病死率约75–85%）" },
};

static constexpr ToolDef tool = {
    .id        = 132,
    .name      = L"APACHE II评分",
    .purpose   = L"以入ICU 24小时内最差生理值、年龄和慢性健康状况评估病情严重程度",
    .category  = L"重症医学科",
    .reference = L"Knaus WA, et al. APACHE II: a severity of disease classification system. Crit Care Med 1985;13:818-829",
    .note      = L"用于16岁及以上ICU患者，取入ICU后24小时内各项最差值（分值最高者）。A-aDO2按海平面计算，高原地区偏高。"
                 L"未测项目原评分按正常计，本工具要求填写实测值；若以正常值代入，总分为下限。"
                 L"不适用于烧伤和冠脉搭桥术后，病死率需结合诊断类别。",
    .input_count = dimof(inputs),   .inputs = inputs,
    .output_count = dimof(outputs), .outputs = outputs,
    .rule_count = dimof(rules),     .rules = rules,
    .report_kind = 0,
    .search    = "apache apache2 apacheii pf zzyx",
};
static_assert(tool_check(tool), "the tool definition breaks an invariant; the error above names it");

const ToolDef* tool_get() { return &tool; }

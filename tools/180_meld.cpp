// Tool 180: the model for end-stage liver disease: MELD and MELD-Na by the OPTN/UNOS rules of 2016
// (graded) and MELD 3.0 (shown beside them). Exports tool_get.
#include "base/dimof.h"
#include "engine/tool_check.h"
#include "tools/sex_options.h"

// OPTN/UNOS policy 9.1.D (2016): MELD(i) = 0.957 ln Cr + 0.378 ln bilirubin + 1.120 ln INR + 0.643, to
// the tenth then × 10; each value below 1.0 taken as 1.0; Cr capped at 4.0 mg/dL and taken as 4.0 after
// ≥ 2 dialyses or 24 h of CVVHD in the past week; above 11, MELD-Na = MELD(i) + 1.32 (137 − Na) − 0.033
// MELD(i) (137 − Na) with Na bounded to 125–137; at most 40 (Kim WR et al., N Engl J Med 2008;359:
// 1018-1026). MELD 3.0 (Kim WR et al., Gastroenterology 2021;161:1887-1895) = 1.33 female + 4.56 ln bili
// + 0.82 (137 − Na) − 0.24 (137 − Na) ln bili + 9.09 ln INR + 11.14 ln Cr + 1.85 (3.5 − Alb) − 1.83
// (3.5 − Alb) ln Cr + 6, Cr at most 3.0 (3.0 on dialysis), Alb 1.5–3.5 g/dL, rounded, 6–40; adult form.
// Units: Cr μmol/L ÷ 88.4, bilirubin μmol/L ÷ 17.1, albumin g/L ÷ 10. The dialysis box sets Cr to the
// cap through max(…, cap × dialysis). Mortality bands of Wiesner R et al., Gastroenterology
// 2003;124:91-96, judged on MELD-Na as printed. With no sex chosen MELD 3.0 is not computable.

static constexpr ToolInput inputs[] = {
    number_input("scr",  L"血肌酐",   L"μmol/L", 90.0,  START_EMPTY),
    number_input("tbil", L"总胆红素", L"μmol/L", 34.2,  START_EMPTY),
    number_input("inr",  L"INR",      L"",       1.5,   START_EMPTY),
    number_input("na",   L"血钠",     L"mmol/L", 135.0, START_EMPTY),
    number_input("alb",  L"白蛋白",   L"g/L",    30.0,  START_EMPTY),
    choice_input("sex",  L"性别",     SEX_OPTIONS, 1.0,   START_EMPTY),
    check_input("dialysis", L"透析≥2次/周或CVVHD≥24h", 1),
};

static constexpr ToolOutput outputs[] = {
    { "meld_i", L"MELD（2016 UNOS）", L"",
      "min(round(10*(0.957*log(max(min(max(scr/88.4, 1), 4), 4*dialysis)) + 0.378*log(max(tbil/17.1, 1))"
      " + 1.120*log(max(inr, 1)) + 0.643)), 40)",
      "f0", VALUE_AS_PRINTED },
    { "meld_na", L"MELD-Na", L"",
      "min(meld_i > 11 ? meld_i + 1.32*(137 - min(max(na, 125), 137)) - 0.033*meld_i*(137 - min(max(na, 125), 137))"
      " : meld_i, 40)",
      "f0", VALUE_AS_PRINTED },
    { "meld3", L"MELD 3.0", L"",
      "max(min(choose(sex, 0, 1.33) + 4.56*log(max(tbil/17.1, 1)) + 0.82*(137 - min(max(na, 125), 137))"
      " - 0.24*(137 - min(max(na, 125), 137))*log(max(tbil/17.1, 1)) + 9.09*log(max(inr, 1))"
      " + 11.14*log(max(min(max(scr/88.4, 1), 3), 3*dialysis)) + 1.85*(3.5 - min(max(alb/10, 1.5), 3.5))"
      " - 1.83*(3.5 - min(max(alb/10, 1.5), 3.5))*log(max(min(max(scr/88.4, 1), 3), 3*dialysis)) + 6, 40), 6)",
      "f0", VALUE_AS_PRINTED },
};

static constexpr ToolRule rules[] = {
    // condition                         level  text
    { "(scr < 10) || (scr > 3000)",      3, L"请检查血肌酐：单位μmol/L 有效范围10–3000",   RULE_INVALID_INPUT },
    { "(tbil < 1) || (tbil > 1500)",     3, L"请检查总胆红素：单位μmol/L 有效范围1–1500", RULE_INVALID_INPUT },
    { "(inr < 0.5) || (inr > 15)",       3, L"请检查INR：有效范围0.5–15（勿输入PT秒数）",                  RULE_INVALID_INPUT },
    { "(na < 100) || (na > 200)",        3, L"请检查血钠：单位mmol/L（有效范围100–200）",                    RULE_INVALID_INPUT },
    { "(alb < 5) || (alb > 70)",         3, L"请检查白蛋白：单位g/L（有效范围5–70）",             RULE_INVALID_INPUT },
    { "(sex != 1) && (sex != 2)",        3, L"请选择性别（男/女）：未选择或代码无效",                        RULE_INVALID_INPUT },
    { "meld_na >= 40",                   3, L"MELD-Na≥40：3个月死亡率约71%" },
    { "meld_na >= 30",                   3, L"MELD-Na 30–39：3个月死亡率约53%" },
    { "meld_na >= 20",                   2, L"MELD-Na 20–29：3个月死亡率约20%" },
    { "meld_na >= 10",                   1, L"MELD-Na 10–19：3个月死亡率约6%" },
    { "",                                0, L"MELD-Na<10：3个月死亡率约2%" },
};

static constexpr ToolDef tool = {
    .id        = 180,
    .name      = L"终末期肝病模型（MELD MELD-Na与MELD 3.0）",
    .purpose   = L"按UNOS/OPTN规则计算MELD MELD-Na（2016）与MELD 3.0（2021）",
    .category  = L"消化内科",
    .reference = L"OPTN Policy 9.1.D (2016); Kim WR, et al. Gastroenterology 2021;161:1887-1895; Wiesner R, et al. Gastroenterology 2003",
    .note      = L"透析指近1周内透析≥2次或CVVHD≥24 h（肌酐按上限计）；适用于≥12岁（MELD 3.0此处按≥18岁成人式）；死亡率分档源自MELD研究人群 仅供参考；肝移植分配以国家分配系统规则为准。"
                 L"肌酐mg/dL×88.4 胆红素mg/dL×17.1=μmol/L 白蛋白g/dL×10=g/L。",
    .input_count = dimof(inputs),   .inputs = inputs,
    .output_count = dimof(outputs), .outputs = outputs,
    .rule_count = dimof(rules),     .rules = rules,
    .report_kind = 0,
    .search    = "meld meld-na meld3 zmqgbmx gyh gzh",
};
static_assert(tool_check(tool), "the tool definition breaks an invariant; the error above names it");

const ToolDef* tool_get() { return &tool; }

// Tool 134: HAS-BLED bleeding risk under oral anticoagulation in atrial fibrillation. Exports tool_get.
#include "base/dimof.h"
#include "engine/tool_check.h"

// Pisters R, Lane DA, Nieuwlaat R, de Vos CB, Crijns HJ, Lip GY. Chest 2010;138(5):1093-1100: nine
// items of 1 point each. Definitions, carried into the note: uncontrolled hypertension = systolic
// > 160 mmHg; abnormal renal function = dialysis, transplant or creatinine ≥ 200 μmol/L (one
// reproduction writes "> 200"; the sign is not confirmed against the paper); abnormal liver function
// = cirrhosis, or bilirubin > 2× ULN with AST/ALT/ALP > 3× ULN; labile INR = time in range < 60 %;
// elderly = age > 65, strictly (65 scores 0, as entered: 65.5 scores 1); drugs = antiplatelet agents
// or NSAIDs; alcohol ≥ 8 drinks a week. ≥ 3 = high risk (also the 2023 Chinese AF guideline, which
// says high risk asks for correcting modifiable factors, not for withholding anticoagulation). The
// verdicts quote no event rate: the published rates (1.13 per 100 patient-years at 0, 1.02 at 1)
// do not rise between 0 and 1 point.
static constexpr ToolInput inputs[] = {
    check_input("htn",     L"未控制高血压",     1),
    check_input("renal",   L"肾功能异常",       1),
    check_input("liver",   L"肝功能异常",       1),
    check_input("stroke",  L"卒中史",           1),
    check_input("bleed",   L"出血史或出血倾向", 1),
    check_input("inr",     L"INR不稳定",        1),
    number_input("age",    L"年龄", L"岁", 50, START_EMPTY),
    check_input("drugs",   L"抗血小板药或NSAIDs", 1),
    check_input("alcohol", L"饮酒≥8单位/周",    1),
};

static constexpr ToolOutput outputs[] = {
    // key     label          unit   formula                                                                format  value
    { "score", L"HAS-BLED评分", L"分", "htn+renal+liver+stroke+bleed+inr+(age>65?1:0)+drugs+alcohol",      "f0", VALUE_AS_PRINTED },
};

static constexpr ToolRule rules[] = {
    // condition                     level  text                                                    kind
    { "(age < 18) || (age > 120)",       3, L"请核对年龄：单位岁 有效范围18–120",                  RULE_INVALID_INPUT },
    { "score == 0",                      0, L"HAS-BLED 0分：出血低风险" },
    { "score <= 2",                      1, L"HAS-BLED 1–2分：出血中等风险" },
    { "",                                2, L"HAS-BLED ≥3分：出血高风险 需纠正可逆因素并密切随访" },
};

static constexpr ToolDef tool = {
    .id        = 134,
    .name      = L"HAS-BLED出血风险评分",
    .purpose   = L"评估房颤患者口服抗凝治疗中1年大出血风险并提示可纠正因素",
    .category  = L"心血管内科",
    .reference = L"Pisters R, et al. Chest 2010;138:1093-1100；心房颤动诊断和治疗中国指南. 中华心血管病杂志 2023;51(6):572-618",
    .note      = L"用于评估房颤患者抗凝相关大出血风险。年龄按>65岁计1分（65岁记0分）。未控制高血压指收缩压>160 mmHg；"
                 L"肾功能异常指透析、肾移植或肌酐≥200 μmol/L；肝功能异常指肝硬化，或胆红素>2倍正常上限且AST/ALT/ALP>3倍正常上限；"
                 L"INR不稳定指TTR<60%。高分提示需纠正可逆因素（控制血压 停用不必要的抗血小板药或NSAIDs 戒酒 改善INR控制），"
                 L"并加强随访，本身不是停用或不用抗凝的理由。未使用华法林者INR不稳定项记0分。",
    .input_count = dimof(inputs),   .inputs = inputs,
    .output_count = dimof(outputs), .outputs = outputs,
    .rule_count = dimof(rules),     .rules = rules,
    .report_kind = 0,
    .search    = "has-bled hasbled cxfx cxfxpf fc",
};
static_assert(tool_check(tool), "the tool definition breaks an invariant; the error above names it");

const ToolDef* tool_get() { return &tool; }

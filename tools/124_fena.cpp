// Tool 124: fractional excretion of sodium (FENa). Exports tool_get.
#include "base/dimof.h"
#include "engine/tool_check.h"

// FENa (%) = (UNa × Scr) / (PNa × Ucr) × 100; both creatinines in μmol/L, so the ratio has no unit.
// Bands: < 1 % prerenal (Espinel CH, JAMA 1976;236:579; Miller TR et al., Ann Intern Med 1978;89:47);
// > 2 % intrinsic, as in the "FeNa < 1.0 % prerenal, > 2.0 % renal" table of J Intensive Care 2017
// (doi:10.1186/s40560-017-0251-y). Espinel used > 3 %; 1–2 % is reported as indeterminate.
// The bands compare the value as printed with 2 decimals (0.9998 prints 1.00 and is indeterminate).
// Range rules come first and read inputs only. Urine Na must be above 0: an empty box reads 0 and
// would give 0 % ("prerenal"); a result below the detection limit ("<x") is typed as x, which makes
// FENa an upper bound. Urine creatinine not above serum creatinine is a unit slip.
static constexpr ToolInput inputs[] = {
    // key    label      unit       default
    number_input("una", L"尿钠",  L"mmol/L", 20.0, START_EMPTY),
    number_input("pna", L"血钠",  L"mmol/L", 140.0, START_EMPTY),
    number_input("ucr", L"尿肌酐", L"μmol/L", 8000.0, START_EMPTY),
    number_input("scr", L"血肌酐", L"μmol/L", 150.0, START_EMPTY),
};

static constexpr ToolOutput outputs[] = {
    // key     label          unit  formula                      format
    { "fena", L"钠排泄分数", L"%", "una*scr/(pna*ucr)*100", "f2", VALUE_AS_PRINTED },
};

static constexpr ToolRule rules[] = {
    // condition                             level  text
    { "(pna < 100) || (pna > 200)",     3, L"请核对血钠：单位mmol/L，有效范围100–200", RULE_INVALID_INPUT },
    { "(una <= 0) || (una > 500)",      3, L"请核对尿钠：单位mmol/L，有效范围>0–500", RULE_INVALID_INPUT },
    { "(scr < 10) || (scr > 3000)",     3, L"请核对血肌酐：单位μmol/L，有效范围10–3000", RULE_INVALID_INPUT },
    { "(ucr <= scr) || (ucr > 100000)", 3, L"请核对尿肌酐：单位μmol/L，应高于血肌酐", RULE_INVALID_INPUT },
    { "fena < 1",                       1, L"FENa<1%：提示肾前性，部分肾性损伤亦可<1%" },
    { "fena <= 2",                      1, L"1%≤FENa≤2%：不确定，难辨肾前性或肾性" },
    { "",                               2, L"FENa>2%：提示肾性（如急性肾小管坏死）" },
};

static constexpr ToolDef tool = {
    .id        = 124,
    .name      = L"钠排泄分数（FENa）",
    .purpose   = L"鉴别少尿性急性肾损伤为肾前性或肾性",
    .category  = L"肾内科",
    .reference = L"Espinel CH. JAMA 1976;236:579-581；Miller TR, et al. Ann Intern Med 1978;89:47-50",
    .note      = L"近期用利尿剂或有慢性肾病时FENa可假性升高，可改用尿素排泄分数；造影剂肾病、横纹肌溶解、急性肾小球肾炎等"
                 L"肾性损伤亦可<1%。尿样应在补液和用药前留取。肌酐均以μmol/L输入（血肌酐mg/dL×88.4，尿肌酐mmol/L×1000）。"
                 L"尿钠须输入实测值，低于检测下限（报告为“<x”）时按x输入，所得FENa为上限值：<1%的结论仍成立，≥1%不能确定。",
    .input_count = dimof(inputs),   .inputs = inputs,
    .output_count = dimof(outputs), .outputs = outputs,
    .rule_count = dimof(rules),     .rules = rules,
    .report_kind = 0,
    .search    = "fena npxfs",
};
static_assert(tool_check(tool), "the tool definition breaks an invariant; the error above names it");

const ToolDef* tool_get() { return &tool; }

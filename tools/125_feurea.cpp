// Tool 125: fractional excretion of urea (FEUrea). Exports tool_get.
#include "base/dimof.h"
#include "engine/tool_check.h"

// FEUrea (%) = (Uurea × Scr) / (Purea × Ucr) × 100; urea in mmol/L and creatinine in μmol/L, each pair
// in one unit, so no BUN factor is needed. Bands: ≤ 35 % prerenal (Carvounis CP et al., Kidney Int
// 2002;62:2223, "FEUN ≤ 35 %"), > 50 % intrinsic (Cleve Clin J Med review of fractional excretion
// indices: "less than 35 % ... prerenal, higher than 50 % ... intrinsic"); 35–50 % is indeterminate.
// The bands compare the value as printed with 1 decimal (34.97 prints 35.0 and is prerenal).
// Range rules come first and read inputs only. Urine urea must be above 0: an empty box reads 0 and
// would give 0 % ("prerenal"); a result below the detection limit ("<x") is typed as x, which makes
// FEUrea an upper bound. Urine creatinine not above serum creatinine is a unit slip.
static constexpr ToolInput inputs[] = {
    // key      label      unit       default
    number_input("uurea", L"尿尿素", L"mmol/L", 250.0, START_EMPTY),
    number_input("purea", L"血尿素", L"mmol/L", 15.0, START_EMPTY),
    number_input("ucr",   L"尿肌酐", L"μmol/L", 7000.0, START_EMPTY),
    number_input("scr",   L"血肌酐", L"μmol/L", 120.0, START_EMPTY),
};

static constexpr ToolOutput outputs[] = {
    // key       label            unit  formula                           format
    { "feurea", L"尿素排泄分数", L"%", "uurea*scr/(purea*ucr)*100", "f1", VALUE_AS_PRINTED },
};

static constexpr ToolRule rules[] = {
    // condition                              level  text
    { "(purea <= 0) || (purea > 150)",  3, L"请核对血尿素：单位mmol/L，有效范围>0–150", RULE_INVALID_INPUT },
    { "(uurea <= 0) || (uurea > 2000)", 3, L"请核对尿尿素：单位mmol/L，有效范围>0–2000", RULE_INVALID_INPUT },
    { "(scr < 10) || (scr > 3000)",     3, L"请核对血肌酐：单位μmol/L，有效范围10–3000", RULE_INVALID_INPUT },
    { "(ucr <= scr) || (ucr > 100000)", 3, L"请核对尿肌酐：单位μmol/L，应高于血肌酐", RULE_INVALID_INPUT },
    { "feurea <= 35",                   1, L"FEUrea≤35%：提示肾前性，用利尿剂时仍可参考" },
    { "feurea <= 50",                   1, L"35%<FEUrea≤50%：不确定，难辨肾前性或肾性" },
    { "",                               2, L"FEUrea>50%：提示肾性（如急性肾小管坏死）" },
};

static constexpr ToolDef tool = {
    .id        = 125,
    .name      = L"尿素排泄分数（FEUrea）",
    .purpose   = L"鉴别急性肾损伤为肾前性或肾性，已用利尿剂时尤适用",
    .category  = L"肾内科",
    .reference = L"Carvounis CP, et al. Kidney Int 2002;62:2223-2229；Gotfried J, et al. Cleve Clin J Med 2012;79:121-6",
    .note      = L"FEUrea受利尿剂影响较小；各研究界值不一，35%–50%为不确定区间，不能区分肾前性与肾性，需结合尿沉渣、"
                 L"补液反应等临床资料判断。肌酐均以μmol/L输入（血肌酐mg/dL×88.4，尿肌酐mmol/L×1000）。"
                 L"尿尿素须输入实测值，低于检测下限（报告为“<x”）时按x输入，所得FEUrea为上限值：≤35%的结论仍成立，>35%不能确定。",
    .input_count = dimof(inputs),   .inputs = inputs,
    .output_count = dimof(outputs), .outputs = outputs,
    .rule_count = dimof(rules),     .rules = rules,
    .report_kind = 0,
    .search    = "feurea feu nspxfs",
};
static_assert(tool_check(tool), "the tool definition breaks an invariant; the error above names it");

const ToolDef* tool_get() { return &tool; }

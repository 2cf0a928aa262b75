// Tool 128: haemodialysis adequacy, single-pool Kt/V (Daugirdas second generation) and URR. Exports tool_get.
#include "base/dimof.h"
#include "engine/tool_check.h"

// spKt/V = −ln(R − 0.008 × t) + (4 − 3.5 × R) × UF / W (Daugirdas JT, J Am Soc Nephrol 1993;4:1205),
// R = post / pre urea of one session (units cancel, so mmol/L urea is used as it is), t in hours, UF in
// litres, W the post-dialysis weight in kg; URR = (1 − R) × 100. KDOQI HD Adequacy 2006 update,
// guideline 4: minimum spKt/V 1.2 per session three times a week (residual urea clearance
// < 2 ml/min/1.73 m²), URR 65 % an alternative minimum, targets 1.4 and 70 %. Kt/V decides; Kt/V met
// with URR < 65 % is level 1 (KDOQI prefers Kt/V, which counts UF). Limits compare printed values.
// Range rules come first and read inputs only; the last one keeps the log argument positive, written
// multiplied out (post − 0.008·t·pre ≤ 0) so that it divides by nothing. UF 0 L stays valid (dialysis
// without net removal); an empty UF box then drops a term that is ≥ 0, so Kt/V can only come out lower.
static constexpr ToolInput inputs[] = {
    // key          label          unit       default
    number_input("urea_pre",  L"透析前尿素", L"mmol/L", 25.0, START_EMPTY),
    number_input("urea_post", L"透析后尿素", L"mmol/L", 8.0, START_EMPTY),
    number_input("t",         L"透析时间",  L"h",      4.0, START_EMPTY),
    number_input("uf",        L"超滤量",   L"L",      2.5, START_EMPTY),
    number_input("w",         L"透析后体重", L"kg",     60.0, START_EMPTY),
};

static constexpr ToolOutput outputs[] = {
    // key    label                    unit  formula                                  format
    { "r",   L"尿素比值R（透后/透前）", L"",  "urea_post/urea_pre",                  "f3" },
    { "ktv", L"spKt/V",       L"",  "(4 - 3.5*r)*uf/w - log(r - 0.008*t)", "f2", VALUE_AS_PRINTED },
    { "urr", L"尿素下降率URR",     L"%", "(1 - r)*100",                         "f1", VALUE_AS_PRINTED },
};

static constexpr ToolRule rules[] = {
    // condition                                        level  text
    { "(urea_pre <= 0) || (urea_pre > 150)",         3, L"请核对透前尿素：单位mmol/L，有效范围>0–150", RULE_INVALID_INPUT },
    { "(urea_post <= 0) || (urea_post >= urea_pre)", 3, L"请核对透后尿素：单位mmol/L，应>0且<透前尿素", RULE_INVALID_INPUT },
    { "(t <= 0) || (t > 12)",                        3, L"请核对透析时间：单位小时，有效范围>0–12", RULE_INVALID_INPUT },
    { "(uf < 0) || (uf > 10)",                       3, L"请核对超滤量：单位为升（L），有效范围0–10", RULE_INVALID_INPUT },
    { "(w < 20) || (w > 300)",                       3, L"请核对透析后体重：单位kg，有效范围20–300", RULE_INVALID_INPUT },
    { "urea_post - 0.008*t*urea_pre <= 0",           3, L"R−0.008×t≤0：超出公式范围，请核对输入", RULE_INVALID_INPUT },
    { "ktv < 1.2",                                   2, L"spKt/V<1.2：未达KDOQI最低充分性标准" },
    { "urr < 65",                                    1, L"spKt/V≥1.2但URR<65%：KDOQI以spKt/V为准" },
    { "",                                            0, L"spKt/V≥1.2且URR≥65%：达到KDOQI最低标准" },
};

static constexpr ToolDef tool = {
    .id        = 128,
    .name      = L"血液透析充分性（Kt/V与URR）",
    .purpose   = L"按Daugirdas第二代公式计算spKt/V与尿素下降率",
    .category  = L"肾内科",
    .reference = L"Daugirdas JT. J Am Soc Nephrol 1993;4:1205-13；KDOQI HD Adequacy 2006. Am J Kidney Dis 2006;48(S1)",
    .note      = L"适用于每周3次血透且残肾尿素清除率<2 ml/min/1.73m²者；透后血样应按慢流速或停泵法采集；R为同次透析透后与透前尿素之比。"
                 L"KDOQI最低标准spKt/V 1.2、URR 65%，推荐目标1.4、70%；两者不一致（常见于超滤量较大）时以spKt/V为准。"
                 L"R−0.008×t≤0多为尿素值或透析时间（小时）输入有误。超滤量0 L为有效值，未填写时同样按0 L计算"
                 L"（Kt/V偏低而非偏高），请确认已填写。",
    .input_count = dimof(inputs),   .inputs = inputs,
    .output_count = dimof(outputs), .outputs = outputs,
    .rule_count = dimof(rules),     .rules = rules,
    .report_kind = 0,
    .search    = "ktv kt-v urr txcfx xytxcfx",
};
static_assert(tool_check(tool), "the tool definition breaks an invariant; the error above names it");

const ToolDef* tool_get() { return &tool; }

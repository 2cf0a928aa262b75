// Tool 156: absolute neutrophil count from the white cell count and the neutrophil percentage.
// Exports tool_get.
#include "base/dimof.h"
#include "engine/tool_check.h"

// ANC (×10⁹/L) = WBC × neutrophil % / 100 (definition). Adult interval 1.8–6.3 ×10⁹/L (WS/T
// 405—2012); agranulocytosis < 0.5 and severe < 0.1 ×10⁹/L (中国中性粒细胞缺乏伴发热患者抗菌药物临床应用
// 指南 2020). The textbook lower limit 2.0 (内科学) is not used. ANC is judged as printed (two
// decimals): 0.50 is moderate neutropenia, 0.49 agranulocytosis. A percentage of 0 (an empty box)
// is refused; a reported 0.0 % is entered as 0.1, which makes ANC an upper bound, so every verdict
// below 0.5 still holds. A fraction typed as 0.6 for 60 % cannot be told from a true 0.6 %; the
// error then alarms rather than reassures, and the note warns.
static constexpr ToolInput inputs[] = {
    //           key     label               unit       default  start
    number_input("wbc",  L"白细胞计数",       L"×10⁹/L", 6.0,     START_EMPTY),
    number_input("neut", L"中性粒细胞百分比", L"%",      60.0,    START_EMPTY),
};

static constexpr ToolOutput outputs[] = {
    // key    label               unit       formula         format  judged
    { "anc", L"中性粒细胞绝对值", L"×10⁹/L", "wbc*neut/100", "f2",   VALUE_AS_PRINTED },
};

static constexpr ToolRule rules[] = {
    // condition                          level  text                                              kind
    { "(wbc <= 0) || (wbc > 500)",        3,     L"请检查白细胞计数：×10⁹/L（范围>0–500）",    RULE_INVALID_INPUT },
    { "(neut <= 0) || (neut > 100)",      3,     L"请检查中性粒细胞%：报告0.0%请输入0.1",          RULE_INVALID_INPUT },
    { "anc < 0.1",                        3,     L"ANC<0.10×10⁹/L：严重粒细胞缺乏" },
    { "anc < 0.5",                        3,     L"ANC<0.50×10⁹/L：粒细胞缺乏" },
    { "anc < 1",                          2,     L"ANC 0.50–0.99×10⁹/L：中度中性粒细胞减少" },
    { "anc < 1.8",                        1,     L"ANC 1.00–1.79×10⁹/L：轻度减少" },
    { "anc > 6.3",                        1,     L"ANC>6.30×10⁹/L：中性粒细胞增多" },
    { "",                                 0,     L"ANC在1.80–6.30×10⁹/L参考区间内" },
};

static constexpr ToolDef tool = {
    .id        = 156,
    .name      = L"中性粒细胞绝对值（ANC）",
    .purpose   = L"由白细胞计数与中性粒细胞百分比计算中性粒细胞绝对值",
    .category  = L"血液科",
    .reference = L"WS/T 405—2012 血细胞分析参考区间; 中国中性粒细胞缺乏伴发热患者抗菌药物临床应用指南（2020年版）",
    .note      = L"中性粒细胞百分比请输入百分数（60%填60 不填0.6）；报告0.0%时输入0.1（结果为上限值）。"
                 L"ANC<0.10为严重粒缺 感染风险极高；1.00–1.79为低于参考区间的轻度减少。化疗后判断粒缺还应考虑预计48 h内的下降趋势。",
    .input_count = dimof(inputs),   .inputs = inputs,
    .output_count = dimof(outputs), .outputs = outputs,
    .rule_count = dimof(rules),     .rules = rules,
    .report_kind = 0,
    .search    = "anc zxlxbjdz lq",
};
static_assert(tool_check(tool), "the tool definition breaks an invariant; the error above names it");

const ToolDef* tool_get() { return &tool; }

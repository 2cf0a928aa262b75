// Tool 183: calculated plasma osmolality without a measured value, and the effective osmolality used to
// recognise the hyperosmolar hyperglycaemic state. Exports tool_get.
#include "base/dimof.h"
#include "engine/tool_check.h"

// Calculated osmolality 2 Na + glucose + urea (mmol/L), as tool 123 (Lynd LD et al., BMC Emerg Med
// 2008;8:5), reference 275–295. Effective plasma osmolality 2 × (Na + K) + glucose with the HHS criterion
// ≥ 320 mOsm/L (中国高血糖危象诊断与治疗指南 2012; 中国2型糖尿病防治指南 2020, whose own HHS section was
// not seen: the form with K was found only in Chinese secondary texts, and the note says so). The K
// term makes it about 8 mOsm/L higher than the ADA form 2 Na + glucose, which is shown for comparison
// with international texts (> 320 in Kitabchi 2009, > 300 in the 2024 consensus) and judged by no rule.
// Judged as printed.
static constexpr ToolInput inputs[] = {
    number_input("na",   L"血钠", L"mmol/L", 140.0, START_EMPTY),
    number_input("k",    L"血钾", L"mmol/L", 4.0,   START_EMPTY),
    number_input("glu",  L"血糖", L"mmol/L", 5.5,   START_EMPTY),
    number_input("urea", L"尿素", L"mmol/L", 5.0,   START_EMPTY),
};

static constexpr ToolOutput outputs[] = {
    // key        label                               unit        formula                 format
    { "osm",     L"计算血浆渗透压（2Na+血糖+尿素）",  L"mOsm/L", "2*na + glu + urea",    "f1", VALUE_AS_PRINTED },
    { "eff",     L"有效血浆渗透压（2×(Na+K)+血糖）",  L"mOsm/L", "2*(na + k) + glu",     "f1", VALUE_AS_PRINTED },
    { "eff_ada", L"有效渗透压（2Na+血糖 ADA式）",     L"mOsm/L", "2*na + glu",           "f1", VALUE_AS_PRINTED },
};

static constexpr ToolRule rules[] = {
    // condition                          level  text
    { "(na < 100) || (na > 200)",         3, L"请检查血钠：单位mmol/L（有效范围100–200）",                    RULE_INVALID_INPUT },
    { "(k < 1) || (k > 10)",              3, L"请检查血钾：单位mmol/L（有效范围1–10）",                       RULE_INVALID_INPUT },
    { "(glu <= 0) || (glu > 150)",        3, L"请检查血糖：单位mmol/L（有效范围>0–150）",     RULE_INVALID_INPUT },
    { "(urea <= 0) || (urea > 150)",      3, L"请检查尿素：单位mmol/L（有效范围>0–150）",    RULE_INVALID_INPUT },
    { "eff >= 320",                       3, L"有效血浆渗透压≥320：达到HHS渗透压标准" },
    { "osm > 295",                        1, L"计算渗透压>295 mOsm/L：高渗状态" },
    { "osm < 275",                        1, L"计算渗透压<275：低渗（需结合实测渗透压）" },
    { "",                                 0, L"计算渗透压在275–295 mOsm/L之间" },
};

static constexpr ToolDef tool = {
    .id        = 183,
    .name      = L"计算血浆渗透压与有效渗透压",
    .purpose   = L"计算血浆渗透压（2Na+血糖+尿素）与有效血浆渗透压（2×(Na+K)+血糖 用于高渗高血糖状态判断）",
    .category  = L"内分泌科",
    .reference = L"中国2型糖尿病防治指南（2020年版）; 中国高血糖危象诊断与治疗指南（2012年版）; Lynd LD, et al. BMC Emerg Med 2008;8:5",
    .note      = L"有实测渗透压时请用渗透压间隙工具；HHS诊断还需血糖≥33.3 mmol/L 无明显酮症酸中毒等条件；"
                 L"有效血浆渗透压计入血钾的写法见于国内教材与诊断标准转述 未能核对指南原文；"
                 L"国际共识（2024）按2Na+血糖>300 mOsm/kg判断。"
                 L"血糖mg/dL÷18.016 BUN mg/dL÷2.8=mmol/L。",
    .input_count = dimof(inputs),   .inputs = inputs,
    .output_count = dimof(outputs), .outputs = outputs,
    .rule_count = dimof(rules),     .rules = rules,
    .report_kind = 0,
    .search    = "osm eff hhs xjsty yxsty gsgxt",
};
static_assert(tool_check(tool), "the tool definition breaks an invariant; the error above names it");

const ToolDef* tool_get() { return &tool; }

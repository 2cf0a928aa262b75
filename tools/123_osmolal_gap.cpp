// Tool 123: calculated plasma osmolality (2 Na + glucose + urea) and the osmolal gap. Exports tool_get.
#include "base/dimof.h"
#include "engine/tool_check.h"

// Calculated osmolality in SI units = 2 × Na + glucose + urea (mmol/L), the SI form of
// 2 Na + glucose/18 + BUN/2.8 (Lynd LD et al., BMC Emerg Med 2008;8:5). Gap = measured (mOsm/kg H2O)
// − calculated (mOsm/L), the usual accepted mismatch of units. A gap above 10 is raised (Kraut JA,
// Kurtz I, Clin J Am Soc Nephrol 2008;3:208-225); a gap below −10 is no clinical finding but a
// prompt to recheck the results and units. Both compare the gap as printed (one decimal). Ethanol is
// no input; the note gives the 1.25 × ethanol term. Glucose and urea of 0 could only come from an
// empty box, so they must be above 0.
static constexpr ToolInput inputs[] = {
    // key         label              unit             default
    number_input("na",       L"血钠",      L"mmol/L",      140.0, START_EMPTY),
    number_input("glu",      L"血糖",      L"mmol/L",      5.5, START_EMPTY),
    number_input("urea",     L"尿素",      L"mmol/L",      5.0, START_EMPTY),
    number_input("osm_meas", L"实测血浆渗透压", L"mOsm/kg H₂O", 295.0, START_EMPTY),
};

static constexpr ToolOutput outputs[] = {
    // key         label          unit        formula                format
    { "osm_calc", L"计算渗透压", L"mOsm/L",  "2*na + glu + urea",   "f1" },
    { "osm_gap",  L"渗透压间隙", L"mOsm/kg", "osm_meas - osm_calc", "f1", VALUE_AS_PRINTED },
};

static constexpr ToolRule rules[] = {
    // condition                                  level  text
    { "(na < 100) || (na > 200)",             3, L"请核对血钠：单位mmol/L，有效范围100–200", RULE_INVALID_INPUT },
    { "(glu <= 0) || (glu > 150)",            3, L"请核对血糖：单位mmol/L，应>0且≤150", RULE_INVALID_INPUT },
    { "(urea <= 0) || (urea > 150)",          3, L"请核对尿素：单位mmol/L，应>0且≤150", RULE_INVALID_INPUT },
    { "(osm_meas < 200) || (osm_meas > 500)", 3, L"请核对实测渗透压：200–500 mOsm/kg H₂O", RULE_INVALID_INPUT },
    { "osm_gap > 10",                         2, L"渗透压间隙>10：提示存在未测定的渗透性物质" },
    { "osm_gap < -10",                        1, L"间隙<−10：实测低于计算值，请复核结果与单位" },
    { "",                                     0, L"渗透压间隙−10至10：未见升高" },
};

static constexpr ToolDef tool = {
    .id        = 123,
    .name      = L"血浆渗透压间隙",
    .purpose   = L"按2Na+血糖+尿素计算血浆渗透压并求与实测值之差",
    .category  = L"重症医学科",
    .reference = L"Kraut JA, Kurtz I. Clin J Am Soc Nephrol 2008;3:208-225；Lynd LD, et al. BMC Emerg Med 2008;8:5",
    .note      = L"血糖、尿素以mmol/L输入（血糖mg/dL÷18.016，BUN mg/dL÷2.8）。间隙升高见于乙醇、甲醇、"
                 L"乙二醇、甘露醇等。计算式未含乙醇，已知血乙醇（mmol/L）时可另加1.25×乙醇再判读。"
                 L"有毒醇代谢后间隙可回落，间隙正常不能排除中毒。",
    .input_count = dimof(inputs),   .inputs = inputs,
    .output_count = dimof(outputs), .outputs = outputs,
    .rule_count = dimof(rules),     .rules = rules,
    .report_kind = 0,
    .search    = "osm-gap og styjx xjstyjx",
};
static_assert(tool_check(tool), "the tool definition breaks an invariant; the error above names it");

const ToolDef* tool_get() { return &tool; }

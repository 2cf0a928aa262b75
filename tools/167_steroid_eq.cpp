// Tool 167: equivalent doses of systemic glucocorticoids and the prednisone-equivalent dose band.
// Exports tool_get.
#include "base/dimof.h"
#include "engine/tool_check.h"

// Anti-inflammatory equivalents (mg), 卫生部《糖皮质激素类药物临床应用指导原则》(2011) table 1:
// hydrocortisone 20 = cortisone 25 = prednisone 5 = prednisolone 5 = methylprednisolone 4 =
// triamcinolone 4 = dexamethasone 0.75 = betamethasone 0.60 (some Western tables give 0.75 for
// betamethasone). Dose bands on the prednisone equivalent per day: low ≤ 7.5, medium > 7.5–30,
// high > 30–100, very high > 100 mg (Buttgereit F et al., Ann Rheum Dis 2002;61:718-722); pulse
// therapy ≥ 250 mg. The drug starts unselected; its equivalent is chosen by its option value, and
// any other value leaves every output not computable while the drug rule answers. Converted doses
// are rounded half up to the digits printed; the prednisone equivalent is judged as printed.
static constexpr ToolOption DRUGS[] = {
    { L"氢化可的松", 1 }, { L"可的松", 2 }, { L"泼尼松", 3 }, { L"泼尼松龙", 4 },
    { L"甲泼尼龙", 5 }, { L"曲安西龙", 6 }, { L"地塞米松", 7 }, { L"倍他米松", 8 },
};

static constexpr ToolInput inputs[] = {
    choice_input("drug", L"药物", DRUGS, 3.0, START_EMPTY),
    //           key     label       unit     default  start
    number_input("dose", L"每日剂量", L"mg/d", 10.0,    START_EMPTY),
};

static constexpr ToolOutput outputs[] = {
    // key    label               unit     formula                                          format  judged
    { "eqd",  L"所选药物等效剂量", L"mg",   "choose(drug, 20, 25, 5, 5, 4, 4, 0.75, 0.6)",   "f2" },
    { "pred", L"泼尼松当量",      L"mg/d", "dose/eqd*5",                                    "f1",   VALUE_AS_PRINTED },
    { "hc",   L"氢化可的松",      L"mg/d", "dose/eqd*20",                                   "f1",   VALUE_AS_PRINTED },
    { "mp",   L"甲泼尼龙",        L"mg/d", "dose/eqd*4",                                    "f1",   VALUE_AS_PRINTED },
    { "dex",  L"地塞米松",        L"mg/d", "dose/eqd*0.75",                                 "f2",   VALUE_AS_PRINTED },
    { "beta", L"倍他米松",        L"mg/d", "dose/eqd*0.6",                                  "f2",   VALUE_AS_PRINTED },
};

static constexpr ToolRule rules[] = {
    // condition                                                level  text                                        kind
    { "(drug < 1) || (drug > 8) || (drug != floor(drug))",      3,     L"请选择药物：未选择或代码无效",            RULE_INVALID_INPUT },
    { "(dose <= 0) || (dose > 5000)",                           3,     L"请检查每日剂量：单位mg/d（范围>0–5000）", RULE_INVALID_INPUT },
    { "pred >= 250",                                            3,     L"泼尼松当量≥250 mg/d：冲击剂量" },
    { "pred > 100",                                             2,     L"泼尼松当量>100 mg/d：超大剂量" },
    { "pred > 30",                                              2,     L"泼尼松当量>30–100 mg/d：大剂量" },
    { "pred > 7.5",                                             1,     L"泼尼松当量>7.5–30 mg/d：中等剂量" },
    { "",                                                       0,     L"泼尼松当量≤7.5 mg/d：小剂量" },
};

static constexpr ToolDef tool = {
    .id        = 167,
    .name      = L"糖皮质激素等效剂量换算",
    .purpose   = L"按抗炎等效剂量在常用糖皮质激素之间换算并按泼尼松当量分级",
    .category  = L"药学部",
    .reference = L"糖皮质激素类药物临床应用指导原则（卫生部 2011）; Buttgereit F, et al. Ann Rheum Dis 2002;61:718-722",
    .note      = L"仅为抗炎效价等效 盐皮质激素作用与作用时间不同（地塞米松 倍他米松为长效）；不适用于外用 吸入 关节腔注射剂型。",
    .input_count = dimof(inputs),   .inputs = inputs,
    .output_count = dimof(outputs), .outputs = outputs,
    .rule_count = dimof(rules),     .rules = rules,
    .report_kind = 0,
    .search    = "steroid glucocorticoid pred tpzjs jsdx dxjl",
};
static_assert(tool_check(tool), "the tool definition breaks an invariant; the error above names it");

const ToolDef* tool_get() { return &tool; }

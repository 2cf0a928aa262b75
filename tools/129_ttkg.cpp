// Tool 129: transtubular potassium gradient (TTKG). Exports tool_get.
#include "base/dimof.h"
#include "engine/tool_check.h"

// TTKG = (urine K / plasma K) / (urine osm / plasma osm) (West ML et al., Miner Electrolyte Metab
// 1986;12:234-238). Its abstract (PubMed 3762510) restricts the index to urine that is not hypotonic
// and to distal sodium delivery that does not limit K secretion, "greater than 25 mM"; read as urine
// Na > 25 mmol/L, so urine Na is an input, and both conditions are validity rules (urine osmolality
// must exceed the plasma's). Reading (Ethier JH et al., Am J Kidney Dis 1990;15:309, as summarised
// in a TTKG clinical archetype): K < 3.5 with TTKG > 3 suggests renal K wasting; K > 5.0 with
// TTKG < 7 suggests too little aldosterone action. A printed 3.0 in hypokalaemia counts as ≥ 3 and a
// printed 7.0 in hyperkalaemia as ≥ 7 (the values compared are the printed ones). Urea recycling
// undermines the assumptions (Kamel KS, Halperin ML, Curr Opin Nephrol Hypertens 2011), so the note
// marks it as supportive only. Range and validity rules come first and read inputs only; urine K and
// urine Na must be above 0 (an empty box reads 0); urine K below the detection limit ("<x") is typed
// as x, which makes TTKG an upper bound.
static constexpr ToolInput inputs[] = {
    // key     label          unit             default
    number_input("uk",   L"尿钾",    L"mmol/L",      40.0, START_EMPTY),
    number_input("pk",   L"血钾",    L"mmol/L",      4.0, START_EMPTY),
    number_input("uosm", L"尿渗透压",  L"mOsm/kg H₂O", 600.0, START_EMPTY),
    number_input("posm", L"血浆渗透压", L"mOsm/kg H₂O", 290.0, START_EMPTY),
    number_input("una",  L"尿钠",    L"mmol/L",      60.0, START_EMPTY),
};

static constexpr ToolOutput outputs[] = {
    // key     label    unit  formula                   format
    { "ttkg", L"TTKG", L"", "(uk/pk)/(uosm/posm)", "f1", VALUE_AS_PRINTED },
};

static constexpr ToolRule rules[] = {
    // condition                                   level  text
    { "(pk < 1) || (pk > 10)",        3, L"请核对血钾：单位mmol/L，有效范围1–10", RULE_INVALID_INPUT },
    { "(uk <= 0) || (uk > 400)",      3, L"请核对尿钾：单位mmol/L，有效范围>0–400", RULE_INVALID_INPUT },
    { "(uosm <= 0) || (uosm > 1500)", 3, L"请核对尿渗透压：>0–1500 mOsm/kg H₂O", RULE_INVALID_INPUT },
    { "(posm < 200) || (posm > 450)", 3, L"请核对血浆渗透压：200–450 mOsm/kg H₂O", RULE_INVALID_INPUT },
    { "(una <= 0) || (una > 500)",    3, L"请核对尿钠：单位mmol/L，有效范围>0–500", RULE_INVALID_INPUT },
    { "uosm <= posm",                 3, L"尿渗透压≤血浆渗透压：不满足TTKG前提 结果不可解读" },
    { "una <= 25",                    3, L"尿钠≤25 mmol/L：远端供钠不足，TTKG不可靠" },
    { "(pk < 3.5) && (ttkg < 3)",     1, L"低钾血症且TTKG<3：提示肾脏保钾适当" },
    { "pk < 3.5",                     2, L"低钾血症且TTKG≥3：提示肾性失钾" },
    { "(pk > 5) && (ttkg < 7)",       2, L"高钾血症且TTKG<7：提示远端排钾不足（醛固酮缺乏或抵抗）" },
    { "pk > 5",                       1, L"高钾血症且TTKG≥7：提示醛固酮作用存在 肾脏排钾反应基本适当" },
    { "",                             0, L"血钾3.5–5.0 mmol/L：正常，TTKG意义有限" },
};

static constexpr ToolDef tool = {
    .id        = 129,
    .name      = L"跨肾小管钾梯度（TTKG）",
    .purpose   = L"评估集合管泌钾，辅助低钾或高钾血症的病因分析",
    .category  = L"肾内科",
    .reference = L"West ML, et al. Miner Electrolyte Metab 1986;12:234；Ethier JH, et al. Am J Kidney Dis 1990;15:309",
    .note      = L"前提为尿渗透压>血浆渗透压且尿钠>25 mmol/L。因髓质尿素再循环，其假设受到质疑（Kamel与Halperin 2011），仅作辅助参考。"
                 L"低钾且TTKG<3多源于肾外丢失、摄入不足或向细胞内转移；≥3见于盐皮质激素过多、利尿剂等远端泌钾增加。"
                 L"尿钾、尿钠须输入实测值，低于检测下限（报告为“<x”）时按x输入；尿钾按x所得TTKG为上限值：低于界值3或7的结论仍成立。",
    .input_count = dimof(inputs),   .inputs = inputs,
    .output_count = dimof(outputs), .outputs = outputs,
    .rule_count = dimof(rules),     .rules = rules,
    .report_kind = 0,
    .search    = "ttkg ksxgjtd",
};
static_assert(tool_check(tool), "the tool definition breaks an invariant; the error above names it");

const ToolDef* tool_get() { return &tool; }

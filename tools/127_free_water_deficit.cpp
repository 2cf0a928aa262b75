// Tool 127: free water deficit in hypernatraemia. Exports tool_get.
#include "base/dimof.h"
#include "engine/tool_check.h"

// Deficit (L) = TBW × (Na/140 − 1), TBW = fraction × weight; hypernatraemia is Na > 145 mmol/L
// (Adrogué HJ, Madias NE, N Engl J Med 2000;342:1493). The fractions 0.6 children, 0.6 / 0.5 adult
// men / women, 0.5 / 0.45 elderly men / women are those attributed to that paper by calculators and
// reviews; the source sets no age for "elderly". The other circulating form TBW × (1 − 140/Na) is
// about 10 % smaller (4.1 instead of 4.5 L for 70 kg, Na 155). The population is a choice that starts
// unselected (it sets the fraction); any value outside the list makes the fraction and everything
// computed from it not computable, and is refused first. Range rules read inputs only; Na ≤ 145 still
// shows the numbers but says the formula does not apply.
// The populations, each keeping the code it had when typed as a number (records rely on it).
static constexpr ToolOption GROUPS[] = {
    { L"成年男性", 1 }, { L"成年女性", 2 }, { L"老年男性", 3 }, { L"老年女性", 4 }, { L"儿童", 5 },
};

static constexpr ToolInput inputs[] = {
    // key       label        unit            default
    number_input("na",     L"血钠", L"mmol/L", 155.0, START_EMPTY),
    number_input("weight", L"体重", L"kg",     60.0, START_EMPTY),
    choice_input("group", L"人群", GROUPS, 1, START_EMPTY),
};

static constexpr ToolOutput outputs[] = {
    // key         label                unit  formula                                                                                   format
    { "tbw_frac", L"总体水占体重比例", L"",  "choose(group, 0.6, 0.5, 0.5, 0.45, 0.6)", "f2" },
    { "tbw",      L"总体水量",     L"L", "tbw_frac*weight",                         "f1" },
    { "fwd",      L"自由水缺失量",   L"L", "tbw*(na/140 - 1)",                        "f1" },
};

static constexpr ToolRule rules[] = {
    // condition                                                                          level  text
    { "(group != 1) && (group != 2) && (group != 3) && (group != 4) && (group != 5)", 3, L"请选择人群", RULE_INVALID_INPUT },
    { "(weight <= 0) || (weight > 400)",                                              3, L"请核对体重：单位kg，有效范围>0–400", RULE_INVALID_INPUT },
    { "(na < 100) || (na > 200)",                                                     3, L"请核对血钠：单位mmol/L，有效范围100–200", RULE_INVALID_INPUT },
    { "na <= 145",                                                                    0, L"血钠≤145 mmol/L：无高钠血症，本公式不适用" },
    { "",                                                                             2, L"高钠血症：慢性者血钠降幅≤10 mmol/L/24h" },
};

static constexpr ToolDef tool = {
    .id        = 127,
    .name      = L"自由水缺失量（高钠血症）",
    .purpose   = L"按总体水量估算高钠血症时的自由水缺失量",
    .category  = L"重症医学科",
    .reference = L"Adrogué HJ, Madias NE. Hypernatremia. N Engl J Med 2000;342:1493-1499",
    .note      = L"总体水占体重比例：成年男性0.6，成年女性0.5，老年男性0.5，老年女性0.45，儿童0.6。"
                 L"结果仅为现存缺水量，按缺水量补充自由水，尿、胃肠及不显性失水等持续丢失须另补；慢性高钠血症血钠下降"
                 L"不宜超过10 mmol/L/24h，应频繁复查血钠；肥胖者总体水比例更低，结果可能高估。",
    .input_count = dimof(inputs),   .inputs = inputs,
    .output_count = dimof(outputs), .outputs = outputs,
    .rule_count = dimof(rules),     .rules = rules,
    .report_kind = 0,
    .search    = "fwd zysqsl gnxz",
};
static_assert(tool_check(tool), "the tool definition breaks an invariant; the error above names it");

const ToolDef* tool_get() { return &tool; }

// Tool 162: maintenance fluid by the Holliday-Segar method, hourly (4-2-1) and daily (100-50-20).
// Exports tool_get.
#include "base/dimof.h"
#include "engine/tool_check.h"

// Holliday MA, Segar WE, Pediatrics 1957;19:823-832: 100 ml/kg/d for the first 10 kg, 50 ml/kg/d
// for the next 10 kg, 20 ml/kg/d above 20 kg; hourly 4/2/1 ml/kg/h for the same bands. The hourly
// rule × 24 is not the daily rule (70 kg: 110 ml/h × 24 = 2640 against 2500 ml/d), so each volume
// is computed by its own rule. choose() picks the band: 1 up to 10 kg, 2 above 10 up to 20 kg, 3
// above 20 kg. A volume, not a diagnosis: no verdict. Neonates are outside the method (note). Grams
// typed for kilograms fail the 300 kg limit; an empty box (0) fails the 1 kg limit.
static constexpr ToolInput inputs[] = {
    //           key       label   unit   default  start
    number_input("weight", L"体重", L"kg", 20.0,    START_EMPTY),
};

static constexpr ToolOutput outputs[] = {
    // key       label                      unit    formula / format / judged
    { "rate_h", L"维持液速度（4-2-1）",      L"ml/h",
      "choose(1 + (weight > 10) + (weight > 20), 4*weight, 40 + 2*(weight - 10), 60 + (weight - 20))",
      "f0", VALUE_AS_PRINTED },
    { "vol_d",  L"每日维持液量（100-50-20）", L"ml/d",
      "choose(1 + (weight > 10) + (weight > 20), 100*weight, 1000 + 50*(weight - 10), 1500 + 20*(weight - 20))",
      "f0", VALUE_AS_PRINTED },
};

static constexpr ToolRule rules[] = {
    // condition                          level  text                                         kind
    { "(weight < 1) || (weight > 300)",   3,     L"请检查体重：单位应为kg（有效范围1–300）",  RULE_INVALID_INPUT },
    { "",                                 0,     L"已按Holliday-Segar法估算维持液体量" },
};

static constexpr ToolDef tool = {
    .id        = 162,
    .name      = L"维持液体量（Holliday-Segar 4-2-1法）",
    .purpose   = L"按Holliday-Segar法估算每小时及每日维持液体量",
    .category  = L"儿科",
    .reference = L"Holliday MA, Segar WE. Pediatrics 1957;19:823-832",
    .note      = L"结果未含额外丢失与纠正量。不适用于新生儿；仅为生理维持需要量 不含额外丢失 补液纠正与抗利尿激素分泌过多等情况；"
                 L"成人常按25–30 ml/kg/d估算。",
    .input_count = dimof(inputs),   .inputs = inputs,
    .output_count = dimof(outputs), .outputs = outputs,
    .rule_count = dimof(rules),     .rules = rules,
    .report_kind = 0,
    .search    = "holliday-segar 4-2-1 421 wcytl wcy",
};
static_assert(tool_check(tool), "the tool definition breaks an invariant; the error above names it");

const ToolDef* tool_get() { return &tool; }

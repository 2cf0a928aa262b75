// Tool 116: body mass index with the adult weight classes of WS/T 428—2013. Exports tool_get.
#include "base/dimof.h"
#include "engine/tool_check.h"

// BMI = weight / height², height typed in cm. Classes of WS/T 428—2013 (adults, 18 years and over):
// below 18.5 underweight, 18.5 to below 24.0 normal, 24.0 to below 28.0 overweight, 28.0 and above
// obese. The classes compare the BMI as printed (one decimal), so 23.96 prints 24.0 and is
// overweight. The height and weight limits only catch unit slips (1.7 typed for 170 cm) and empty
// boxes, which read as 0; they are not clinical criteria.
static constexpr ToolInput inputs[] = {
    // key       label    unit   default
    { "height", L"身高", L"cm", 170.0 },
    { "weight", L"体重", L"kg", 65.0 },
};

// An output a rule judges is rounded half up to the digits it prints, in its formula, so the value on
// screen and the value the rules compare are one number (printed unrounded, 18.45 would show 18.4 and
// x.5 would round to even, while the rules round half up).
static constexpr ToolOutput outputs[] = {
    // key    label        unit      formula                      format
    { "bmi", L"体重指数", L"kg/m²", "round((weight/((height/100)^2))*10)/10", "f1" },
};

static constexpr ToolRule rules[] = {
    // condition                              level  text
    { "(height < 100) || (height > 250)",     3,     L"请核对身高：单位cm，有效范围100–250" },
    { "(weight < 20) || (weight > 400)",      3,     L"请核对体重：单位kg，有效范围20–400" },
    { "round(bmi*10)/10 < 18.5",              1,     L"体重过低（BMI<18.5）：提示营养不足" },
    { "round(bmi*10)/10 < 24",                0,     L"体重正常（18.5≤BMI<24.0）" },
    { "round(bmi*10)/10 < 28",                1,     L"超重（24.0≤BMI<28.0）：建议控制体重" },
    { "",                                     2,     L"肥胖（BMI≥28.0）：建议减重并评估代谢风险" },
};

static constexpr ToolDef tool = {
    .id        = 116,
    .name      = L"体重指数（BMI）",
    .purpose   = L"按WS/T 428—2013判定成人体重状况",
    .category  = L"营养科",
    .reference = L"WS/T 428—2013《成人体重判定》，国家卫生和计划生育委员会，2013",
    .note      = L"仅适用于18岁及以上成人。孕妇、明显水肿、截肢或肌肉特别发达者，BMI不能准确反映体脂。"
                 L"分类按显示的一位小数判定。",
    .input_count = dimof(inputs),   .inputs = inputs,
    .output_count = dimof(outputs), .outputs = outputs,
    .rule_count = dimof(rules),     .rules = rules,
    .report_kind = 0,
    .search    = "bmi tzzs",
};
static_assert(tool_check(tool), "the tool definition breaks an invariant; the error above names it");

const ToolDef* tool_get() { return &tool; }

// Tool 116: body mass index with the adult weight classes of WS/T 428—2013. Exports tool_get.
#include "base/dimof.h"
#include "engine/tool_check.h"

// BMI = weight / height², height typed in cm. Classes of WS/T 428—2013 (adults, 18 years and over):
// below 18.5 underweight, 18.5 to below 24.0 normal, 24.0 to below 28.0 overweight, 28.0 and above
// obese. The classes compare the BMI as printed (one decimal), so 23.96 prints 24.0 and is
// overweight. The adult classes apply from 18 years; under 18 the verdict shows the BMI and sends the
// reader to the age- and sex-specific cut-offs of WS/T 586—2018 instead. The height and weight limits only catch unit slips (1.7 typed for 170 cm) and empty
// boxes, which read as 0; they are not clinical criteria.
static constexpr ToolInput inputs[] = {
    // key       label    unit   default
    number_input("height", L"身高", L"cm", 170.0, START_EMPTY),
    number_input("weight", L"体重", L"kg", 65.0, START_EMPTY),
    number_input("age",    L"年龄", L"岁", 40.0, START_EMPTY),
};

static constexpr ToolOutput outputs[] = {
    // key    label        unit      formula                      format
    { "bmi", L"体重指数", L"kg/m²", "weight/((height/100)^2)", "f1", VALUE_AS_PRINTED },
};

static constexpr ToolRule rules[] = {
    // condition                              level  text
    { "(height < 100) || (height > 250)", 3, L"请核对身高：单位cm，有效范围100–250", RULE_INVALID_INPUT },
    { "(weight < 20) || (weight > 400)",  3, L"请核对体重：单位kg，有效范围20–400", RULE_INVALID_INPUT },
    { "(age < 0) || (age > 120)",         3, L"请核对年龄：单位岁，有效范围0–120", RULE_INVALID_INPUT },
    { "age < 18",                         1, L"未满18岁：请按WS/T 586—2018年龄性别界值判断" },
    { "bmi < 18.5",                       1, L"体重过低（BMI<18.5）：提示营养不足" },
    { "bmi < 24",                         0, L"体重正常（18.5≤BMI<24.0）" },
    { "bmi < 28",                         1, L"超重（24.0≤BMI<28.0）：建议控制体重" },
    { "",                                 2, L"肥胖（BMI≥28.0）：建议减重并评估代谢风险" },
};

static constexpr ToolDef tool = {
    .id        = 116,
    .name      = L"体重指数（BMI）",
    .purpose   = L"按WS/T 428—2013判定成人体重状况",
    .category  = L"营养科",
    .reference = L"WS/T 428—2013《成人体重判定》；WS/T 586—2018《学龄儿童青少年超重与肥胖筛查》",
    .note      = L"成人分类仅用于18岁及以上；未满18岁只显示BMI，须按WS/T 586—2018的年龄、性别界值判断。"
                 L"孕妇、明显水肿、截肢或肌肉特别发达者，BMI不能准确反映体脂。分类按显示的一位小数判定。",
    .input_count = dimof(inputs),   .inputs = inputs,
    .output_count = dimof(outputs), .outputs = outputs,
    .rule_count = dimof(rules),     .rules = rules,
    .report_kind = 0,
    .search    = "bmi tzzs",
};
static_assert(tool_check(tool), "the tool definition breaks an invariant; the error above names it");

const ToolDef* tool_get() { return &tool; }

// Tool 170: the TIMI risk index of ST-elevation myocardial infarction from heart rate, age and systolic
// pressure, with the five risk groups and their 30-day mortality. Exports tool_get.
#include "base/dimof.h"
#include "engine/tool_check.h"

// Morrow DA et al., Lancet 2001;358:1571-1575 (InTIME II): TRI = HR × (age/10)² / SBP; quintile groups
// I ≤12.5, II 12.5–17.5, III 17.5–22.5, IV 22.5–30, V >30 with 30-day mortality 0.8, 1.9, 3.3, 7.3 and
// 17.4 %. The abstract gives the formula and the 0.8–17.4 % range; the group table is quoted from
// calculator pages, where only one (an archetype of the index) writes the groups as ≤12.5, >12.5–17.5 …,
// so a value exactly on an edge goes to the lower group; the paper's own table was not seen (the note
// says so). TRI is judged as printed (one decimal).
static constexpr ToolInput inputs[] = {
    number_input("hr",  L"心率",   L"次/分", 75.0,  START_EMPTY),
    number_input("age", L"年龄",   L"岁",    60.0,  START_EMPTY),
    number_input("sbp", L"收缩压", L"mmHg",  130.0, START_EMPTY),
};

static constexpr ToolOutput outputs[] = {
    // key    label           unit  formula                      format
    { "tri", L"TIMI风险指数", L"",  "hr*pow(age/10, 2)/sbp",     "f1", VALUE_AS_PRINTED },
};

static constexpr ToolRule rules[] = {
    // condition                     level  text
    { "(hr < 20) || (hr > 250)",     3, L"请检查心率：单位次/分（有效范围20–250）",     RULE_INVALID_INPUT },
    { "(age < 18) || (age > 120)",   3, L"请检查年龄：本公式仅适用于18–120岁成人",      RULE_INVALID_INPUT },
    { "(sbp < 50) || (sbp > 300)",   3, L"请检查收缩压：单位mmHg（有效范围50–300）",    RULE_INVALID_INPUT },
    { "tri > 30",                    3, L"TRI>30（V组）：30天死亡率约17.4%" },
    { "tri > 22.5",                  2, L"TRI 22.6–30（IV组）：30天死亡率约7.3%" },
    { "tri > 17.5",                  1, L"TRI 17.6–22.5（III组）：30天死亡率约3.3%" },
    { "tri > 12.5",                  1, L"TRI 12.6–17.5（II组）：30天死亡率约1.9%" },
    { "",                            0, L"TRI≤12.5（I组）：30天死亡率约0.8%" },
};

static constexpr ToolDef tool = {
    .id        = 170,
    .name      = L"TIMI风险指数（TRI）",
    .purpose   = L"由心率 年龄与收缩压计算TIMI风险指数评估STEMI早期死亡风险",
    .category  = L"心内科",
    .reference = L"Morrow DA, et al. Lancet 2001;358:1571-1575; Wiviott SD, et al. J Am Coll Cardiol 2004;44:783-789",
    .note      = L"死亡率数据来自溶栓时代STEMI试验人群 仅作风险分层参考；应在就诊时（治疗前）测量心率与血压。"
                 L"恰在分组界值（12.5 17.5 22.5 30.0）者归入较低一组：原文分组表未能核对。",
    .input_count = dimof(inputs),   .inputs = inputs,
    .output_count = dimof(outputs), .outputs = outputs,
    .rule_count = dimof(rules),     .rules = rules,
    .report_kind = 0,
    .search    = "tri timi stemi fxzs xjgs",
};
static_assert(tool_check(tool), "the tool definition breaks an invariant; the error above names it");

const ToolDef* tool_get() { return &tool; }

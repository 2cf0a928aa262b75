// Tool 173: Maddrey's discriminant function of alcoholic hepatitis from prothrombin time and bilirubin.
// Exports tool_get.
#include "base/dimof.h"
#include "engine/tool_check.h"

// Modified DF = 4.6 × (PT patient − PT control, s) + bilirubin (mg/dL) (Maddrey WC et al.,
// Gastroenterology 1978;75:193-199; threshold 32 from Carithers RL et al., Ann Intern Med
// 1989;110:685-690); bilirubin μmol/L ÷ 17.1 = mg/dL. Sources differ on whether 32 itself is severe:
// several write "≥ 32" (as here and, from memory, the Chinese alcoholic liver disease guideline 2018),
// others "> 32" (the DF tables of medicalalgorithms.com and Gut); the note says a DF of exactly 32.0 is
// counted as severe. DF is judged as printed (one decimal). PT control is the laboratory's normal mean
// PT in seconds, not an INR.
static constexpr ToolInput inputs[] = {
    number_input("pt",      L"凝血酶原时间（患者）", L"s",      20.0,  START_EMPTY),
    number_input("pt_ctrl", L"凝血酶原时间（对照）", L"s",      12.0,  START_EMPTY),
    number_input("tbil",    L"总胆红素",             L"μmol/L", 171.0, START_EMPTY),
};

static constexpr ToolOutput outputs[] = {
    // key   label              unit  formula                              format
    { "df", L"Maddrey判别函数", L"",  "4.6*(pt - pt_ctrl) + tbil/17.1",   "f1", VALUE_AS_PRINTED },
};

static constexpr ToolRule rules[] = {
    // condition                            level  text
    { "(pt < 5) || (pt > 150)",             3, L"请检查患者PT：单位秒（非INR）有效范围5–150",                RULE_INVALID_INPUT },
    { "(pt_ctrl < 5) || (pt_ctrl > 30)",    3, L"请检查对照PT：单位为秒 有效范围5–30",                         RULE_INVALID_INPUT },
    { "(tbil < 1) || (tbil > 1500)",        3, L"请检查总胆红素：单位μmol/L 有效范围1–1500", RULE_INVALID_INPUT },
    { "df >= 32",                           3, L"DF≥32：重症酒精性肝炎 评估糖皮质激素指征" },
    { "",                                   1, L"DF<32：非重症（需结合MELD 肝性脑病评估）" },
};

static constexpr ToolDef tool = {
    .id        = 173,
    .name      = L"Maddrey判别函数（酒精性肝炎）",
    .purpose   = L"由凝血酶原时间与总胆红素计算Maddrey判别函数判断酒精性肝炎严重程度",
    .category  = L"消化内科",
    .reference = L"Maddrey WC, et al. Gastroenterology 1978;75:193-199; Carithers RL, et al. Ann Intern Med 1989;110:685-690",
    .note      = L"仅用于临床诊断酒精性肝炎者；DF≥32者短期死亡率高；对照PT应取本实验室正常均值；PT试剂ISI不同可影响结果。"
                 L"界值32文献有“≥32”与“>32”两种写法 本工具DF恰为32.0按重症判断。"
                 L"胆红素mg/dL×17.1=μmol/L。",
    .input_count = dimof(inputs),   .inputs = inputs,
    .output_count = dimof(outputs), .outputs = outputs,
    .rule_count = dimof(rules),     .rules = rules,
    .report_kind = 0,
    .search    = "maddrey df mdf jjxgy pbhs jjxgb",
};
static_assert(tool_check(tool), "the tool definition breaks an invariant; the error above names it");

const ToolDef* tool_get() { return &tool; }

// Tool 155: serum globulin and the albumin/globulin ratio. Exports tool_get.
#include "base/dimof.h"
#include "engine/tool_check.h"

// Globulin = total protein − albumin; A/G = albumin / globulin (definitions). Adult intervals: total
// protein 65–85 and albumin 40–55 g/L (WS/T 404.2—2012); globulin 20–40 g/L and A/G 1.2–2.4 from
// Chinese diagnostics textbooks (not from the standard). A/G is judged as printed (two decimals):
// 1.00 is not inverted. g/dL typed for g/L (7.0 for 70) falls below the 20 g/L total-protein limit;
// albumin ≥ total protein (swapped boxes) is refused before the ratio divides by the globulin.
static constexpr ToolInput inputs[] = {
    //           key    label         unit    default  start
    number_input("tp",  L"血清总蛋白", L"g/L", 70.0,    START_EMPTY),
    number_input("alb", L"血清白蛋白", L"g/L", 45.0,    START_EMPTY),
};

static constexpr ToolOutput outputs[] = {
    // key    label          unit    formula           format  judged
    { "glob", L"球蛋白",      L"g/L", "tp - alb",       "f1" },
    { "agr",  L"白球比（A/G）", L"",  "alb/(tp - alb)", "f2",   VALUE_AS_PRINTED },
};

static constexpr ToolRule rules[] = {
    // condition                    level  text                                              kind
    { "(tp < 20) || (tp > 150)",    3,     L"请检查总蛋白：g/L（g/dL×10） 范围20–150",    RULE_INVALID_INPUT },
    { "(alb < 5) || (alb > 70)",    3,     L"请检查白蛋白：g/L（g/dL×10） 范围5–70",      RULE_INVALID_INPUT },
    { "alb >= tp",                  3,     L"白蛋白不应≥总蛋白：请核对两项是否填反",         RULE_INVALID_INPUT },
    { "agr < 1",                    2,     L"A/G<1.0：白球比倒置" },
    { "agr < 1.2",                  1,     L"A/G 1.00–1.19：低于参考区间" },
    { "agr > 2.4",                  1,     L"A/G>2.4：高于参考区间" },
    { "",                           0,     L"A/G在1.2–2.4参考区间内" },
};

static constexpr ToolDef tool = {
    .id        = 155,
    .name      = L"白蛋白/球蛋白比值（A/G）",
    .purpose   = L"由血清总蛋白与白蛋白计算球蛋白及白球比",
    .category  = L"检验科",
    .reference = L"WS/T 404.2—2012 临床常用生化检验项目参考区间 第2部分：血清总蛋白 白蛋白",
    .note      = L"白球比倒置见于肝硬化 多发性骨髓瘤等；A/G>2.4多见于球蛋白降低。参考区间以本实验室为准（A/G 1.2–2.4 球蛋白20–40 g/L取自诊断学教材）；"
                 L"A/G异常需结合蛋白电泳 免疫球蛋白定量解读。",
    .input_count = dimof(inputs),   .inputs = inputs,
    .output_count = dimof(outputs), .outputs = outputs,
    .rule_count = dimof(rules),     .rules = rules,
    .report_kind = 0,
    .search    = "ag agr a-g bqb bdbqdbbz",
};
static_assert(tool_check(tool), "the tool definition breaks an invariant; the error above names it");

const ToolDef* tool_get() { return &tool; }

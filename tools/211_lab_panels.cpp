// Tool 211: tests, tube and preparation of common lab panels (report kind 11). Exports tool_get.
#include "base/dimof.h"
#include "engine/tool_check.h"

// "panel" picks the panel: 1 full blood count, 2 chemistry, 3 coagulation, 4 thyroid, 5 cardiac
// markers; every other number (6 and 0 included) gives urinalysis, so the note names that panel 6.
static constexpr ToolInput inputs[] = {
    // key      label            unit        default
    { "panel", L"检验套餐编号",  L"见说明",  1.0 },
};

static constexpr ToolDef tool = {
    .id        = 211,
    .name      = L"检验套餐与采血管",
    .purpose   = L"列出常用检验套餐的项目、采血管与注意事项",
    .category  = L"检验科",
    .reference = L"常用检验套餐项目与标本要求汇编；以本院检验科项目手册为准",
    .note      = L"套餐编号：1 血常规；2 生化全套；3 凝血四项；4 甲状腺功能；5 心肌损伤标志物；"
                 L"6 及其他编号（含 0）尿常规。编号小数舍去。",
    .input_count = dimof(inputs),  .inputs = inputs,
    .output_count = 0,             .outputs = nullptr,
    .rule_count = 0,               .rules = nullptr,
    .report_kind = 211 - 200,
    .search    = "tc cxg jytcycxg",
};
static_assert(tool_check(tool), "the tool definition breaks an invariant; the error above names it");

const ToolDef* tool_get() { return &tool; }

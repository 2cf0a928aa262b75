// Tool 150: NIH Stroke Scale, fifteen items of the acute stroke examination. Exports tool_get.
#include "base/dimof.h"
#include "engine/tool_check.h"

// Brott T et al., Stroke 1989;20:864-870, items and grades of the current NIH form; total 0–42 with the
// bands 0 no deficit, 1–4 minor, 5–15 moderate, 16–20 moderate to severe, 21–42 severe. Every choice
// lists its options in the form's order and starts unselected, so no item is scored by omission. Six
// items may be untestable (amputation, joint fusion, intubation: "UN"); UN is the code 9, which no grade uses: it scores 0, as
// the form says, and the second output counts those items so that a total lowered by them is seen.
static constexpr ToolOption LOC[] = {
    { L"清醒", 0 }, { L"嗜睡 轻刺激可唤醒", 1 }, { L"昏睡 反复或强刺激才有反应", 2 }, { L"昏迷 仅反射或无反应", 3 },
};
static constexpr ToolOption LOC_QUESTIONS[] = { { L"两题均正确", 0 }, { L"一题正确", 1 }, { L"均不正确", 2 } };
static constexpr ToolOption LOC_COMMANDS[] = { { L"两项均完成", 0 }, { L"完成一项", 1 }, { L"均不能完成", 2 } };
static constexpr ToolOption GAZE[] = { { L"正常", 0 }, { L"部分凝视麻痹", 1 }, { L"强迫凝视或完全凝视麻痹", 2 } };
static constexpr ToolOption VISUAL[] = {
    { L"无视野缺损", 0 }, { L"部分偏盲", 1 }, { L"完全偏盲", 2 }, { L"双侧偏盲或皮质盲", 3 },
};
static constexpr ToolOption FACE[] = { { L"正常", 0 }, { L"轻微面瘫", 1 }, { L"部分面瘫", 2 }, { L"完全面瘫", 3 } };
static constexpr ToolOption ARM[] = {
    { L"无下垂", 0 }, { L"10秒内下垂", 1 }, { L"能部分抵抗重力", 2 }, { L"不能抵抗重力", 3 }, { L"无运动", 4 },
    { L"截肢或关节融合（UN）", 9 },
};
static constexpr ToolOption LEG[] = {
    { L"无下垂", 0 }, { L"5秒内下垂", 1 }, { L"能部分抵抗重力", 2 }, { L"不能抵抗重力", 3 }, { L"无运动", 4 },
    { L"截肢或关节融合（UN）", 9 },
};
static constexpr ToolOption ATAXIA[] = {
    { L"无", 0 }, { L"一个肢体", 1 }, { L"两个肢体", 2 }, { L"截肢或关节融合（UN）", 9 },
};
static constexpr ToolOption SENSORY[] = { { L"正常", 0 }, { L"轻至中度减退", 1 }, { L"重度或完全缺失", 2 } };
static constexpr ToolOption LANGUAGE[] = {
    { L"正常", 0 }, { L"轻至中度失语", 1 }, { L"重度失语", 2 }, { L"哑或完全性失语", 3 },
};
static constexpr ToolOption DYSARTHRIA[] = {
    { L"正常", 0 }, { L"轻至中度", 1 }, { L"重度", 2 }, { L"气管插管或其他物理障碍（UN）", 9 },
};
static constexpr ToolOption NEGLECT[] = { { L"无", 0 }, { L"一种感觉模式忽视", 1 }, { L"严重偏侧忽视或多种模式", 2 } };

static constexpr ToolInput inputs[] = {
    //            key           label             options        default
    choice_input("loc",        L"1a意识水平",    LOC,           0, START_EMPTY),
    choice_input("locq",       L"1b提问",        LOC_QUESTIONS, 0, START_EMPTY),
    choice_input("locc",       L"1c指令",        LOC_COMMANDS,  0, START_EMPTY),
    choice_input("gaze",       L"2凝视",         GAZE,          0, START_EMPTY),
    choice_input("visual",     L"3视野",         VISUAL,        0, START_EMPTY),
    choice_input("face",       L"4面瘫",         FACE,          0, START_EMPTY),
    choice_input("arm_l",      L"5a左上肢运动",  ARM,           0, START_EMPTY),
    choice_input("arm_r",      L"5b右上肢运动",  ARM,           0, START_EMPTY),
    choice_input("leg_l",      L"6a左下肢运动",  LEG,           0, START_EMPTY),
    choice_input("leg_r",      L"6b右下肢运动",  LEG,           0, START_EMPTY),
    choice_input("ataxia",     L"7共济失调",     ATAXIA,        0, START_EMPTY),
    choice_input("sensory",    L"8感觉",         SENSORY,       0, START_EMPTY),
    choice_input("language",   L"9语言",         LANGUAGE,      0, START_EMPTY),
    choice_input("dysarthria", L"10构音障碍",    DYSARTHRIA,    0, START_EMPTY),
    choice_input("neglect",    L"11忽视",        NEGLECT,       0, START_EMPTY),
};

static constexpr ToolOutput outputs[] = {
    // key      label             unit   formula                                                         format
    { "score", L"NIHSS总分",     L"分", "loc + locq + locc + gaze + visual + face"
                                        " + (arm_l == 9 ? 0 : arm_l) + (arm_r == 9 ? 0 : arm_r)"
                                        " + (leg_l == 9 ? 0 : leg_l) + (leg_r == 9 ? 0 : leg_r)"
                                        " + (ataxia == 9 ? 0 : ataxia) + sensory + language"
                                        " + (dysarthria == 9 ? 0 : dysarthria) + neglect",                "f0", VALUE_AS_PRINTED },
    { "un",    L"无法检查项数",  L"项", "(arm_l == 9) + (arm_r == 9) + (leg_l == 9) + (leg_r == 9)"
                                        " + (ataxia == 9) + (dysarthria == 9)",                           "f0", VALUE_AS_PRINTED },
};

static constexpr ToolRule rules[] = {
    // condition       level  text
    { "score == 0",    0,     L"NIHSS 0分：无卒中相关神经功能缺损" },
    { "score <= 4",    1,     L"NIHSS 1–4分：轻型卒中" },
    { "score <= 15",   2,     L"NIHSS 5–15分：中度卒中" },
    { "score <= 20",   3,     L"NIHSS 16–20分：中重度卒中" },
    { "",              3,     L"NIHSS 21–42分：重度卒中" },
};

static constexpr ToolDef tool = {
    .id        = 150,
    .name      = L"NIHSS卒中量表",
    .purpose   = L"按美国国立卫生研究院卒中量表15项评估急性卒中神经功能缺损程度",
    .category  = L"神经内科",
    .reference = L"Brott T, et al. Stroke 1989;20:864-870；中国急性缺血性脑卒中诊治指南2018. 中华神经科杂志 2018;51(9):666-682",
    .note      = L"须经培训按标准顺序评估，记录首次表现不得提示。截肢 关节融合或插管等无法检查项（UN）不计分，总分偏低，"
                 L"请结合“无法检查项数”。不能理解或肢体瘫痪者共济失调记0分。昏迷（1a=3）者按量表规则给各项默认分。治疗决策以指南为准。",
    .input_count = dimof(inputs),   .inputs = inputs,
    .output_count = dimof(outputs), .outputs = outputs,
    .rule_count = dimof(rules),     .rules = rules,
    .report_kind = 0,
    .search    = "nihss czlb ncz",
};
static_assert(tool_check(tool), "the tool definition breaks an invariant; the error above names it");

const ToolDef* tool_get() { return &tool; }

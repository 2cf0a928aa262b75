// Tool 151: Glasgow Coma Scale. Exports tool_get.
#include "base/dimof.h"
#include "engine/tool_check.h"

// Teasdale G, Jennett B, Lancet 1974;2(7872):81-84: eye 1–4, verbal 1–5, motor 1–6 (4 normal
// withdrawal, 3 abnormal flexion), total 3–15; 13–15 mild, 9–12 moderate, ≤8 severe, and in Chinese
// head-injury grading 6–8 重型, 3–5 特重型. An intubated or tracheostomised patient's verbal response
// cannot be tested ("T"): it is the code 9, which no grade uses, counted as 1 so that the total
// (3–11) is a lower bound, and its own verdicts say so. Every choice starts unselected: a response
// must be chosen, so neither the normal total nor a low grade is ever reached by omission.
static constexpr ToolOption EYE[] = { { L"自动睁眼", 4 }, { L"呼唤睁眼", 3 }, { L"刺痛睁眼", 2 }, { L"不睁眼", 1 } };
static constexpr ToolOption VERBAL[] = {
    { L"回答正确", 5 }, { L"回答错乱", 4 }, { L"用词不当", 3 }, { L"只能发音", 2 }, { L"无发音", 1 },
    { L"气管插管或切开（T）", 9 },
};
static constexpr ToolOption MOTOR[] = {
    { L"遵嘱动作", 6 }, { L"刺痛定位", 5 }, { L"刺痛回缩", 4 }, { L"刺痛屈曲（去皮质）", 3 },
    { L"刺痛伸直（去大脑）", 2 }, { L"无反应", 1 },
};

static constexpr ToolInput inputs[] = {
    //            key       label        options  default
    choice_input("eye",    L"睁眼反应", EYE,     4, START_EMPTY),
    choice_input("verbal", L"语言反应", VERBAL,  5, START_EMPTY),
    choice_input("motor",  L"运动反应", MOTOR,   6, START_EMPTY),
};

static constexpr ToolOutput outputs[] = {
    // key      label       unit   formula                                     format
    { "score", L"GCS总分", L"分", "eye + (verbal == 9 ? 1 : verbal) + motor", "f0", VALUE_AS_PRINTED },
};

static constexpr ToolRule rules[] = {
    // condition                      level  text
    { "verbal == 9 && score <= 8",    3,     L"插管（语言记T按1分）：≤8分 重度意识障碍" },
    { "verbal == 9",                  2,     L"插管（语言记T按1分）：9–11分 实际可能更高" },
    { "score == 15",                  0,     L"GCS 15分：意识清楚" },
    { "score >= 13",                  1,     L"GCS 13–14分：轻度意识障碍（轻型）" },
    { "score >= 9",                   2,     L"GCS 9–12分：中度意识障碍（中型）" },
    { "score >= 6",                   3,     L"GCS 6–8分：重度意识障碍（重型）" },
    { "",                             3,     L"GCS 3–5分：特重型 深昏迷" },
};

static constexpr ToolDef tool = {
    .id        = 151,
    .name      = L"格拉斯哥昏迷评分（GCS）",
    .purpose   = L"按睁眼 语言 运动三项评估意识障碍程度",
    .category  = L"神经外科",
    .reference = L"Teasdale G, Jennett B. Lancet 1974;2(7872):81-84",
    .note      = L"记录时宜分别写出E V M三项（如E3V4M5）。气管插管或切开者语言记T，本工具按1分计入总分，实际意识可能更好。"
                 L"眼睑肿胀 失语 镇静或肌松药影响时评分受限。儿童用儿童GCS。",
    .input_count = dimof(inputs),   .inputs = inputs,
    .output_count = dimof(outputs), .outputs = outputs,
    .rule_count = dimof(rules),     .rules = rules,
    .report_kind = 0,
    .search    = "gcs glasgow glsghmpf hmpf ysza",
};
static_assert(tool_check(tool), "the tool definition breaks an invariant; the error above names it");

const ToolDef* tool_get() { return &tool; }

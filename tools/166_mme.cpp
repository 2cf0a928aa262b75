// Tool 166: daily oral morphine milligram equivalents (MME) of the opioids taken. Exports tool_get.
#include "base/dimof.h"
#include "engine/tool_check.h"

// Conversion factors of Dowell D et al., CDC Clinical Practice Guideline for Prescribing Opioids
// for Pain — United States, 2022, MMWR Recomm Rep 2022;71(3):1-95: morphine 1, oxycodone 1.5,
// hydromorphone 5, transdermal fentanyl 2.4 per μg/h, methadone 4.7 (the single 2022 factor, not
// the older dose-dependent ones), tramadol 0.2, codeine 0.15. Every dose is per day except fentanyl,
// the patch's labelled release rate. Opioids marketed in mainland China only; hydrocodone,
// oxymorphone and tapentadol (not marketed there) and buprenorphine, dihydrocodeine and pethidine
// (no factor) are not inputs. The bands 50 and 90 MME/d are the guideline's reference points of
// increasing risk, judged on the total as printed (an integer). A box left empty is 0, "not taken",
// which is a real answer here; an all-zero entry is refused. Morphine, the first box, starts empty
// so that no dose stands in the form unasked; the other boxes start at 0.
static constexpr ToolInput inputs[] = {
    //           key              label              unit     default  start
    number_input("morphine",      L"吗啡（口服）",     L"mg/d", 30.0,    START_EMPTY),
    {            "oxycodone",     L"羟考酮（口服）",   L"mg/d", 0.0 },
    {            "hydromorphone", L"氢吗啡酮（口服）", L"mg/d", 0.0 },
    {            "fentanyl",      L"芬太尼透皮贴",     L"μg/h", 0.0 },
    {            "methadone",     L"美沙酮（口服）",   L"mg/d", 0.0 },
    {            "tramadol",      L"曲马多（口服）",   L"mg/d", 0.0 },
    {            "codeine",       L"可待因（口服）",   L"mg/d", 0.0 },
};

static constexpr ToolOutput outputs[] = {
    // key    label           unit      formula / format / judged
    { "mme", L"吗啡毫克当量", L"MME/d",
      "morphine + 1.5*oxycodone + 5*hydromorphone + 2.4*fentanyl + 4.7*methadone + 0.2*tramadol + 0.15*codeine",
      "f0", VALUE_AS_PRINTED },
};

static constexpr ToolRule rules[] = {
    // condition                                        level  text                                        kind
    { "(morphine < 0) || (morphine > 3000)",            3,     L"请检查吗啡日剂量：mg/d（范围0–3000）",    RULE_INVALID_INPUT },
    { "(oxycodone < 0) || (oxycodone > 2000)",          3,     L"请检查羟考酮日剂量：mg/d（范围0–2000）",  RULE_INVALID_INPUT },
    { "(hydromorphone < 0) || (hydromorphone > 500)",   3,     L"请检查氢吗啡酮日剂量：mg/d（范围0–500）", RULE_INVALID_INPUT },
    { "(fentanyl < 0) || (fentanyl > 500)",             3,     L"请检查芬太尼贴剂：μg/h（范围0–500）",     RULE_INVALID_INPUT },
    { "(methadone < 0) || (methadone > 500)",           3,     L"请检查美沙酮日剂量：mg/d（范围0–500）",   RULE_INVALID_INPUT },
    { "(tramadol < 0) || (tramadol > 800)",             3,     L"请检查曲马多日剂量：mg/d（范围0–800）",   RULE_INVALID_INPUT },
    { "(codeine < 0) || (codeine > 1000)",              3,     L"请检查可待因日剂量：mg/d（范围0–1000）",  RULE_INVALID_INPUT },
    { "morphine + oxycodone + hydromorphone + fentanyl + methadone + tramadol + codeine <= 0",
                                                        3,     L"未输入任何阿片类药物日剂量",              RULE_INVALID_INPUT },
    { "mme >= 90",                                      2,     L"≥90 MME/d：过量风险显著增加" },
    { "mme >= 50",                                      1,     L"50–89 MME/d：过量风险增加" },
    { "",                                               0,     L"<50 MME/d" },
};

static constexpr ToolDef tool = {
    .id        = 166,
    .name      = L"吗啡毫克当量（MME）",
    .purpose   = L"按CDC 2022换算系数计算每日口服吗啡毫克当量总量",
    .category  = L"疼痛科",
    .reference = L"Dowell D, et al. CDC Clinical Practice Guideline for Prescribing Opioids for Pain 2022. MMWR Recomm Rep 2022;71(3):1-95",
    .note      = L"吗啡一栏须填写（未用填0） 其余未用的药物可留空；芬太尼贴剂按标示释放速率（μg/h）填写。≥90 MME/d应审慎评估并记录理由；50–89需重新评估获益与风险。"
                 L"MME不能用于药物间剂量转换（换药时应显著减量）；不含注射剂 丁丙诺啡；癌痛及临终关怀不适用风险分档。",
    .input_count = dimof(inputs),   .inputs = inputs,
    .output_count = dimof(outputs), .outputs = outputs,
    .rule_count = dimof(rules),     .rules = rules,
    .report_kind = 0,
    .search    = "mme ome mfhkdl apl zt",
};
static_assert(tool_check(tool), "the tool definition breaks an invariant; the error above names it");

const ToolDef* tool_get() { return &tool; }

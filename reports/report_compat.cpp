// Report kind 6: whether two drugs of a fixed list of ten may share one infusion bottle, with a
// verdict level from 0 (nothing recorded) to 3 (contraindicated). Exports report_compat.
#include "reports/report.h"

#include "base/dimof.h"
#include "base/wtext.h"

// Drug n is entry n - 1. ORDER: the numbering of COMPAT_LEGEND.
static const wchar_t* const DRUG_NAMES[] = {
    L"头孢曲松",  // 1
    L"葡萄糖酸钙",  // 2
    L"万古霉素",  // 3
    L"呋塞米",  // 4
    L"氨溴索",  // 5
    L"奥美拉唑",  // 6
    L"维生素C",  // 7
    L"胰岛素",  // 8
    L"碳酸氢钠",  // 9
    L"多巴胺",  // 10
};
// The name shown for a number outside 1 to 10. Showing drug 1's name there made "11 + 2" read as
// ceftriaxone with calcium gluconate above the conclusion that nothing is recorded for the pair.
static const wchar_t NO_SUCH_DRUG[] = L"（无此编号）";

static const wchar_t COMPAT_PAIR[] = L"待查：%d 号 %ls  +  %d 号 %ls";  // a, name, b, name
static const wchar_t* const COMPAT_LEGEND[] = {
    L"编号：1头孢曲松 2葡萄糖酸钙 3万古霉素 4呋塞米 5氨溴索",
    L"      6奥美拉唑 7维生素C 8胰岛素 9碳酸氢钠 10多巴胺",
};

struct CompatRow {
    int32_t        lo, hi;      // the pair's drug numbers, smaller first
    const wchar_t* conclusion;  // line of the report
    const wchar_t* verdict;
    int32_t        level;       // 3 contraindicated, 2 not in one bottle, 1 better apart
};

static const wchar_t SAME_BOTTLE_FORBIDDEN[] = L"结论：禁忌配伍。头孢曲松与含钙注射液可形成不溶性沉淀；钙剂与碳酸氢钠亦不宜同瓶。";
static const wchar_t FORBIDDEN_VERDICT[] = L"禁忌：不可同瓶输注，需间隔冲管";
static const wchar_t VANCOMYCIN_APART[] = L"结论：不宜同瓶。万古霉素与碱性药物/奥美拉唑配伍稳定性差，应分开输注并冲管。";
static const wchar_t VANCOMYCIN_VERDICT[] = L"不宜同瓶，分开输注并冲管";
static const wchar_t ALKALINE_APART[] = L"结论：不宜同瓶。呋塞米与多巴胺、氨溴索与碱性液混合易发生理化变化。";
static const wchar_t ALKALINE_VERDICT[] = L"不宜同瓶，建议分开输注";
static const wchar_t PH_CONFLICT[] = L"结论：奥美拉唑与维生素C 同瓶 pH 冲突，稳定性下降，建议分开。";
static const wchar_t PH_VERDICT[] = L"建议分开输注";

static const CompatRow COMPAT_PAIRS[] = {
    // lo hi  conclusion              verdict               level
    {  1,  2, SAME_BOTTLE_FORBIDDEN,  FORBIDDEN_VERDICT,    3 },  // ceftriaxone + calcium gluconate
    {  2,  9, SAME_BOTTLE_FORBIDDEN,  FORBIDDEN_VERDICT,    3 },  // calcium gluconate + bicarbonate
    {  3,  6, VANCOMYCIN_APART,       VANCOMYCIN_VERDICT,   2 },  // vancomycin + omeprazole
    {  3,  9, VANCOMYCIN_APART,       VANCOMYCIN_VERDICT,   2 },  // vancomycin + bicarbonate
    {  4, 10, ALKALINE_APART,         ALKALINE_VERDICT,     2 },  // furosemide + dopamine
    {  5,  9, ALKALINE_APART,         ALKALINE_VERDICT,     2 },  // ambroxol + bicarbonate
    {  6,  7, PH_CONFLICT,            PH_VERDICT,           1 },  // omeprazole + vitamin C
};
// Every other pair, the same drug twice and unknown numbers included.
static const CompatRow NOT_RECORDED = {
    0, 0, L"结论：本工具库内未收录该组合的明确禁忌，但仍须查本院配伍表并现配现用、注意冲管。",
    L"未收录明确禁忌，仍需核对院内配伍表", 0,
};

static const wchar_t* drug_name(int32_t number) {
    if (number >= 1 && number <= dimof(DRUG_NAMES)) return DRUG_NAMES[number - 1];
    return NO_SUCH_DRUG;
}

static const CompatRow* compat_row(int32_t a, int32_t b) {
    int32_t lo = a < b ? a : b, hi = a < b ? b : a;
    for (const CompatRow& row : COMPAT_PAIRS)
        if (row.lo == lo && row.hi == hi) return &row;
    return &NOT_RECORDED;
}

int report_compat(const ToolDef* tool, const double* input_values,
                  wchar_t* result_text, int result_cap, wchar_t* verdict_text, int verdict_cap) {
    int32_t a = param_get_int(tool, input_values, "drugA");
    int32_t b = param_get_int(tool, input_values, "drugB");
    const CompatRow* row = compat_row(a, b);

    report_line(result_text, result_cap, COMPAT_PAIR, a, drug_name(a), b, drug_name(b));
    report_line(result_text, result_cap, L"");
    for (const wchar_t* line : COMPAT_LEGEND) report_fixed_line(result_text, result_cap, line);
    report_line(result_text, result_cap, L"");
    report_fixed_line(result_text, result_cap, row->conclusion);

    text_copy(verdict_text, verdict_cap, row->verdict);
    return row->level;
}

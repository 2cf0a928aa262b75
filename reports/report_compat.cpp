// Report kind 6: whether two drugs of a fixed list of ten may share one infusion bottle, with a
// verdict level from 0 (nothing recorded) to 3 (contraindicated). Exports report_compat.
#include "reports/report.h"

#include "base/dimof.h"
#include "base/wtext.h"
#include "reports/report_params.h"

// The drugs are COMPAT_DRUGS (report_params.h), the choices of the tool's two inputs.

// The name shown for a number outside 1 to 10. Showing drug 1's name there made "11 + 2" read as
// ceftriaxone with calcium gluconate above the conclusion that nothing is recorded for the pair.
static const wchar_t NO_SUCH_DRUG[] = L"（无此编号）";

static const wchar_t COMPAT_PAIR[] = L"待查：%d 号 %ls  +  %d 号 %ls";  // a, name, b, name
// The numbered drug list under the pair, five drugs a line: "编号：1头孢曲松 2葡萄糖酸钙 ...", then
// the rest under the first, indented by six blanks.
static const wchar_t* const LEGEND_STARTS[] = { L"编号：", L"      " };
enum { LEGEND_PER_LINE = 5 };
static_assert(dimof(LEGEND_STARTS) * LEGEND_PER_LINE == dimof(COMPAT_DRUGS), "the legend lists every drug");

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
    for (const ToolOption& drug : COMPAT_DRUGS)
        if (drug.value == number) return drug.text;
    return NO_SUCH_DRUG;
}

static void write_legend(wchar_t* result_text, int result_cap) {
    for (int line = 0; line < dimof(LEGEND_STARTS); line++) {
        wchar_t text[128];
        text_copy(text, dimof(text), LEGEND_STARTS[line]);
        for (int i = 0; i < LEGEND_PER_LINE; i++) {
            const ToolOption& drug = COMPAT_DRUGS[line * LEGEND_PER_LINE + i];
            wchar_t entry[32];
            wformat(entry, dimof(entry), i == 0 ? L"%.0f%ls" : L" %.0f%ls", drug.value, drug.text);
            text_append(text, dimof(text), entry);
        }
        report_fixed_line(result_text, result_cap, text);
    }
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
    write_legend(result_text, result_cap);
    report_line(result_text, result_cap, L"");
    report_fixed_line(result_text, result_cap, row->conclusion);

    text_copy(verdict_text, verdict_cap, row->verdict);
    return row->level;
}

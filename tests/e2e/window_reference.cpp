// The native run the family window test compares each exe's window with: for every tool of the
// catalogue, the texts the window shows before a calculation (name, category, purpose, each input's
// label, unit and start state as its control shows it) and the result and verdict of calculating
// with every input that starts empty filled with its default, computed as the calculate command does
// (each control read as an InputEntry, then the calculation run into the window's buffers). Written
// as UTF-8 to standard output, one field a line:
//   date YYYY-MM-DD                 the local date the run used (the follow-up plan counts from it)
//   tool NNN                        starts a tool's record, then
//   exe NAME.exe | name T | category T | purpose T
//   input LABEL<TAB>UNIT<TAB>KIND<TAB>SHOWN<TAB>FILL (one per input): KIND number, choice, check or
//     date; SHOWN the start state (a box's text, a list's chosen option text or nothing, a check box's
//     1 or 0); FILL what the driver enters before calculating when the input starts empty (a box's
//     text, a list's option index), empty otherwise
//   rule T (each rule's verdict text, so that every verdict a calculator can show is measured)
//   level N | verdict T | result T  and the line "end"
// In every text a backslash, CR, LF and TAB are written \\ \r \n \t.
#include <stdio.h>

#include "base/civil_date.h"
#include "base/dimof.h"
#include "base/number_read.h"
#include "base/wtext.h"
#include "calc/compute.h"
#include "engine/input_values.h"
#include "platform/platform.h"
#include "tests/tool_vectors.h"
#include "tools/catalogue.h"

// The text as UTF-8 with its backslashes, CRs, LFs and TABs escaped.
static std::string escaped(const wchar_t* text) {
    std::wstring e;
    for (const wchar_t* p = text ? text : L""; *p; p++) {
        if (*p == L'\\') e += L"\\\\";
        else if (*p == L'\r') e += L"\\r";
        else if (*p == L'\n') e += L"\\n";
        else if (*p == L'\t') e += L"\\t";
        else e += *p;
    }
    std::vector<char> bytes(e.size() * 4 + 1);
    if (platform_utf8_from_wide(e.c_str(), bytes.data(), (int)bytes.size()) == 0) return "<not convertible>";
    return bytes.data();
}

static void put(const char* key, const wchar_t* text) { printf("%s %s\n", key, escaped(text).c_str()); }

enum { TEXT_CAP = INPUT_NUMBER_MAX_CHARS + 1 };  // an input's text, as the window's boxes hold it

static const char* const KIND_NAMES[] = { "number", "choice", "check", "date" };  // ORDER InputKind
static const wchar_t DATE_HINT[] = L"年-月-日";  // what the window shows in a date's unit place

// Input i as the window shows it at start (shown) and as it holds it when the calculation runs
// (entry, over text): a start state, or the default entered by the driver where the input starts
// empty. Every buffer holds TEXT_CAP characters.
static void start_state(const ToolInput& in, LocalTime today, wchar_t* shown, wchar_t* fill, wchar_t* text,
                        InputEntry* entry) {
    int option = input_option_index(&in, in.default_value);
    shown[0] = fill[0] = text[0] = 0;
    switch (in.kind) {
    case INPUT_CHOICE:
        if (in.start != START_EMPTY) text_copy(shown, TEXT_CAP, in.options[option].text);
        else wformat(fill, TEXT_CAP, L"%d", option);
        *entry = { text, option };
        return;
    case INPUT_CHECK:
        wformat(shown, TEXT_CAP, L"%d", in.default_value != 0 ? 1 : 0);
        *entry = { text, in.default_value != 0 ? 1 : 0 };
        return;
    case INPUT_DATE:
        if (in.start == START_TODAY) civil_date_print(days_from_civil(today.year, today.month, today.day), shown, TEXT_CAP);
        else civil_date_print((int64_t)in.default_value, in.start == START_EMPTY ? fill : shown, TEXT_CAP);
        break;
    case INPUT_NUMBER:
        input_text_print(in.default_value, in.start == START_EMPTY ? fill : shown, TEXT_CAP);  // as the box shows it
        break;
    }
    text_copy(text, TEXT_CAP, shown[0] ? shown : fill);
    *entry = { text, -1 };
}

static void put_tool(const CatalogueTool& entry, LocalTime today) {
    const ToolDef* tool = entry.get();
    printf("tool %03u\nexe %s\n", (unsigned)entry.number, entry.exe_name);
    put("name", tool->name);
    put("category", tool->category);
    put("purpose", tool->purpose);
    wchar_t texts[MAX_INPUTS][TEXT_CAP];
    InputEntry entries[MAX_INPUTS];
    for (int i = 0; i < tool->input_count; i++) {
        const ToolInput& in = tool->inputs[i];
        wchar_t shown[TEXT_CAP], fill[TEXT_CAP];
        start_state(in, today, shown, fill, texts[i], &entries[i]);
        printf("input %s\t%s\t%s\t%s\t%s\n", escaped(in.label).c_str(),
               escaped(in.kind == INPUT_DATE ? DATE_HINT : in.unit).c_str(), KIND_NAMES[in.kind],
               escaped(shown).c_str(), escaped(fill).c_str());
    }
    for (int i = 0; i < tool->rule_count; i++) put("rule", tool->rules[i].text);
    VectorRun run;
    if (input_values_read(tool, entries, run.values).field >= 0) put("error", L"a default is refused");
    tool_compute(tool, run.values, run.result, dimof(run.result), run.verdict, dimof(run.verdict), &run.level,
                 run.copy, dimof(run.copy));
    printf("level %d\n", run.level);
    put("verdict", run.verdict);
    put("result", run.result);
    printf("end\n");
}

int main() {
    LocalTime now = platform_local_time();
    printf("date %04d-%02d-%02d\n", now.year, now.month, now.day);
    for (int i = 0; i < CATALOGUE_COUNT; i++) put_tool(CATALOGUE[i], now);
    return fflush(stdout) == 0 ? 0 : 1;
}

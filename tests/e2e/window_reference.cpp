// The native run the family window test compares each exe's window with: for every tool of the
// catalogue, the texts the window shows before a calculation (name, category, purpose, each input's
// label, unit and default as its box shows it) and the result and verdict of calculating those
// defaults, computed as the calculate command does (each box's text read as a number, then the
// calculation run into the window's buffers). Written as UTF-8 to standard output, one field a line:
//   date YYYY-MM-DD                 the local date the run used (the follow-up plan counts from it)
//   tool NNN                        starts a tool's record, then
//   exe NAME.exe | name T | category T | purpose T | input LABEL<TAB>UNIT<TAB>DEFAULT (one per input)
//   rule T (each rule's verdict text, so that every verdict a calculator can show is measured)
//   level N | verdict T | result T  and the line "end"
// In every text a backslash, CR, LF and TAB are written \\ \r \n \t.
#include <stdio.h>

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

static void put_tool(const CatalogueTool& entry) {
    const ToolDef* tool = entry.get();
    printf("tool %03u\nexe %s\n", (unsigned)entry.number, entry.exe_name);
    put("name", tool->name);
    put("category", tool->category);
    put("purpose", tool->purpose);
    wchar_t texts[MAX_VALUES][INPUT_NUMBER_MAX_CHARS + 1];
    InputEntry entries[MAX_VALUES];
    for (int i = 0; i < tool->input_count; i++) {
        const ToolInput& in = tool->inputs[i];
        input_text_print(in.default_value, texts[i], dimof(texts[i]));  // as the edit box shows it
        entries[i] = { texts[i], -1 };
        printf("input %s\t%s\t%s\n", escaped(in.label).c_str(), escaped(in.unit).c_str(), escaped(texts[i]).c_str());
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
    for (int i = 0; i < CATALOGUE_COUNT; i++) put_tool(CATALOGUE[i]);
    return fflush(stdout) == 0 ? 0 : 1;
}

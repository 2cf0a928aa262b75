// Writes the list of every tool in the catalogue, from the definitions themselves: as Markdown
// (docs/TOOLS.md, checked in; a test fails when it is stale) or as plain text for the ward package
// (UTF-8 with a byte-order mark and CR LF, so Notepad shows it).
//   tools_doc --markdown <file> | --text <file>
#include <stdio.h>
#include <string.h>

#include <string>

#include "base/civil_date.h"
#include "platform/platform.h"
#include "tools/catalogue.h"

static std::string utf8(const wchar_t* text) {
    if (!text) return "";
    static char bytes[4 * 4096];
    return platform_utf8_from_wide(text, bytes, (int)sizeof bytes) > 0 ? bytes : "?";
}

// A table cell: "|" would end it, a line break would end the row.
static std::string cell(const std::string& s) {
    std::string out;
    for (char c : s) {
        if (c == '|') out += "\\|";
        else if (c == '\r' || c == '\n') out += ' ';
        else out += c;
    }
    return out.empty() ? "—" : out;
}

static std::string number(double v) {
    char text[64];
    snprintf(text, sizeof text, "%.6g", v);
    return text;
}

static std::string date_text(double day) {
    wchar_t text[32];
    civil_date_print((int64_t)day, text, 32);
    return utf8(text);
}

// What an input is: its kind with every option and its number, a check's tick, and how it starts.
static std::string input_kind(const ToolInput& in) {
    std::string kind;
    switch (in.kind) {
    case INPUT_NUMBER: kind = "number"; break;
    case INPUT_CHECK:  kind = "check, ticked = " + number(in.tick); break;
    case INPUT_DATE:   kind = "date"; break;
    case INPUT_CHOICE:
        kind = "choice:";
        for (int k = 0; k < in.option_count; k++)
            kind += (k ? ", " : " ") + utf8(in.options[k].text) + " = " + number(in.options[k].value);
        break;
    }
    if (in.start == START_EMPTY) kind += "; starts empty";
    if (in.start == START_TODAY) kind += "; starts today";
    return kind;
}

static std::string input_default(const ToolInput& in) {
    if (in.kind == INPUT_DATE) return date_text(in.default_value);
    if (in.kind == INPUT_CHOICE) {
        for (int k = 0; k < in.option_count; k++)
            if (in.options[k].value == in.default_value) return utf8(in.options[k].text) + " (" + number(in.default_value) + ")";
    }
    if (in.kind == INPUT_CHECK) return in.default_value ? "ticked" : "unticked";
    return number(in.default_value);
}

static const char* REPORT_NAMES[] = { "", "shift rota", "dosing time schedule", "blood-draw order",
                                      "critical values list", "high-alert medicines", "drug compatibility check",
                                      "follow-up plan", "surgical safety checklist", "handover template",
                                      "infusion card", "lab panels" };

static std::string report_name(uint32_t kind) {
    if (kind < sizeof REPORT_NAMES / sizeof REPORT_NAMES[0]) return REPORT_NAMES[kind];
    return "report " + std::to_string(kind);
}

static void markdown(FILE* f) {
    fprintf(f, "# 工具清单 (tool list)\n\n"
               "Generated from the definitions in `tools/` by `tests/docs/tools_doc.cpp` "
               "(`bash scripts/tools-doc.sh` writes it again; a test fails when it is stale).\n\n"
               "| No. | Name | Category | Exe | Kind |\n|---|---|---|---|---|\n");
    for (int i = 0; i < CATALOGUE_COUNT; i++) {
        const ToolDef* t = CATALOGUE[i].get();
        fprintf(f, "| %u | %s | %s | `%s` | %s |\n", t->id, cell(utf8(t->name)).c_str(),
                cell(utf8(t->category)).c_str(), CATALOGUE[i].exe_name,
                t->report_kind ? ("report " + std::to_string(t->report_kind) + " (" + report_name(t->report_kind) + ")").c_str()
                               : "calculator");
    }
    for (int i = 0; i < CATALOGUE_COUNT; i++) {
        const ToolDef* t = CATALOGUE[i].get();
        fprintf(f, "\n## %u %s\n\n", t->id, utf8(t->name).c_str());
        fprintf(f, "- Category: %s\n- Exe: `%s` (definition `tools/%s.cpp`)\n- Purpose: %s\n", utf8(t->category).c_str(),
                CATALOGUE[i].exe_name, CATALOGUE[i].file_stem, t->purpose ? utf8(t->purpose).c_str() : "—");
        if (t->report_kind) fprintf(f, "- Report: kind %u, %s\n", t->report_kind, report_name(t->report_kind).c_str());
        fprintf(f, "- Reference: %s\n- Note: %s\n", utf8(t->reference).c_str(), t->note ? utf8(t->note).c_str() : "—");
        if (t->input_count) {
            fprintf(f, "\nInputs (the default is what the self-test uses):\n\n"
                       "| Key | Label | Unit | Kind | Default |\n|---|---|---|---|---|\n");
            for (int k = 0; k < t->input_count; k++) {
                const ToolInput& in = t->inputs[k];
                fprintf(f, "| `%s` | %s | %s | %s | %s |\n", in.key, cell(utf8(in.label)).c_str(), cell(utf8(in.unit)).c_str(),
                        cell(input_kind(in)).c_str(), cell(input_default(in)).c_str());
            }
        } else {
            fprintf(f, "\nInputs: none.\n");
        }
        if (t->output_count) {
            fprintf(f, "\nOutputs, in order:\n\n| Key | Label | Unit | Formula | Format |\n|---|---|---|---|---|\n");
            for (int k = 0; k < t->output_count; k++) {
                const ToolOutput& o = t->outputs[k];
                fprintf(f, "| `%s` | %s | %s | `%s` | %s%s |\n", o.key, cell(utf8(o.label)).c_str(), cell(utf8(o.unit)).c_str(),
                        cell(o.formula ? o.formula : "").c_str(), o.format ? o.format : "f2",
                        o.value == VALUE_AS_PRINTED ? ", judged as printed" : "");
            }
        }
        if (t->rule_count) {
            fprintf(f, "\nRules, first match wins:\n\n| # | Condition | Level | Verdict |\n|---|---|---|---|\n");
            for (int k = 0; k < t->rule_count; k++) {
                const ToolRule& r = t->rules[k];
                fprintf(f, "| %d | %s | %d%s | %s |\n", k, r.condition[0] ? ("`" + cell(r.condition) + "`").c_str() : "(always)",
                        r.level, r.kind == RULE_INVALID_INPUT ? ", invalid input: no result" : "", cell(utf8(r.text)).c_str());
            }
        }
    }
}

// The plain-text list that goes beside the exes: CR LF lines after a byte-order mark.
static void text(FILE* f) {
    fputs("\xEF\xBB\xBF", f);
    fputs("临床计算器 工具清单\r\n\r\n", f);
    for (int i = 0; i < CATALOGUE_COUNT; i++) {
        const ToolDef* t = CATALOGUE[i].get();
        fprintf(f, "%-34s %u  %s（%s）\r\n", CATALOGUE[i].exe_name, t->id, utf8(t->name).c_str(), utf8(t->category).c_str());
        if (t->purpose) fprintf(f, "    %s\r\n", utf8(t->purpose).c_str());
    }
    fputs("\r\n双击 exe 即可使用；记录保存在 %LOCALAPPDATA%\\KavriMedSuite\\records。\r\n", f);
}

int main(int argc, char** argv) {
    if (argc != 3 || (strcmp(argv[1], "--markdown") != 0 && strcmp(argv[1], "--text") != 0)) {
        fprintf(stderr, "usage: tools_doc --markdown <file> | --text <file>\n");
        return 2;
    }
    FILE* f = fopen(argv[2], "wb");
    if (!f) { perror(argv[2]); return 1; }
    if (strcmp(argv[1], "--markdown") == 0) markdown(f); else text(f);
    return fclose(f) == 0 ? 0 : 1;
}

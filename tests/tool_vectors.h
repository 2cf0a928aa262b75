// The golden vectors of a tool (tools/NNN_slug.vec) read into records, and a run of one case through
// the calculation the window makes. Header only, shared by the catalogue tests and the identity corpus.
//
// Calculator tools, one case a line:  inputs as typed | printed outputs | level | rule index or -
// Report tools, a head line            inputs as typed | level | verdict text
//   then "> line" lines (the whole result text, exact) or "~ line" lines (lines it must contain).
// "#" starts a comment line; blank lines are ignored.
#pragma once
#include <math.h>

#include <string>
#include <vector>

#include "base/civil_date.h"
#include "base/number_read.h"
#include "calc/compute.h"
#include "platform/platform.h"
#include "reports/report.h"

struct ToolVector {
    int                       line = 0;        // line of the head in the .vec file, 1 first
    std::vector<std::wstring> inputs;          // as typed into the boxes
    std::vector<std::wstring> outputs;         // calculator: each output's printed value
    int                       level = 0;
    int                       rule = -1;       // calculator: index of the matching rule, -1 for none
    std::wstring              verdict;         // report: the verdict text
    std::vector<std::wstring> exact_lines;     // report: the whole result text, line by line
    std::vector<std::wstring> contained_lines; // report: lines the result text holds somewhere
    std::string               error;           // why the case could not be read; empty when it could
};

// The day the follow-up plan counts from in every vector and corpus case: 2026-03-09.
inline int64_t vector_today() { return days_from_civil(2026, 3, 9); }

inline std::wstring vector_wide(const std::string& utf8) {
    std::vector<wchar_t> wide(utf8.size() + 1);
    if (platform_wide_from_utf8(utf8.c_str(), wide.data(), (int)wide.size()) == 0) return L"\uFFFD";
    return std::wstring(wide.data());
}

inline std::wstring vector_trim(const std::wstring& s) {
    size_t b = s.find_first_not_of(L" \t\r"), e = s.find_last_not_of(L" \t\r");
    return b == std::wstring::npos ? L"" : s.substr(b, e - b + 1);
}

inline std::vector<std::wstring> vector_split(const std::wstring& s, wchar_t sep) {
    std::vector<std::wstring> parts;
    size_t begin = 0;
    for (;;) {
        size_t end = s.find(sep, begin);
        parts.push_back(s.substr(begin, end == std::wstring::npos ? std::wstring::npos : end - begin));
        if (end == std::wstring::npos) return parts;
        begin = end + 1;
    }
}

inline std::vector<std::wstring> vector_words(const std::wstring& s) {
    std::vector<std::wstring> words;
    for (const std::wstring& w : vector_split(vector_trim(s), L' '))
        if (!vector_trim(w).empty()) words.push_back(vector_trim(w));
    return words;
}

inline bool vector_int(const std::wstring& s, int* out) {
    std::wstring t = vector_trim(s);
    if (t.empty()) return false;
    size_t used = 0;
    try { *out = std::stoi(t, &used); } catch (...) { return false; }
    return used == t.size();
}

// The value of a number token as a box reads it. The one exception: a far value may be written with an
// exponent (1e12; 1e308 has 309 digits, past the 127 characters of a box), which a box refuses; such a
// token is read with number_read, so the reports' far limits stay tested. NaN when neither reads it whole.
inline double vector_number(const std::wstring& token) {
    double value = input_text_value(token.c_str());
    if (!isnan(value) || token.find_first_of(L"eE") == std::wstring::npos ||
        token.find_first_not_of(L"0123456789.+-eE") != std::wstring::npos)
        return value;
    std::string ascii;
    for (wchar_t c : token) ascii += c > 0 && c < 0x80 ? (char)c : '?';
    const char* end = nullptr;
    value = number_read(ascii.c_str(), &end);
    return *end == 0 && end != ascii.c_str() ? value : NAN;
}

// Reads every case of a tool's vectors text.
inline std::vector<ToolVector> tool_vectors_read(const ToolDef* tool, const char* text) {
    std::vector<ToolVector> cases;
    std::vector<std::string> lines;
    for (const char* p = text; *p;) {
        const char* e = p;
        while (*e && *e != '\n') e++;
        lines.emplace_back(p, e);
        p = *e ? e + 1 : e;
    }
    bool report = tool->report_kind != 0;
    for (size_t n = 0; n < lines.size(); n++) {
        std::wstring line = vector_wide(lines[n]);
        std::wstring t = vector_trim(line);
        if (t.empty() || t[0] == L'#') continue;
        if (t[0] == L'>' || t[0] == L'~') {
            std::wstring body = line.substr(line.find(t[0]) + 1);
            if (!body.empty() && body[0] == L' ') body.erase(0, 1);
            while (!body.empty() && body.back() == L'\r') body.pop_back();
            if (!report || cases.empty()) {
                ToolVector bad;
                bad.line = (int)n + 1;
                bad.error = "a text line without a report case before it";
                cases.push_back(bad);
                continue;
            }
            (t[0] == L'>' ? cases.back().exact_lines : cases.back().contained_lines).push_back(body);
            continue;
        }
        ToolVector v;
        v.line = (int)n + 1;
        std::vector<std::wstring> columns = vector_split(t, L'|');
        if (columns.size() != (report ? 3u : 4u)) {
            v.error = report ? "a report case has 3 columns: inputs | level | verdict"
                             : "a case has 4 columns: inputs | outputs | level | rule";
            cases.push_back(v);
            continue;
        }
        v.inputs = vector_words(columns[0]);
        if ((int)v.inputs.size() != tool->input_count) v.error = "the number of inputs is not the tool's";
        for (size_t i = 0; i < v.inputs.size() && v.error.empty(); i++) {
            int64_t day = 0;
            bool date = i < (size_t)tool->input_count && tool->inputs[i].kind == INPUT_DATE &&
                        civil_date_read(v.inputs[i].c_str(), &day);
            if (!date && isnan(vector_number(v.inputs[i]))) v.error = "an input is not a number a box accepts";
        }
        if (report) {
            if (!vector_int(columns[1], &v.level)) v.error = "the level is not a number";
            v.verdict = vector_trim(columns[2]);
        } else {
            v.outputs = vector_words(columns[1]);
            if ((int)v.outputs.size() != tool->output_count) v.error = "the number of outputs is not the tool's";
            if (!vector_int(columns[2], &v.level)) v.error = "the level is not a number";
            std::wstring rule = vector_trim(columns[3]);
            if (rule != L"-" && (!vector_int(rule, &v.rule) || v.rule < 0 || v.rule >= tool->rule_count))
                v.error = "the rule is neither - nor the index of a rule";
        }
        cases.push_back(v);
    }
    return cases;
}

struct VectorRun {
    double  values[MAX_VALUES] = {};
    wchar_t result[REPORT_TEXT_CAP];  // the window's buffers
    wchar_t verdict[512];
    wchar_t copy[8192];
    int     level = 0;
};

// Runs one case as the window does: each input text read as the calculate command reads a box, then
// the calculation run. The follow-up plan counts from vector_today() instead of the clock.
inline void tool_vector_run(const ToolDef* tool, const ToolVector& v, VectorRun* run) {
    // A date is typed as a date; every other input as the number it stands for (a choice's option
    // value, a check's tick or 0), so a case may also hold values the window cannot enter.
    for (int i = 0; i < tool->input_count && i < (int)v.inputs.size(); i++) {
        int64_t day = 0;
        if (tool->inputs[i].kind == INPUT_DATE && civil_date_read(v.inputs[i].c_str(), &day)) run->values[i] = (double)day;
        else run->values[i] = vector_number(v.inputs[i]);
    }
    if (tool->report_kind == 7) {  // the follow-up plan
        run->level = report_followup_on(vector_today(), tool, run->values, run->result, REPORT_TEXT_CAP,
                                        run->verdict, 512);
        return;
    }
    tool_compute(tool, run->values, run->result, REPORT_TEXT_CAP, run->verdict, 512, &run->level, run->copy, 8192);
}

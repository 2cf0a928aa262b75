// What each custom report reads: the keys of its parameters, the options of the parameters that are
// choices, and the build-time check of a report tool's inputs against them.
// Exports the limits REPORT_KINDS, MAX_REPORT_PARAMS and MAX_REPORT_KEYS, ReportParams with
// REPORT_PARAMS, report_params, report_key_equals and report_all_keys, the option lists
// BLOOD_DRAW_ITEMS, CRITICAL_GROUPS, HIGH_ALERT_CLASSES, COMPAT_DRUGS and LAB_PANELS, ReportParamFault
// with report_param_fault, and report_tool_check (consteval).
// The tables have internal linkage (each file that includes them has its own copy): g++ does not take
// the address of an inline variable as non-null in a constant expression, which tool_check needs.
#pragma once
#include "engine/tool_check.h"

enum {
    REPORT_KINDS      = 11,  // report kinds 1 to 11
    MAX_REPORT_PARAMS = 4,   // parameters of one report (the infusion card reads four)
    MAX_REPORT_KEYS   = 16,  // distinct keys over every report
};

struct ReportParams {
    const char* keys[MAX_REPORT_PARAMS];  // the keys the report reads; null after the last
};

// Entry k - 1 for report kind k. ORDER: report kinds 1 to 11, as REPORTS in report_build.cpp. A
// report reads no key but these; "kind", "start" and "times" mean something else in each report.
constexpr ReportParams REPORT_PARAMS[REPORT_KINDS] = {
    { { "nurses", "days" } },                     //  1 shift rota
    { { "start", "interval", "times" } },         //  2 dosing time schedule
    { { "kind" } },                               //  3 blood-draw order: BLOOD_DRAW_ITEMS
    { { "kind" } },                               //  4 critical values list: CRITICAL_GROUPS
    { { "kind" } },                               //  5 high-alert medicines: HIGH_ALERT_CLASSES
    { { "drugA", "drugB" } },                     //  6 drug compatibility check: COMPAT_DRUGS each
    { { "start", "gap", "times" } },              //  7 follow-up plan
    { {} },                                       //  8 surgical safety checklist: none
    { { "beds" } },                               //  9 handover template
    { { "bed", "dose", "volume", "gtt" } },       // 10 infusion card
    { { "panel" } },                              // 11 lab panels: LAB_PANELS
};

// Whether two keys are the same text (byte-wise, case-sensitive, as param_get compares them).
constexpr bool report_key_equals(const char* a, const char* b) {
    int i = 0;
    while (a[i] && a[i] == b[i]) i++;
    return a[i] == b[i];
}

// The parameters of report `kind`; null for a kind that selects no report.
constexpr const ReportParams* report_params(uint32_t kind) {
    return kind >= 1 && kind <= REPORT_KINDS ? &REPORT_PARAMS[kind - 1] : nullptr;
}

// Every key some report reads, each once, in the order of REPORT_PARAMS, into keys (room for cap).
// Returns the count written; MAX_REPORT_KEYS holds them all.
constexpr int report_all_keys(const char** keys, int cap) {
    int n = 0;
    for (const ReportParams& params : REPORT_PARAMS)
        for (const char* key : params.keys) {
            if (!key) break;
            bool seen = false;
            for (int i = 0; i < n; i++) seen = seen || report_key_equals(keys[i], key);
            if (!seen && n < cap) keys[n++] = key;
        }
    return n;
}

// The choices of the report tools. Option k stands for code k, the number record files and vectors
// hold. In a fixed report it selects row k, and the last option is the catch-all row, which every
// number outside the list selects too; the fixed reports assert that their rows follow these lists.

// Blood-draw order, "kind": the test drawn this time (report_fixed.cpp, BLOOD_ORDER).
constexpr ToolOption BLOOD_DRAW_ITEMS[] = {
    { L"血常规", 1 }, { L"凝血", 2 }, { L"生化", 3 }, { L"血气", 4 }, { L"血培养", 5 },
    { L"血糖/乳酸", 6 }, { L"其他项目", 7 },
};
// Critical values list, "kind": the group of tests (report_critical.cpp, CRITICAL_VALUES).
constexpr ToolOption CRITICAL_GROUPS[] = {
    { L"电解质（血钾、血钠、血钙）", 1 }, { L"血糖与血气", 2 }, { L"血常规", 3 }, { L"凝血", 4 },
    { L"微生物", 5 }, { L"心肌与胰腺标志物", 6 }, { L"其他检验项目", 7 },
};
// High-alert medicines, "kind": the class (report_fixed.cpp, HIGH_ALERT).
constexpr ToolOption HIGH_ALERT_CLASSES[] = {
    { L"高浓度电解质", 1 }, { L"胰岛素与口服降糖药", 2 }, { L"抗凝与化疗药", 3 }, { L"麻醉与肌松药", 4 },
};
// Drug compatibility check, "drugA" and "drugB": the drug list, whose names the report prints
// (report_compat.cpp). It has no catch-all: a number outside it is no drug.
constexpr ToolOption COMPAT_DRUGS[] = {
    { L"头孢曲松", 1 }, { L"葡萄糖酸钙", 2 }, { L"万古霉素", 3 }, { L"呋塞米", 4 }, { L"氨溴索", 5 },
    { L"奥美拉唑", 6 }, { L"维生素C", 7 }, { L"胰岛素", 8 }, { L"碳酸氢钠", 9 }, { L"多巴胺", 10 },
};
// Lab panels, "panel" (report_fixed.cpp, LAB_PANELS).
constexpr ToolOption LAB_PANELS[] = {
    { L"血常规", 1 }, { L"生化全套", 2 }, { L"凝血四项", 3 }, { L"甲状腺功能", 4 },
    { L"心肌损伤标志物", 5 }, { L"尿常规", 6 },
};

// How a report tool's inputs disagree with its report's parameters.
enum ReportParamError {
    REPORT_PARAMS_OK,
    REPORT_KIND_UNKNOWN,         // report_kind is not 1 to 11
    REPORT_INPUT_NOT_READ,       // input `at` has a key the report does not read (a misspelt key)
    REPORT_INPUT_KEY_TWICE,      // input `at` has the key of an earlier input, so it is never read
    REPORT_PARAM_HAS_NO_INPUT,   // parameter `at` of the report is no input's key, so it reads 0
};

struct ReportParamFault {
    ReportParamError error;
    int              at;  // 0-based input or parameter number; 0 for REPORT_KIND_UNKNOWN and OK
};

// The first way the inputs of report tool `tool` disagree with the parameters its report reads: each
// input must carry one of them, each once, and each of them must be some input's key.
constexpr ReportParamFault report_param_fault(const ToolDef& tool) {
    if (tool.report_kind < 1 || tool.report_kind > REPORT_KINDS) return { REPORT_KIND_UNKNOWN, 0 };
    const ReportParams* params = &REPORT_PARAMS[tool.report_kind - 1];
    for (int i = 0; i < tool.input_count; i++) {
        const char* key = tool.inputs[i].key;
        bool read = false;
        for (const char* p : params->keys) read = read || (p && report_key_equals(p, key));
        if (!read) return { REPORT_INPUT_NOT_READ, i };
        for (int j = 0; j < i; j++)
            if (report_key_equals(tool.inputs[j].key, key)) return { REPORT_INPUT_KEY_TWICE, i };
    }
    for (int p = 0; p < MAX_REPORT_PARAMS && params->keys[p]; p++) {
        bool found = false;
        for (int i = 0; i < tool.input_count; i++)
            found = found || report_key_equals(tool.inputs[i].key, params->keys[p]);
        if (!found) return { REPORT_PARAM_HAS_NO_INPUT, p };
    }
    return { REPORT_PARAMS_OK, 0 };
}

namespace tool_error {
// The build stops here when a report tool's inputs and its report's parameters disagree; the number
// in the message is the 1-based input or parameter (REPORT_PARAMS gives the parameters' order), or
// the kind (-1 for kind 0).
consteval bool report_kind_is_not_1_to_11(uint32_t kind) { return stop_at(kind == 0 ? -1 : (int)kind); }
consteval bool report_input_key_is_no_parameter_of_its_report(int input) { return stop_at(input + 1); }
consteval bool report_input_key_is_used_twice(int input) { return stop_at(input + 1); }
consteval bool report_parameter_is_no_input_key(int parameter) { return stop_at(parameter + 1); }
}  // namespace tool_error

// tool_check, and the inputs of a report tool against the parameters its report reads: a misspelt
// key, or a parameter without an input, would otherwise read 0 without a word.
consteval bool report_tool_check(const ToolDef& tool) {
    tool_check(tool);
    ReportParamFault fault = report_param_fault(tool);
    switch (fault.error) {
    case REPORT_PARAMS_OK:          break;
    case REPORT_KIND_UNKNOWN:       tool_error::report_kind_is_not_1_to_11(tool.report_kind); break;
    case REPORT_INPUT_NOT_READ:     tool_error::report_input_key_is_no_parameter_of_its_report(fault.at); break;
    case REPORT_INPUT_KEY_TWICE:    tool_error::report_input_key_is_used_twice(fault.at); break;
    case REPORT_PARAM_HAS_NO_INPUT: tool_error::report_parameter_is_no_input_key(fault.at); break;
    }
    return true;
}

// Scenarios with the 16-input test tool (wide_tool.cpp): rows inside the input panel, units only
// where given, absent purpose and note, and the colour of every verdict level. Exports WIDE_SCENARIOS.
#include "e2e.h"

enum { ROWS = 16, ID_CALCULATE = 1001, ID_FIRST_INPUT = 2000 };

static void sixteen_rows(Session* s) {
    int previous_bottom = 134;
    for (int i = 0; i < ROWS; i++) {
        HWND edit = control(s, ID_FIRST_INPUT + i);
        check(s, edit != nullptr, "no edit box %d", i + 1);
        if (!edit) continue;
        RECT r = client_rect_of(s, edit);
        check(s, r.top >= previous_bottom && r.bottom <= 647 && r.left == 216 && r.right - r.left == 152 &&
                 r.bottom - r.top == 27,
              "row %d: edit box at %ld,%ld-%ld,%ld is not inside the panel below the row above", i + 1, r.left, r.top,
              r.right, r.bottom);
        previous_bottom = r.bottom;
        // The label ends 8 px before the box, the unit starts 6 px after it; both start 5 px below its top.
        int differing = row_text_difference(s, { 24, r.top + 5, 208, r.top + 27 },
                                            (L"参数 " + std::to_wstring(i + 1)).c_str(), ROW_LABEL);
        check(s, differing == 0, "row %d: label, %d pixels differ", i + 1, differing);
        differing = row_text_difference(s, { 374, r.top + 4, 452, r.top + 26 }, i % 2 == 0 ? L"单位" : L"", ROW_UNIT);
        check(s, differing == 0, "row %d: unit, %d pixels differ", i + 1, differing);
    }
    check_text(s, "large default in full", text_of(control(s, ID_FIRST_INPUT + 1)), L"1234567");
    check_text(s, "absent note", text_of(child_at(s, 500, 450)), L"");
    int differing = text_difference(s, { 28, 48, 748, 76 }, L"测试科  ·  ", L"Microsoft YaHei UI", -14, 400,
                                    DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS, RGB(214, 236, 246), RGB(0, 108, 150));
    check(s, differing == 0, "subtitle without a purpose: %d pixels differ", differing);
}

static void verdict_colours(Session* s) {
    static const COLORREF LEVEL_COLOURS[] = { RGB(0, 128, 96), RGB(176, 132, 0), RGB(214, 108, 0), RGB(190, 30, 45) };
    static const struct { const wchar_t* v1; const wchar_t* verdict; int colour; } cases[] = {
        { L"1", L"一级提示",       1 },
        { L"2", L"二级提示",       2 },
        { L"3", L"三级危急",       3 },
        { L"4", L"七级按正常显示", 0 },  // a level outside 1 to 3 shows like 0
        { L"0", L"正常",           0 },
    };
    for (const auto& c : cases) {
        set_text(control(s, ID_FIRST_INPUT), c.v1);
        click(s, ID_CALCULATE);
        settle(s);
        check_text(s, "verdict line", text_of(child_at(s, 500, 150)), c.verdict);
        Capture line = capture_until_colour(s, { 492, 142, 984, 188 }, LEVEL_COLOURS[c.colour], 20);
        for (int k = 0; k < 4; k++) {
            int n = count_colour(line, LEVEL_COLOURS[k]);
            if (k == c.colour) check(s, n > 20, "%s: only %d pixels in its level colour", utf8(c.verdict).c_str(), n);
            else check(s, n == 0, "%s: %d pixels in the colour of level %d", utf8(c.verdict).c_str(), n, k);
        }
    }
}

static const Scenario SCENARIOS[] = {
    { "wide tool: sixteen rows inside the panel", PROGRAM_WIDE, sixteen_rows },
    { "wide tool: verdict colour of every level", PROGRAM_WIDE, verdict_colours },
};
const ScenarioList WIDE_SCENARIOS = { SCENARIOS, (int)(sizeof SCENARIOS / sizeof SCENARIOS[0]) };

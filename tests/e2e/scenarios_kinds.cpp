// Scenarios with the 40-input test tool (kinds_tool.cpp): every kind of input in its start state, the
// form inside the work area with rows scrolling whole, each kind driven by keyboard and by mouse, a
// missing input and an impossible date named with the focus on them, reset to every start state, and
// implausible inputs that show, copy and save nothing while a level-3 verdict copies and saves.
// Exports KINDS_SCENARIOS.
#include "app/layout.h"
#include "e2e.h"

enum { ID_CALCULATE = 1001, ID_SAVE = 1002, ID_COPY = 1003, ID_RESET = 1004, ID_FIRST_INPUT = 2000,
       ID_RESULT = 3000, INPUTS = 40 };

// Inputs by index in kinds_tool.cpp.
enum { W, NA, SEX, GRADE, HTN, DM, LMP, SEEN, OP, AGE, C11, C15 = C11 + 4, N31 = 30, LAST_CHOICE = 38, LAST = 39 };

static HWND input(Session* s, int i) { return control(s, ID_FIRST_INPUT + i); }

static std::wstring today() {
    SYSTEMTIME now;
    GetLocalTime(&now);
    wchar_t text[16];
    swprintf(text, 16, L"%04d-%02d-%02d", now.wYear, now.wMonth, now.wDay);
    return text;
}

// Turns the wheel over the window by notches (negative: down the form) and waits for it.
static void scroll_rows(Session* s, int notches) {
    PostMessageW(s->main, WM_MOUSEWHEEL, MAKEWPARAM(0, notches * WHEEL_DELTA), MAKELPARAM(100, 300));
    settle(s);
}

// Every input's class and start state (input_state: a check box's 1 or 0, a list's option text); the
// rows at the end of the form are made when they are first scrolled into view, so the form is
// scrolled to its end and back.
static void expect_start_states(Session* s) {
    static const struct { int i; const wchar_t* cls; const wchar_t* state; } rows[] = {
        { W,           L"Edit",     L"60" },
        { NA,          L"Edit",     L"" },          // starts empty
        { SEX,         L"ComboBox", L"" },          // no option chosen
        { GRADE,       L"ComboBox", L"中度" },
        { HTN,         L"Button",   L"0" },
        { DM,          L"Button",   L"1" },         // ticked by default
        { LMP,         L"Edit",     L"2026-03-09" },
        { SEEN,        nullptr,     nullptr },      // today: below
        { OP,          L"Edit",     L"" },
        { AGE,         L"ComboBox", L"41–60 岁" },
        { C11,         L"Button",   L"0" },
        { N31,         L"Edit",     L"1" },
        { LAST_CHOICE, L"ComboBox", L"轻度" },
        { LAST,        L"Button",   L"0" },
    };
    for (const auto& r : rows) {
        if (r.i == N31) scroll_rows(s, -20);
        HWND c = input(s, r.i);
        std::string what = "input " + std::to_string(r.i + 1);
        check(s, c != nullptr, "%s: no control", what.c_str());
        if (!c || !r.cls) continue;
        wchar_t cls[32] = L"";
        GetClassNameW(c, cls, 32);
        check(s, !_wcsicmp(cls, r.cls), "%s: class %s", what.c_str(), utf8(cls).c_str());
        check_text(s, what.c_str(), input_state(c), r.state);
    }
    scroll_rows(s, 20);
    check_text(s, "a date that starts today", input_state(input(s, SEEN)), today().c_str());
}

// Labels and units of some rows, as kinds_tool.cpp defines them.
static const struct { int i; const wchar_t* label; const wchar_t* unit; } ROW_TEXTS[] = {
    { W, L"体重", L"kg" },    { SEX, L"性别", L"" },   { LMP, L"末次月经", L"年-月-日" }, { C11, L"项目 11", L"" },
    { N31, L"数值 31", L"mg" }, { LAST_CHOICE, L"末项分级", L"" }, { LAST, L"末项", L"" },
};

// The rows shown from input `first` on carry their own painted labels and units.
static void expect_row_texts(Session* s, RowLayout rows, int first) {
    for (const auto& t : ROW_TEXTS) {
        int place = t.i - first;
        if (place < 0 || place >= rows.shown) continue;
        Box label = input_label_box(place, rows), unit = input_unit_box(place, rows);
        int differing = row_text_difference(s, { label.x, label.y, box_right(label), box_bottom(label) }, t.label,
                                            ROW_LABEL);
        check(s, differing == 0, "input %d shown in row %d: label, %d pixels differ", t.i + 1, place + 1, differing);
        if (!t.unit[0]) continue;  // a drop-down list or check box spans the unit's place
        differing = row_text_difference(s, { unit.x, unit.y, box_right(unit), box_bottom(unit) }, t.unit, ROW_UNIT);
        check(s, differing == 0, "input %d shown in row %d: unit, %d pixels differ", t.i + 1, place + 1, differing);
    }
}

// The rows shown lie whole inside the input panel, in order, with their labels and units; the others
// are hidden, never cut. Returns the first input shown.
static int expect_rows_whole(Session* s) {
    RECT client;
    GetClientRect(s->main, &client);
    MainLayout layout = main_layout(client.bottom);
    RowLayout rows = input_rows(INPUTS, client.bottom);
    check(s, rows_scroll(rows, INPUTS), "40 rows do not scroll");
    int first = -1, shown = 0;
    LONG previous_bottom = box_bottom(layout.input_panel.separator);
    for (int i = 0; i < INPUTS; i++) {
        HWND c = input(s, i);
        if (!c || !IsWindowVisible(c)) continue;
        if (first < 0) first = i;
        shown++;
        RECT r = client_rect_of(s, c);
        Box panel = layout.input_panel.frame;
        check(s, r.top >= previous_bottom && r.bottom <= box_bottom(panel) - 1 && r.left > panel.x &&
                 r.right < box_right(panel) - 1,
              "input %d at %ld,%ld-%ld,%ld is not whole inside the panel below the row above", i + 1, r.left, r.top,
              r.right, r.bottom);
        previous_bottom = r.bottom;
    }
    check(s, first >= 0 && shown == rows.shown, "%d rows shown from input %d, the panel holds %d", shown, first + 1,
          rows.shown);
    for (int i = first; i >= 0 && i < first + shown && i < INPUTS; i++)
        check(s, IsWindowVisible(input(s, i)), "input %d is hidden among the rows shown", i + 1);
    if (first >= 0) expect_row_texts(s, rows, first);
    return first;
}

// Waits up to two seconds for input `first` to be the first row shown: mouse input reaches the
// program after the messages settle() posts, so a scroll by the wheel may still be under way.
static void wait_for_first_row(Session* s, int first) {
    for (ULONGLONG deadline = GetTickCount64() + 2000; GetTickCount64() < deadline; Sleep(10)) {
        int shown = 0;
        while (shown < INPUTS && !(input(s, shown) && IsWindowVisible(input(s, shown)))) shown++;
        if (shown == first) break;
    }
    settle(s);
}

static void start_and_fit(Session* s) {
    window_fits(s);
    check(s, expect_rows_whole(s) == 0, "the rows do not start at the first input");
    check(s, focused(s) == input(s, W), "the first input does not have the focus");
    expect_start_states(s);
    check(s, save_window_png(s, driver_paths.artifacts + L"\\kinds_start.png"), "cannot save the screenshot");
}

// Tab goes down the form, scrolling each row into view, and from the last input round to the first.
static void tab_down_the_form(Session* s) {
    for (int i = 1; i <= INPUTS; i++) {
        post_key(focused(s), VK_TAB);
        settle(s);
        int want = i % INPUTS;
        check(s, focused(s) == input(s, want), "Tab %d: the focus is not on input %d", i, want + 1);
        check(s, IsWindowVisible(input(s, want)), "Tab %d: input %d is not shown", i, want + 1);
        if (want == LAST) {
            expect_rows_whole(s);
            check(s, save_window_png(s, driver_paths.artifacts + L"\\kinds_scrolled.png"), "cannot save the screenshot");
        }
    }
    check(s, expect_rows_whole(s) == 0, "back at the first input, the rows do not show it at the top");
}

// Enters what the inputs that start empty need, by keyboard: the focus lands on each in turn as the
// calculation asks for it, named in the warning.
static void missing_inputs_named(Session* s) {
    static const struct { int i; const wchar_t* message; const wchar_t* typed; WPARAM key; } steps[] = {
        { NA,  L"第 2 项“血钠”尚未填写，请输入。",                    L"140",        0 },
        { SEX, L"第 3 项“性别”尚未选择，请选择。",                    nullptr,       VK_DOWN },  // 男
        { OP,  L"第 9 项“手术日期”尚未填写，请输入。",                L"2026-02-30", 0 },
        { OP,  L"第 9 项“手术日期”请输入有效日期，如 2026-03-09。",  nullptr,       0 },
    };
    for (const auto& step : steps) {
        post_key(focused(s), VK_F5);
        expect_message_box(s, L"输入有误", step.message, true);
        check(s, focused(s) == input(s, step.i), "after \"%s\" the focus is not on input %d", utf8(step.message).c_str(),
              step.i + 1);
        if (step.typed) post_char(input(s, step.i), step.typed);
        if (step.key) post_key(input(s, step.i), step.key);
        settle(s);
    }
    set_text(input(s, OP), L"");
    post_char(input(s, OP), L"2026年3月16日");
    post_key(input(s, OP), VK_RETURN);
    settle(s);
    check(s, no_message_box(s), "a message box is open after every input was entered");
    std::wstring result = text_of(control(s, ID_RESULT));
    for (const wchar_t* line : { L"评分：5 分", L"手术日：2026-03-16", L"性别代码：240" })
        check(s, result.find(line) != std::wstring::npos, "result \"%s\" lacks \"%s\"", utf8(result).c_str(),
              utf8(line).c_str());
}

static void fill_empty_inputs(Session* s) {
    set_text(input(s, NA), L"140");
    SendMessageW(input(s, SEX), CB_SETCURSEL, 1, 0);  // 女
    set_text(input(s, OP), L"2026-03-16");
}

static std::wstring calculate(Session* s) {
    click(s, ID_CALCULATE);
    settle(s);
    check(s, no_message_box(s), "a message box is open after calculating");
    return text_of(control(s, ID_RESULT));
}

// Arrow keys and a first letter choose in a drop-down list, Space ticks, Enter and F5 calculate.
static void keyboard_drives_each_kind(Session* s) {
    fill_empty_inputs(s);
    HWND grade = input(s, GRADE), htn = input(s, HTN);
    post_key(grade, VK_DOWN);
    settle(s);
    check_text(s, "the grade after the down arrow", input_state(grade), L"重度");
    post_char(grade, L"轻");
    settle(s);
    check_text(s, "the grade after typing its first character", input_state(grade), L"轻度");
    post_key(grade, VK_TAB);
    settle(s);
    check(s, focused(s) == htn, "Tab from the list does not reach the check box below it");
    post_key(htn, VK_SPACE);
    post_key_up(htn, VK_SPACE);
    settle(s);
    check_text(s, "the check box after Space", input_state(htn), L"1");
    post_key(htn, VK_RETURN);
    settle(s);
    std::wstring result = text_of(control(s, ID_RESULT));
    // grade 1 + hypertension 2 + diabetes 1 + age band 1 + last choice 1
    check(s, result.find(L"评分：6 分") != std::wstring::npos, "Enter on a check box: result \"%s\"", utf8(result).c_str());
    post_key(htn, VK_SPACE);
    post_key_up(htn, VK_SPACE);
    post_key(htn, VK_F5);
    settle(s);
    result = text_of(control(s, ID_RESULT));
    check(s, result.find(L"评分：4 分") != std::wstring::npos, "F5 after Space untick: result \"%s\"", utf8(result).c_str());
}

// A click ticks a check box; a click opens a list and a click on an option chooses it; the wheel
// scrolls the rows.
static void mouse_drives_each_kind(Session* s) {
    HWND htn = input(s, HTN), sex = input(s, SEX);
    RECT r = client_rect_of(s, htn);
    mouse_click(s, r.left + 6, (r.top + r.bottom) / 2);
    check_text(s, "the check box after a click", input_state(htn), L"1");
    mouse_click(s, r.left + 6, (r.top + r.bottom) / 2);
    check_text(s, "the check box after a second click", input_state(htn), L"0");

    r = client_rect_of(s, sex);
    mouse_click(s, r.right - 8, r.top + 10);
    check(s, SendMessageW(sex, CB_GETDROPPEDSTATE, 0, 0) == TRUE, "a click does not open the list");
    // The open list is a popup of the program's own; its lines are CHOICE_ITEM_HEIGHT (20) px high.
    HWND list = find_process_window(s->process.dwProcessId, L"ComboLBox", 2000);
    check(s, list != nullptr, "no open list");
    RECT popup = {};
    if (list) GetWindowRect(list, &popup);
    MapWindowPoints(nullptr, s->main, (POINT*)&popup, 2);
    mouse_click(s, (popup.left + popup.right) / 2, popup.top + 1 + 20 + 10);  // the second line: 女
    check_text(s, "the list after clicking its second option", input_state(sex), L"女");
    check(s, SendMessageW(sex, CB_GETDROPPEDSTATE, 0, 0) == FALSE, "the list stays open after the choice");

    // The focus is on the list just chosen: the wheel scrolls the form and never changes the choice.
    mouse_wheel(s, 100, 300, -2);  // towards the user: down the form
    wait_for_first_row(s, 6);
    check(s, expect_rows_whole(s) == 6, "two notches of the wheel do not scroll six rows");
    check_text(s, "the list after the wheel turned", input_state(sex), L"女");
    mouse_wheel(s, 100, 300, 5);
    wait_for_first_row(s, 0);
    check(s, expect_rows_whole(s) == 0, "the wheel does not scroll back to the top");
}

// Reset puts every input back in its start state, whatever was entered, chosen, ticked or scrolled.
static void reset_restores_start_states(Session* s) {
    fill_empty_inputs(s);
    set_text(input(s, W), L"70");
    SendMessageW(input(s, GRADE), CB_SETCURSEL, 2, 0);
    SendMessageW(input(s, HTN), BM_SETCHECK, BST_CHECKED, 0);
    SendMessageW(input(s, DM), BM_SETCHECK, BST_UNCHECKED, 0);
    set_text(input(s, SEEN), L"2020-01-01");
    scroll_rows(s, -20);
    SendMessageW(input(s, LAST), BM_SETCHECK, BST_CHECKED, 0);
    SendMessageW(input(s, LAST_CHOICE), CB_SETCURSEL, 2, 0);
    calculate(s);
    click(s, ID_RESET);
    settle(s);
    check(s, expect_rows_whole(s) == 0, "after reset the rows do not start at the first input");
    expect_start_states(s);
    check_text(s, "result box after reset", text_of(control(s, ID_RESULT)), L"");
    expect_status(s, L"已恢复默认值");
}

static std::wstring record_path() {
    wchar_t folder[MAX_PATH] = L"";
    GetEnvironmentVariableW(L"LOCALAPPDATA", folder, MAX_PATH);
    return std::wstring(folder) + L"\\KavriMedSuite\\records\\T9004.csv";
}

// A weight no patient has: the result box says what to correct and shows no computed value; copy and
// save refuse in the status line and write nothing. A level-3 verdict then copies and saves as usual.
static void invalid_inputs_keep_nothing(Session* s) {
    DeleteFileW(record_path().c_str());
    put_on_clipboard(CLIPBOARD_UNCHANGED);
    fill_empty_inputs(s);
    set_text(input(s, W), L"600");
    std::wstring result = calculate(s);
    check_text(s, "result box", result, L"输入数值超出合理范围，未计算结果。\r\n请改正：体重超出可信范围，请核对\r\n");
    expect_status(s, L"未得出结果：请按“计算结果”中的提示核对输入");
    expect_copy_and_save_refused(s, record_path());

    set_text(input(s, W), L"60");
    SendMessageW(input(s, GRADE), CB_SETCURSEL, 2, 0);  // 3 points
    scroll_rows(s, -20);  // the last row is made when it first shows
    SendMessageW(input(s, LAST), BM_SETCHECK, BST_CHECKED, 0);  // 5
    SendMessageW(input(s, HTN), BM_SETCHECK, BST_CHECKED, 0);   // 2
    result = calculate(s);  // 3 + 2 + 1 + 1 + 5 + 1 = 13
    check(s, result.find(L"评分：13 分") != std::wstring::npos, "result \"%s\"", utf8(result).c_str());
    check_text(s, "verdict line", text_of(child_at(s, 500, 150)), L"高危：评分达 12 分");
    click(s, ID_COPY);
    settle(s);
    check_text(s, "clipboard", clipboard_text(), (L"四十项测试\r\n" + result + L"—— 高危：评分达 12 分").c_str());
    click(s, ID_SAVE);
    expect_message_box(s, L"已保存", L"本次结果已追加保存到本地记录（CSV，可用 Excel 打开）。", false);
    FILE* f = _wfopen(record_path().c_str(), L"rb");
    check(s, f != nullptr, "no record file after a save");
    if (!f) return;
    std::string bytes(65536, '\0');
    bytes.resize(fread(&bytes[0], 1, bytes.size(), f));
    fclose(f);
    check(s, bytes.find(utf8(L"高危：评分达 12 分")) != std::string::npos, "the record lacks the verdict: %s",
          bytes.c_str());
}

static const Scenario SCENARIOS[] = {
    { "kinds: forty inputs in their start states, whole inside the work area", PROGRAM_KINDS, start_and_fit },
    { "kinds: Tab down the form scrolls each row into view",                 PROGRAM_KINDS, tab_down_the_form },
    { "kinds: missing inputs and an impossible date named and focused",      PROGRAM_KINDS, missing_inputs_named },
    { "kinds: keyboard chooses, ticks and calculates",                       PROGRAM_KINDS, keyboard_drives_each_kind },
    { "kinds: mouse chooses, ticks and scrolls",                             PROGRAM_KINDS, mouse_drives_each_kind },
    { "kinds: reset restores every start state",                             PROGRAM_KINDS, reset_restores_start_states },
    { "kinds: implausible inputs show, copy and save nothing",               PROGRAM_KINDS, invalid_inputs_keep_nothing },
};
const ScenarioList KINDS_SCENARIOS = { SCENARIOS, (int)(sizeof SCENARIOS / sizeof SCENARIOS[0]) };

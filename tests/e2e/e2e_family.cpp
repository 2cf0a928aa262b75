// The family window test: every tool's exe the build makes, each opened once under Wine. It must
// fit the work area it opens on, show its inputs (the control of each kind, labels, units, start
// states), calculate its defaults (entering those of inputs that start empty) to the result and verdict
// of the native run (tests/e2e/window_reference.cpp), and show every text whole: each label, unit, option,
// the name, the subtitle (category and purpose), the note, the reference line and the verdict,
// measured in the font the window uses for it (app/layout.h), fits its control or painted box. A
// screenshot after the calculation is kept as <artifacts>\<exe name>.png. Exports family_run.
#include <stdio.h>

#include <algorithm>
#include <map>

#include "app/layout.h"
#include "app/palette.h"
#include "e2e.h"

enum { ID_CALCULATE = 1001, ID_INPUT_FIRST = 2000, ID_RESULT = 3000 };

// One input of the native run: its label, unit (a date's hint), kind, start state as shown, and what
// to enter before calculating when it starts empty (see window_reference.cpp).
struct ReferenceInput { std::wstring label, unit, kind, shown, fill; };

// One tool of the native run.
struct Reference {
    std::wstring name, category, purpose, verdict, result, error;
    std::vector<ReferenceInput> inputs;
    std::vector<std::wstring> rules;  // each rule's verdict text
    int  level = 0;
    bool seen = false;  // an exe of the list matched it
};

static std::wstring wide(const std::string& utf8) {
    int n = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), (int)utf8.size(), nullptr, 0);
    std::wstring text(n, L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), (int)utf8.size(), &text[0], n);
    return text;
}

// Undoes the reference file's escapes: \\ \r \n \t.
static std::wstring unescaped(const std::wstring& text) {
    std::wstring out;
    for (size_t i = 0; i < text.size(); i++) {
        if (text[i] != L'\\' || i + 1 == text.size()) { out += text[i]; continue; }
        wchar_t c = text[++i];
        out += c == L'r' ? L'\r' : c == L'n' ? L'\n' : c == L't' ? L'\t' : c;
    }
    return out;
}

static bool read_lines(const std::wstring& path, std::vector<std::wstring>* lines) {
    FILE* f = _wfopen(path.c_str(), L"rb");
    if (!f) return false;
    std::string bytes;
    char chunk[65536];
    for (size_t n; (n = fread(chunk, 1, sizeof chunk, f)) > 0;) bytes.append(chunk, n);
    fclose(f);
    size_t start = 0;
    for (size_t end; (end = bytes.find('\n', start)) != std::string::npos; start = end + 1)
        lines->push_back(wide(bytes.substr(start, end - start)));
    if (start < bytes.size()) lines->push_back(wide(bytes.substr(start)));
    return true;
}

static std::wstring lower(std::wstring text) {
    for (wchar_t& c : text) c = towlower(c);
    return text;
}

static std::vector<std::wstring> split_tabs(const std::wstring& text) {
    std::vector<std::wstring> fields(1);
    for (wchar_t c : text) {
        if (c == L'\t') fields.emplace_back();
        else fields.back() += c;
    }
    return fields;
}

// The native run's file: the date it used and each tool by its exe's file name (lower case).
static bool read_reference(const std::wstring& path, std::wstring* date, std::map<std::wstring, Reference>* tools) {
    std::vector<std::wstring> lines;
    if (!read_lines(path, &lines)) return false;
    Reference* r = nullptr;
    for (const std::wstring& line : lines) {
        size_t space = line.find(L' ');
        std::wstring key = line.substr(0, space), value = space == std::wstring::npos ? L"" : line.substr(space + 1);
        if (key == L"date") *date = value;
        else if (key == L"exe") r = &(*tools)[lower(value)];
        else if (!r) continue;
        else if (key == L"name") r->name = unescaped(value);
        else if (key == L"category") r->category = unescaped(value);
        else if (key == L"purpose") r->purpose = unescaped(value);
        else if (key == L"verdict") r->verdict = unescaped(value);
        else if (key == L"result") r->result = unescaped(value);
        else if (key == L"error") r->error = unescaped(value);
        else if (key == L"rule") r->rules.push_back(unescaped(value));
        else if (key == L"level") r->level = _wtoi(value.c_str());
        else if (key == L"input") {
            std::vector<std::wstring> f = split_tabs(value);
            f.resize(5);
            r->inputs.push_back({ unescaped(f[0]), unescaped(f[1]), f[2], unescaped(f[3]), unescaped(f[4]) });
        }
    }
    return true;
}

// ---- measuring texts in the window's fonts

// A memory device context and the window's fonts, each made once.
struct Measure {
    HDC dc;
    std::map<const FontStyle*, HFONT> fonts;
};

static HFONT font_of(Measure* m, const FontStyle& style) {
    HFONT& font = m->fonts[&style];
    if (!font)
        font = CreateFontW(style.height, 0, 0, 0, style.weight, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                           CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY, 0, style.face);
    return font;
}

// How a text is shown: on one line (labels, units, the painted name and subtitle), or wrapped at
// word breaks in its box as a static control draws it (note, reference line, verdict line).
enum Shown { ONE_LINE, WRAPPED };

// Checks that text fits width x height; a failure gives the text's size and the box's in pixels.
static void check_fits(Session* s, Measure* m, const char* what, const std::wstring& text, const FontStyle& font,
                       Shown shown, int width, int height) {
    SelectObject(m->dc, font_of(m, font));
    if (shown == ONE_LINE) {
        SIZE size = {};
        GetTextExtentPoint32W(m->dc, text.c_str(), (int)text.size(), &size);
        check(s, size.cx <= width, "%s does not fit: \"%s\" is %ld px wide, its box %d px", what, utf8(text).c_str(),
              size.cx, width);
        return;
    }
    RECT r = { 0, 0, width, 0 };
    DrawTextW(m->dc, text.c_str(), -1, &r, DT_CALCRECT | DT_WORDBREAK | DT_EXPANDTABS);
    check(s, r.right <= width && r.bottom <= height,
          "%s does not fit: \"%s\" takes %ld x %ld px, its box is %d x %d px", what, utf8(text).c_str(), r.right,
          r.bottom, width, height);
}

static RECT rect_of(Box b) { return { b.x, b.y, box_right(b), box_bottom(b) }; }

// The control in box b (statics have no id), found at its centre; null when there is none.
static HWND control_in(Session* s, Box b) { return child_at(s, b.x + b.width / 2, b.y + b.height / 2); }

// The window's layout for the client height it opened with (standard or compact).
static MainLayout layout_of(Session* s) {
    RECT client;
    GetClientRect(s->main, &client);
    return main_layout(client.bottom, client.right - CLIENT_WIDTH);
}

// The control's text fits its client area.
static void check_control_fits(Session* s, Measure* m, const char* what, HWND control, const FontStyle& font,
                               Shown shown) {
    check(s, control != nullptr, "no %s", what);
    if (!control) return;
    RECT client;
    GetClientRect(control, &client);
    check_fits(s, m, what, text_of(control), font, shown, client.right, client.bottom);
}

// Two texts alike, or where the first difference is.
static void check_same(Session* s, const char* what, const std::wstring& got, const std::wstring& want) {
    size_t at = 0;
    while (at < got.size() && at < want.size() && got[at] == want[at]) at++;
    size_t from = at > 20 ? at - 20 : 0;
    check(s, got == want, "%s differs from the native run at character %u: \"...%s\" instead of \"...%s\"", what,
          (unsigned)at, utf8(got.substr(std::min(from, got.size()), 60)).c_str(),
          utf8(want.substr(std::min(from, want.size()), 60)).c_str());
}

// ---- one exe

// Each input's control, start state, label and unit (all fitting), for the rows the panel shows.
static void inputs_shown(Session* s, Measure* m, const Reference& r) {
    int count = (int)r.inputs.size();
    RECT client;
    GetClientRect(s->main, &client);
    RowLayout rows = input_rows(count, client.bottom, client.right - CLIENT_WIDTH);
    static const wchar_t* const CLASSES[][2] = {
        { L"number", L"Edit" }, { L"date", L"Edit" }, { L"choice", L"ComboBox" }, { L"check", L"Button" },
    };
    for (int i = 0; i < count; i++) {
        const ReferenceInput& in = r.inputs[i];
        std::string row = "input " + std::to_string(i + 1);
        // A row below the rows shown is made when it first scrolls into view: the wheel, a notch at a time.
        for (int notch = 0; i >= rows.shown && !control(s, ID_INPUT_FIRST + i) && notch < count; notch++) {
            PostMessageW(s->main, WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA), MAKELPARAM(100, 300));
            settle(s);
        }
        HWND input = control(s, ID_INPUT_FIRST + i);
        check(s, input != nullptr, "%s: no control", row.c_str());
        if (!input) continue;
        wchar_t cls[32] = L"";
        GetClassNameW(input, cls, 32);
        for (const auto& c : CLASSES)
            if (in.kind == c[0])
                check(s, !_wcsicmp(cls, c[1]), "%s: a %s input shows as a %s", row.c_str(), utf8(in.kind).c_str(),
                      utf8(cls).c_str());
        check_text(s, (row + " start state").c_str(), input_state(input), in.shown.c_str());
        if (i >= rows.shown) continue;  // scrolled out of view: the kinds scenarios scroll
        // The label and unit are painted: the texts of the native run, whole on one line in their boxes.
        // A drop-down list or check box spans the unit's place.
        Box label = input_label_box(i, rows), unit = input_unit_box(i, rows);
        check_fits(s, m, (row + " label").c_str(), in.label, FONT_LABEL, ONE_LINE, label.width, label.height);
        int differing = row_text_difference(s, rect_of(label), in.label.c_str(), ROW_LABEL);
        check(s, differing == 0, "%s label: %d pixels differ from \"%s\"", row.c_str(), differing,
              utf8(in.label).c_str());
        if (in.kind == L"choice" || in.kind == L"check") {
            check(s, in.unit.empty(), "%s: a %s input has a unit", row.c_str(), utf8(in.kind).c_str());
        } else {
            check_fits(s, m, (row + " unit").c_str(), in.unit, FONT_SMALL, ONE_LINE, unit.width, unit.height);
            differing = row_text_difference(s, rect_of(unit), in.unit.c_str(), ROW_UNIT);
            check(s, differing == 0, "%s unit: %d pixels differ from \"%s\"", row.c_str(), differing,
                  utf8(in.unit).c_str());
        }
        if (in.kind != L"choice") continue;
        // Every option's text fits the closed list's field: its width less the arrow button and margins.
        RECT field;
        GetClientRect(input, &field);
        int field_width = field.right - GetSystemMetrics(SM_CXVSCROLL) - 6;
        int options = (int)SendMessageW(input, CB_GETCOUNT, 0, 0);
        for (int k = 0; k < options; k++) {
            std::wstring option((size_t)SendMessageW(input, CB_GETLBTEXTLEN, k, 0) + 1, L'\0');
            option.resize((size_t)SendMessageW(input, CB_GETLBTEXT, k, (LPARAM)&option[0]));
            check_fits(s, m, (row + " option").c_str(), option, FONT_INPUT, ONE_LINE, field_width, field.bottom);
        }
    }
    check(s, control(s, ID_INPUT_FIRST + count) == nullptr, "more input controls than the tool's %d inputs", count);
    if (rows.shown < count) {  // back to the top of the form
        PostMessageW(s->main, WM_MOUSEWHEEL, MAKEWPARAM(0, count * WHEEL_DELTA), MAKELPARAM(100, 300));
        settle(s);
    }
    if (count == 0) check(s, control_in(s, NO_INPUT_BOX) != nullptr, "no line in the input panel of a tool without inputs");
}

// Enters the default of every input that starts empty, as a user would before calculating.
static void fill_empty_inputs(Session* s, const Reference& r) {
    for (size_t i = 0; i < r.inputs.size(); i++) {
        const ReferenceInput& in = r.inputs[i];
        if (in.fill.empty()) continue;
        HWND input = control(s, ID_INPUT_FIRST + (int)i);
        if (in.kind == L"choice") SendMessageW(input, CB_SETCURSEL, (WPARAM)_wtoi(in.fill.c_str()), 0);
        else set_text(input, in.fill.c_str());
    }
}

static void header_fits(Session* s, Measure* m, const Reference& r) {
    wchar_t title[256] = L"";
    GetWindowTextW(s->main, title, 256);
    check_text(s, "window title", title, r.name.c_str());
    check_fits(s, m, "name", r.name, FONT_TITLE, ONE_LINE, TITLE_BOX.width, TITLE_BOX.height);
    wchar_t subtitle[512];
    swprintf(subtitle, 512, SUBTITLE_FORMAT, r.category.c_str(), r.purpose.c_str());
    check_fits(s, m, "subtitle (category and purpose)", subtitle, FONT_HEADER, ONE_LINE, SUBTITLE_BOX.width,
               SUBTITLE_BOX.height);
}

static void calculate_defaults(Session* s, Measure* m, const Reference& r, const std::wstring& screenshot) {
    check(s, r.error.empty(), "native run: %s", utf8(r.error).c_str());
    fill_empty_inputs(s, r);
    MainLayout layout = layout_of(s);
    click(s, ID_CALCULATE);
    settle(s);
    check(s, no_message_box(s), "a message box is open after calculating the defaults");
    check_same(s, "result box", text_of(control(s, ID_RESULT)), r.result);
    HWND verdict = control_in(s, layout.verdict);
    check_same(s, "verdict line", verdict ? text_of(verdict) : L"(none)", r.verdict);
    check_control_fits(s, m, "verdict line", verdict, FONT_VERDICT, WRAPPED);
    // The native run's level shows as the verdict line's colour (a level outside 0 to 3 like 0).
    COLORREF colour = VERDICT_COLOURS[r.level >= 0 && r.level <= 3 ? r.level : 0];
    Capture line = capture_until_colour(s, { layout.verdict.x, layout.verdict.y, box_right(layout.verdict),
                                             box_bottom(layout.verdict) }, colour, 20);
    check(s, count_colour(line, colour) > 20, "the verdict line is not in the colour of level %d", r.level);
    // Every other verdict the rules can show, in the verdict line's font and size.
    RECT box = {};
    if (verdict) GetClientRect(verdict, &box);
    for (size_t i = 0; i < r.rules.size(); i++)
        if (verdict && r.rules[i] != r.verdict)
            check_fits(s, m, ("verdict of rule " + std::to_string(i)).c_str(), r.rules[i], FONT_VERDICT, WRAPPED,
                       box.right, box.bottom);
    check(s, save_window_png(s, screenshot), "cannot save %s", utf8(screenshot).c_str());
}

static bool run_exe(Measure* m, const std::wstring& exe, const Reference* r, const std::wstring& artifacts) {
    ULONGLONG start = GetTickCount64();
    std::wstring file = exe.substr(exe.find_last_of(L"\\/") + 1);
    std::wstring stem = file.substr(0, file.size() - 4);
    Session s = {};
    if (!r) check(&s, false, "no native run of %s: is the native build older than this one?", utf8(file).c_str());
    else if (session_open(&s, exe.c_str())) {
        header_fits(&s, m, *r);
        inputs_shown(&s, m, *r);
        MainLayout layout = layout_of(&s);
        window_fits(&s);
        check_control_fits(&s, m, "note", control_in(&s, layout.note), FONT_SMALL, WRAPPED);
        check_control_fits(&s, m, "reference line", control_in(&s, layout.reference), FONT_SMALL, WRAPPED);
        calculate_defaults(&s, m, *r, artifacts + L"\\" + stem + L".png");
    }
    session_close(&s);
    double seconds = (GetTickCount64() - start) / 1000.0;
    if (s.failures.empty()) {
        printf("ok: %s (%d checks, %.2f s)\n", utf8(file).c_str(), s.checks, seconds);
    } else {
        printf("FAIL: %s (%d of %d checks failed, %.2f s)\n", utf8(file).c_str(), (int)s.failures.size(), s.checks,
               seconds);
        for (const std::string& f : s.failures) printf("    %s\n", f.c_str());
    }
    fflush(stdout);
    return s.failures.empty();
}

int family_run(const std::wstring& list, const std::wstring& reference, const std::wstring& artifacts,
               const std::string& only) {
    std::vector<std::wstring> exes;
    std::wstring date;
    std::map<std::wstring, Reference> tools;
    if (!read_lines(list, &exes) || !read_reference(reference, &date, &tools)) {
        printf("FAIL: cannot read %s or %s\n", utf8(list).c_str(), utf8(reference).c_str());
        return 1;
    }
    CreateDirectoryW(artifacts.c_str(), nullptr);
    Measure m = {};
    m.dc = CreateCompatibleDC(nullptr);
    ULONGLONG start = GetTickCount64();
    int passed = 0, failed = 0, problems = 0;
    for (const std::wstring& line : exes) {
        if (line.empty() || (!only.empty() && utf8(line).find(only) == std::string::npos)) continue;
        std::wstring exe = windows_path(line);
        auto found = tools.find(lower(exe.substr(exe.find_last_of(L'\\') + 1)));
        Reference* r = found == tools.end() ? nullptr : &found->second;
        if (r) r->seen = true;
        if (run_exe(&m, exe, r, artifacts)) passed++;
        else failed++;
    }
    // The native build knows every tool; one it has that the list lacks is an exe left out.
    for (const auto& [exe, r] : tools)
        if (!r.seen && only.empty()) {
            printf("FAIL: the native run has %s, which the list of exes lacks\n", utf8(exe).c_str());
            problems++;
        }
    SYSTEMTIME now;
    GetLocalTime(&now);
    wchar_t today[16];
    swprintf(today, 16, L"%04d-%02d-%02d", now.wYear, now.wMonth, now.wDay);
    if (date != today) {
        printf("FAIL: the native run used the date %s, this run %s: a result that depends on the date may differ; "
               "run again\n", utf8(date).c_str(), utf8(today).c_str());
        problems++;
    }
    printf("%d exes in %.1f s: %d passed, %d failed\n", passed + failed, (GetTickCount64() - start) / 1000.0, passed,
           failed);
    return failed == 0 && problems == 0 && passed > 0 ? 0 : 1;
}

// Window scenarios: the window, its controls and its painting right after start, pressed buttons,
// and closing. Exports WINDOW_SCENARIOS.
#include "e2e.h"

enum { YAHEI_BOLD = 700, YAHEI_NORMAL = 400 };
static const wchar_t YAHEI[] = L"Microsoft YaHei UI";
static const UINT LEFT_TEXT = DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS;

// The children of the main window in creation order, with the built-in tool; the input rows' labels and
// units are painted (INPUT_ROW_TEXTS).
static const struct {
    const wchar_t* cls;
    const wchar_t* text;
    int            id;
    int            x, y, width, height;
    DWORD          style, ex_style;
} BUILTIN_CONTROLS[] = {
    // class       text                                                id    x    y    width height style       ex-style
    { L"Edit",   L"600",                                               2000, 216, 146, 152,  27,  0x50010080, 0x200 },
    { L"Edit",   L"290",                                               2001, 216, 180, 152,  27,  0x50010080, 0x200 },
    { L"Static", L"填写左侧参数，点击“计算”",                          0,    492, 142, 492,  50,  0x50000000, 0 },
    { L"Edit",   L"",                                                  3000, 492, 196, 492,  232, 0x50200844, 0x200 },
    { L"Static", L"尿崩症、肾小管损伤时比值下降；需结合尿钠与容量状态。", 0,    492, 444, 492,  120, 0x50000000, 0 },
    { L"Static", L"参考依据：尿/血渗透压比>3 提示浓缩功能良好；≈1 见于等渗尿", 0, 492, 576, 492, 56, 0x50000000, 0 },
    { L"Button", L"计算 (F5)",                                         1001, 20,  668, 152,  40,  0x5000000B, 0 },
    { L"Button", L"保存记录",                                          1002, 184, 668, 132,  40,  0x5000000B, 0 },
    { L"Button", L"复制结果",                                          1003, 328, 668, 132,  40,  0x5000000B, 0 },
    { L"Button", L"清空重填",                                          1004, 472, 668, 132,  40,  0x5000000B, 0 },
    { L"Button", L"关于",                                              1005, 616, 668, 110,  40,  0x5000000B, 0 },
};

static BOOL CALLBACK collect_child(HWND child, LPARAM param) {
    if (GetParent(child) == GetAncestor(child, GA_PARENT)) ((std::vector<HWND>*)param)->push_back(child);
    return TRUE;
}

static void start_state_controls(Session* s) {
    std::vector<HWND> children;
    EnumChildWindows(s->main, collect_child, (LPARAM)&children);
    check(s, children.size() == sizeof BUILTIN_CONTROLS / sizeof BUILTIN_CONTROLS[0], "%d child controls",
          (int)children.size());
    for (size_t i = 0; i < children.size() && i < sizeof BUILTIN_CONTROLS / sizeof BUILTIN_CONTROLS[0]; i++) {
        const auto& want = BUILTIN_CONTROLS[i];
        HWND child = children[i];
        wchar_t cls[32];
        GetClassNameW(child, cls, 32);
        std::string label = "control " + std::to_string(i) + " " + utf8(want.text);
        check(s, _wcsicmp(cls, want.cls) == 0, "%s: class %s", label.c_str(), utf8(cls).c_str());
        check_text(s, label.c_str(), text_of(child), want.text);
        check(s, GetDlgCtrlID(child) == want.id, "%s: id %d", label.c_str(), GetDlgCtrlID(child));
        RECT r = client_rect_of(s, child);
        check(s, r.left == want.x && r.top == want.y && r.right - r.left == want.width && r.bottom - r.top == want.height,
              "%s: at %ld,%ld size %ldx%ld", label.c_str(), r.left, r.top, r.right - r.left, r.bottom - r.top);
        DWORD style = (DWORD)GetWindowLongW(child, GWL_STYLE), ex_style = (DWORD)GetWindowLongW(child, GWL_EXSTYLE);
        check(s, style == want.style, "%s: style %08lx", label.c_str(), style);
        check(s, (ex_style & ~WS_EX_NOPARENTNOTIFY) == want.ex_style, "%s: ex-style %08lx", label.c_str(), ex_style);
    }
    check(s, focused(s) == control(s, 2000), "the first input box does not have the focus");
}

static void start_state_window(Session* s) {
    wchar_t title[64] = L"";
    GetWindowTextW(s->main, title, 64);
    check_text(s, "window title", title, L"尿/血渗透压比");
    window_fits(s);  // centred on the work area with the standard client area 1020 x 720
    DWORD style = (DWORD)GetWindowLongW(s->main, GWL_STYLE);
    check(s, (style & (WS_THICKFRAME | WS_MAXIMIZEBOX)) == 0 && (style & 0x00CA0000) == 0x00CA0000, "window style %08lx", style);
}

// Fixed points of the painting and the colour each must show.
static const struct { const char* what; int x, y; COLORREF colour; } PAINTED_POINTS[] = {
    { "background between header and panels", 10,  92,  RGB(244, 247, 249) },
    { "header band",                           400, 5,   RGB(0, 108, 150) },
    { "header band bottom row",                400, 87,  RGB(0, 108, 150) },
    { "accent strip",                          3,   44,  RGB(0, 132, 176) },
    { "input panel",                           100, 400, RGB(255, 255, 255) },
    { "input panel frame, left",               20,  300, RGB(218, 226, 232) },
    { "input panel frame, bottom",             100, 647, RGB(218, 226, 232) },
    { "input panel frame, right",              459, 300, RGB(218, 226, 232) },
    { "result panel frame, left",              476, 300, RGB(218, 226, 232) },
    { "result panel frame, right",             999, 300, RGB(218, 226, 232) },
    { "gap between the panels",                468, 300, RGB(244, 247, 249) },
    { "input separator",                       200, 133, RGB(228, 234, 238) },
    { "result separator",                      980, 133, RGB(228, 234, 238) },
    { "footer band",                           10,  700, RGB(236, 241, 244) },
    { "footer band top row",                   900, 660, RGB(236, 241, 244) },
    { "calculate button fill",                 30,  675, RGB(0, 122, 168) },
    { "calculate button frame",                20,  668, RGB(0, 106, 148) },
    { "calculate button frame, bottom right",  171, 707, RGB(0, 106, 148) },
    { "save button fill",                      190, 675, RGB(255, 255, 255) },
    { "save button frame",                     184, 668, RGB(206, 216, 224) },
    { "about button frame, right",             725, 690, RGB(206, 216, 224) },
};

// The painted labels and units of the built-in tool's two rows.
static const struct { RECT r; const wchar_t* text; RowText which; } INPUT_ROW_TEXTS[] = {
    { { 24, 151, 208, 173 },  L"尿渗透压", ROW_LABEL },
    { { 374, 150, 452, 172 }, L"mOsm/L",   ROW_UNIT },
    { { 24, 185, 208, 207 },  L"血渗透压", ROW_LABEL },
    { { 374, 184, 452, 206 }, L"mOsm/L",   ROW_UNIT },
};

static void start_state_painting(Session* s) {
    for (const auto& p : PAINTED_POINTS) {
        COLORREF c = client_pixel(s, p.x, p.y);
        check(s, c == p.colour, "%s at %d,%d: RGB(%d,%d,%d)", p.what, p.x, p.y, GetRValue(c), GetGValue(c), GetBValue(c));
    }
    RECT client;
    GetClientRect(s->main, &client);
    const int w = client.right;
    const struct { const char* what; RECT r; int rows; const wchar_t* text; int height; int weight; UINT flags;
                   COLORREF colour, background; } texts[] = {
        { "title",       { 26, 12, 726, 50 },   0,  L"尿/血渗透压比", -27, YAHEI_BOLD, LEFT_TEXT,
          RGB(255, 255, 255), RGB(0, 108, 150) },
        { "subtitle",    { 28, 48, 748, 76 },   0,  L"肾内科  ·  评估肾小管浓缩功能", -14, YAHEI_NORMAL, LEFT_TEXT,
          RGB(214, 236, 246), RGB(0, 108, 150) },
        { "web address", { w - 240, 8, w - 26, 34 }, 0, L"www.kavrimed.example", -12, YAHEI_NORMAL, LEFT_TEXT | DT_RIGHT,
          RGB(190, 220, 235), RGB(0, 108, 150) },
        // The separator crosses the headings' last row.
        { "input heading",  { 36, 104, 336, 134 },  29, L"输入参数", -14, YAHEI_NORMAL, LEFT_TEXT,
          RGB(0, 108, 150), RGB(255, 255, 255) },
        { "result heading", { 492, 104, 792, 134 }, 29, L"计算结果", -14, YAHEI_NORMAL, LEFT_TEXT,
          RGB(0, 108, 150), RGB(255, 255, 255) },
        { "status line",    { 740, 704, 1004, 720 }, 0, L"就绪：填写参数后按 F5 或点击“计算”", -12, YAHEI_NORMAL,
          LEFT_TEXT | DT_RIGHT, RGB(120, 132, 142), RGB(236, 241, 244) },
        // Captions inside the 1-pixel frame; centring in the shrunk box is the same.
        { "calculate caption", { 21, 669, 171, 707 }, 0, L"计算 (F5)", -15, YAHEI_NORMAL, LEFT_TEXT | DT_CENTER,
          RGB(255, 255, 255), RGB(0, 122, 168) },
        { "about caption",     { 617, 669, 725, 707 }, 0, L"关于", -15, YAHEI_NORMAL, LEFT_TEXT | DT_CENTER,
          RGB(44, 56, 66), RGB(255, 255, 255) },
    };
    for (const auto& t : texts) {
        int differing = text_difference(s, t.r, t.text, YAHEI, t.height, t.weight, t.flags, t.colour, t.background,
                                        t.rows);
        check(s, differing == 0, "%s: %d pixels differ from the expected text", t.what, differing);
    }
    for (const auto& t : INPUT_ROW_TEXTS) {
        int differing = row_text_difference(s, t.r, t.text, t.which);
        check(s, differing == 0, "input row text %s: %d pixels differ", utf8(t.text).c_str(), differing);
    }
    Capture verdict = capture_until_colour(s, { 492, 142, 984, 188 }, RGB(0, 128, 96), 50);
    check(s, count_colour(verdict, RGB(0, 128, 96)) > 50, "start verdict line is not drawn in the level-0 colour");
}

// The exe carries icon group 1: seven 32-bit images, 16 to 256 pixels square.
static void icon_resource(Session* s) {
    HMODULE exe = LoadLibraryExW(s->exe, nullptr, LOAD_LIBRARY_AS_DATAFILE);
    HRSRC found = exe ? FindResourceW(exe, MAKEINTRESOURCEW(1), RT_GROUP_ICON) : nullptr;
    check(s, found != nullptr, "no icon group 1 in the exe");
    if (!found) { if (exe) FreeLibrary(exe); return; }
    const BYTE* group = (const BYTE*)LockResource(LoadResource(exe, found));
    static const int SIZES[] = { 16, 24, 32, 48, 64, 128, 256 };
    int count = group[4] | group[5] << 8;
    check(s, count == 7, "icon group holds %d images", count);
    for (int i = 0; i < count && i < 7; i++) {
        const BYTE* entry = group + 6 + 14 * i;  // GRPICONDIRENTRY
        int size = entry[0] ? entry[0] : 256, bits = entry[6] | entry[7] << 8, id = entry[12] | entry[13] << 8;
        check(s, size == SIZES[i] && bits == 32, "icon image %d: %d px, %d bits", i, size, bits);
        HRSRC image = FindResourceW(exe, MAKEINTRESOURCEW(id), RT_ICON);
        const BYTE* data = image ? (const BYTE*)LockResource(LoadResource(exe, image)) : nullptr;
        check(s, data && memcmp(data, "\x89PNG", 4) == 0, "icon image %d is not stored as PNG", i);
    }
    FreeLibrary(exe);
}

static void start_state(Session* s) {
    icon_resource(s);
    start_state_window(s);
    start_state_controls(s);
    start_state_painting(s);
}

// Pressing shows the pressed fill; nothing else changes the look.
static void pressed_buttons(Session* s) {
    const struct { int id; int x; COLORREF pressed, released; } buttons[] = {
        { 1001, 30,  RGB(0, 100, 138),   RGB(0, 122, 168) },
        { 1003, 340, RGB(226, 234, 240), RGB(255, 255, 255) },
    };
    for (const auto& b : buttons) {
        const RECT spot = { b.x, 675, b.x + 1, 676 };
        PostMessageW(control(s, b.id), BM_SETSTATE, TRUE, 0);
        settle(s);
        uint32_t p = capture_until_colour(s, spot, b.pressed, 0).pixels[0];
        COLORREF down = RGB(p >> 16 & 0xFF, p >> 8 & 0xFF, p & 0xFF);
        PostMessageW(control(s, b.id), BM_SETSTATE, FALSE, 0);
        settle(s);
        p = capture_until_colour(s, spot, b.released, 0).pixels[0];
        COLORREF up = RGB(p >> 16 & 0xFF, p >> 8 & 0xFF, p & 0xFF);
        check(s, down == b.pressed, "button %d pressed: RGB(%d,%d,%d)", b.id, GetRValue(down), GetGValue(down), GetBValue(down));
        check(s, up == b.released, "button %d released: RGB(%d,%d,%d)", b.id, GetRValue(up), GetGValue(up), GetBValue(up));
    }
}

static void close_ends_with_zero(Session* s) {
    PostMessageW(s->main, WM_CLOSE, 0, 0);
    long code = process_wait(&s->process, 15000);
    check(s, code == 0, "closing the window: exit code %ld", code);
}

static const Scenario SCENARIOS[] = {
    { "window: start state, controls and painting", PROGRAM_BUILTIN, start_state },
    { "window: pressed buttons",                    PROGRAM_BUILTIN, pressed_buttons },
    { "window: closing ends the process with 0",    PROGRAM_BUILTIN, close_ends_with_zero },
};
const ScenarioList WINDOW_SCENARIOS = { SCENARIOS, (int)(sizeof SCENARIOS / sizeof SCENARIOS[0]) };

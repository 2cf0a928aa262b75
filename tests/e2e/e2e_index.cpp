// The index window test: medtool-index.exe copied into a new folder with one stand-in tool exe (which
// writes its own path into opened.txt), then searched by typing, moved in by keys, opened by Enter and
// by a double-click, cleared by Esc, and asked to open a tool whose exe is not there and one whose exe
// is an empty file. The expected list is the index's own search (INDEX_TOOLS, index_search) with a
// heading row before each department. Screenshots: artifacts/medtool-index.png (every tool) and
// artifacts/medtool-index-search.png. Exports index_run.
#include <stdio.h>

#include "app/palette.h"
#include "e2e.h"
#include "index/index_layout.h"
#include "index/index_search.h"
#include "index/index_state.h"
#include "index/index_window.h"

enum { WAIT_MS = 8000, POLL_MS = 5, WORK_AREA_WIDTH = 1366, WORK_AREA_HEIGHT = 728 };  // 1366 x 768, 40-px taskbar
static const uint32_t OPENED_TOOL = 116;  // the stand-in's tool, found by its initials
static const wchar_t OPENED_QUERY[] = L"tzzs";
static const uint32_t MISSING_TOOL = 121;
static const uint32_t DAMAGED_TOOL = 117;  // its exe is an empty file, as a copy cut short leaves it

// The rows the list must show for query: 0 for a department heading, else the tool number.
static std::vector<uint32_t> expected_rows(const wchar_t* query) {
    int found[INDEX_MAX_TOOLS];
    int n = index_search(INDEX_TOOLS, INDEX_TOOL_COUNT, query, found, INDEX_MAX_TOOLS);
    std::vector<uint32_t> rows;
    for (int i = 0; i < n; i++) {
        if (i == 0 || wcscmp(INDEX_TOOLS[found[i]].category, INDEX_TOOLS[found[i - 1]].category) != 0) rows.push_back(0);
        rows.push_back(INDEX_TOOLS[found[i]].number);
    }
    return rows;
}

static HWND list_of(Session* s) { return GetDlgItem(s->main, ID_INDEX_LIST); }
static HWND search_of(Session* s) { return GetDlgItem(s->main, ID_INDEX_SEARCH); }

static std::vector<uint32_t> shown_rows(Session* s) {
    std::vector<uint32_t> rows;
    int n = (int)SendMessageW(list_of(s), LB_GETCOUNT, 0, 0);
    for (int i = 0; i < n; i++) rows.push_back((uint32_t)SendMessageW(list_of(s), LB_GETITEMDATA, i, 0));
    return rows;
}

static uint32_t selected_tool(Session* s) {
    LRESULT row = SendMessageW(list_of(s), LB_GETCURSEL, 0, 0);
    return row == LB_ERR ? 0 : (uint32_t)SendMessageW(list_of(s), LB_GETITEMDATA, row, 0);
}

// Returns once every message posted before the call has been handled: the marker is a text limit on
// the search box, put back to the index's own afterwards.
static bool index_settle(Session* s) {
    int marker = 100000 + ++s->markers;
    HWND box = search_of(s);
    PostMessageW(box, EM_SETLIMITTEXT, (WPARAM)marker, 0);
    for (ULONGLONG deadline = GetTickCount64() + WAIT_MS; GetTickCount64() < deadline;) {
        DWORD_PTR limit = 0;
        if (SendMessageTimeoutW(box, EM_GETLIMITTEXT, 0, 0, SMTO_NORMAL, 1000, &limit) && (int)limit == marker) {
            SendMessageW(box, EM_SETLIMITTEXT, INDEX_QUERY_CAP - 1, 0);
            Sleep(30);  // paint messages come after posted ones
            return true;
        }
        Sleep(POLL_MS);
    }
    check(s, false, "the index stopped answering");
    return false;
}

// Types text into the search box a character at a time, as the keyboard does.
static void type(Session* s, const wchar_t* text) {
    for (const wchar_t* c = text; *c; c++) PostMessageW(search_of(s), WM_CHAR, *c, 1);
    index_settle(s);
}

static void key(Session* s, WPARAM k) {
    post_key(search_of(s), k);
    index_settle(s);
}

static void expect_list(Session* s, const char* what, const wchar_t* query) {
    std::vector<uint32_t> want = expected_rows(query), got = shown_rows(s);
    std::string shown;
    for (uint32_t n : got) shown += std::to_string(n) + " ";
    check(s, got == want, "%s: the list shows rows [%s] (0: a heading), want %d rows", what, shown.c_str(), (int)want.size());
    check_text(s, "search box", text_of(search_of(s)), query);
}

static std::wstring read_opened(const std::wstring& file) {
    std::wstring text;
    HANDLE f = CreateFileW(file.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (f == INVALID_HANDLE_VALUE) return text;
    wchar_t buffer[1024];
    DWORD got = 0;
    if (ReadFile(f, buffer, sizeof buffer, &got, nullptr)) text.assign(buffer, got / sizeof(wchar_t));
    CloseHandle(f);
    return text;
}

// Waits for the stand-in to report that it was started as `exe`.
static void expect_opened(Session* s, const char* how, const std::wstring& file, const std::wstring& exe) {
    std::wstring opened;
    for (DWORD waited = 0; waited < WAIT_MS && opened.empty(); waited += 20) {
        Sleep(20);
        opened = read_opened(file);
    }
    check(s, _wcsicmp(opened.c_str(), exe.c_str()) == 0, "%s: the index started \"%s\", want \"%s\"", how,
          utf8(opened).c_str(), utf8(exe).c_str());
    check(s, WaitForSingleObject(s->process.hProcess, 0) == WAIT_TIMEOUT, "%s: the index closed", how);
    DeleteFileW(file.c_str());
}

static BOOL CALLBACK box_text(HWND child, LPARAM param) {
    wchar_t cls[32];
    GetClassNameW(child, cls, 32);
    if (_wcsicmp(cls, L"Static") == 0 && (GetWindowLongW(child, GWL_STYLE) & SS_TYPEMASK) != SS_ICON)
        *(std::wstring*)param = text_of(child);
    return TRUE;
}

// Every text the list and the header show fits its column in the window's fonts, and the window fits
// a 1366 x 768 screen's work area.
static void check_sizes(Session* s) {
    RECT outer, list;
    GetWindowRect(s->main, &outer);
    GetClientRect(list_of(s), &list);
    check(s, outer.right - outer.left <= WORK_AREA_WIDTH && outer.bottom - outer.top <= WORK_AREA_HEIGHT,
          "the window is %ld x %ld px, more than a 1366 x 768 work area", outer.right - outer.left, outer.bottom - outer.top);
    check(s, box_right(INDEX_PURPOSE_COLUMN.box) <= list.right, "the purpose column ends past the list (%ld px)", list.right);
    HDC dc = CreateCompatibleDC(nullptr);
    auto fits = [&](const char* what, const wchar_t* text, const FontStyle& style, int width) {
        HFONT font = CreateFontW(style.height, 0, 0, 0, style.weight, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                                 OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY, 0, style.face);
        HGDIOBJ previous = SelectObject(dc, font);
        SIZE size = {};
        GetTextExtentPoint32W(dc, text, lstrlenW(text), &size);
        SelectObject(dc, previous);
        DeleteObject(font);
        check(s, size.cx <= width, "%s does not fit: \"%s\" is %ld px wide, its box %d px", what, utf8(text).c_str(),
              size.cx, width);
    };
    for (int i = 0; i < INDEX_TOOL_COUNT; i++) {
        const IndexTool& t = INDEX_TOOLS[i];
        fits("a name", t.name, FONT_INPUT, INDEX_NAME_COLUMN.box.width);
        fits("a purpose", t.purpose, FONT_LABEL, INDEX_PURPOSE_COLUMN.box.width);
        fits("a department", t.category, INDEX_FONT_GROUP, INDEX_DEPARTMENT_BOX.width);
    }
    wchar_t subtitle[128];
    swprintf(subtitle, 128, INDEX_SUBTITLE_FORMAT, INDEX_TOOL_COUNT);
    fits("the subtitle", subtitle, FONT_HEADER, INDEX_SUBTITLE_BOX.width);
    fits("the title", INDEX_TITLE, FONT_TITLE, INDEX_TITLE_BOX.width);
    fits("the keys line", INDEX_KEYS_TEXT, FONT_SMALL, INDEX_KEYS_BOX.width);
    fits("the open button", INDEX_OPEN_CAPTION, FONT_BUTTON, INDEX_OPEN_BUTTON.width - 8);
    DeleteDC(dc);
}

static std::wstring wide(const char* ascii) { return std::wstring(ascii, ascii + strlen(ascii)); }

// Searching for tool `number` and pressing Enter gives a message with this caption that holds
// before + its exe name + after; the index stays open and starts nothing.
static void expect_refusal(Session* s, uint32_t number, const wchar_t* caption_want, const wchar_t* before,
                           const wchar_t* after, const std::wstring& report) {
    key(s, VK_ESCAPE);
    type(s, std::to_wstring(number).c_str());
    check(s, selected_tool(s) == number, "%u selects %u", number, selected_tool(s));
    key(s, VK_RETURN);
    HWND box = find_process_window(s->process.dwProcessId, L"#32770", WAIT_MS);
    check(s, box != nullptr, "no message for tool %u", number);
    if (box) {
        wchar_t caption[64] = L"";
        GetWindowTextW(box, caption, 64);
        std::wstring text;
        EnumChildWindows(box, box_text, (LPARAM)&text);
        const char* exe = index_tool_by_number(number)->exe_name;
        check_text(s, "message caption", caption, caption_want);
        std::wstring want = before + wide(exe) + after;
        check(s, text.find(want) != std::wstring::npos, "the message does not say \"%s\": \"%s\"",
              utf8(want).c_str(), utf8(text).c_str());
        PostMessageW(box, WM_COMMAND, IDOK, 0);
        for (DWORD waited = 0; IsWindow(box) && waited < WAIT_MS; waited += POLL_MS) Sleep(POLL_MS);
        index_settle(s);
    }
    check(s, IsWindow(s->main) && WaitForSingleObject(s->process.hProcess, 0) == WAIT_TIMEOUT,
          "the index closed after tool %u's message", number);
    check(s, read_opened(report).empty(), "a file was started for tool %u", number);
}

static void drive(Session* s, const std::wstring& folder, const std::wstring& artifacts) {
    wchar_t title[64] = L"";
    GetWindowTextW(s->main, title, 64);
    check_text(s, "title", title, INDEX_TITLE);
    check(s, focused(s) == search_of(s), "the search box does not have the focus at start");
    expect_list(s, "at start", L"");
    check_sizes(s);
    check(s, save_window_png(s, artifacts + L"\\medtool-index.png"), "cannot save the screenshot");

    // typed, the list filters; the first tool is selected; the arrows pass over headings
    const wchar_t* query = L"肌酐";
    type(s, query);
    expect_list(s, "typed 肌酐", query);
    check(s, save_window_png(s, artifacts + L"\\medtool-index-search.png"), "cannot save the screenshot");
    std::vector<uint32_t> tools;
    for (uint32_t n : expected_rows(query)) if (n) tools.push_back(n);
    check(s, tools.size() >= 3, "肌酐 finds %d tools, the keys need 3", (int)tools.size());
    if (tools.size() >= 3) {
        check(s, selected_tool(s) == tools[0], "selected %u after typing, want %u", selected_tool(s), tools[0]);
        key(s, VK_DOWN);
        key(s, VK_DOWN);
        check(s, selected_tool(s) == tools[2], "selected %u after two downs, want %u", selected_tool(s), tools[2]);
        for (size_t i = 0; i < tools.size() + 2; i++) key(s, VK_DOWN);
        check(s, selected_tool(s) == tools.back(), "selected %u past the end, want %u", selected_tool(s), tools.back());
        for (size_t i = 0; i < tools.size() + 2; i++) key(s, VK_UP);
        check(s, selected_tool(s) == tools[0], "selected %u past the top, want %u", selected_tool(s), tools[0]);
    }
    key(s, VK_ESCAPE);
    expect_list(s, "after Esc", L"");

    // Enter opens the selected tool's exe from the index's folder
    const IndexTool* opened = index_tool_by_number(OPENED_TOOL);
    const std::wstring report = folder + L"\\opened.txt", exe = folder + L"\\" + wide(opened->exe_name);
    type(s, OPENED_QUERY);
    check(s, selected_tool(s) == OPENED_TOOL, "%s selects %u, want %u", utf8(OPENED_QUERY).c_str(), selected_tool(s), OPENED_TOOL);
    key(s, VK_RETURN);
    expect_opened(s, "Enter", report, exe);

    // a double-click on the tool's row opens it; one on its heading opens nothing
    int row = 0;
    std::vector<uint32_t> rows = shown_rows(s);
    while (row < (int)rows.size() && rows[row] != OPENED_TOOL) row++;
    int top = (int)SendMessageW(list_of(s), LB_GETTOPINDEX, 0, 0);
    auto double_click = [&](int r) {
        LPARAM at = MAKELPARAM(100, (r - top) * INDEX_ROW_HEIGHT + INDEX_ROW_HEIGHT / 2);
        PostMessageW(list_of(s), WM_LBUTTONDOWN, MK_LBUTTON, at);
        PostMessageW(list_of(s), WM_LBUTTONUP, 0, at);
        PostMessageW(list_of(s), WM_LBUTTONDBLCLK, MK_LBUTTON, at);
        PostMessageW(list_of(s), WM_LBUTTONUP, 0, at);
        index_settle(s);
    };
    double_click(row - 1);
    Sleep(300);
    check(s, read_opened(report).empty(), "a double-click on a heading started a tool");
    double_click(row);
    expect_opened(s, "double-click", report, exe);

    // an exe not in the folder, or cut short: a message naming it, and the index stays
    expect_refusal(s, MISSING_TOOL, L"找不到工具", L"找不到 ", L"。", report);
    expect_refusal(s, DAMAGED_TOOL, L"无法打开工具", L"", L" 不是完整的程序文件", report);
}

int index_run(const std::wstring& index_exe, const std::wstring& stand_in_exe, const std::wstring& artifacts) {
    CreateDirectoryW(artifacts.c_str(), nullptr);
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    const std::wstring folder = std::wstring(temp) + L"medtool-index-" + std::to_wstring(GetCurrentProcessId());
    CreateDirectoryW(folder.c_str(), nullptr);
    const IndexTool* opened = index_tool_by_number(OPENED_TOOL);
    const std::wstring copy = folder + L"\\medtool-index.exe";
    Session s = {};
    const IndexTool* damaged = index_tool_by_number(DAMAGED_TOOL);
    check(&s, opened && damaged && index_tool_by_number(MISSING_TOOL), "tools %u, %u and %u are not all in the index",
          OPENED_TOOL, DAMAGED_TOOL, MISSING_TOOL);
    check(&s, CopyFileW(index_exe.c_str(), copy.c_str(), FALSE) != 0, "cannot copy the index");
    if (opened && damaged) {
        check(&s, CopyFileW(stand_in_exe.c_str(), (folder + L"\\" + wide(opened->exe_name)).c_str(), FALSE) != 0,
              "cannot copy the stand-in");
        HANDLE empty = CreateFileW((folder + L"\\" + wide(damaged->exe_name)).c_str(), GENERIC_WRITE, 0, nullptr,
                                   CREATE_ALWAYS, 0, nullptr);
        check(&s, empty != INVALID_HANDLE_VALUE, "cannot make the empty exe");
        if (empty != INVALID_HANDLE_VALUE) CloseHandle(empty);
    }
    if (s.failures.empty() && process_start(&s.process, copy.c_str(), L"", folder.c_str())) {
        s.exe = copy.c_str();
        s.main = find_process_window(s.process.dwProcessId, INDEX_WINDOW_CLASS, WAIT_MS);
        check(&s, s.main != nullptr, "no index window appeared");
        bool painted = false;
        for (DWORD waited = 0; s.main && !painted && waited < WAIT_MS; waited += POLL_MS) {
            painted = client_pixel(&s, 800, 40) == COLOUR_BRAND;
            if (!painted) Sleep(POLL_MS);
        }
        check(&s, painted, "the index window was never painted");
        if (painted && index_settle(&s)) drive(&s, folder, artifacts);
    } else {
        check(&s, false, "cannot start the index");
    }
    process_end(&s.process);
    printf("%s: index window (%d checks)\n", s.failures.empty() ? "ok" : "FAIL", s.checks);
    for (const std::string& f : s.failures) printf("    %s\n", f.c_str());
    fflush(stdout);
    return s.failures.empty() ? 0 : 1;
}

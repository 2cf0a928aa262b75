// The driver's hands: starting the program, finding its windows, typing, clicking, waiting for it,
// message boxes and the clipboard. Exports windows_path, the process_, session_, message_box_
// functions and the other helpers declared in e2e.h under "the process", "driving", "message boxes"
// and "clipboard".
#include <stdarg.h>
#include <stdio.h>

#include "e2e.h"

enum { POLL_MS = 5, WAIT_MS = 8000, ID_RESULT_BOX = 3000, START_ATTEMPTS = 5, START_RETRY_MS = 300 };

std::string utf8(const std::wstring& text) {
    int n = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, nullptr, 0, nullptr, nullptr);
    std::string out(n > 0 ? n : 1, '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, &out[0], n, nullptr, nullptr);
    out.resize(n > 0 ? n - 1 : 0);
    return out;
}

void check(Session* s, bool ok, const char* format, ...) {
    s->checks++;
    if (ok) return;
    char message[1024];
    va_list args;
    va_start(args, format);
    vsnprintf(message, sizeof message, format, args);
    va_end(args);
    s->failures.push_back(message);
}

void check_text(Session* s, const char* what, const std::wstring& got, const wchar_t* want) {
    check(s, got == want, "%s: got \"%s\", want \"%s\"", what, utf8(got).c_str(), utf8(want).c_str());
}

std::wstring windows_path(const std::wstring& path) {
    std::wstring p = path;
    if (!p.empty() && p[0] == L'/') p = L"Z:" + p;
    for (wchar_t& c : p)
        if (c == L'/') c = L'\\';
    return p;
}

bool process_start(PROCESS_INFORMATION* pi, const wchar_t* exe, const wchar_t* args, const wchar_t* cwd) {
    std::wstring line = L"\"" + std::wstring(exe) + L"\"";
    if (args && args[0]) line += L" " + std::wstring(args);
    STARTUPINFOW si = {};
    si.cb = sizeof si;
    // Under Wine on a busy machine a start now and then fails before the new process runs any of
    // its code (the loader cannot set up the process), so a failed start is tried again a few
    // times. A program that really cannot start fails every attempt; the last error is kept.
    for (int attempt = 1;; attempt++) {
        *pi = {};
        if (CreateProcessW(exe, &line[0], nullptr, nullptr, FALSE, 0, nullptr, cwd, &si, pi)) return true;
        DWORD error = GetLastError();
        fprintf(stderr, "note: starting the program failed (attempt %d, error %lu)\n", attempt, (unsigned long)error);
        if (attempt == START_ATTEMPTS) {
            SetLastError(error);
            return false;
        }
        Sleep(START_RETRY_MS);
    }
}

long process_wait(const PROCESS_INFORMATION* pi, DWORD timeout_ms) {
    if (WaitForSingleObject(pi->hProcess, timeout_ms) != WAIT_OBJECT_0) return -1;
    DWORD code = 0;
    GetExitCodeProcess(pi->hProcess, &code);
    return (long)code;
}

void process_end(PROCESS_INFORMATION* pi) {
    if (!pi->hProcess) return;
    if (WaitForSingleObject(pi->hProcess, 0) != WAIT_OBJECT_0) {
        TerminateProcess(pi->hProcess, 99);
        WaitForSingleObject(pi->hProcess, WAIT_MS);
    }
    CloseHandle(pi->hThread);
    CloseHandle(pi->hProcess);
    *pi = {};
}

struct WindowSearch { DWORD pid; const wchar_t* cls; HWND found; };

static BOOL CALLBACK match_window(HWND window, LPARAM param) {
    WindowSearch* search = (WindowSearch*)param;
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    wchar_t cls[64];
    if (pid == search->pid && IsWindowVisible(window) && GetClassNameW(window, cls, 64) && !wcscmp(cls, search->cls)) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

HWND find_process_window(DWORD pid, const wchar_t* cls, DWORD timeout_ms) {
    for (DWORD waited = 0;; waited += POLL_MS) {
        WindowSearch search = { pid, cls, nullptr };
        EnumWindows(match_window, (LPARAM)&search);
        if (search.found || waited >= timeout_ms) return search.found;
        Sleep(POLL_MS);
    }
}

bool session_open(Session* s, const wchar_t* exe) {
    s->exe = exe;
    if (!process_start(&s->process, exe, L"", nullptr)) {
        check(s, false, "cannot start %s (error %lu)", utf8(exe).c_str(), (unsigned long)GetLastError());
        return false;
    }
    s->main = find_process_window(s->process.dwProcessId, L"KavriMedToolWnd", WAIT_MS);
    check(s, s->main != nullptr, "no window of class KavriMedToolWnd appeared");
    if (!s->main) return false;
    // The first paint has happened once the header band shows its colour.
    for (DWORD waited = 0; waited < WAIT_MS; waited += POLL_MS) {
        if (client_pixel(s, 800, 60) == RGB(0, 108, 150)) return settle(s);
        Sleep(POLL_MS);
    }
    check(s, false, "the window was never painted");
    return false;
}

void session_close(Session* s) {
    process_end(&s->process);
    s->main = nullptr;
}

HWND control(Session* s, int id) { return GetDlgItem(s->main, id); }

void window_fits(Session* s) {
    RECT outer, client;
    GetWindowRect(s->main, &outer);
    GetClientRect(s->main, &client);
    MONITORINFO info = {};
    info.cbSize = sizeof info;
    GetMonitorInfoW(MonitorFromWindow(s->main, MONITOR_DEFAULTTONEAREST), &info);
    const RECT& w = info.rcWork;
    int width = outer.right - outer.left, height = outer.bottom - outer.top;
    check(s, outer.left >= w.left && outer.top >= w.top && outer.right <= w.right && outer.bottom <= w.bottom,
          "the window %ld,%ld-%ld,%ld reaches out of the work area %ld,%ld-%ld,%ld", outer.left, outer.top, outer.right,
          outer.bottom, w.left, w.top, w.right, w.bottom);
    int x = w.left + (w.right - w.left - width) / 2, y = w.top + (w.bottom - w.top - height) / 2;
    check(s, outer.left == x && outer.top == y, "window at %ld,%ld, not centred on the work area at %d,%d", outer.left,
          outer.top, x, y);
    // The standard client height where the work area holds it; the compact layout fills the work area.
    RECT standard = { 0, 0, 1020, 720 };
    AdjustWindowRect(&standard, WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, FALSE);
    int frame = standard.bottom - standard.top - 720;
    int want = w.bottom - w.top - frame >= 720 ? 720 : w.bottom - w.top - frame;
    // 1020 px wide, or wider (up to 1340) where long options need it.
    check(s, client.right >= 1020 && client.right <= 1340 && client.bottom == want,
          "client area %ldx%ld, not 1020 (to 1340) x %d", client.right, client.bottom, want);
}

HWND child_at(Session* s, int x, int y) {
    POINT p = { x, y };
    HWND child = ChildWindowFromPointEx(s->main, p, CWP_SKIPINVISIBLE);
    return child == s->main ? nullptr : child;
}

std::wstring input_state(HWND input) {
    wchar_t cls[32] = L"";
    GetClassNameW(input, cls, 32);
    if (!_wcsicmp(cls, L"Button")) return SendMessageW(input, BM_GETCHECK, 0, 0) == BST_CHECKED ? L"1" : L"0";
    if (!_wcsicmp(cls, L"ComboBox") && SendMessageW(input, CB_GETCURSEL, 0, 0) == CB_ERR) return L"";
    return text_of(input);
}

std::wstring text_of(HWND window) {
    int n = (int)SendMessageW(window, WM_GETTEXTLENGTH, 0, 0);
    std::wstring text(n + 1, L'\0');
    n = (int)SendMessageW(window, WM_GETTEXT, (WPARAM)(n + 1), (LPARAM)&text[0]);
    text.resize(n > 0 ? n : 0);
    return text;
}

void set_text(HWND window, const wchar_t* text) { SendMessageW(window, WM_SETTEXT, 0, (LPARAM)text); }

void post_key(HWND target, WPARAM key) {
    UINT scan = MapVirtualKeyW((UINT)key, 0);
    PostMessageW(target, WM_KEYDOWN, key, 1 | (LPARAM)scan << 16);
}

// Real mouse input through the system's input queue, as a user's hand gives it: the pointer moves to
// the point and the button goes down and up (or the wheel turns there).
static void mouse_input(Session* s, int x, int y, DWORD flags, DWORD data) {
    POINT p = { x, y };
    ClientToScreen(s->main, &p);
    SetCursorPos(p.x, p.y);
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    input.mi.mouseData = data;
    SendInput(1, &input, sizeof input);
    Sleep(50);  // input reaches the program after the messages settle() posts
}

void mouse_click(Session* s, int x, int y) {
    mouse_input(s, x, y, MOUSEEVENTF_LEFTDOWN, 0);
    mouse_input(s, x, y, MOUSEEVENTF_LEFTUP, 0);
    settle(s);
}

void mouse_wheel(Session* s, int x, int y, int notches) {
    mouse_input(s, x, y, MOUSEEVENTF_WHEEL, (DWORD)(notches * WHEEL_DELTA));
    settle(s);
}

void post_char(HWND target, const wchar_t* text) {
    for (const wchar_t* p = text; *p; p++) PostMessageW(target, WM_CHAR, *p, 1);
}

void post_key_up(HWND target, WPARAM key) {
    UINT scan = MapVirtualKeyW((UINT)key, 0);
    PostMessageW(target, WM_KEYUP, key, 1 | (LPARAM)scan << 16 | (LPARAM)3 << 30);
}

// Posted, never sent: a command that opens a message box would otherwise block the driver.
void click(Session* s, int id) { PostMessageW(control(s, id), BM_CLICK, 0, 0); }

// Posted messages are handled in order, so once a marker posted now has taken effect, everything
// posted before it has been handled. The marker is a text limit on the read-only result box, which
// nothing else uses.
bool settle(Session* s) {
    int marker = 100000 + ++s->markers;
    HWND box = control(s, ID_RESULT_BOX);
    PostMessageW(box, EM_SETLIMITTEXT, (WPARAM)marker, 0);
    for (ULONGLONG deadline = GetTickCount64() + WAIT_MS; GetTickCount64() < deadline;) {
        DWORD_PTR limit = 0;
        if (SendMessageTimeoutW(box, EM_GETLIMITTEXT, 0, 0, SMTO_NORMAL, 1000, &limit) && (int)limit == marker) {
            Sleep(30);  // paint messages come after posted ones; let them run
            return true;
        }
        Sleep(POLL_MS);
    }
    check(s, false, "the program stopped answering");
    return false;
}

HWND focused(Session* s) {
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(s->process.dwThreadId, &info);
    return info.hwndFocus;
}

RECT client_rect_of(Session* s, HWND child) {
    RECT r;
    GetWindowRect(child, &r);
    MapWindowPoints(nullptr, s->main, (POINT*)&r, 2);
    return r;
}

// ---- message boxes

struct BoxParts { HWND text; HWND icon; };

static BOOL CALLBACK find_box_parts(HWND child, LPARAM param) {
    BoxParts* parts = (BoxParts*)param;
    wchar_t cls[32];
    GetClassNameW(child, cls, 32);
    if (_wcsicmp(cls, L"Static") != 0) return TRUE;
    if ((GetWindowLongW(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON) parts->icon = child;
    else parts->text = child;
    return TRUE;
}

MessageBoxSeen message_box_wait(Session* s, DWORD timeout_ms) {
    MessageBoxSeen seen = {};
    seen.box = find_process_window(s->process.dwProcessId, L"#32770", timeout_ms);
    if (!seen.box) return seen;
    settle(s);
    wchar_t caption[256] = L"";
    GetWindowTextW(seen.box, caption, 256);
    seen.caption = caption;
    BoxParts parts = {};
    EnumChildWindows(seen.box, find_box_parts, (LPARAM)&parts);
    if (parts.text) seen.text = text_of(parts.text);
    if (parts.icon) {
        RECT r = client_rect_of(s, parts.icon);
        Capture c = capture_client(s, r);
        for (uint32_t p : c.pixels) {
            int red = p >> 16 & 0xFF, green = p >> 8 & 0xFF, blue = p & 0xFF;
            if (red > 180 && green > 140 && blue < 100) seen.yellow++;
            if (blue > 150 && red < 120) seen.blue++;
        }
    }
    return seen;
}

void message_box_close(Session* s, const MessageBoxSeen& seen) {
    PostMessageW(seen.box, WM_COMMAND, IDOK, 0);
    for (DWORD waited = 0; IsWindow(seen.box) && waited < WAIT_MS; waited += POLL_MS) Sleep(POLL_MS);
    check(s, !IsWindow(seen.box), "the message box did not close");
    settle(s);
}

void expect_message_box(Session* s, const wchar_t* caption, const wchar_t* text, bool warning) {
    MessageBoxSeen seen = message_box_wait(s, WAIT_MS);
    check(s, seen.box != nullptr, "no message box \"%s\" appeared", utf8(text).c_str());
    if (!seen.box) return;
    check_text(s, "message box caption", seen.caption, caption);
    check_text(s, "message box text", seen.text, text);
    if (warning) check(s, seen.yellow > 20 && seen.yellow > seen.blue, "not a warning icon (yellow %d, blue %d)", seen.yellow, seen.blue);
    else check(s, seen.blue > 20 && seen.blue > seen.yellow, "not an information icon (yellow %d, blue %d)", seen.yellow, seen.blue);
    message_box_close(s, seen);
}

bool no_message_box(Session* s) { return find_process_window(s->process.dwProcessId, L"#32770", 0) == nullptr; }

// ---- clipboard

std::wstring clipboard_text() {
    std::wstring text = L"(no text)";
    for (int attempt = 0; attempt < 100 && !OpenClipboard(nullptr); attempt++) Sleep(POLL_MS);
    HANDLE data = GetClipboardData(CF_UNICODETEXT);
    if (data) {
        const wchar_t* p = (const wchar_t*)GlobalLock(data);
        if (p) text = p;
        GlobalUnlock(data);
    }
    CloseClipboard();
    return text;
}

void put_on_clipboard(const wchar_t* text) {
    if (!OpenClipboard(nullptr)) return;
    EmptyClipboard();
    size_t bytes = (wcslen(text) + 1) * sizeof(wchar_t);
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, bytes);
    memcpy(GlobalLock(block), text, bytes);
    GlobalUnlock(block);
    SetClipboardData(CF_UNICODETEXT, block);
    CloseClipboard();
}

void expect_copy_and_save_refused(Session* s, const std::wstring& record_file) {
    enum { ID_SAVE = 1002, ID_COPY = 1003 };
    click(s, ID_COPY);
    settle(s);
    check(s, no_message_box(s), "copy opened a message box");
    expect_status(s, L"未复制：输入有误，本次没有可复制的结果");
    check_text(s, "clipboard after a refused copy", clipboard_text(), CLIPBOARD_UNCHANGED);
    click(s, ID_SAVE);
    settle(s);
    check(s, no_message_box(s), "save opened a message box");
    expect_status(s, L"未保存：输入有误，本次没有可保存的结果");
    check(s, GetFileAttributesW(record_file.c_str()) == INVALID_FILE_ATTRIBUTES, "a refused save wrote a record file");
}

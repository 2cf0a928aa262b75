// The window test driver: a Windows program that starts medtool.exe, drives its window from outside
// the process as a user would (texts, keys, clicks, message boxes, clipboard) and reads the screen.
// Exports Session, Scenario, ScenarioList, the scenario lists and the helpers the scenarios use.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

enum Program {
    PROGRAM_NONE,     // the scenario starts processes itself
    PROGRAM_BUILTIN,  // medtool.exe with the built-in tool, window open when the scenario starts
    PROGRAM_WIDE,     // the same program around tests/e2e/wide_tool.cpp (16 inputs, levels 0 to 3)
    PROGRAM_NO_INPUT, // the same program around tests/e2e/no_input_tool.cpp (no input, a report)
    PROGRAM_KINDS,    // the same program around tests/e2e/kinds_tool.cpp (40 inputs of every kind)
    PROGRAM_T127,     // the catalogue's exes of tools 127 and 201 (run with --ward)
    PROGRAM_T201,
};

// One run of the program under test, and what the scenario found wrong so far.
struct Session {
    const wchar_t*      exe;           // Windows path of the program
    PROCESS_INFORMATION process;
    HWND                main;          // its main window
    int                 checks;        // checks made
    int                 markers;       // settle() markers posted
    std::vector<std::string> failures;
};

struct Scenario {
    const char* name;
    Program     program;
    void (*run)(Session* s);
};

struct ScenarioList {
    const Scenario* scenarios;
    int             count;
};

// One list per scenario file; tests/e2e/README.md says how to add one.
extern const ScenarioList WINDOW_SCENARIOS;
extern const ScenarioList COMMAND_SCENARIOS;
extern const ScenarioList WIDE_SCENARIOS;
extern const ScenarioList SELFTEST_SCENARIOS;
extern const ScenarioList SAVE_SCENARIOS;
extern const ScenarioList NO_INPUT_SCENARIOS;
extern const ScenarioList KINDS_SCENARIOS;
extern const ScenarioList WARD_SCENARIOS;  // run with --ward only

// The family window test (e2e_family.cpp): every exe of the list file (one path a line) against the
// native run's reference file; only: run just the exes whose path contains it. Returns the exit code.
int family_run(const std::wstring& list, const std::wstring& reference, const std::wstring& artifacts,
               const std::string& only);

// The index window test (e2e_index.cpp): medtool-index.exe copied into a new folder beside one
// stand-in tool exe, searched, driven by keys and mouse, opening the stand-in and a missing exe.
// Returns the exit code.
int index_run(const std::wstring& index_exe, const std::wstring& stand_in_exe, const std::wstring& artifacts);

// Paths the runner was given (Windows form).
struct DriverPaths {
    std::wstring builtin_exe, wide_exe, no_input_exe, kinds_exe, t127_exe, t201_exe, artifacts;
};
extern DriverPaths driver_paths;

// ---- checks (a failed check is recorded and the scenario goes on)
void check(Session* s, bool ok, const char* format, ...);
void check_text(Session* s, const char* what, const std::wstring& got, const wchar_t* want);
std::string utf8(const std::wstring& text);

// ---- the process and its window
// A Unix absolute path names the same file through drive Z: under Wine; others are kept.
std::wstring windows_path(const std::wstring& path);
// Starts exe with the given arguments (after the quoted program path) in folder `cwd` (null: ours).
bool process_start(PROCESS_INFORMATION* pi, const wchar_t* exe, const wchar_t* args, const wchar_t* cwd);
// Waits for the process to end; returns its exit code, or -1 on timeout.
long process_wait(const PROCESS_INFORMATION* pi, DWORD timeout_ms);
void process_end(PROCESS_INFORMATION* pi);
// The visible top-level window of class cls owned by the process, waiting up to timeout_ms.
HWND find_process_window(DWORD pid, const wchar_t* cls, DWORD timeout_ms);
// Starts the program, finds its main window and waits for its first paint.
bool session_open(Session* s, const wchar_t* exe);
void session_close(Session* s);

// Checks that the main window lies whole inside the work area of its monitor, centred, with the
// client height the program must choose there (standard 720, or the compact layout's shorter one)
// and a client width of 1020, or more up to 1340 for long options.
void window_fits(Session* s);

// ---- driving the window
HWND control(Session* s, int id);
// The child control at client point x, y (statics have no id).
HWND child_at(Session* s, int x, int y);
std::wstring text_of(HWND window);
// What an input control holds as a user sees it: a box's text, a drop-down list's chosen option text
// (empty when none is chosen), a check box's "1" (ticked) or "0".
std::wstring input_state(HWND input);
void set_text(HWND window, const wchar_t* text);
void post_key(HWND target, WPARAM key);
void post_key_up(HWND target, WPARAM key);
// Posts each character of text as WM_CHAR, as typing gives it.
void post_char(HWND target, const wchar_t* text);
// Mouse input at client point x, y of the main window (a point of a popup list too): a left click, or
// the wheel turned by notches (positive: away from the user). Both settle afterwards.
void mouse_click(Session* s, int x, int y);
void mouse_wheel(Session* s, int x, int y, int notches);
void click(Session* s, int id);
// Returns once every message posted to the program before the call has been handled.
bool settle(Session* s);
HWND focused(Session* s);
// The control's rectangle in the main window's client coordinates.
RECT client_rect_of(Session* s, HWND child);

// ---- message boxes
struct MessageBoxSeen {
    HWND         box;       // null when none appeared
    std::wstring caption;
    std::wstring text;
    int          yellow;    // pixels of the icon that are yellow (warning) ...
    int          blue;      // ... and blue (information)
};
MessageBoxSeen message_box_wait(Session* s, DWORD timeout_ms);
void message_box_close(Session* s, const MessageBoxSeen& seen);
// Expects a message box with this caption and text and the icon's colour, then closes it.
void expect_message_box(Session* s, const wchar_t* caption, const wchar_t* text, bool warning);
// True when no message box of the program is open.
bool no_message_box(Session* s);

// ---- clipboard
std::wstring clipboard_text();
// Puts text on the clipboard, as another program would.
void put_on_clipboard(const wchar_t* text);
// After a calculation on implausible inputs (with CLIPBOARD_UNCHANGED put on the clipboard before):
// copy and save each refuse in the status line without a message box; the clipboard keeps its text
// and no record file is made.
inline constexpr wchar_t CLIPBOARD_UNCHANGED[] = L"未改动";
void expect_copy_and_save_refused(Session* s, const std::wstring& record_file);

// ---- the screen
struct Capture {
    int width, height;
    std::vector<uint32_t> pixels;  // 0x00RRGGBB, top row first
};
// What is on the screen in the client rectangle r of the main window.
Capture capture_client(Session* s, RECT r);
COLORREF client_pixel(Session* s, int x, int y);
int count_colour(const Capture& c, COLORREF colour);
// Captures r again and again, for up to two seconds, until more than min_count pixels show colour:
// controls repaint some time after the command that changed them. Returns the last capture.
Capture capture_until_colour(Session* s, RECT r, COLORREF colour, int min_count);
// Renders text the way the program's painter does (font face, height, weight, flags) over a solid
// background and compares it with the screen, pixel for pixel, for up to two seconds until they agree.
// Returns the number of differing pixels.
// Only the first rows_compared rows of r are compared when it is above 0.
int text_difference(Session* s, RECT r, const wchar_t* text, const wchar_t* face, int height, int weight,
                    UINT flags, COLORREF colour, COLORREF background, int rows_compared = 0);
// The same for an input row's label (right-aligned) or unit, painted in the muted text colour on the
// panel, one line from the top of its client rectangle r; an empty text: r shows only the panel.
enum RowText { ROW_LABEL, ROW_UNIT };
int row_text_difference(Session* s, RECT r, const wchar_t* text, RowText which);
// Checks that the status line shows exactly this text.
void expect_status(Session* s, const std::wstring& text);
// Saves the whole window as a PNG file.
bool save_window_png(Session* s, const std::wstring& path);

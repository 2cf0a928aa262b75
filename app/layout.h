// The window's geometry and fonts, each named once: the client size, every rectangle the painter
// fills or writes into, every control's rectangle in the standard layout and in the compact one of a
// shorter work area (main_layout), the input rows (input_rows: closer, or scrolling, for a tool with
// more rows than the panel holds) and the face, height and weight of each font. Exports Box,
// FontStyle, MainLayout, RowLayout, the rectangle and font constants and the functions that place
// them. Free of Windows headers, so tests include it.
#pragma once

// A rectangle in client pixels: x, y, width x height; right and bottom are exclusive.
struct Box { int x, y, width, height; };

constexpr int box_right(Box b) { return b.x + b.width; }
constexpr int box_bottom(Box b) { return b.y + b.height; }

enum {
    CLIENT_WIDTH      = 1020,  // the client area the window is made for, unless a drop-down list's
                               // options need the input panel wider (extra_width_for)
    EXTRA_WIDTH_MAX   = 320,   // a client area 1340 px wide at most: inside a 1366 px screen's frame
    CLIENT_HEIGHT     = 720,   // ... where the work area is tall enough (the standard layout)
    CLIENT_HEIGHT_MIN = 608,   // the shortest compact layout: the result box keeps RESULT_HEIGHT_MIN

    HEADER_HEIGHT = 88,    // header band: 0, 0, client width, 88
    ACCENT_WIDTH  = 8,     // accent strip at the band's left edge
    FOOTER_HEIGHT = 60,    // footer band: the bottom 60 px of the client area, buttons and status line
};

// ---- painted: header texts, panels, status line
inline constexpr Box TITLE_BOX    = { 26, 12, 700, 38 };  // tool name
inline constexpr Box SUBTITLE_BOX = { 28, 48, 720, 28 };  // category and purpose, as SUBTITLE_FORMAT
inline constexpr wchar_t SUBTITLE_FORMAT[] = L"%ls  ·  %ls";
// The web address keeps its right edge 26 px inside the client area's right edge.
constexpr Box web_address_box(int client_width) { return { client_width - 240, 8, 214, 26 }; }

struct PanelLayout { Box frame; Box heading; Box separator; };

// ---- the standard layout (client height CLIENT_HEIGHT); main_layout derives the compact ones
inline constexpr PanelLayout INPUT_PANEL  = { { 20, 96, 440, 552 },  { 36, 104, 300, 30 },  { 36, 133, 408, 1 } };
inline constexpr PanelLayout RESULT_PANEL = { { 476, 96, 524, 552 }, { 492, 104, 300, 30 }, { 492, 133, 492, 1 } };

inline constexpr Box STATUS_BOX = { 740, 704, 264, 16 };  // right-aligned status line on the footer band

// controls on the result side
inline constexpr Box VERDICT_BOX   = { 492, 142, 492, 50 };  // two lines of FONT_VERDICT
inline constexpr Box RESULT_BOX    = { 492, 196, 492, 232 };
inline constexpr Box NOTE_BOX      = { 492, 444, 492, 120 };
inline constexpr Box REFERENCE_BOX = { 492, 576, 492, 56 };
enum { RESULT_HEIGHT_MIN = RESULT_BOX.height - (CLIENT_HEIGHT - CLIENT_HEIGHT_MIN) };  // 120: 7 lines

// command buttons along the bottom, left to right
enum { BUTTON_COUNT = 5 };
inline constexpr Box CALCULATE_BUTTON = { 20, 668, 152, 40 };
inline constexpr Box SAVE_BUTTON      = { 184, 668, 132, 40 };
inline constexpr Box COPY_BUTTON      = { 328, 668, 132, 40 };
inline constexpr Box RESET_BUTTON     = { 472, 668, 132, 40 };
inline constexpr Box ABOUT_BUTTON     = { 616, 668, 110, 40 };

// The client height that fits a work area `work_height` px high when the window frame takes
// `frame_height` px: CLIENT_HEIGHT where that fits, less (the compact layout) down to CLIENT_HEIGHT_MIN.
constexpr int client_height_for(int work_height, int frame_height) {
    int h = work_height - frame_height;
    return h >= CLIENT_HEIGHT ? CLIENT_HEIGHT : h < CLIENT_HEIGHT_MIN ? CLIENT_HEIGHT_MIN : h;
}

// Start of a window of `size` centred in the span from `from` `span` px long; `from` where it is longer.
constexpr int centred(int from, int span, int size) {
    int at = (span - size) / 2;
    return from + (at < 0 ? 0 : at);
}

// Every rectangle that depends on the client height. The compact layout (a client height below
// CLIENT_HEIGHT) is the standard one with the footer band moved up and the panels, the result box
// and what lies under it moved up or shortened by the same amount: the result box is the one area
// that gets shorter (it scrolls); the note and reference line keep their size, so no text is cut.
struct MainLayout {
    int         client_height;  // CLIENT_HEIGHT_MIN to CLIENT_HEIGHT
    int         footer_top;     // footer band: 0, footer_top, client width, client_height
    PanelLayout input_panel, result_panel;
    Box         verdict, result, note, reference, status;
    Box         buttons[BUTTON_COUNT];  // calculate, save, copy, reset, about
};

constexpr Box moved_up(Box b, int by) { return { b.x, b.y - by, b.width, b.height }; }
constexpr Box shortened(Box b, int by) { return { b.x, b.y, b.width, b.height - by }; }
constexpr PanelLayout panel_shortened(PanelLayout p, int by) { return { shortened(p.frame, by), p.heading, p.separator }; }

constexpr Box moved_right(Box b, int by) { return { b.x + by, b.y, b.width, b.height }; }
constexpr Box widened(Box b, int by) { return { b.x, b.y, b.width + by, b.height }; }
constexpr PanelLayout panel_widened(PanelLayout p, int by) {
    return { widened(p.frame, by), p.heading, widened(p.separator, by) };
}
constexpr PanelLayout panel_moved_right(PanelLayout p, int by) {
    return { moved_right(p.frame, by), moved_right(p.heading, by), moved_right(p.separator, by) };
}

// The layout of a client area CLIENT_WIDTH + extra_width wide (0 to EXTRA_WIDTH_MAX; the input panel
// takes the extra width, everything right of it moves along) and client_height high.
constexpr MainLayout main_layout(int client_height, int extra_width = 0) {
    int h = client_height > CLIENT_HEIGHT ? CLIENT_HEIGHT : client_height < CLIENT_HEIGHT_MIN ? CLIENT_HEIGHT_MIN
                                                                                              : client_height;
    int by = CLIENT_HEIGHT - h;
    int x = extra_width < 0 ? 0 : extra_width > EXTRA_WIDTH_MAX ? EXTRA_WIDTH_MAX : extra_width;
    return { h, h - FOOTER_HEIGHT, panel_widened(panel_shortened(INPUT_PANEL, by), x),
             panel_moved_right(panel_shortened(RESULT_PANEL, by), x), moved_right(VERDICT_BOX, x),
             moved_right(shortened(RESULT_BOX, by), x), moved_right(moved_up(NOTE_BOX, by), x),
             moved_right(moved_up(REFERENCE_BOX, by), x), moved_right(moved_up(STATUS_BOX, by), x),
             { moved_up(CALCULATE_BUTTON, by), moved_up(SAVE_BUTTON, by), moved_up(COPY_BUTTON, by),
               moved_up(RESET_BUTTON, by), moved_up(ABOUT_BUTTON, by) } };
}

// ---- input rows
// One row per input: the label on the left and the input's control (an edit box for a number or a
// date, a drop-down list, a check box) with the unit (or the date's hint) after it. The rows keep
// ROW_PITCH where the panel holds them all, come closer (down to ROW_PITCH_MIN) where that makes them
// fit, and otherwise show as many rows as fit at ROW_PITCH_MIN with a scroll bar at the panel's right
// edge: whole rows scroll, a row is shown whole or not at all, and the columns move left to make
// room for the bar.
enum {
    ROW_FIRST_TOP = 150,  // first edit box 12 px below the input separator (150 - 4 = 146)
    ROW_PITCH     = 34,
    ROW_PITCH_MIN = 29,   // 2 px between two edit boxes
    ROWS_BOTTOM_GAP = 4,  // lowest control bottom: 3 px above the panel's frame

    LABEL_X = 24,  LABEL_DY = 1,  LABEL_WIDTH = 184, LABEL_HEIGHT = 22,  // right-aligned, ends at 208
    EDIT_X  = 216, EDIT_DY  = -4, EDIT_WIDTH  = 152, EDIT_HEIGHT  = 27,  // 8 px after the label
    UNIT_X  = 374, UNIT_DY  = 0,  UNIT_WIDTH  = 78,  UNIT_HEIGHT  = 22,  // 6 px after the edit box
    WIDE_RIGHT_GAP = 3,   // a drop-down list or check box reaches to 3 px inside the panel's frame,
                          // or before the scroll bar: the longest options need that room
    CHECK_DY = LABEL_DY,                        // a check box lines up with its label

    SCROLL_BAR_WIDTH = 17,
    SCROLL_SHIFT     = 14,  // the label narrows and the columns move left by this much beside the bar
};

struct RowLayout {
    int pitch;    // px between the tops of two rows shown
    int shown;    // rows shown at once: all of them unless the rows scroll
    int shift;    // 0, or SCROLL_SHIFT when the rows scroll
    int bottom;   // lowest y a row's control may reach (exclusive)
    int right;    // the input panel's right edge (exclusive)
};

// The rows of a tool with `count` inputs in the layout of main_layout(client_height, extra_width).
constexpr RowLayout input_rows(int count, int client_height, int extra_width = 0) {
    Box panel = main_layout(client_height, extra_width).input_panel.frame;
    int bottom = box_bottom(panel) - ROWS_BOTTOM_GAP, right = box_right(panel);
    int room = bottom - (ROW_FIRST_TOP + EDIT_DY + EDIT_HEIGHT);  // below the first row's edit box
    if (count <= 1 || room / (count - 1) >= ROW_PITCH) return { ROW_PITCH, count, 0, bottom, right };
    if (room / (count - 1) >= ROW_PITCH_MIN) return { room / (count - 1), count, 0, bottom, right };
    return { ROW_PITCH_MIN, 1 + room / ROW_PITCH_MIN, SCROLL_SHIFT, bottom, right };
}

constexpr bool rows_scroll(RowLayout rows, int count) { return rows.shown < count; }

// Top of the row shown in place `place` (0-based from the first row shown); the row's controls are
// placed from it.
constexpr int input_row_top(int place, RowLayout rows) { return ROW_FIRST_TOP + rows.pitch * place; }

constexpr Box input_label_box(int place, RowLayout rows) {
    return { LABEL_X, input_row_top(place, rows) + LABEL_DY, LABEL_WIDTH - rows.shift, LABEL_HEIGHT };
}
// The scroll bar of rows that scroll: beside the rows, 2 px inside the panel's right frame.
constexpr Box rows_scroll_bar_box(RowLayout rows) {
    return { rows.right - 1 - 2 - SCROLL_BAR_WIDTH, ROW_FIRST_TOP + EDIT_DY, SCROLL_BAR_WIDTH,
             rows.bottom - (ROW_FIRST_TOP + EDIT_DY) };
}

// The input's own control: an edit box (number, date), or a drop-down list or check box from the edit
// box's left edge across the unit's place to WIDE_RIGHT_GAP px before the panel's frame or scroll bar
// (240 px, 235 beside the scroll bar, and the extra width of a wider window).
constexpr Box input_control_box(int place, RowLayout rows, bool wide, bool check) {
    int right = (rows.shift ? rows_scroll_bar_box(rows).x : rows.right - 1) - WIDE_RIGHT_GAP;
    int x = EDIT_X - rows.shift;
    return { x, input_row_top(place, rows) + (check ? CHECK_DY : EDIT_DY), wide ? right - x : EDIT_WIDTH,
             check ? LABEL_HEIGHT : EDIT_HEIGHT };
}
constexpr Box input_unit_box(int place, RowLayout rows) {
    return { UNIT_X - rows.shift, input_row_top(place, rows) + UNIT_DY, UNIT_WIDTH, UNIT_HEIGHT };
}

// The extra client width a drop-down list needs so that its widest option, `widest_option` px in
// FONT_INPUT, shows whole in the closed list: the text, the arrow button, the list's edges and the
// text's margins (CHOICE_FIELD_CHROME) in a field of 235 px (beside a scroll bar; 240 otherwise); at
// most EXTRA_WIDTH_MAX.
enum { CHOICE_FIELD_CHROME = 24, CHOICE_FIELD_WIDTH = 235 };
constexpr int extra_width_for(int widest_option) {
    int extra = widest_option + CHOICE_FIELD_CHROME - CHOICE_FIELD_WIDTH;
    return extra < 0 ? 0 : extra > EXTRA_WIDTH_MAX ? EXTRA_WIDTH_MAX : extra;
}

// A tool without inputs shows one line in the input panel instead of rows, where the first row would be.
inline constexpr Box NO_INPUT_BOX = { 36, ROW_FIRST_TOP + LABEL_DY, 408, LABEL_HEIGHT };  // under the heading

// ---- fonts: every font is made with these and otherwise the same parameters
struct FontStyle { const wchar_t* face; int height; int weight; };  // height < 0: character height in px

inline constexpr wchar_t UI_FACE[] = L"Microsoft YaHei UI";
enum { WEIGHT_NORMAL = 400, WEIGHT_BOLD = 700 };  // FW_NORMAL, FW_BOLD

inline constexpr FontStyle FONT_TITLE   = { UI_FACE, -27, WEIGHT_BOLD };    // tool name
inline constexpr FontStyle FONT_HEADER  = { UI_FACE, -14, WEIGHT_NORMAL };  // subtitle, panel headings
inline constexpr FontStyle FONT_LABEL   = { UI_FACE, -14, WEIGHT_NORMAL };  // input labels, the no-input line
inline constexpr FontStyle FONT_INPUT   = { UI_FACE, -15, WEIGHT_NORMAL };  // input edit boxes
inline constexpr FontStyle FONT_VERDICT = { UI_FACE, -21, WEIGHT_BOLD };    // verdict line
inline constexpr FontStyle FONT_RESULT  = { L"Consolas", -15, WEIGHT_NORMAL };  // result box
inline constexpr FontStyle FONT_BUTTON  = { UI_FACE, -15, WEIGHT_NORMAL };  // button captions
inline constexpr FontStyle FONT_SMALL   = { UI_FACE, -12, WEIGHT_NORMAL };  // units, note, reference, web address, status

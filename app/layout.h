// The window's geometry and fonts, each named once: the client size, every rectangle the painter
// fills or writes into, every control's rectangle, the input rows (whose pitch shrinks only for a
// tool with more rows than the input panel holds at full pitch) and the face, height and weight of
// each font. Exports Box, FontStyle, the rectangle and font constants, input_row_pitch, input_row_top
// and the input_*_box functions. Free of Windows headers, so tests include it.
#pragma once

// A rectangle in client pixels: x, y, width x height; right and bottom are exclusive.
struct Box { int x, y, width, height; };

constexpr int box_right(Box b) { return b.x + b.width; }
constexpr int box_bottom(Box b) { return b.y + b.height; }

enum {
    CLIENT_WIDTH  = 1020,  // the client area the window is made for
    CLIENT_HEIGHT = 720,
    TRACK_WIDTH   = 1036,  // outer size answered in WM_GETMINMAXINFO, both minimum and maximum
    TRACK_HEIGHT  = 780,

    HEADER_HEIGHT = 88,    // header band: 0, 0, client width, 88
    ACCENT_WIDTH  = 8,     // accent strip at the band's left edge
    FOOTER_TOP    = 660,   // footer band: 0, 660, client width, 720
};

// ---- painted: header texts, panels, status line
inline constexpr Box TITLE_BOX    = { 26, 12, 700, 38 };  // tool name
inline constexpr Box SUBTITLE_BOX = { 28, 48, 720, 28 };  // category and purpose, as SUBTITLE_FORMAT
inline constexpr wchar_t SUBTITLE_FORMAT[] = L"%ls  ·  %ls";
// The web address keeps its right edge 26 px inside the client area's right edge.
constexpr Box web_address_box(int client_width) { return { client_width - 240, 8, 214, 26 }; }

struct PanelLayout { Box frame; Box heading; Box separator; };
inline constexpr PanelLayout INPUT_PANEL  = { { 20, 96, 440, 552 },  { 36, 104, 300, 30 },  { 36, 133, 408, 1 } };
inline constexpr PanelLayout RESULT_PANEL = { { 476, 96, 524, 552 }, { 492, 104, 300, 30 }, { 492, 133, 492, 1 } };

inline constexpr Box STATUS_BOX = { 740, 704, 264, 16 };  // right-aligned status line on the footer band

// ---- controls on the result side
inline constexpr Box VERDICT_BOX   = { 492, 142, 492, 46 };
inline constexpr Box RESULT_BOX    = { 492, 196, 492, 232 };
inline constexpr Box NOTE_BOX      = { 492, 444, 492, 120 };
inline constexpr Box REFERENCE_BOX = { 492, 576, 492, 56 };

// ---- command buttons along the bottom, left to right
inline constexpr Box CALCULATE_BUTTON = { 20, 668, 152, 40 };
inline constexpr Box SAVE_BUTTON      = { 184, 668, 132, 40 };
inline constexpr Box COPY_BUTTON      = { 328, 668, 132, 40 };
inline constexpr Box RESET_BUTTON     = { 472, 668, 132, 40 };
inline constexpr Box ABOUT_BUTTON     = { 616, 668, 110, 40 };

// ---- input rows
enum {
    ROW_FIRST_TOP      = 150,  // first edit box 12 px below the input separator (150 - 4 = 146)
    ROW_PITCH          = 34,
    ROWS_AT_FULL_PITCH = 14,   // row 15 at full pitch would reach 649, past the panel
    ROWS_LOWEST_BOTTOM = 644,  // lowest edit-box bottom of a denser layout: 3 px above the frame

    LABEL_X = 24,  LABEL_DY = 1,  LABEL_WIDTH = 184, LABEL_HEIGHT = 22,  // right-aligned, ends at 208
    EDIT_X  = 216, EDIT_DY  = -4, EDIT_WIDTH  = 152, EDIT_HEIGHT  = 27,  // 8 px after the label
    UNIT_X  = 374, UNIT_DY  = 0,  UNIT_WIDTH  = 78,  UNIT_HEIGHT  = 22,  // 6 px after the edit box
};

// Distance in pixels between the tops of two rows when the tool has `count` input rows: 34 for up to
// 14 rows; for 15 or 16 rows the largest pitch that keeps the last edit box inside the panel.
constexpr int input_row_pitch(int count) {
    if (count <= ROWS_AT_FULL_PITCH) return ROW_PITCH;
    return (ROWS_LOWEST_BOTTOM - (ROW_FIRST_TOP + EDIT_DY + EDIT_HEIGHT)) / (count - 1);
}

// Top of input row `row` (0-based) of `count` rows; the label, edit box and unit are placed from it.
constexpr int input_row_top(int row, int count) { return ROW_FIRST_TOP + input_row_pitch(count) * row; }

constexpr Box input_label_box(int row, int count) {
    return { LABEL_X, input_row_top(row, count) + LABEL_DY, LABEL_WIDTH, LABEL_HEIGHT };
}
constexpr Box input_edit_box(int row, int count) {
    return { EDIT_X, input_row_top(row, count) + EDIT_DY, EDIT_WIDTH, EDIT_HEIGHT };
}
constexpr Box input_unit_box(int row, int count) {
    return { UNIT_X, input_row_top(row, count) + UNIT_DY, UNIT_WIDTH, UNIT_HEIGHT };
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

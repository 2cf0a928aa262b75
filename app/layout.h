// Where the input rows go: fixed client-pixel geometry of one row and the row pitch, which shrinks
// only for a tool with more rows than the input panel holds at full pitch. Exports the INPUT_ and
// ROW_ constants, input_row_pitch and input_row_top. Free of Windows headers, so tests include it.
#pragma once

enum {
    INPUT_PANEL_TOP    = 96,
    INPUT_PANEL_BOTTOM = 648,  // exclusive; the panel frame is drawn on row 647
    ROW_FIRST_TOP      = 150,  // first edit box 12 px below the separator at 133 (150 - 4 = 146)
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

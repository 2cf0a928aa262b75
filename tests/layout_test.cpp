// Tests of the input row layout: the specified rows for up to 14 inputs, and every row inside the
// input panel, without overlap, for 15 and 16.
#include <gtest/gtest.h>

#include "app/layout.h"
#include "engine/tool_def.h"

TEST(InputRowLayout, UpToFourteenRowsKeepTheFixedPitch) {
    for (int count = 1; count <= ROWS_AT_FULL_PITCH; count++)
        for (int row = 0; row < count; row++) {
            SCOPED_TRACE(testing::Message() << count << " rows, row " << row);
            EXPECT_EQ(150 + 34 * row, input_row_top(row, count));
        }
}

TEST(InputRowLayout, EveryRowInsideThePanel) {
    for (int count = 1; count <= MAX_VALUES; count++) {
        SCOPED_TRACE(testing::Message() << count << " rows");
        int pitch = input_row_pitch(count);
        EXPECT_GE(pitch, EDIT_HEIGHT + 1) << "edit boxes of neighbouring rows would touch";
        int last = input_row_top(count - 1, count);
        EXPECT_GT(ROW_FIRST_TOP + EDIT_DY, 133) << "below the separator";
        EXPECT_LT(last + EDIT_DY + EDIT_HEIGHT, INPUT_PANEL_BOTTOM - 1) << "above the panel's frame";
        EXPECT_LT(last + LABEL_DY + LABEL_HEIGHT, INPUT_PANEL_BOTTOM - 1);
    }
}

// Denser rows only where needed: the largest pitch that fits.
TEST(InputRowLayout, DenserPitchIsTheLargestThatFits) {
    static const struct { int count; int pitch; } cases[] = { { 14, 34 }, { 15, 33 }, { 16, 31 } };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.count);
        EXPECT_EQ(c.pitch, input_row_pitch(c.count));
        int next_bottom = ROW_FIRST_TOP + (c.pitch + 1) * (c.count - 1) + EDIT_DY + EDIT_HEIGHT;
        if (c.count > ROWS_AT_FULL_PITCH) {
            EXPECT_GT(next_bottom, ROWS_LOWEST_BOTTOM);
        }
    }
}

// Tests of the window's geometry: the specified rows for up to 14 inputs, every row inside the input
// panel without overlap for 15 and 16, and every other rectangle inside its zone without overlap.
#include <gtest/gtest.h>

#include <vector>

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
    const int frame_bottom = box_bottom(INPUT_PANEL.frame);
    for (int count = 1; count <= 16; count++) {  // more rows: the window lays them out otherwise
        SCOPED_TRACE(testing::Message() << count << " rows");
        int pitch = input_row_pitch(count);
        EXPECT_GE(pitch, EDIT_HEIGHT + 1) << "edit boxes of neighbouring rows would touch";
        int last = input_row_top(count - 1, count);
        EXPECT_GT(ROW_FIRST_TOP + EDIT_DY, INPUT_PANEL.separator.y) << "below the separator";
        EXPECT_LT(last + EDIT_DY + EDIT_HEIGHT, frame_bottom - 1) << "above the panel's frame";
        EXPECT_LT(last + LABEL_DY + LABEL_HEIGHT, frame_bottom - 1);
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

static bool inside(Box inner, Box outer) {
    return inner.x >= outer.x && inner.y >= outer.y && box_right(inner) <= box_right(outer) &&
           box_bottom(inner) <= box_bottom(outer);
}

static bool overlap(Box a, Box b) {
    return a.x < box_right(b) && b.x < box_right(a) && a.y < box_bottom(b) && b.y < box_bottom(a);
}

// The inside of a panel: within its 1-px frame and below the separator under its heading.
static Box panel_inside(const PanelLayout& p) {
    int top = box_bottom(p.separator);
    return { p.frame.x + 1, top, p.frame.width - 2, box_bottom(p.frame) - 1 - top };
}

// Each group of rectangles lies inside its zone, and no two controls of a group overlap (painted
// texts may: the title's box reaches 2 px into the subtitle's).
TEST(WindowLayout, EveryRectangleInsideItsZoneWithoutOverlap) {
    const Box header = { 0, 0, CLIENT_WIDTH, HEADER_HEIGHT };
    const Box footer = { 0, FOOTER_TOP, CLIENT_WIDTH, CLIENT_HEIGHT - FOOTER_TOP };
    const Box client = { 0, 0, CLIENT_WIDTH, CLIENT_HEIGHT };
    const int input_rows = 2;  // the row boxes of any count are checked above
    const struct { const char* zone_name; Box zone; bool disjoint; std::vector<Box> boxes; } groups[] = {
        { "header band", header, false, { TITLE_BOX, SUBTITLE_BOX, web_address_box(CLIENT_WIDTH) } },
        { "input panel", panel_inside(INPUT_PANEL), true,
          { input_label_box(0, input_rows), input_edit_box(0, input_rows), input_unit_box(0, input_rows),
            input_label_box(1, input_rows), input_edit_box(1, input_rows), input_unit_box(1, input_rows) } },
        { "input panel without inputs", panel_inside(INPUT_PANEL), true, { NO_INPUT_BOX } },
        { "result panel", panel_inside(RESULT_PANEL), true, { VERDICT_BOX, RESULT_BOX, NOTE_BOX, REFERENCE_BOX } },
        { "footer band", footer, true,
          { CALCULATE_BUTTON, SAVE_BUTTON, COPY_BUTTON, RESET_BUTTON, ABOUT_BUTTON, STATUS_BOX } },
        { "client area", client, true,
          { header, INPUT_PANEL.frame, RESULT_PANEL.frame, footer } },
    };
    for (const auto& g : groups)
        for (size_t i = 0; i < g.boxes.size(); i++) {
            SCOPED_TRACE(testing::Message() << g.zone_name << ", rectangle " << i);
            EXPECT_TRUE(inside(g.boxes[i], g.zone));
            for (size_t j = i + 1; g.disjoint && j < g.boxes.size(); j++)
                EXPECT_FALSE(overlap(g.boxes[i], g.boxes[j])) << "and " << j;
        }
    EXPECT_TRUE(inside(INPUT_PANEL.heading, INPUT_PANEL.frame));
    EXPECT_TRUE(inside(RESULT_PANEL.heading, RESULT_PANEL.frame));
}

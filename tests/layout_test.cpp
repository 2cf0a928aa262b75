// Tests of the window's geometry: the fixed rows for up to 14 inputs, every row shown inside the
// input panel without overlap for every count up to MAX_INPUTS and every client height (standard and
// compact), scrolling only where closer rows cannot fit, and every other rectangle inside its zone
// without overlap at every client height.
#include <gtest/gtest.h>

#include <vector>

#include "app/layout.h"
#include "engine/tool_def.h"

// Client heights worth checking: standard, a 1366 x 768 screen's work area (728 px) less the frames of
// Wine (25 px), Windows 7 (about 29) and Windows 10 (about 39), and the shortest compact layout.
static const int CLIENT_HEIGHTS[] = { CLIENT_HEIGHT, 703, 699, 689, CLIENT_HEIGHT_MIN };
// Extra client widths: none, some, the most.
static const int EXTRA_WIDTHS[] = { 0, 100, EXTRA_WIDTH_MAX };

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

TEST(InputRowLayout, UpToFourteenRowsKeepTheFixedPitch) {
    for (int count = 1; count <= 14; count++)
        for (int row = 0; row < count; row++) {
            SCOPED_TRACE(testing::Message() << count << " rows, row " << row);
            EXPECT_EQ(150 + 34 * row, input_row_top(row, input_rows(count, CLIENT_HEIGHT)));
        }
}

// Every row shown, of every kind, lies inside the panel below the separator, clear of its neighbours
// and of the scroll bar; rows scroll only when even the closest pitch cannot show them all.
TEST(InputRowLayout, EveryRowShownInsideThePanel) {
    for (int extra : EXTRA_WIDTHS)
    for (int h : CLIENT_HEIGHTS)
        for (int count = 1; count <= MAX_INPUTS; count++) {
            SCOPED_TRACE(testing::Message() << "client height " << h << ", extra width " << extra << ", " << count
                                            << " rows");
            RowLayout rows = input_rows(count, h, extra);
            Box panel = panel_inside(main_layout(h, extra).input_panel);
            bool scrolls = rows_scroll(rows, count);
            EXPECT_GE(rows.pitch, EDIT_HEIGHT + 2) << "edit boxes of neighbouring rows would touch";
            EXPECT_GE(rows.shown, 1);
            EXPECT_LE(rows.shown, count);
            EXPECT_EQ(scrolls, rows.pitch == ROW_PITCH_MIN && ROW_FIRST_TOP + EDIT_DY + EDIT_HEIGHT +
                                   ROW_PITCH_MIN * (count - 1) > rows.bottom);
            Box bar = rows_scroll_bar_box(rows);
            if (scrolls) {
                EXPECT_TRUE(inside(bar, panel));
            }
            for (int place = 0; place < rows.shown; place++) {
                Box parts[] = { input_label_box(place, rows), input_control_box(place, rows, false, false),
                                input_unit_box(place, rows), input_control_box(place, rows, true, false),
                                input_control_box(place, rows, true, true) };
                for (Box b : parts) {
                    EXPECT_TRUE(inside(b, panel)) << "place " << place;
                    EXPECT_LE(box_bottom(b), rows.bottom) << "place " << place;
                    if (scrolls) {
                        EXPECT_FALSE(overlap(b, bar)) << "place " << place;
                    }
                }
                EXPECT_FALSE(overlap(parts[0], parts[1]));  // label and edit box
                EXPECT_FALSE(overlap(parts[1], parts[2]));  // edit box and unit
                EXPECT_FALSE(overlap(parts[0], parts[3]));  // label and the wide list or check box
            }
        }
}

// Closer rows only where needed (the largest pitch that fits), and the rows a scroll shows fill the panel.
TEST(InputRowLayout, PitchIsTheLargestThatFits) {
    static const struct { int client_height, count, pitch, shown; } cases[] = {
        // height          count  pitch  shown
        { CLIENT_HEIGHT,     14,   34,    14 },
        { CLIENT_HEIGHT,     15,   33,    15 },
        { CLIENT_HEIGHT,     16,   31,    16 },
        { CLIENT_HEIGHT,     17,   29,    17 },
        { CLIENT_HEIGHT,     18,   29,    17 },  // scrolls
        { CLIENT_HEIGHT,     40,   29,    17 },
        { 703,               14,   34,    14 },
        { 703,               15,   32,    15 },
        { 703,               16,   30,    16 },
        { 703,               17,   29,    16 },  // scrolls
        { CLIENT_HEIGHT_MIN, 40,   29,    13 },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "client height " << c.client_height << ", " << c.count << " rows");
        RowLayout rows = input_rows(c.count, c.client_height);
        EXPECT_EQ(c.pitch, rows.pitch);
        EXPECT_EQ(c.shown, rows.shown);
        // One more row shown, or one more pixel of pitch, would reach past the rows' bottom.
        int last_bottom = ROW_FIRST_TOP + EDIT_DY + EDIT_HEIGHT;
        if (rows.pitch < ROW_PITCH && rows.shown == c.count) {
            EXPECT_GT(last_bottom + (rows.pitch + 1) * (rows.shown - 1), rows.bottom);
        }
        if (rows.shown < c.count) {
            EXPECT_GT(last_bottom + rows.pitch * rows.shown, rows.bottom);
        }
    }
}

// The extra width long options need: none while the widest fits the closed list's field, then as much
// as it lacks, at most EXTRA_WIDTH_MAX.
TEST(WindowLayout, ExtraWidthFitsTheWidestOption) {
    static const struct { int widest_option, extra; } cases[] = {
        { 0, 0 }, { 211, 0 }, { 212, 1 }, { 305, 94 }, { 700, EXTRA_WIDTH_MAX },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.widest_option);
        EXPECT_EQ(c.extra, extra_width_for(c.widest_option));
        if (c.extra == EXTRA_WIDTH_MAX) continue;
        for (int count : { 2, 40 }) {  // beside rows that do and do not scroll
            Box field = input_control_box(0, input_rows(count, CLIENT_HEIGHT, c.extra), true, false);
            EXPECT_GE(field.width - CHOICE_FIELD_CHROME, c.widest_option) << count << " rows";
        }
    }
}

// The client height for a work area: standard where it fits, compact down to the shortest.
TEST(WindowLayout, ClientHeightFitsTheWorkArea) {
    static const struct { int work_height, frame_height, client_height; } cases[] = {
        { 1024, 25, CLIENT_HEIGHT },
        { 745,  25, CLIENT_HEIGHT },      // just fits
        { 744,  25, 719 },
        { 728,  25, 703 },                // 1366 x 768 with a 40 px taskbar, under Wine
        { 728,  39, 689 },                // ... under Windows 10
        { 600,  25, CLIENT_HEIGHT_MIN },  // shorter still: the shortest layout
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "work area " << c.work_height << ", frame " << c.frame_height);
        EXPECT_EQ(c.client_height, client_height_for(c.work_height, c.frame_height));
    }
    EXPECT_EQ(RESULT_HEIGHT_MIN, main_layout(CLIENT_HEIGHT_MIN).result.height);
    EXPECT_EQ(CLIENT_HEIGHT_MIN, main_layout(100).client_height);
}

// At every client height each group of rectangles lies inside its zone, and no two controls of a
// group overlap (painted texts may: the title's box reaches 2 px into the subtitle's). The compact
// layouts shorten only the panels and the result box: the note and reference line keep their size.
TEST(WindowLayout, EveryRectangleInsideItsZoneWithoutOverlap) {
    for (int extra : EXTRA_WIDTHS)
    for (int h : CLIENT_HEIGHTS) {
        const MainLayout m = main_layout(h, extra);
        const int w = CLIENT_WIDTH + extra;
        const Box header = { 0, 0, w, HEADER_HEIGHT };
        const Box footer = { 0, m.footer_top, w, h - m.footer_top };
        const Box client = { 0, 0, w, h };
        const RowLayout rows = input_rows(2, h, extra);  // the row boxes of any count are checked above
        std::vector<Box> footer_boxes(m.buttons, m.buttons + BUTTON_COUNT);
        footer_boxes.push_back(m.status);
        const struct { const char* zone_name; Box zone; bool disjoint; std::vector<Box> boxes; } groups[] = {
            { "header band", header, false, { TITLE_BOX, SUBTITLE_BOX, web_address_box(w) } },
            { "input panel", panel_inside(m.input_panel), true,
              { input_label_box(0, rows), input_control_box(0, rows, false, false), input_unit_box(0, rows),
                input_label_box(1, rows), input_control_box(1, rows, false, false), input_unit_box(1, rows) } },
            { "input panel without inputs", panel_inside(m.input_panel), true, { NO_INPUT_BOX } },
            { "result panel", panel_inside(m.result_panel), true, { m.verdict, m.result, m.note, m.reference } },
            { "footer band", footer, true, footer_boxes },
            { "client area", client, true, { header, m.input_panel.frame, m.result_panel.frame, footer } },
        };
        for (const auto& g : groups)
            for (size_t i = 0; i < g.boxes.size(); i++) {
                SCOPED_TRACE(testing::Message() << "client height " << h << ", extra width " << extra << ", "
                                                << g.zone_name << ", rectangle " << i);
                EXPECT_TRUE(inside(g.boxes[i], g.zone));
                for (size_t j = i + 1; g.disjoint && j < g.boxes.size(); j++)
                    EXPECT_FALSE(overlap(g.boxes[i], g.boxes[j])) << "and " << j;
            }
        EXPECT_TRUE(inside(m.input_panel.heading, m.input_panel.frame));
        EXPECT_TRUE(inside(m.result_panel.heading, m.result_panel.frame));
        EXPECT_EQ(NOTE_BOX.height, m.note.height);
        EXPECT_EQ(REFERENCE_BOX.height, m.reference.height);
        EXPECT_EQ(box_bottom(m.input_panel.frame) + 12, m.footer_top) << "the footer keeps its gap to the panels";
    }
}

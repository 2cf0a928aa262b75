// The index window's geometry: every rectangle inside its band, the controls apart, the list's
// columns inside the list beside its scroll bar.
#include <gtest/gtest.h>

#include "index/index_layout.h"

static bool inside(Box inner, Box outer) {
    return inner.x >= outer.x && inner.y >= outer.y && box_right(inner) <= box_right(outer) &&
           box_bottom(inner) <= box_bottom(outer);
}

static bool overlap(Box a, Box b) {
    return a.x < box_right(b) && b.x < box_right(a) && a.y < box_bottom(b) && b.y < box_bottom(a);
}

TEST(IndexLayout, EveryBoxInsideItsBandAndControlsApart) {
    const Box header = { 0, 0, INDEX_CLIENT_WIDTH, INDEX_HEADER_HEIGHT };
    const Box middle = { 0, INDEX_HEADER_HEIGHT, INDEX_CLIENT_WIDTH, INDEX_FOOTER_TOP - INDEX_HEADER_HEIGHT };
    const Box footer = { 0, INDEX_FOOTER_TOP, INDEX_CLIENT_WIDTH, INDEX_CLIENT_HEIGHT - INDEX_FOOTER_TOP };
    const Box headings = { 0, INDEX_HEADINGS_Y, INDEX_CLIENT_WIDTH, INDEX_HEADINGS_HEIGHT };
    static const struct { const char* label; Box box; Box band; } cases[] = {
        { "title",        INDEX_TITLE_BOX,        header },
        { "subtitle",     INDEX_SUBTITLE_BOX,     header },
        { "search label", INDEX_SEARCH_LABEL_BOX, middle },
        { "search box",   INDEX_SEARCH_BOX,       middle },
        { "keys",         INDEX_KEYS_BOX,         middle },
        { "headings",     headings,               middle },
        { "list",         INDEX_LIST_BOX,         middle },
        { "status",       INDEX_STATUS_BOX,       footer },
        { "open button",  INDEX_OPEN_BUTTON,      footer },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        EXPECT_TRUE(inside(c.box, c.band));
        for (const auto& d : cases) {
            if (&d == &c || c.band.y != d.band.y) continue;
            EXPECT_FALSE(overlap(c.box, d.box)) << "overlaps " << d.label;
        }
    }
    EXPECT_EQ((INDEX_LIST_BOX.height - 4) % INDEX_ROW_HEIGHT, 0) << "whole rows inside the 2-px edge";
}

TEST(IndexLayout, ColumnsInsideTheListBesideItsScrollBar) {
    enum { EDGE = 2, SCROLL_BAR = 17 };  // WS_EX_CLIENTEDGE; SM_CXVSCROLL at 96 dpi
    const int width = INDEX_LIST_BOX.width - 2 * EDGE - SCROLL_BAR;
    static const Box columns[] = { INDEX_NUMBER_COLUMN.box, INDEX_NAME_COLUMN.box, INDEX_PURPOSE_COLUMN.box };
    for (int i = 0; i < 3; i++) {
        SCOPED_TRACE(i);
        EXPECT_TRUE(inside(columns[i], { 0, 0, width, INDEX_ROW_HEIGHT }));
        if (i > 0) {
            EXPECT_LE(box_right(columns[i - 1]), columns[i].x);
        }
    }
    EXPECT_TRUE(inside(INDEX_DEPARTMENT_BOX, { 0, 0, width, INDEX_ROW_HEIGHT }));
}

// Painting of the index window and its owner-drawn list rows and button, straight onto the device
// context, at the rectangles of index/index_layout.h in the tool window's colours (app/palette.h).
// Exports paint_index, draw_list_row and draw_open_button.
#include "index/index_paint.h"

#include "app/draw.h"
#include "app/palette.h"
#include "base/dimof.h"
#include "base/wtext.h"
#include "index/index_layout.h"
#include "index/index_search.h"
#include "index/index_state.h"

static const UINT TEXT_FLAGS = DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | DT_NOPREFIX;

// Single-line text in box offset by dx, dy, vertically centred, ellipsis at the end, with extra_flags
// (DT_RIGHT, DT_CENTER) added.
static void text_in(HDC dc, Box box, int dx, int dy, const wchar_t* text, COLORREF colour, HFONT font,
                    UINT extra_flags) {
    draw_text_in(dc, { box.x + dx, box.y + dy, box.width, box.height }, text, colour, font, TEXT_FLAGS | extra_flags);
}

static void fill(HDC dc, RECT r, COLORREF colour) {
    fill_solid(dc, { r.left, r.top, r.right - r.left, r.bottom - r.top }, colour);
}

void paint_index(HDC dc, const RECT* client) {
    int w = client->right, h = client->bottom;
    fill(dc, { 0, 0, w, h }, COLOUR_BACKGROUND);
    fill(dc, { 0, 0, w, INDEX_HEADER_HEIGHT }, COLOUR_BRAND);
    fill(dc, { 0, 0, ACCENT_WIDTH, INDEX_HEADER_HEIGHT }, COLOUR_BRAND_ACCENT);
    text_in(dc, INDEX_TITLE_BOX, 0, 0, INDEX_TITLE, COLOUR_ON_BRAND, index_app.font_title, 0);
    wchar_t subtitle[128];
    wformat(subtitle, dimof(subtitle), INDEX_SUBTITLE_FORMAT, INDEX_TOOL_COUNT);
    text_in(dc, INDEX_SUBTITLE_BOX, 0, 0, subtitle, COLOUR_SUBTITLE, index_app.font_header, 0);

    text_in(dc, INDEX_SEARCH_LABEL_BOX, 0, 0, INDEX_SEARCH_LABEL, COLOUR_TEXT, index_app.font_label, DT_RIGHT);
    text_in(dc, INDEX_KEYS_BOX, 0, 0, INDEX_KEYS_TEXT, COLOUR_TEXT_MUTED, index_app.font_small, 0);
    static const IndexColumn* const COLUMNS[] = { &INDEX_NUMBER_COLUMN, &INDEX_NAME_COLUMN, &INDEX_PURPOSE_COLUMN };
    for (const IndexColumn* c : COLUMNS) {
        Box heading = { c->box.x, INDEX_HEADINGS_Y, c->box.width, INDEX_HEADINGS_HEIGHT };
        // the list's sunken edge is 2 px: its client area starts 2 px inside INDEX_LIST_BOX
        text_in(dc, heading, INDEX_LIST_BOX.x + 2, 0, c->heading, COLOUR_TEXT_MUTED, index_app.font_small, 0);
    }

    fill(dc, { 0, INDEX_FOOTER_TOP, w, h }, COLOUR_FOOTER);
    text_in(dc, INDEX_STATUS_BOX, 0, 0, index_app.status_text, COLOUR_TEXT_MUTED, index_app.font_label, 0);
}

void draw_list_row(const DRAWITEMSTRUCT* item) {
    if (item->itemID == (UINT)-1) return;  // an empty list with the focus: nothing to draw
    HDC dc = item->hDC;
    const RECT& r = item->rcItem;
    uint32_t number = (uint32_t)item->itemData;
    if (number == 0) {  // a department heading: the department of the tool below it
        fill(dc, r, COLOUR_FOOTER);
        LRESULT below = SendMessageW(item->hwndItem, LB_GETITEMDATA, item->itemID + 1, 0);
        const IndexTool* tool = below == LB_ERR ? nullptr : index_tool_by_number((uint32_t)below);
        if (tool) text_in(dc, INDEX_DEPARTMENT_BOX, r.left, r.top, tool->category, COLOUR_BRAND, index_app.font_group, 0);
        return;
    }
    const IndexTool* tool = index_tool_by_number(number);
    bool selected = (item->itemState & ODS_SELECTED) != 0;
    fill(dc, r, selected ? COLOUR_BRAND : COLOUR_PANEL);
    if (!tool) return;
    COLORREF strong = selected ? COLOUR_ON_BRAND : COLOUR_TEXT, muted = selected ? COLOUR_SUBTITLE : COLOUR_TEXT_MUTED;
    wchar_t digits[16];
    wformat(digits, dimof(digits), L"%u", (unsigned)tool->number);
    text_in(dc, INDEX_NUMBER_COLUMN.box, r.left, r.top, digits, muted, index_app.font_label, 0);
    text_in(dc, INDEX_NAME_COLUMN.box, r.left, r.top, tool->name, strong, index_app.font_input, 0);
    text_in(dc, INDEX_PURPOSE_COLUMN.box, r.left, r.top, tool->purpose, muted, index_app.font_label, 0);
}

void draw_open_button(const DRAWITEMSTRUCT* item) {
    HDC dc = item->hDC;
    RECT r = item->rcItem;
    fill(dc, r, (item->itemState & ODS_SELECTED) ? PRIMARY_BUTTON.fill_pressed : PRIMARY_BUTTON.fill);
    Box box = { r.left, r.top, r.right - r.left, r.bottom - r.top };
    frame_solid(dc, box, PRIMARY_BUTTON.frame);
    text_in(dc, box, 0, 0, INDEX_OPEN_CAPTION, PRIMARY_BUTTON.caption, index_app.font_button, DT_CENTER);
}

// Painting of the main window and its owner-drawn buttons, straight onto the device context, at the
// rectangles of app/layout.h in the colours of app/palette.h: the header, the panels with the labels
// and units of the input rows shown, the footer. Exports paint_main_window and draw_button.
#include "app/paint.h"

#include "app/draw.h"
#include "app/layout.h"
#include "app/main_window.h"
#include "app/palette.h"
#include "app/window_state.h"
#include "base/dimof.h"
#include "base/wtext.h"

static const UINT TEXT_FLAGS = DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS;  // 0x8024
// An input row's label and unit: one line from the top of its box, as the rows' controls line up with
// it; an ampersand is a character like any other.
static const UINT ROW_TEXT_FLAGS = DT_SINGLELINE | DT_END_ELLIPSIS | DT_NOPREFIX;  // 0x8820

static const wchar_t DATE_HINT[] = L"年-月-日";  // in a date's unit place: the order to type

// Single-line text in box, vertically centred, ellipsis at the end, with extra_flags (DT_RIGHT,
// DT_CENTER) added.
static void draw_text_box(HDC dc, Box box, const wchar_t* text, COLORREF colour, HFONT font, UINT extra_flags) {
    draw_text_in(dc, box, text, colour, font, TEXT_FLAGS | extra_flags);
}

// A white panel with its frame, heading and the separator under the heading.
static void paint_panel(HDC dc, const PanelLayout& panel, const wchar_t* heading) {
    fill_solid(dc, panel.frame, COLOUR_PANEL);
    frame_solid(dc, panel.frame, COLOUR_PANEL_FRAME);
    draw_text_box(dc, panel.heading, heading, COLOUR_BRAND, app.font_header, 0);
    fill_solid(dc, panel.separator, COLOUR_SEPARATOR);
}

// What shows in an input row's unit place: the unit of a number, the order to type a date; nothing
// for a drop-down list or check box, which reach across the place.
static const wchar_t* unit_shown(const ToolInput* input) {
    switch (input->kind) {
    case INPUT_NUMBER: return input->unit;
    case INPUT_DATE:   return DATE_HINT;
    case INPUT_CHOICE: // fall through
    case INPUT_CHECK:  break;
    }
    return nullptr;
}

// The labels, right-aligned before their controls, and the units of the input rows shown.
static void paint_input_rows(HDC dc) {
    const ToolDef* tool = app.active_tool;
    RowLayout rows = input_rows(tool->input_count, app.client_height, app.extra_width);
    for (int place = 0; place < rows.shown && app.first_row + place < tool->input_count; place++) {
        const ToolInput* input = &tool->inputs[app.first_row + place];
        draw_text_in(dc, input_label_box(place, rows), input->label, COLOUR_TEXT_MUTED, app.font_label,
                        ROW_TEXT_FLAGS | DT_RIGHT);
        const wchar_t* unit = unit_shown(input);
        if (unit && unit[0])
            draw_text_in(dc, input_unit_box(place, rows), unit, COLOUR_TEXT_MUTED, app.font_small, ROW_TEXT_FLAGS);
    }
}

void paint_main_window(HDC dc, const RECT* client) {
    const ToolDef* tool = app.active_tool;
    int w = client->right, h = client->bottom;
    fill_solid(dc, { 0, 0, w, h }, COLOUR_BACKGROUND);

    fill_solid(dc, { 0, 0, w, HEADER_HEIGHT }, COLOUR_BRAND);
    fill_solid(dc, { 0, 0, ACCENT_WIDTH, HEADER_HEIGHT }, COLOUR_BRAND_ACCENT);
    draw_text_box(dc, TITLE_BOX, tool->name, COLOUR_ON_BRAND, app.font_title, 0);
    wchar_t subtitle[256];
    wformat(subtitle, dimof(subtitle), SUBTITLE_FORMAT, tool->category, tool->purpose ? tool->purpose : L"");
    draw_text_box(dc, SUBTITLE_BOX, subtitle, COLOUR_SUBTITLE, app.font_header, 0);
    draw_text_box(dc, web_address_box(w), MAKER_WEB_ADDRESS, COLOUR_WEB_ADDRESS, app.font_small, DT_RIGHT);

    MainLayout layout = main_layout(app.client_height, app.extra_width);
    paint_panel(dc, layout.input_panel, L"输入参数");
    paint_input_rows(dc);
    paint_panel(dc, layout.result_panel, L"计算结果");

    fill_solid(dc, { 0, layout.footer_top, w, h - layout.footer_top }, COLOUR_FOOTER);
    draw_text_box(dc, layout.status, app.status_text, COLOUR_TEXT_MUTED, app.font_small, DT_RIGHT);
}

void draw_button(const DRAWITEMSTRUCT* item) {
    const ButtonColours& colours = item->CtlID == ID_CALCULATE ? PRIMARY_BUTTON : PLAIN_BUTTON;
    HDC dc = item->hDC;
    const RECT& r = item->rcItem;
    Box box = { r.left, r.top, r.right - r.left, r.bottom - r.top };
    fill_solid(dc, box, (item->itemState & ODS_SELECTED) ? colours.fill_pressed : colours.fill);
    frame_solid(dc, box, colours.frame);
    wchar_t caption[64];
    GetWindowTextW(item->hwndItem, caption, dimof(caption));
    draw_text_box(dc, box, caption, colours.caption, app.font_button, DT_CENTER);
}

// Painting of the main window and its owner-drawn buttons, straight onto the device context. Exports
// paint_main_window, draw_button, draw_text_box, fill_solid_rect and frame_solid_rect.
#include "app/paint.h"

#include "app/main_window.h"
#include "app/window_state.h"
#include "base/dimof.h"
#include "base/wtext.h"

static const UINT TEXT_FLAGS = DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS;  // 0x8024

static const COLORREF BACKGROUND = RGB(244, 247, 249);
static const COLORREF HEADER_BAND = RGB(0, 108, 150);
static const COLORREF HEADER_ACCENT = RGB(0, 132, 176);
static const COLORREF TITLE_TEXT = RGB(255, 255, 255);
static const COLORREF SUBTITLE_TEXT = RGB(214, 236, 246);
static const COLORREF WEB_ADDRESS_TEXT = RGB(190, 220, 235);
static const COLORREF PANEL_FILL = RGB(255, 255, 255);
static const COLORREF PANEL_FRAME = RGB(218, 226, 232);
static const COLORREF HEADING_TEXT = RGB(0, 108, 150);
static const COLORREF SEPARATOR = RGB(228, 234, 238);
static const COLORREF FOOTER_BAND = RGB(236, 241, 244);
static const COLORREF STATUS_TEXT = RGB(120, 132, 142);

// Button colours: plain buttons, and the calculate button.
struct ButtonColours { COLORREF fill, fill_pressed, frame, caption; };
static const ButtonColours PLAIN_BUTTON = { RGB(255, 255, 255), RGB(226, 234, 240), RGB(206, 216, 224), RGB(44, 56, 66) };
static const ButtonColours PRIMARY_BUTTON = { RGB(0, 122, 168), RGB(0, 100, 138), RGB(0, 106, 148), RGB(255, 255, 255) };

void draw_text_box(HDC dc, int x, int y, int width, int height, const wchar_t* text, COLORREF colour,
                   HFONT font, UINT extra_flags) {
    HGDIOBJ previous = SelectObject(dc, font);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, colour);
    RECT box = { x, y, x + width, y + height };
    DrawTextW(dc, text, -1, &box, TEXT_FLAGS | extra_flags);
    SelectObject(dc, previous);
}

void fill_solid_rect(HDC dc, int x, int y, int width, int height, COLORREF colour) {
    HBRUSH brush = CreateSolidBrush(colour);
    RECT box = { x, y, x + width, y + height };
    FillRect(dc, &box, brush);
    DeleteObject(brush);
}

void frame_solid_rect(HDC dc, int x, int y, int width, int height, COLORREF colour) {
    HPEN pen = CreatePen(PS_SOLID, 1, colour);
    HGDIOBJ previous_pen = SelectObject(dc, pen);
    HGDIOBJ previous_brush = SelectObject(dc, GetStockObject(NULL_BRUSH));
    Rectangle(dc, x, y, x + width, y + height);
    SelectObject(dc, previous_pen);
    SelectObject(dc, previous_brush);
    DeleteObject(pen);
}

// A white panel with its frame, heading and the separator under the heading.
static void paint_panel(HDC dc, int left, int right, const wchar_t* heading) {
    fill_solid_rect(dc, left, 96, right - left, 552, PANEL_FILL);
    frame_solid_rect(dc, left, 96, right - left, 552, PANEL_FRAME);
    draw_text_box(dc, left + 16, 104, 300, 30, heading, HEADING_TEXT, app.font_header, 0);
    fill_solid_rect(dc, left + 16, 133, right - left - 32, 1, SEPARATOR);
}

void paint_main_window(HDC dc, const RECT* client) {
    const ToolDef* tool = app.active_tool;
    int w = client->right, h = client->bottom;
    fill_solid_rect(dc, 0, 0, w, h, BACKGROUND);

    fill_solid_rect(dc, 0, 0, w, 88, HEADER_BAND);
    fill_solid_rect(dc, 0, 0, 8, 88, HEADER_ACCENT);
    draw_text_box(dc, 26, 12, 700, 38, tool->name, TITLE_TEXT, app.font_title, 0);
    wchar_t subtitle[256];
    wformat(subtitle, dimof(subtitle), L"%ls  ·  %ls", tool->category, tool->purpose ? tool->purpose : L"");
    draw_text_box(dc, 28, 48, 720, 28, subtitle, SUBTITLE_TEXT, app.font_header, 0);
    draw_text_box(dc, w - 240, 8, 214, 26, MAKER_WEB_ADDRESS, WEB_ADDRESS_TEXT, app.font_small, DT_RIGHT);

    paint_panel(dc, 20, 460, L"输入参数");
    paint_panel(dc, 476, 1000, L"计算结果");

    fill_solid_rect(dc, 0, 660, w, 720 - 660, FOOTER_BAND);
    draw_text_box(dc, 740, 704, 264, 16, app.status_text, STATUS_TEXT, app.font_small, DT_RIGHT);
}

void draw_button(const DRAWITEMSTRUCT* item) {
    const ButtonColours& colours = item->CtlID == ID_CALCULATE ? PRIMARY_BUTTON : PLAIN_BUTTON;
    HDC dc = item->hDC;
    const RECT& r = item->rcItem;
    int width = r.right - r.left, height = r.bottom - r.top;
    fill_solid_rect(dc, r.left, r.top, width, height, (item->itemState & ODS_SELECTED) ? colours.fill_pressed : colours.fill);
    frame_solid_rect(dc, r.left, r.top, width, height, colours.frame);
    wchar_t caption[64];
    GetWindowTextW(item->hwndItem, caption, dimof(caption));
    draw_text_box(dc, r.left, r.top, width, height, caption, colours.caption, app.font_button, DT_CENTER);
}

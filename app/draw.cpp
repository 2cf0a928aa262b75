// The drawing primitives of app/draw.h, straight onto a device context.
#include "app/draw.h"

HFONT font_create(const FontStyle& style) {
    return CreateFontW(style.height, 0, 0, 0, style.weight, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                       CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY, 0, style.face);
}

void fill_solid(HDC dc, Box box, COLORREF colour) {
    HBRUSH brush = CreateSolidBrush(colour);
    RECT r = { box.x, box.y, box_right(box), box_bottom(box) };
    FillRect(dc, &r, brush);
    DeleteObject(brush);
}

void frame_solid(HDC dc, Box box, COLORREF colour) {
    HPEN pen = CreatePen(PS_SOLID, 1, colour);
    HGDIOBJ previous_pen = SelectObject(dc, pen);
    HGDIOBJ previous_brush = SelectObject(dc, GetStockObject(NULL_BRUSH));
    Rectangle(dc, box.x, box.y, box_right(box), box_bottom(box));
    SelectObject(dc, previous_pen);
    SelectObject(dc, previous_brush);
    DeleteObject(pen);
}

void draw_text_in(HDC dc, Box box, const wchar_t* text, COLORREF colour, HFONT font, UINT flags) {
    HGDIOBJ previous = SelectObject(dc, font);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, colour);
    RECT r = { box.x, box.y, box_right(box), box_bottom(box) };
    DrawTextW(dc, text, -1, &r, flags);
    SelectObject(dc, previous);
}

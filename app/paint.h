// Drawing the main window: background, header band, panels, footer with the status line, and the
// owner-drawn buttons. Exports paint_main_window, draw_button and the drawing helpers.
#pragma once
#include <windows.h>

// Draws the whole client area `client` (from GetClientRect) into dc; any caller may use it.
void paint_main_window(HDC dc, const RECT* client);

// Draws one owner-drawn command button: the calculate button in the primary colours, the others plain.
void draw_button(const DRAWITEMSTRUCT* item);

// Single-line text in the rectangle x, y, x + width, y + height, vertically centred, ellipsis at the
// end, with extra_flags (DT_RIGHT, DT_CENTER) added; the previous font is selected back.
void draw_text_box(HDC dc, int x, int y, int width, int height, const wchar_t* text, COLORREF colour,
                   HFONT font, UINT extra_flags);

// Fills the rectangle x, y, x + width, y + height with colour.
void fill_solid_rect(HDC dc, int x, int y, int width, int height, COLORREF colour);

// Draws a 1-pixel outline on the inner edge of the rectangle x, y, x + width, y + height.
void frame_solid_rect(HDC dc, int x, int y, int width, int height, COLORREF colour);

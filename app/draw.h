// Drawing primitives both windows paint with, the tool window and the family index: a font from its
// style (app/layout.h), a solid fill, a 1-pixel outline and text in a box. Exports font_create,
// fill_solid, frame_solid and draw_text_in.
#pragma once
#include <windows.h>

#include "app/layout.h"

// The font of `style`; every other parameter is the same for every font of the program.
HFONT font_create(const FontStyle& style);

// Fills box with colour.
void fill_solid(HDC dc, Box box, COLORREF colour);

// A 1-pixel outline in colour on the inner edge of box.
void frame_solid(HDC dc, Box box, COLORREF colour);

// text in box with DrawTextW's flags, transparent, in colour and font; the previous font is selected back.
void draw_text_in(HDC dc, Box box, const wchar_t* text, COLORREF colour, HFONT font, UINT flags);

// Drawing the index window: background, header band, search row texts, column headings, footer with
// the status line; the owner-drawn list rows and the open button. Exports paint_index, draw_list_row
// and draw_open_button.
#pragma once
#include <windows.h>

// Draws the whole client area `client` (from GetClientRect) into dc.
void paint_index(HDC dc, const RECT* client);

// Draws one row of the list: a department heading (item data 0; the department is the next row's
// tool's) or a tool's number, name and purpose (item data: the tool number).
void draw_list_row(const DRAWITEMSTRUCT* item);

// Draws the open button in the primary colours.
void draw_open_button(const DRAWITEMSTRUCT* item);

// Drawing the main window: background, header band, panels, footer with the status line, and the
// owner-drawn buttons. Exports paint_main_window and draw_button.
#pragma once
#include <windows.h>

// Draws the whole client area `client` (from GetClientRect) into dc; any caller may use it.
void paint_main_window(HDC dc, const RECT* client);

// Draws one owner-drawn command button: the calculate button in the primary colours, the others plain.
void draw_button(const DRAWITEMSTRUCT* item);

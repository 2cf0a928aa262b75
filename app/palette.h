// The window's colours, each named once by what it paints: the palette the painter, the control
// colours and the window class use. Exports the COLOUR_ constants, ButtonColours, PLAIN_BUTTON,
// PRIMARY_BUTTON and VERDICT_COLOURS.
#pragma once
#include <windows.h>

inline constexpr COLORREF
    COLOUR_BACKGROUND    = RGB(244, 247, 249),  // client area around the panels; the window class's brush
    COLOUR_BRAND         = RGB(0, 108, 150),    // header band; the panel headings
    COLOUR_BRAND_ACCENT  = RGB(0, 132, 176),    // strip at the header band's left edge
    COLOUR_ON_BRAND      = RGB(255, 255, 255),  // text on the brand colours: title, calculate caption
    COLOUR_SUBTITLE      = RGB(214, 236, 246),  // subtitle line on the header band
    COLOUR_WEB_ADDRESS   = RGB(190, 220, 235),  // web address on the header band
    COLOUR_PANEL         = RGB(255, 255, 255),  // panels, and the background of every control on them
    COLOUR_PANEL_FRAME   = RGB(218, 226, 232),  // 1-px frame of both panels
    COLOUR_SEPARATOR     = RGB(228, 234, 238),  // line under each panel heading
    COLOUR_FOOTER        = RGB(236, 241, 244),  // footer band behind the buttons and the status line
    COLOUR_TEXT          = RGB(44, 56, 66),     // input boxes, result box, note, plain button captions
    COLOUR_TEXT_MUTED    = RGB(120, 132, 142);  // input labels, units, reference line, status line

// Button colours: fill, fill while pressed, 1-px frame, caption.
struct ButtonColours { COLORREF fill, fill_pressed, frame, caption; };
inline constexpr ButtonColours PLAIN_BUTTON   = { COLOUR_PANEL, RGB(226, 234, 240), RGB(206, 216, 224), COLOUR_TEXT };
inline constexpr ButtonColours PRIMARY_BUTTON = { RGB(0, 122, 168), RGB(0, 100, 138), RGB(0, 106, 148), COLOUR_ON_BRAND };

// Verdict line colour by level 0 to 3 (normal, then rising severity); any other level shows like 0.
inline constexpr COLORREF VERDICT_COLOURS[] = {
    RGB(0, 128, 96),   // 0: normal
    RGB(176, 132, 0),  // 1
    RGB(214, 108, 0),  // 2
    RGB(190, 30, 45),  // 3: critical
};

// The driver's eyes: what the virtual screen shows in the program's window, the same text rendered
// here for comparison, and the window saved as a PNG. Exports capture_client, client_pixel,
// count_colour, capture_until_colour, text_difference, row_text_difference, expect_status and
// save_window_png.
#include <stdio.h>

#include "e2e.h"
#include "res/icon/png_write.h"

// Reads the screen rectangle x, y, width x height into 0x00RRGGBB pixels.
static Capture capture_screen(int x, int y, int width, int height) {
    Capture c = { width, height, std::vector<uint32_t>((size_t)width * height) };
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top row first
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, x, y, SRCCOPY);
    GdiFlush();
    const uint32_t* p = (const uint32_t*)bits;
    for (size_t i = 0; i < c.pixels.size(); i++) c.pixels[i] = p[i] & 0xFFFFFF;
    SelectObject(memory, previous);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return c;
}

Capture capture_client(Session* s, RECT r) {
    POINT origin = { r.left, r.top };
    ClientToScreen(s->main, &origin);
    return capture_screen(origin.x, origin.y, r.right - r.left, r.bottom - r.top);
}

static COLORREF to_colorref(uint32_t p) { return RGB(p >> 16 & 0xFF, p >> 8 & 0xFF, p & 0xFF); }

COLORREF client_pixel(Session* s, int x, int y) {
    RECT r = { x, y, x + 1, y + 1 };
    return to_colorref(capture_client(s, r).pixels[0]);
}

int count_colour(const Capture& c, COLORREF colour) {
    int n = 0;
    for (uint32_t p : c.pixels) n += to_colorref(p) == colour;
    return n;
}

Capture capture_until_colour(Session* s, RECT r, COLORREF colour, int min_count) {
    Capture c = capture_client(s, r);
    for (ULONGLONG deadline = GetTickCount64() + 2000; count_colour(c, colour) <= min_count && GetTickCount64() < deadline;) {
        Sleep(10);
        c = capture_client(s, r);
    }
    return c;
}

int text_difference(Session* s, RECT r, const wchar_t* text, const wchar_t* face, int height, int weight,
                    UINT flags, COLORREF colour, COLORREF background, int rows_compared) {
    int width = r.right - r.left, rows = r.bottom - r.top;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -rows;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ previous_bitmap = SelectObject(memory, bitmap);
    HFONT font = CreateFontW(height, 0, 0, 0, weight, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                             CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY, 0, face);
    HGDIOBJ previous_font = SelectObject(memory, font);
    HBRUSH brush = CreateSolidBrush(background);
    RECT box = { 0, 0, width, rows };
    FillRect(memory, &box, brush);
    SetBkMode(memory, TRANSPARENT);
    SetTextColor(memory, colour);
    DrawTextW(memory, text, -1, &box, flags);
    GdiFlush();
    std::vector<uint32_t> expected((const uint32_t*)bits, (const uint32_t*)bits + (size_t)width * rows);
    SelectObject(memory, previous_font);
    SelectObject(memory, previous_bitmap);
    DeleteObject(brush);
    DeleteObject(font);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);

    int differing = 0;
    for (ULONGLONG deadline = GetTickCount64() + 2000;;) {
        Capture shown = capture_client(s, r);
        differing = 0;
        size_t compared = rows_compared > 0 ? (size_t)rows_compared * width : expected.size();
        for (size_t i = 0; i < compared; i++) differing += (expected[i] & 0xFFFFFF) != shown.pixels[i];
        if (differing == 0 || GetTickCount64() >= deadline) return differing;
        Sleep(10);
    }
}

int row_text_difference(Session* s, RECT r, const wchar_t* text, RowText which) {
    const UINT flags = DT_SINGLELINE | DT_END_ELLIPSIS | DT_NOPREFIX | (which == ROW_LABEL ? DT_RIGHT : 0);
    return text_difference(s, r, text, L"Microsoft YaHei UI", which == ROW_LABEL ? -14 : -12, 400, flags,
                           RGB(120, 132, 142), RGB(255, 255, 255));
}

void expect_status(Session* s, const std::wstring& text) {
    int differing = text_difference(s, { 740, 704, 1004, 720 }, text.c_str(), L"Microsoft YaHei UI", -12, 400,
                                    DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | DT_RIGHT, RGB(120, 132, 142),
                                    RGB(236, 241, 244));
    check(s, differing == 0, "status line is not \"%s\" (%d pixels differ)", utf8(text).c_str(), differing);
}

bool save_window_png(Session* s, const std::wstring& path) {
    RECT r;
    GetWindowRect(s->main, &r);
    Capture c = capture_screen(r.left, r.top, r.right - r.left, r.bottom - r.top);
    std::vector<unsigned char> rgba;
    rgba.reserve(c.pixels.size() * 4);
    for (uint32_t p : c.pixels) rgba.insert(rgba.end(), { (unsigned char)(p >> 16), (unsigned char)(p >> 8), (unsigned char)p, 255 });
    std::vector<unsigned char> png = png_encode(rgba.data(), c.width, c.height);
    FILE* f = _wfopen(path.c_str(), L"wb");
    if (!f) return false;
    bool ok = fwrite(png.data(), 1, png.size(), f) == png.size();
    return fclose(f) == 0 && ok;
}

// Generates the program icon res/medtool.ico from the drawing below: seven 32-bit images, 16 to 256
// pixels square, each stored as a PNG. Usage: icon_gen OUTPUT.ico. Built and run natively; a test
// regenerates the icon and compares it with the committed file byte for byte.
#include <stdint.h>
#include <stdio.h>

#include <vector>

#include "png_write.h"

// The drawing: rounded rectangles on a 256 x 256 canvas, painted in order, each fully opaque; where
// none covers the canvas it stays transparent. A calculator (teal body, pale display with a reading)
// whose keypad carries a red medical cross.
struct Shape {
    int left, top, right, bottom;  // canvas units, right and bottom exclusive
    int radius;                    // corner radius, canvas units
    unsigned char r, g, b;
};
static const Shape DRAWING[] = {
    // left  top  right bottom radius  colour
    {   8,    8,  248,  248,   44,     0, 108, 150 },  // body, the header-band teal
    {  36,   34,  220,   98,   14,   214, 236, 246 },  // display
    { 124,   54,  200,   78,    6,     0, 108, 150 },  // reading on the display
    {  44,  112,  212,  236,   18,   255, 255, 255 },  // keypad
    { 108,  124,  148,  228,    6,   204,  40,  52 },  // cross, upright
    {  76,  156,  180,  196,    6,   204,  40,  52 },  // cross, bar
};

static const int SIZES[] = { 16, 24, 32, 48, 64, 128, 256 };

enum { CANVAS = 256, SUBSAMPLES = 8 };  // 8 x 8 samples per pixel give the anti-aliased edges

// Is the point (x, y), in canvas units times `scale`, inside shape s? Integer arithmetic only, so
// every machine draws the same pixels.
static bool covers(const Shape& s, int64_t x, int64_t y, int64_t scale) {
    int64_t l = s.left * scale, t = s.top * scale, r = s.right * scale, b = s.bottom * scale, rad = s.radius * scale;
    if (x < l || x >= r || y < t || y >= b) return false;
    int64_t cx = x < l + rad ? l + rad : x >= r - rad ? r - rad : x;
    int64_t cy = y < t + rad ? t + rad : y >= b - rad ? b - rad : y;
    if (cx == x || cy == y) return true;
    return (x - cx) * (x - cx) + (y - cy) * (y - cy) <= rad * rad;
}

// Renders the drawing at size x size pixels into RGBA rows.
static std::vector<unsigned char> render(int size) {
    std::vector<unsigned char> rgba((size_t)size * size * 4);
    const int samples = size * SUBSAMPLES;
    // A sample centre, (2k + 1) / (2 * samples) of the canvas, is canvas units times 2 * samples.
    const int64_t scale = 2 * (int64_t)samples;
    for (int py = 0; py < size; py++)
        for (int px = 0; px < size; px++) {
            int covered = 0, sum_r = 0, sum_g = 0, sum_b = 0;
            for (int sy = 0; sy < SUBSAMPLES; sy++)
                for (int sx = 0; sx < SUBSAMPLES; sx++) {
                    int64_t x = (2 * (int64_t)(px * SUBSAMPLES + sx) + 1) * CANVAS;
                    int64_t y = (2 * (int64_t)(py * SUBSAMPLES + sy) + 1) * CANVAS;
                    const Shape* top = nullptr;
                    for (const Shape& s : DRAWING)
                        if (covers(s, x, y, scale)) top = &s;
                    if (!top) continue;
                    covered++;
                    sum_r += top->r;
                    sum_g += top->g;
                    sum_b += top->b;
                }
            unsigned char* p = &rgba[((size_t)py * size + px) * 4];
            if (covered == 0) { p[0] = p[1] = p[2] = p[3] = 0; continue; }
            p[0] = (unsigned char)((sum_r + covered / 2) / covered);
            p[1] = (unsigned char)((sum_g + covered / 2) / covered);
            p[2] = (unsigned char)((sum_b + covered / 2) / covered);
            p[3] = (unsigned char)((covered * 255 + SUBSAMPLES * SUBSAMPLES / 2) / (SUBSAMPLES * SUBSAMPLES));
        }
    return rgba;
}

static void put_u16(std::vector<unsigned char>& out, unsigned v) {
    out.push_back((unsigned char)v);
    out.push_back((unsigned char)(v >> 8));
}

static void put_u32(std::vector<unsigned char>& out, uint32_t v) {
    put_u16(out, v & 0xFFFF);
    put_u16(out, v >> 16);
}

int main(int argc, char** argv) {
    if (argc != 2) {
        fprintf(stderr, "usage: icon_gen OUTPUT.ico\n");
        return 2;
    }
    const int count = (int)(sizeof SIZES / sizeof SIZES[0]);
    std::vector<std::vector<unsigned char>> images;
    for (int size : SIZES) {
        std::vector<unsigned char> rgba = render(size);
        images.push_back(png_encode(rgba.data(), size, size));
    }
    // ICONDIR, then one 16-byte ICONDIRENTRY per image, then the images.
    std::vector<unsigned char> ico;
    put_u16(ico, 0);
    put_u16(ico, 1);  // icon
    put_u16(ico, (unsigned)count);
    uint32_t offset = 6 + 16 * (uint32_t)count;
    for (int i = 0; i < count; i++) {
        ico.push_back((unsigned char)(SIZES[i] == 256 ? 0 : SIZES[i]));  // 0 means 256
        ico.push_back((unsigned char)(SIZES[i] == 256 ? 0 : SIZES[i]));
        ico.push_back(0);  // no palette
        ico.push_back(0);
        put_u16(ico, 1);   // planes
        put_u16(ico, 32);  // bits per pixel
        put_u32(ico, (uint32_t)images[i].size());
        put_u32(ico, offset);
        offset += (uint32_t)images[i].size();
    }
    for (const auto& image : images) ico.insert(ico.end(), image.begin(), image.end());

    FILE* f = fopen(argv[1], "wb");
    if (!f) { perror(argv[1]); return 1; }
    bool ok = fwrite(ico.data(), 1, ico.size(), f) == ico.size();
    if (fclose(f) != 0) ok = false;
    if (!ok) { fprintf(stderr, "icon_gen: cannot write %s\n", argv[1]); return 1; }
    return 0;
}

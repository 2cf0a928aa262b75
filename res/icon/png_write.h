// Encoding 8-bit RGBA images as PNG files, with no library: zlib stream of fixed-Huffman deflate
// blocks over a simple LZ77 match search. Used by the icon generator and the window test's screenshot.
// Exports png_encode.
#pragma once
#include <vector>

// The PNG file (signature, IHDR, one IDAT, IEND) of a width x height image given as rows of RGBA
// bytes, top row first, not premultiplied.
std::vector<unsigned char> png_encode(const unsigned char* rgba, int width, int height);

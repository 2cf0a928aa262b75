// PNG encoding with fixed-Huffman deflate. Exports png_encode. Deterministic: the same pixels always
// give the same bytes, which the icon's regeneration test relies on.
#include "png_write.h"

#include <stdint.h>
#include <string.h>

namespace {

struct BitWriter {
    std::vector<unsigned char>* out;
    uint32_t bits;   // pending bits, least significant first
    int      count;  // how many are pending
};

void put_bits(BitWriter& w, uint32_t value, int n) {
    w.bits |= value << w.count;
    w.count += n;
    while (w.count >= 8) {
        w.out->push_back((unsigned char)w.bits);
        w.bits >>= 8;
        w.count -= 8;
    }
}

// Huffman codes go out most significant bit first.
void put_code(BitWriter& w, uint32_t code, int n) {
    uint32_t reversed = 0;
    for (int i = 0; i < n; i++) reversed |= ((code >> i) & 1) << (n - 1 - i);
    put_bits(w, reversed, n);
}

// The fixed literal/length code of RFC 1951 section 3.2.6.
void put_literal_length(BitWriter& w, int symbol) {
    if (symbol < 144) put_code(w, 0x30 + symbol, 8);
    else if (symbol < 256) put_code(w, 0x190 + symbol - 144, 9);
    else if (symbol < 280) put_code(w, symbol - 256, 7);
    else put_code(w, 0xC0 + symbol - 280, 8);
}

const int LENGTH_BASE[] = { 3, 4, 5, 6, 7, 8, 9, 10, 11, 13, 15, 17, 19, 23, 27, 31, 35, 43, 51, 59,
                            67, 83, 99, 115, 131, 163, 195, 227, 258 };
const int LENGTH_EXTRA[] = { 0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2, 2, 3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5, 0 };
const int DISTANCE_BASE[] = { 1, 2, 3, 4, 5, 7, 9, 13, 17, 25, 33, 49, 65, 97, 129, 193, 257, 385, 513, 769,
                              1025, 1537, 2049, 3073, 4097, 6145, 8193, 12289, 16385, 24577 };
const int DISTANCE_EXTRA[] = { 0, 0, 0, 0, 1, 1, 2, 2, 3, 3, 4, 4, 5, 5, 6, 6, 7, 7, 8, 8, 9, 9, 10, 10, 11, 11,
                               12, 12, 13, 13 };

void put_match(BitWriter& w, int length, int distance) {
    int l = 28;
    while (LENGTH_BASE[l] > length) l--;
    put_literal_length(w, 257 + l);
    put_bits(w, (uint32_t)(length - LENGTH_BASE[l]), LENGTH_EXTRA[l]);
    int d = 29;
    while (DISTANCE_BASE[d] > distance) d--;
    put_code(w, (uint32_t)d, 5);
    put_bits(w, (uint32_t)(distance - DISTANCE_BASE[d]), DISTANCE_EXTRA[d]);
}

enum { WINDOW = 32768, MIN_MATCH = 3, MAX_MATCH = 258, HASH_SIZE = 1 << 15, MAX_CHAIN = 64 };

uint32_t hash3(const unsigned char* p) { return ((p[0] << 10) ^ (p[1] << 5) ^ p[2]) & (HASH_SIZE - 1); }

// One final fixed-Huffman block holding all of data, with greedy LZ77 matches.
void deflate_fixed(const std::vector<unsigned char>& data, std::vector<unsigned char>& out) {
    BitWriter w = { &out, 0, 0 };
    put_bits(w, 1, 1);  // final block
    put_bits(w, 1, 2);  // fixed Huffman codes
    std::vector<int> head(HASH_SIZE, -1), previous(data.size(), -1);
    const int n = (int)data.size();
    auto insert = [&](int at) {
        if (at + MIN_MATCH > n) return;
        uint32_t h = hash3(&data[at]);
        previous[at] = head[h];
        head[h] = at;
    };
    int i = 0;
    while (i < n) {
        int best_length = 0, best_distance = 0;
        if (i + MIN_MATCH <= n) {
            int candidate = head[hash3(&data[i])];
            for (int chain = 0; candidate >= 0 && i - candidate <= WINDOW && chain < MAX_CHAIN; chain++) {
                int length = 0;
                int limit = n - i < MAX_MATCH ? n - i : MAX_MATCH;
                while (length < limit && data[candidate + length] == data[i + length]) length++;
                if (length > best_length) { best_length = length; best_distance = i - candidate; }
                if (length == limit) break;
                candidate = previous[candidate];
            }
        }
        if (best_length >= MIN_MATCH) {
            put_match(w, best_length, best_distance);
            for (int k = 0; k < best_length; k++) insert(i + k);
            i += best_length;
        } else {
            put_literal_length(w, data[i]);
            insert(i);
            i++;
        }
    }
    put_literal_length(w, 256);  // end of block
    if (w.count > 0) out.push_back((unsigned char)w.bits);
}

uint32_t crc32(const unsigned char* p, size_t n, uint32_t crc = 0) {
    crc = ~crc;
    for (size_t i = 0; i < n; i++) {
        crc ^= p[i];
        for (int k = 0; k < 8; k++) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1)));
    }
    return ~crc;
}

uint32_t adler32(const std::vector<unsigned char>& data) {
    uint32_t a = 1, b = 0;
    for (unsigned char c : data) { a = (a + c) % 65521; b = (b + a) % 65521; }
    return b << 16 | a;
}

void put_u32(std::vector<unsigned char>& out, uint32_t v) {
    for (int shift = 24; shift >= 0; shift -= 8) out.push_back((unsigned char)(v >> shift));
}

void put_chunk(std::vector<unsigned char>& out, const char* type, const std::vector<unsigned char>& body) {
    put_u32(out, (uint32_t)body.size());
    size_t start = out.size();
    out.insert(out.end(), type, type + 4);
    out.insert(out.end(), body.begin(), body.end());
    put_u32(out, crc32(&out[start], out.size() - start));
}

}  // namespace

std::vector<unsigned char> png_encode(const unsigned char* rgba, int width, int height) {
    // Each row: filter type 0, then the pixels.
    std::vector<unsigned char> raw;
    raw.reserve((size_t)height * (1 + 4 * (size_t)width));
    for (int y = 0; y < height; y++) {
        raw.push_back(0);
        const unsigned char* row = rgba + (size_t)y * 4 * (size_t)width;
        raw.insert(raw.end(), row, row + 4 * (size_t)width);
    }
    std::vector<unsigned char> zlib = { 0x78, 0x01 };
    deflate_fixed(raw, zlib);
    put_u32(zlib, adler32(raw));

    static const unsigned char SIGNATURE[] = { 0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n' };
    std::vector<unsigned char> png(SIGNATURE, SIGNATURE + sizeof SIGNATURE);
    std::vector<unsigned char> header;
    put_u32(header, (uint32_t)width);
    put_u32(header, (uint32_t)height);
    header.insert(header.end(), { 8, 6, 0, 0, 0 });  // 8 bits, RGBA, deflate, no filter set, no interlace
    put_chunk(png, "IHDR", header);
    put_chunk(png, "IDAT", zlib);
    put_chunk(png, "IEND", {});
    return png;
}

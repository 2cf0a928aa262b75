// The record store: file name, header and record line builders, and the save itself.
// Exports record_file_name, record_header, record_line, record_append.
#include "store/record_store.h"

#include "base/dimof.h"
#include "base/wtext.h"
#include "engine/input_values.h"

static const wchar_t SEP[] = { PATH_SEP, 0 };

// The longest file name: "T" and 10 digits of a 32-bit id, ".csv", terminator.
enum { FILE_NAME_CAP = 16 };
static_assert(RECORD_FOLDER_CAP - 1 + 1 + FILE_NAME_CAP - 1 < RECORD_PATH_CAP,
              "a records folder that fits always leaves room for the separator and the file name");

int record_file_name(uint32_t tool_id, wchar_t* text, int cap) {
    return wformat(text, cap, L"T%03u.csv", (unsigned)tool_id);
}

// ---- CSV fields

// A line under construction: at most cap - 1 characters are ever written, so a small cap keeps the
// line's beginning; len counts what was written.
struct LineOut {
    wchar_t* text;
    int      cap;
    int      len;
};

static void put(LineOut* out, wchar_t c) {
    if (out->len < out->cap - 1) out->text[out->len++] = c;
}

static void put_text(LineOut* out, const wchar_t* s) {
    for (; *s; s++) put(out, *s);
}

static bool is_high_surrogate(wchar_t c) { return sizeof(wchar_t) == 2 && c >= 0xD800 && c <= 0xDBFF; }

static bool needs_quotes(const wchar_t* s, int n) {
    for (int i = 0; i < n; i++)
        if (s[i] == L',' || s[i] == L'"' || s[i] == L'\r' || s[i] == L'\n') return true;
    return false;
}

// Characters of s[0 .. n) inside quotes: each double quote doubled.
static int quoted_length(const wchar_t* s, int n) {
    int length = n;
    for (int i = 0; i < n; i++)
        if (s[i] == L'"') length++;
    return length;
}

// Characters of s[0 .. n) as a CSV field.
static int field_length(const wchar_t* s, int n) { return needs_quotes(s, n) ? quoted_length(s, n) + 2 : n; }

// The longest beginning of s[0 .. n) whose quoted (quoted) or plain form takes at most room
// characters, never ending between the two halves of a surrogate pair.
static int fitting_length(const wchar_t* s, int n, bool quoted, int room) {
    int k = 0, used = 0;
    while (k < n) {
        int width = quoted && s[k] == L'"' ? 2 : 1;
        int step = k + 1 < n && is_high_surrogate(s[k]) ? 2 : 1;
        if (used + width + (step - 1) > room) break;
        used += width + (step - 1);
        k += step;
    }
    return k;
}

// Writes s[0 .. n) with its inner quotes doubled.
static void put_quoted_part(LineOut* out, const wchar_t* s, int n) {
    for (int i = 0; i < n; i++) {
        if (s[i] == L'"') put(out, L'"');
        put(out, s[i]);
    }
}

// Writes s[0 .. n) as one CSV field of at most room characters: in quotes when it needs them, cut
// before the closing quote when it does not fit, so a cut field still ends where it should.
static void put_field(LineOut* out, const wchar_t* s, int n, int room) {
    if (!needs_quotes(s, n)) {
        int k = fitting_length(s, n, false, room);
        for (int i = 0; i < k; i++) put(out, s[i]);
        return;
    }
    int k = fitting_length(s, n, true, room - 2);
    put(out, L'"');
    put_quoted_part(out, s, k);
    put(out, L'"');
}

static const wchar_t RESULT_CUT_MARK[] = L"……（中间过长，已略去）……";

// Writes the result as one field of at most room characters, its trailing line breaks left out.
// One that does not fit keeps its beginning and its last RECORD_RESULT_TAIL characters around the
// mark: the verdict ends the clipboard text, and a cut must neither drop it nor pass unseen.
static void put_result(LineOut* out, const wchar_t* result, int room) {
    int n = text_length(result);
    while (n > 0 && (result[n - 1] == L'\r' || result[n - 1] == L'\n')) n--;
    if (field_length(result, n) <= room) {
        put_field(out, result, n, room);
        return;
    }
    int tail = n > RECORD_RESULT_TAIL ? n - RECORD_RESULT_TAIL : 0;
    if (tail > 0 && sizeof(wchar_t) == 2 && result[tail] >= 0xDC00 && result[tail] <= 0xDFFF) tail++;
    int mark = dimof(RESULT_CUT_MARK) - 1;
    int head_room = room - 2 - mark - quoted_length(result + tail, n - tail);
    int head = fitting_length(result, tail, true, head_room);
    put(out, L'"');
    put_quoted_part(out, result, head);
    put_quoted_part(out, RESULT_CUT_MARK, mark);
    put_quoted_part(out, result + tail, n - tail);
    put(out, L'"');
}

static_assert(RECORD_RESULT_CAP - 2 > 2 + dimof(RESULT_CUT_MARK) + 2 * RECORD_RESULT_TAIL,
              "a cut result keeps the mark and its tail whatever they hold");

static int line_end(LineOut* out) {
    if (out->cap > 0) out->text[out->len] = 0;
    return out->len;
}

// ---- header and line

int record_header(const ToolDef* tool, wchar_t* text, int cap) {
    LineOut out = { text, cap, 0 };
    put_text(&out, L"时间,工具");
    for (int i = 0; i < tool->input_count; i++) {
        const wchar_t* label = tool->inputs[i].label;
        put(&out, L',');
        put_field(&out, label, text_length(label), RECORD_PIECE_CAP - 2);
    }
    put_text(&out, L",结果\r\n");
    return line_end(&out);
}

// The text a record shows for input i's value (after "label="): see record_line.
static void value_text(const ToolInput* input, double value, wchar_t* text, int cap) {
    if (!input_value_words(input, value, text, cap)) wformat(text, cap, L"%g", value);
}

int record_line(const ToolDef* tool, const double* values, const wchar_t* result, LocalTime now,
                wchar_t* text, int cap) {
    LineOut out = { text, cap, 0 };
    wchar_t stamp[80];  // six ints of up to 11 characters and five separators
    wformat(stamp, dimof(stamp), L"%04d-%02d-%02d %02d:%02d:%02d", now.year, now.month, now.day, now.hour,
            now.minute, now.second);
    int stamp_len = text_length(stamp);
    put_field(&out, stamp, stamp_len, stamp_len);
    put(&out, L',');
    put_field(&out, tool->name, text_length(tool->name), RECORD_HEAD_CAP - 1 - stamp_len - 1);
    for (int i = 0; i < tool->input_count; i++) {
        wchar_t value[RECORD_PIECE_CAP], piece[RECORD_PIECE_CAP];
        value_text(&tool->inputs[i], values[i], value, RECORD_PIECE_CAP);
        wformat(piece, RECORD_PIECE_CAP, L"%ls=%ls", tool->inputs[i].label, value);
        put(&out, L',');
        put_field(&out, piece, text_length(piece), RECORD_PIECE_CAP - 2);
    }
    put(&out, L',');
    put_result(&out, result, RECORD_RESULT_CAP - 2);
    put_text(&out, L"\r\n");
    return line_end(&out);
}

// Makes every folder of the chain, parents first. The first three characters (a drive root such as
// "C:\") are never cut at. Results are ignored: a folder that exists and one that cannot be made look
// alike here, and the open that follows tells them apart.
static void make_folder_chain(const wchar_t* folder) {
    wchar_t prefix[RECORD_FOLDER_CAP];
    text_copy(prefix, RECORD_FOLDER_CAP, folder);
    for (int i = 3; prefix[i]; i++) {
        if (prefix[i] != PATH_SEP) continue;
        prefix[i] = 0;
        platform_make_dir(prefix);
        prefix[i] = PATH_SEP;
    }
    platform_make_dir(prefix);
}

// Converts text to UTF-8 at bytes + *n (the whole buffer holds RECORD_BYTES_CAP) and advances *n
// past it, leaving out the converter's terminator. Returns false, *n unchanged, when it does not fit;
// with the capacities of the header and the line it always fits.
static bool utf8_put(const wchar_t* text, char* bytes, int* n) {
    int count = platform_utf8_from_wide(text, bytes + *n, RECORD_BYTES_CAP - *n);
    if (count <= 0) return false;
    *n += count - 1;
    return true;
}

RecordOutcome record_append(const ToolDef* tool, const double* values, const wchar_t* result,
                            const wchar_t* appdata, LocalTime now) {
    RecordOutcome out;
    out.status = RECORD_SAVED;
    out.path[0] = 0;
    // Without the app-data folder the records folder would become "\KavriMedSuite\records" on the
    // current drive, or a folder under the working directory: somewhere the user never looks.
    if (!appdata || !appdata[0]) {
        out.status = RECORD_NO_APPDATA;
        return out;
    }
    // A cut folder text would name another folder, and the save would go there.
    wchar_t folder[RECORD_FOLDER_CAP];
    if (wformat(folder, RECORD_FOLDER_CAP, L"%ls%lsKavriMedSuite%lsrecords", appdata, SEP, SEP) < 0) {
        text_copy(out.path, RECORD_PATH_CAP, folder);
        out.status = RECORD_PATH_TOO_LONG;
        return out;
    }
    wchar_t name[FILE_NAME_CAP];
    record_file_name(tool->id, name, FILE_NAME_CAP);
    wformat(out.path, RECORD_PATH_CAP, L"%ls%ls%ls", folder, SEP, name);
    make_folder_chain(folder);

    // Everything this save may write, built before the file is opened, so that a failure leaves the
    // file as it was instead of holding a header without its line: the byte-order mark and header
    // (the first `header_bytes` bytes), then the line.
    char bytes[RECORD_BYTES_CAP];
    bytes[0] = (char)0xEF;
    bytes[1] = (char)0xBB;
    bytes[2] = (char)0xBF;
    int n = 3;
    wchar_t header[RECORD_HEADER_CAP];
    record_header(tool, header, RECORD_HEADER_CAP);
    bool built = utf8_put(header, bytes, &n);
    int header_bytes = n;
    wchar_t line[RECORD_LINE_CAP];
    record_line(tool, values, result, now, line, RECORD_LINE_CAP);
    if (!built || !utf8_put(line, bytes, &n)) {
        out.status = RECORD_WRITE_FAILED;
        return out;
    }

    // One save is one critical section over the file, shared with every other process that saves to
    // it: the end, the header decision and the write all happen under the lock, so two saves never
    // write at the same end, and two first saves never both write the header. A file held without
    // sharing by another program, or whose lock stays taken for the whole wait, receives nothing.
    LockedFile file;
    if (platform_lock_file(out.path, RECORD_LOCK_WAIT_MS, &file) != LOCK_TAKEN) {
        out.status = RECORD_OPEN_FAILED;
        return out;
    }
    // The end of the file before this save. An empty file (new, or left empty by anyone) gets the
    // byte-order mark and header first, so every record file starts with them. A write can stop part
    // way (a full disk, a quota); the part is cut off again at this end, still under the lock, so the
    // next save does not continue a broken row and no other save's line is touched.
    long long start = platform_locked_size(file);
    const char* from = start == 0 ? bytes : bytes + header_bytes;
    int count = (int)(bytes + n - from);
    bool written = start >= 0 && platform_locked_write(file, start, from, count);
    if (!written && start >= 0) platform_locked_truncate(file, start);
    // A file this save made and could not fill goes again, unless another save wrote to it meanwhile.
    bool closed = platform_unlock_file(file, out.path, !written && file.created && start == 0);
    if (!written || !closed) out.status = RECORD_WRITE_FAILED;
    return out;
}

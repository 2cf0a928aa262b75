// The record store: file name, header and record line builders, and the save itself.
// Exports record_file_name, record_header, record_line, record_append.
#include "store/record_store.h"

#include "base/wtext.h"

static const wchar_t SEP[] = { PATH_SEP, 0 };

// The longest file name: "T" and 10 digits of a 32-bit id, ".csv", terminator.
enum { FILE_NAME_CAP = 16 };
static_assert(RECORD_FOLDER_CAP - 1 + 1 + FILE_NAME_CAP - 1 < RECORD_PATH_CAP,
              "a records folder that fits always leaves room for the separator and the file name");

int record_file_name(uint32_t tool_id, wchar_t* text, int cap) {
    return wformat(text, cap, L"T%03u.csv", (unsigned)tool_id);
}

int record_header(const ToolDef* tool, wchar_t* text, int cap) {
    text_copy(text, cap, L"时间,工具");
    for (int i = 0; i < tool->input_count; i++) {
        wchar_t piece[RECORD_PIECE_CAP];
        wformat(piece, RECORD_PIECE_CAP, L",%ls", tool->inputs[i].label);
        text_append(text, cap, piece);
    }
    text_append(text, cap, L",结果\r\n");
    return cap > 0 ? text_length(text) : 0;
}

int record_line(const ToolDef* tool, const double* values, const wchar_t* result, LocalTime now,
                wchar_t* text, int cap) {
    wchar_t head[RECORD_HEAD_CAP];
    wformat(head, RECORD_HEAD_CAP, L"%04d-%02d-%02d %02d:%02d:%02d,%ls", now.year, now.month, now.day,
            now.hour, now.minute, now.second, tool->name);
    text_copy(text, cap, head);
    for (int i = 0; i < tool->input_count; i++) {
        wchar_t piece[RECORD_PIECE_CAP];
        wformat(piece, RECORD_PIECE_CAP, L",%ls=%g", tool->inputs[i].label, values[i]);
        text_append(text, cap, piece);
    }
    wchar_t tail[RECORD_RESULT_CAP];
    wformat(tail, RECORD_RESULT_CAP, L",%ls", result);
    text_append(text, cap, tail);
    text_append(text, cap, L"\r\n");
    return cap > 0 ? text_length(text) : 0;
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

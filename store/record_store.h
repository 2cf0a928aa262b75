// The record store: one UTF-8 CSV file per tool under the local application-data folder, one line
// appended per save. Exports the RECORD_ capacities, RecordStatus, RecordOutcome and the record_
// functions: the text builders (pure) and record_append, which writes a save and reports how it went.
#pragma once
#include <stdint.h>

#include "engine/tool_def.h"
#include "platform/platform.h"

enum {
    RECORD_FOLDER_CAP = 260,  // "<app-data>\KavriMedSuite\records": MAX_PATH
    RECORD_PATH_CAP   = 520,  // the folder, a separator and "T<id>.csv"
    RECORD_PIECE_CAP  = 128,  // "," label, or "," label "=" value: a label keeps 126 characters

    // The result text a record keeps whole, whatever it holds: the window's clipboard text, a result
    // of 4095 characters, "—— " and a verdict of 511 (4096 + 512 + 8 with terminators).
    RECORD_RESULT_KEPT = 4616,
    // "," and the result field: quoted, every character a doubled quote at worst, terminator.
    RECORD_RESULT_CAP = 1 + 2 + 2 * RECORD_RESULT_KEPT + 1,  // 9236
    // The end of a longer result that a record keeps after the mark of the cut: the verdict.
    RECORD_RESULT_TAIL = 520,
    RECORD_LINE_CAP   = 16384, // a record line, CR LF included: room for MAX_INPUTS whole pieces
                               // and the result field

    // Header: "时间,工具" (5), one piece per input, ",结果\r\n" (5), terminator.
    RECORD_HEADER_CAP = 5 + MAX_INPUTS * (RECORD_PIECE_CAP - 1) + 5 + 1,  // 5091
    // Timestamp and tool name: what the line has left after the longest input and result pieces and
    // CR LF, so every record line the store builds fits its buffer whole (20 + 2046 name characters).
    RECORD_HEAD_CAP = RECORD_LINE_CAP - MAX_INPUTS * (RECORD_PIECE_CAP - 1) - (RECORD_RESULT_CAP - 1) - 2,

    // UTF-8 bytes of one wide character at most: 3 for a UTF-16 unit (a surrogate pair makes 4 from
    // 2 units), 4 for a UTF-32 one (the native build).
    RECORD_UTF8_PER_CHAR = sizeof(wchar_t) == 2 ? 3 : 4,
    // Everything one save writes: byte-order mark, header and record line, plus the converter's
    // terminator (never written).
    RECORD_BYTES_CAP = 3 + (RECORD_HEADER_CAP - 1 + RECORD_LINE_CAP - 1) * RECORD_UTF8_PER_CHAR + 1,

    // How long a save waits for another process's save to the same file before it gives up: far
    // longer than a save takes, short enough that the window never seems to hang.
    RECORD_LOCK_WAIT_MS = 2000,
};
static_assert(RECORD_HEAD_CAP >= 20 + 30, "room for the timestamp, the comma and a tool name");

enum RecordStatus {
    RECORD_SAVED,          // the whole line (and, for an empty or new file, the BOM and header) is in the file
    RECORD_NO_APPDATA,     // the app-data folder is unknown; nothing was made or written anywhere
    RECORD_PATH_TOO_LONG,  // the records folder or file path would be cut; nothing made or written
    RECORD_OPEN_FAILED,    // the file could not be opened for appending (held by another program without
                           // sharing, read-only, no folder), or another save held its lock for the
                           // whole RECORD_LOCK_WAIT_MS; nothing was written
    RECORD_WRITE_FAILED,   // the write or the close failed; a part written was cut off again, and a
                           // file this save made was removed unless another save had written to it
};

struct RecordOutcome {
    RecordStatus status;
    wchar_t      path[RECORD_PATH_CAP];  // the record file; empty for RECORD_NO_APPDATA, and for
                                         // RECORD_PATH_TOO_LONG the records folder as far as it fits
};

// The record file name of a tool: "T%03u.csv" (T007.csv, T115.csv, T1234.csv). Returns what wformat
// returns.
int record_file_name(uint32_t tool_id, wchar_t* text, int cap);

// A record file is CSV as spreadsheets read it (RFC 4180): fields separated by commas, and a field
// that holds a comma, a double quote, CR or LF written in double quotes with each inner quote doubled,
// so a result of several lines stays one row. Every other field is written as it is, as records
// always were, so files holding lines of both kinds read alike.

// The header line: "时间,工具", "," and each input label (each piece cut to RECORD_PIECE_CAP - 1
// characters), ",结果\r\n". Returns the characters written; cap RECORD_HEADER_CAP holds it whole.
int record_header(const ToolDef* tool, wchar_t* text, int cap);

// The record line: "YYYY-MM-DD hh:mm:ss,<name>", ",<label>=<value>" per input, ",<result>", CR LF.
// The value of a number is printed with %g (60, 0.5, 1.23457e+06), a choice's as its option text
// (性别=男), a check's as 是 or 否, a date's as YYYY-MM-DD; a value that no option, tick or date
// stands for is printed with %g. Each piece is cut to its RECORD_ capacity, a quoted field before its
// closing quote. result is the window's clipboard text (result, "—— ", verdict) and may hold line
// breaks; its trailing line breaks are left out. A result whose field would pass RECORD_RESULT_CAP
// (never one of RECORD_RESULT_KEPT characters or fewer) keeps its beginning and its last
// RECORD_RESULT_TAIL characters, where the verdict is, around the mark "……（中间过长，已略去）……".
// values holds tool->input_count values. Returns the characters written; cap RECORD_LINE_CAP holds
// the line whole, CR LF included; a smaller cap gets the line's beginning.
int record_line(const ToolDef* tool, const double* values, const wchar_t* result, LocalTime now,
                wchar_t* text, int cap);

// Appends the record line of one save to the tool's file in "<appdata>/KavriMedSuite/records",
// making the folder chain first; a new or empty file gets the byte-order mark and the header before
// the line. All bytes are built first and written with one write, under the file's exclusive lock
// (platform_lock_file), so saves of several processes at once each land whole, once, after one
// header. A write that fails part way is cut off again at the end it started from, and a file the
// save made is removed if nobody else wrote to it, so the file holds the whole save or none of it.
// An empty or null appdata writes nothing anywhere. result is never null. Allocates nothing of its own.
RecordOutcome record_append(const ToolDef* tool, const double* values, const wchar_t* result,
                            const wchar_t* appdata, LocalTime now);

// The index window's geometry, texts of its fixed parts and its fonts, each named once: the client
// size, the header band, the search row, the list and its columns, the footer with the status line
// and the open button. The faces, heights and weights are the tool window's (app/layout.h). Exports
// the INDEX_ constants and boxes. Free of Windows headers, so tests include it.
#pragma once
#include "app/layout.h"

// The outer window (client plus caption and borders, about 16 x 40 px with the Windows 7 theme) fits
// the work area of a 1366 x 768 screen with its taskbar: 1366 x 728.
enum {
    INDEX_CLIENT_WIDTH  = 1240,
    INDEX_CLIENT_HEIGHT = 640,
    INDEX_HEADER_HEIGHT = 72,   // header band: 0, 0, client width, 72
    INDEX_FOOTER_TOP    = 584,  // footer band: 0, 584, client width, to the bottom
    INDEX_ROW_HEIGHT    = 28,   // one list row: a tool or a department heading
};

inline constexpr Box INDEX_TITLE_BOX    = { 26, 8, 600, 36 };   // 临床计算器目录, FONT_TITLE
inline constexpr Box INDEX_SUBTITLE_BOX = { 28, 44, 900, 22 };  // tool count and how to search, FONT_HEADER
inline constexpr wchar_t INDEX_TITLE[] = L"临床计算器目录";
inline constexpr wchar_t INDEX_SUBTITLE_FORMAT[] = L"共 %d 个工具  ·  按名称、编号、缩写或拼音首字母查找";

inline constexpr Box INDEX_SEARCH_LABEL_BOX = { 20, 88, 44, 22 };    // 查找, FONT_LABEL, right-aligned
inline constexpr Box INDEX_SEARCH_BOX       = { 72, 84, 360, 30 };   // the search edit box, FONT_INPUT
inline constexpr Box INDEX_KEYS_BOX         = { 448, 88, 772, 22 };  // the keys, FONT_SMALL
inline constexpr wchar_t INDEX_SEARCH_LABEL[] = L"查找";
inline constexpr wchar_t INDEX_KEYS_TEXT[] = L"↑↓ 选择    Enter 或双击 打开    Esc 清空查找";

// The list (a list box with a sunken edge) and, above it, the column headings. Column boxes are in
// the list's client coordinates, height INDEX_ROW_HEIGHT; the vertical scroll bar takes its right edge.
inline constexpr Box INDEX_LIST_BOX = { 20, 148, 1200, 15 * INDEX_ROW_HEIGHT + 4 };  // 15 whole rows and the edge
enum { INDEX_HEADINGS_Y = 124, INDEX_HEADINGS_HEIGHT = 22 };
struct IndexColumn { const wchar_t* heading; Box box; };
inline constexpr IndexColumn INDEX_NUMBER_COLUMN  = { L"编号", { 12, 0, 52, INDEX_ROW_HEIGHT } };   // FONT_LABEL
inline constexpr IndexColumn INDEX_NAME_COLUMN    = { L"名称", { 72, 0, 420, INDEX_ROW_HEIGHT } };  // FONT_INPUT
inline constexpr IndexColumn INDEX_PURPOSE_COLUMN = { L"用途", { 504, 0, 664, INDEX_ROW_HEIGHT } }; // FONT_LABEL
inline constexpr Box INDEX_DEPARTMENT_BOX = { 12, 0, 1100, INDEX_ROW_HEIGHT };  // a heading row, INDEX_FONT_GROUP

inline constexpr Box INDEX_STATUS_BOX = { 20, 596, 800, 32 };    // FONT_LABEL
inline constexpr Box INDEX_OPEN_BUTTON = { 1088, 592, 132, 40 };  // FONT_BUTTON, primary colours
inline constexpr wchar_t INDEX_OPEN_CAPTION[] = L"打开 (Enter)";

inline constexpr FontStyle INDEX_FONT_GROUP = { UI_FACE, -14, WEIGHT_BOLD };  // department heading rows

// The child controls of the main window, made from the tool definition, and the input rows they
// form. Exports controls_create, controls_focus_first, input_show_start, input_entry_read,
// input_focus, rows_scroll_to, rows_scroll_by and verdict_prompt.
#pragma once
#include "base/number_read.h"
#include "engine/input_values.h"
#include "engine/tool_def.h"

enum { INPUT_TEXT_CAP = INPUT_NUMBER_MAX_CHARS + 1 };  // an edit box is read up to 127 characters

// Creates every control (the input controls of the rows shown, or the no-input line for a tool without
// inputs, the rows' scroll bar when they scroll, verdict line, result box, note, reference line, five
// buttons; the rows' labels and units are painted) as children of
// app.main_window at the rectangles of app.client_height's layout, keeps the handles the commands
// need, and sets the start status text.
void controls_create();

// Gives the focus to the first input, or to the calculate button when the tool has no inputs, so
// Enter and F5 calculate from the start.
void controls_focus_first();

// Puts input i back in its start state: a number's default as the plain decimal that reads back as it
// (input_text_print), a date's default day
// or today's date as YYYY-MM-DD, the default option chosen, the box ticked as the default says; an
// empty box or no option chosen for an input that starts empty.
void input_show_start(int i);

// What input i's control holds: its text (read into text, INPUT_TEXT_CAP characters) for a number or a
// date, the chosen option's index (-1 for none) for a choice, 1 or 0 for a check box.
InputEntry input_entry_read(int i, wchar_t* text);

// Scrolls the rows so that input i shows, then gives its control the focus.
void input_focus(int i);

// Shows the rows from `first` on (kept within the rows there are); rows_scroll_by moves by `rows`.
// Nothing happens unless the rows scroll.
void rows_scroll_to(int first);
void rows_scroll_by(int rows);

// The verdict line's text before a calculation (at start and after a reset).
const wchar_t* verdict_prompt(const ToolDef* tool);

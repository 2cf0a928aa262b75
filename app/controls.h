// The child controls of the main window, made from the tool definition. Exports controls_create,
// controls_focus_first, input_edit_show_default and verdict_prompt.
#pragma once
#include "engine/tool_def.h"

// Creates every control (input rows, or the no-input line for a tool without inputs, verdict line,
// result box, note, reference line, five buttons) as children of app.main_window, keeps the handles
// the commands need, and sets the start status text.
void controls_create();

// Gives the focus to the first input box, or to the calculate button when the tool has no inputs, so
// Enter and F5 calculate from the start.
void controls_focus_first();

// Puts input field i's default value into its edit box, as the plain decimal that reads back as it
// (input_text_print).
void input_edit_show_default(int i);

// The verdict line's text before a calculation (at start and after a reset).
const wchar_t* verdict_prompt(const ToolDef* tool);

// The save command: appends the last result to the tool's CSV record file. Exports record_save.
#pragma once

// Reads the window state (active_tool, input_values, result_copy), writes status_text, repaints the
// main window and shows its own message boxes, including the hint when there is no result yet.
void record_save();

// The save command: appends the last result to the tool's CSV record file. Exports record_save.
#pragma once

// Reads the window state (active_tool, input_values, result_copy as the flag, copy_text as the result
// column), writes status_text, repaints the main window and shows its own message boxes, including the
// hint when there is no result yet; after inputs found implausible it only says so in the status line.
void record_save();

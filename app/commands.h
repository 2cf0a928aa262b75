// The commands behind the buttons and keys: calculate, copy, reset, about (save is record_save).
// Exports on_calculate, command_refused_for_invalid_inputs, command_copy, command_reset, command_about.
#pragma once

// Reads every input control; when all are accepted, computes, shows the result and the coloured
// verdict, builds the clipboard text and moves the focus to the main window. A refused input (not a
// number, not a date, nothing entered where the input starts empty) shows a warning naming the field,
// focuses its control and changes nothing else. When a rule finds the inputs implausible, the result
// box says what to correct and there is nothing to copy or save.
void on_calculate();

// After a calculation whose inputs were found implausible: sets the status line to `status` and
// returns true (copy and save then do nothing more). Otherwise returns false and changes nothing.
bool command_refused_for_invalid_inputs(const wchar_t* status);

// Puts the tool name and the last result on the clipboard; hint without a result, status line after.
void command_copy();

// Puts every input back in its start state, restores the start texts and forgets the last result.
void command_reset();

// Shows the tool's name, category, reference, disclaimer, version and web address.
void command_about();

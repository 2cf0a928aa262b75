// The commands behind the buttons and keys: calculate, copy, reset, about (save is record_save).
// Exports on_calculate, command_copy, command_reset, command_about.
#pragma once

// Reads every input box; when all are numbers, computes, shows the result and the coloured verdict,
// builds the clipboard text and moves the focus to the main window. An infinite or NaN input shows a
// warning naming the field, focuses its box and changes nothing else.
void on_calculate();

// Puts the tool name and the last result on the clipboard; hint without a result, status line after.
void command_copy();

// Restores the default inputs and the start texts, and forgets the last result.
void command_reset();

// Shows the tool's name, category, reference, disclaimer, version and web address.
void command_about();

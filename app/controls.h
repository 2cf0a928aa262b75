// The child controls of the main window, made from the tool definition. Exports controls_create,
// input_edit_show_default and VERDICT_PROMPT.
#pragma once

inline constexpr wchar_t VERDICT_PROMPT[] = L"填写左侧参数，点击“计算”";

// Creates every control (input rows, verdict line, result box, note, reference line, five buttons)
// as children of app.main_window, keeps the handles the commands need, and sets the start status text.
void controls_create();

// Puts input field i's default value, printed with "%.6g", into its edit box.
void input_edit_show_default(int i);

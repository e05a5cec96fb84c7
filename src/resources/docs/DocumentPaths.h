#pragma once
// Paths of the control-code documents compiled into the program (HTML, UTF-8).
extern const char kControlCodesEnglish[];
extern const char kControlCodesChinese[];

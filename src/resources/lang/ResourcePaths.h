#pragma once
// Paths of the resources compiled into the program.

// The language tables, UTF-8 text: "//" comment lines, and each key line followed by the
// line of its text. Both hold the same keys in the same order.
extern const char kEnglishLanguageTable[];
extern const char kChineseGbLanguageTable[];

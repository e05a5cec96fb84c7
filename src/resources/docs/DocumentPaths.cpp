#include "DocumentPaths.h"

const char kControlCodesEnglish[] = ":/docs/ControlCodes_en.html";
const char kControlCodesChinese[] = ":/docs/ControlCodes_zh.html";

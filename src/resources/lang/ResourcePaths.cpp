#include "ResourcePaths.h"

const char kEnglishLanguageTable[] = ":/lang/English.txt";
const char kChineseGbLanguageTable[] = ":/lang/ChineseGB.txt";

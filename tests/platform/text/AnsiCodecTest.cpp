#include "text/AnsiCodec.h"

#include <gtest/gtest.h>

TEST(AnsiCodec, PadsTruncatesAndReplacesUnmappable) {
  EXPECT_EQ(AnsiCodec::Padded("Main", 8, '\0'), std::string("Main\0\0\0\0", 8));
  EXPECT_EQ(AnsiCodec::Padded("Default Preset!", 14, ' '), "Default Preset");
  EXPECT_EQ(AnsiCodec::FromUnicode(QString::fromUtf8("a\xC3\xA9\xE4\xB8\xAD")), "a\xE9?");
  EXPECT_EQ(AnsiCodec::ToUnicode(std::string("\xE9x")), QString::fromUtf8("\xC3\xA9x"));
}

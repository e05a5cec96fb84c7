#include <gtest/gtest.h>

#include "HidErrors.h"

TEST(HidErrors, StatusTexts) {
  const struct {
    uint32_t status;
    const char* text;
  } cases[] = {
      {0x00110000u, ""},
      {0x80110001u, "HID Error: device not plugged in"},
      {0xC0110001u, "HID Error: invalid preparsed data"},
      {0xC0110009u, "HID Error: 8042 key translation impossible"},
      {0xC0110010u, "HID Error: report does not exist"},
      {0xC0110020u, "HID Error: not implemented"},
      {0xC0110011u, "HID Error: unknown HID error c0110011"},
      {0x40110000u, "HID Error: unknown HID error 40110000"},  // top bit clear, next bit set
      {0x00110005u, ""},                                      // neither top bit
      {0xC0120001u, ""},                                      // not the HID facility
  };
  for (const auto& c : cases) EXPECT_EQ(HidErrorString(c.status).toStdString(), c.text) << std::hex << c.status;
}

TEST(HidErrors, CheckRaisesOnlyForStatusesWithText) {
  EXPECT_EQ(HidCheck(0x00110000u), 0x00110000u);
  EXPECT_NO_THROW(HidError(0x00110005u));
  try {
    HidCheck(0xC0110004u);
    FAIL() << "no exception";
  } catch (const EHidClientError& e) {
    EXPECT_STREQ(e.what(), "HID Error: usage not found");
  }
}

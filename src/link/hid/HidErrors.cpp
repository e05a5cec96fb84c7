#include "HidErrors.h"

#include "HidApi.h"

QString HidErrorString(uint32_t status) {
  if (((status >> 16) & 0xFF) != 0x11 || (status & 0xC0000000u) == 0) return {};
  const char* text = nullptr;
  switch (status) {
    case 0x80110001u: text = "device not plugged in"; break;
    case 0xC0110001u: text = "invalid preparsed data"; break;
    case 0xC0110002u: text = "invalid report type"; break;
    case 0xC0110003u: text = "invalid report length"; break;
    case 0xC0110004u: text = "usage not found"; break;
    case 0xC0110005u: text = "value out of range"; break;
    case 0xC0110006u: text = "bad logical or physical values"; break;
    case 0xC0110007u: text = "buffer too small"; break;
    case 0xC0110008u: text = "internal error"; break;
    case 0xC0110009u: text = "8042 key translation impossible"; break;
    case 0xC011000Au: text = "incompatible report ID"; break;
    case 0xC011000Bu: text = "not a value array"; break;
    case 0xC011000Cu: text = "is a value array"; break;
    case 0xC011000Du: text = "data index not found"; break;
    case 0xC011000Eu: text = "data index out of range"; break;
    case 0xC011000Fu: text = "button not pressed"; break;
    case 0xC0110010u: text = "report does not exist"; break;
    case 0xC0110020u: text = "not implemented"; break;
    default: break;
  }
  if (text) return QStringLiteral("HID Error: ") + QString::fromLatin1(text);
  return QStringLiteral("HID Error: ") + QString::asprintf("unknown HID error %x", status);
}

void HidError(uint32_t status) {
  const QString text = HidErrorString(status);
  if (!text.isEmpty()) throw EHidClientError(text.toStdString());
}

uint32_t HidCheck(uint32_t status) {
  if (status != Q7K_HIDP_STATUS_SUCCESS) HidError(status);
  return status;
}

// The HID layer's exceptions and parser status texts.
#pragma once

#include <QString>
#include <cstdint>
#include <stdexcept>

class EControllerError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class EHidClientError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Empty unless bits 16 to 23 are 0x11 and one of the two top bits is set; then
// "HID Error: " and the status's own text.
QString HidErrorString(uint32_t status);
// Raises EHidClientError with the status's text when it has one.
void HidError(uint32_t status);
// HidError unless the status is success; returns the status.
uint32_t HidCheck(uint32_t status);

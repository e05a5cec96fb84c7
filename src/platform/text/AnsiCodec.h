#pragma once
// The 8-bit code page used wherever texts cross to and from the unit (preset names,
// channel names, passwords, the identity). One mapping for the whole program: Latin-1,
// with characters outside it sent as '?'.
#include <QString>
#include <cstdint>
#include <string>
#include <vector>

namespace AnsiCodec {

// Converts a text to 8-bit bytes.
std::string FromUnicode(const QString& text);

// Converts 8-bit bytes to a text (every byte is one character).
QString ToUnicode(const std::string& bytes);
QString ToUnicode(const std::uint8_t* bytes, std::size_t count);

// The first `width` bytes of `text`, padded with `pad` up to `width`.
std::string Padded(const QString& text, std::size_t width, char pad);

}  // namespace AnsiCodec

#include "AnsiCodec.h"

namespace AnsiCodec {

std::string FromUnicode(const QString& text) {
  std::string out;
  out.reserve(static_cast<std::size_t>(text.size()));
  for (QChar c : text) {
    const char16_t u = c.unicode();
    out.push_back(u <= 0xFF ? static_cast<char>(u) : '?');
  }
  return out;
}

QString ToUnicode(const std::uint8_t* bytes, std::size_t count) {
  QString out;
  out.reserve(static_cast<qsizetype>(count));
  for (std::size_t i = 0; i < count; ++i) out.append(QChar(static_cast<char16_t>(bytes[i])));
  return out;
}

QString ToUnicode(const std::string& bytes) {
  return ToUnicode(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
}

std::string Padded(const QString& text, std::size_t width, char pad) {
  std::string out = FromUnicode(text);
  out.resize(width, pad);
  return out;
}

}  // namespace AnsiCodec

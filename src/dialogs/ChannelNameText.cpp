#include "ChannelNameText.h"

#include "text/AnsiCodec.h"

#include <algorithm>

QByteArray ChannelNameRaw(std::span<const std::uint8_t, 8> bytes)
{
    const auto end = std::find(bytes.begin(), bytes.end(), std::uint8_t(0));
    return QByteArray(reinterpret_cast<const char*>(bytes.data()), int(end - bytes.begin()));
}

QString ChannelNameText(std::span<const std::uint8_t, 8> bytes)
{
    QByteArray raw = ChannelNameRaw(bytes);
    for (char& c : raw)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F)
            c = ' ';
    return AnsiCodec::ToUnicode(reinterpret_cast<const std::uint8_t*>(raw.constData()), std::size_t(raw.size()));
}

ChannelNameArray ChannelNameFromText(const QString& text)
{
    const std::string bytes = AnsiCodec::FromUnicode(text);
    ChannelNameArray name{};
    std::copy_n(bytes.begin(), std::min(bytes.size(), name.size()), name.begin());
    return name;
}

QString ChannelLabel(int ch) {
  return ch < 2 ? QStringLiteral("In") + QChar('A' + ch) : QStringLiteral("Out") + QString::number(ch - 1);
}

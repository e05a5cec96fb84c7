#pragma once
// Channel names as the unit holds them (8 bytes of 8-bit text, zero-padded, no terminator
// when all 8 are used) and as the window shows and takes them.
#include <QString>

#include <array>
#include <cstdint>
#include <span>

using ChannelNameArray = std::array<std::uint8_t, 8>;
// The most bytes a name holds (the longest text an edit takes).
constexpr int kChannelNameBytes = 8;
// The channels that have names: inputs InA and InB, then outputs Out1 to Out6.
constexpr int kNamedChannels = 8;

// A channel's fixed name: "InA", "InB", "Out1" to "Out6".
QString ChannelLabel(int ch);

// The name's text: the bytes up to the first zero, at most 8; carriage returns, line feeds
// and other control bytes from the unit show as blanks, so a label keeps one line.
QString ChannelNameText(std::span<const std::uint8_t, 8> bytes);

// A typed name in 8-bit text: its first 8 bytes, the rest zero.
ChannelNameArray ChannelNameFromText(const QString& text);

// The name's bytes up to the first zero (the raw text, as compared with a typed one).
QByteArray ChannelNameRaw(std::span<const std::uint8_t, 8> bytes);

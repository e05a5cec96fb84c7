#pragma once
// The common rule of the value boxes that take a typed number (delay, compressor and gate
// families): unit suffixes are stripped in any letter case, the text must be non-empty and
// made only of the family's characters, and the number is then read from its start. Each
// family keeps its own conversion, limits and grid; these are the shared steps, free of
// any window. Texts are the boxes' 8-bit strings.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace TypedEntry {

// Key codes of the entry: Enter applies the text; the End key puts the caret at the end.
inline constexpr unsigned short kEnterKey = 13;
inline constexpr unsigned short kEndKey = 0x23;

// The letter-case variants of a suffix, first letter fastest: "ms" gives "ms", "Ms", "mS",
// "MS"; "m" gives "m", "M". Characters that are not letters have one variant.
std::vector<std::string> CaseVariants(std::string_view suffix);

// For each variant in order, when the text holds it anywhere, the text loses as many
// characters from its end as the variant has (never more than it has).
std::string StripSuffixes(std::string text, const std::vector<std::string>& variants);

// True when the text is non-empty and each of its characters is one of `charset`.
bool IsInCharSet(std::string_view text, std::string_view charset);

// A family's suffix variants (in order) and character set.
struct Rule {
    std::vector<std::string> suffixes;
    std::string_view charset;
};

// Suffixes stripped, then the character set tested: the text to convert, or nothing when
// the entry is invalid.
std::optional<std::string> Clean(std::string text, const Rule& rule);

// The decimal number at the start of the text, as the C library reads one with "." as the
// point: leading blanks skipped, an optional sign, digits with at most one point; reading
// stops at the first character that cannot continue the number ("1,5" reads 1), and a text
// that holds no number reads 0. Always finite: numbers beyond the double range saturate.
double ReadDecimal(std::string_view text);

// The whole number at the start of the text (leading blanks, an optional sign, digits;
// reading stops at the first other character; no digits read 0), saturated to the 32-bit
// range instead of overflowing.
int ReadLeadingInt(std::string_view text);

// The text as a whole number and nothing else (optional leading blanks, an optional sign,
// then only digits, at least one) within the signed 32-bit range; nothing otherwise.
std::optional<int> ReadWholeNumber(std::string_view text);

// Binds a family's two handlers to a value box: the form's key-down handler (which acts on
// Enter only) and its exit handler.
template <class Box, class Form, class KeyDown, class Exit>
void Bind(Box& box, Form& form, KeyDown keyDown, Exit exit)
{
    box.OnKeyDown = [&form, keyDown](auto* sender, auto& key, auto shift) { (form.*keyDown)(sender, key, shift); };
    box.OnExit = [&form, exit](auto* sender) { (form.*exit)(sender); };
}

}  // namespace TypedEntry

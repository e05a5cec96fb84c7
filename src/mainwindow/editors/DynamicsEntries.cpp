#include "DynamicsEntries.h"

#include "TransferCurve.h"
#include "TypedEntry.h"

#include <algorithm>
#include <string>
#include <string_view>

namespace {

// The unit suffixes in the order they are looked for.
const std::vector<std::string> kDbSuffixes = {"dB", "DB", "db", "Db"};
const std::vector<std::string> kMsSuffixes = {"ms", "Ms", "mS", "MS"};

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The decimal number at the start of the text; nothing when the start holds no digit
// (blanks, a lone sign or point), which the plain reader would take as 0.
std::optional<double> LeadingNumber(std::string_view text)
{
    std::size_t i = text.find_first_not_of(' ');
    if (i != std::string_view::npos && (text[i] == '+' || text[i] == '-'))
        ++i;
    if (i < text.size() && text[i] == '.')
        ++i;
    if (i >= text.size() || !IsDigit(text[i]))
        return std::nullopt;
    return TypedEntry::ReadDecimal(text);
}

}  // namespace

std::optional<int> ParseRatioEntry(const QByteArray& typed)
{
    const std::optional<std::string> text =
        TypedEntry::Clean(typed.toStdString(), {kDbSuffixes, "0123456789:."});
    if (!text || *text == ":" || *text == "." || std::ranges::count(*text, '.') > 1 ||
        std::ranges::count(*text, ':') > 1)
        return std::nullopt;
    std::string read = *text;
    if (std::ranges::count(*text, ':') == 1) {
        if ((*text)[0] != '1')
            return std::nullopt;
        read = typed.mid(2).toStdString();
    }
    // The character after the point (or the first one) must be there: "1:" and "2." are not
    // ratios.
    const std::size_t point = read.find('.');
    if (point == std::string::npos ? read.empty() : point + 1 >= read.size())
        return std::nullopt;
    const std::optional<double> x = LeadingNumber(read);
    if (!x)
        return std::nullopt;
    for (int m = 0; m < kCompRatioCount; ++m)
        if (CompRatioTable[std::size_t(m)] >= *x)
            return m;
    return kCompRatioLimit;
}

std::optional<double> ParseLevelEntry(const QByteArray& typed, const char* chars, double lo, double hi)
{
    const std::optional<std::string> cleaned = TypedEntry::Clean(typed.toStdString(), {kDbSuffixes, chars});
    if (!cleaned || *cleaned == "-" || *cleaned == "." || std::ranges::count(*cleaned, '.') > 1 ||
        std::ranges::count(*cleaned, '-') > 1)
        return std::nullopt;
    std::string text = *cleaned;
    const std::size_t point = text.find('.');
    if (point != std::string::npos) {
        if (point + 1 >= text.size() || !IsDigit(text[point + 1]))
            return std::nullopt;
        const char d = text[point + 1];
        if (d >= '6') {
            text.resize(point + 2);
        } else if (d <= '4') {
            const std::optional<int> whole = TypedEntry::ReadWholeNumber(std::string_view(text).substr(0, point));
            if (!whole)
                return std::nullopt;
            text = std::to_string(*whole);
        }
    }
    const std::optional<double> x = LeadingNumber(text);
    if (!x)
        return std::nullopt;
    return std::clamp(*x, lo, hi);
}

std::optional<int> ParseTimeEntry(const QByteArray& typed, int faderMin, int faderMax)
{
    const std::optional<std::string> text = TypedEntry::Clean(typed.toStdString(), {kMsSuffixes, "0123456789., "});
    if (!text)
        return std::nullopt;
    // Blanks alone read as 0, which the limits raise to the shortest time.
    const long long n = TypedEntry::ReadLeadingInt(*text);
    return int(std::clamp<long long>(n, faderMin + 1LL, faderMax + 1LL));
}

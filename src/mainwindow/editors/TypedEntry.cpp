#include "TypedEntry.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <limits>

namespace TypedEntry {

std::vector<std::string> CaseVariants(std::string_view suffix)
{
    std::vector<int> letters;
    for (std::size_t i = 0; i < suffix.size(); ++i)
        if (std::isalpha(static_cast<unsigned char>(suffix[i])))
            letters.push_back(int(i));
    std::vector<std::string> variants;
    const unsigned count = letters.size() < 16 ? 1u << letters.size() : 1u;
    for (unsigned bits = 0; bits < count; ++bits) {
        std::string v(suffix);
        for (std::size_t k = 0; k < letters.size(); ++k) {
            auto& c = v[std::size_t(letters[k])];
            const auto u = static_cast<unsigned char>(c);
            c = char(((bits >> k) & 1u) ? std::toupper(u) : std::tolower(u));
        }
        variants.push_back(std::move(v));
    }
    return variants;
}

std::string StripSuffixes(std::string text, const std::vector<std::string>& variants)
{
    for (const std::string& v : variants)
        if (!v.empty() && text.find(v) != std::string::npos)
            text.resize(text.size() - std::min(text.size(), v.size()));
    return text;
}

bool IsInCharSet(std::string_view text, std::string_view charset)
{
    if (text.empty())
        return false;
    for (char c : text)
        if (charset.find(c) == std::string_view::npos)
            return false;
    return true;
}

std::optional<std::string> Clean(std::string text, const Rule& rule)
{
    text = StripSuffixes(std::move(text), rule.suffixes);
    if (!IsInCharSet(text, rule.charset))
        return std::nullopt;
    return text;
}

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Index after leading blanks, then sign (+1 / -1) and the index after it.
std::size_t SkipBlanksAndSign(std::string_view text, int& sign)
{
    std::size_t i = 0;
    while (i < text.size() && IsBlank(text[i]))
        ++i;
    sign = 1;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        sign = text[i] == '-' ? -1 : 1;
        ++i;
    }
    return i;
}

}  // namespace

double ReadDecimal(std::string_view text)
{
    int sign = 1;
    const std::size_t start = SkipBlanksAndSign(text, sign);
    std::size_t end = start;
    bool digits = false, point = false;
    while (end < text.size()) {
        const char c = text[end];
        if (IsDigit(c))
            digits = true;
        else if (c == '.' && !point)
            point = true;
        else
            break;
        ++end;
    }
    if (!digits)
        return 0.0;
    double value = 0.0;
    const auto [ptr, ec] = std::from_chars(text.data() + start, text.data() + end, value, std::chars_format::fixed);
    (void)ptr;
    if (ec == std::errc::result_out_of_range) {
        // Too large for a double (a long run of digits) or too small: saturate.
        const std::string_view number = text.substr(start, end - start);
        const std::string_view whole = number.substr(0, number.find('.'));
        value = whole.find_first_not_of('0') != std::string_view::npos ? std::numeric_limits<double>::max() : 0.0;
    } else if (ec != std::errc()) {
        value = 0.0;
    }
    if (!std::isfinite(value))
        value = std::numeric_limits<double>::max();
    return sign * value;
}

int ReadLeadingInt(std::string_view text)
{
    int sign = 1;
    std::size_t i = SkipBlanksAndSign(text, sign);
    long long value = 0;
    constexpr long long kLimit = 1LL + std::numeric_limits<int>::max();
    for (; i < text.size() && IsDigit(text[i]); ++i)
        value = std::min(kLimit, value * 10 + (text[i] - '0'));
    value *= sign;
    if (value > std::numeric_limits<int>::max())
        return std::numeric_limits<int>::max();
    if (value < std::numeric_limits<int>::min())
        return std::numeric_limits<int>::min();
    return int(value);
}

std::optional<int> ReadWholeNumber(std::string_view text)
{
    int sign = 1;
    std::size_t i = SkipBlanksAndSign(text, sign);
    if (i >= text.size())
        return std::nullopt;
    long long value = 0;
    for (; i < text.size(); ++i) {
        if (!IsDigit(text[i]))
            return std::nullopt;
        value = value * 10 + (text[i] - '0');
        if (value > 1LL + std::numeric_limits<int>::max())
            return std::nullopt;
    }
    value *= sign;
    if (value > std::numeric_limits<int>::max() || value < std::numeric_limits<int>::min())
        return std::nullopt;
    return int(value);
}

}  // namespace TypedEntry

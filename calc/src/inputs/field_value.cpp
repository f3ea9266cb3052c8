#include "kinetra/field_value.h"

#include "kinetra/calc_fault.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cstdint>
#include <string>
#include <system_error>

namespace kinetra {
namespace {

bool IsIgnored(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\n';
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// The text without blanks, tabs and line feeds. Characters outside ASCII end
// any number, so they are kept only as a stop mark.
std::string Cleaned(QStringView text)
{
    std::string cleaned;
    cleaned.reserve(static_cast<std::size_t>(text.size()));
    for (const QChar c : text) {
        if (IsIgnored(c)) {
            continue;
        }
        cleaned.push_back(c.unicode() < 0x80 ? static_cast<char>(c.unicode()) : '\x7f');
    }
    return cleaned;
}

[[noreturn]] void ThrowTooLarge()
{
    throw CalcFault(FaultKind::Overflow, QStringLiteral("El número es demasiado grande para calcular con él."));
}

// Converts the digits of a number whose value is known not to be 0.
// from_chars rounds correctly but reports overflow and underflow alike as
// out of range: `tooLarge` says which one it would be.
double ConvertOrThrow(const char* first, const char* last, std::chars_format format, bool tooLarge)
{
    double value = 0;
    const auto [end, error] = std::from_chars(first, last, value, format);
    static_cast<void>(end);
    if (error == std::errc::result_out_of_range) {
        if (tooLarge) {
            ThrowTooLarge();
        }
        return 0;
    }
    return value;
}

// "&H" hexadecimal and "&O" octal integers, never negative.
FieldReading RadixValue(const std::string& digitsText, int radix)
{
    std::string hex;
    if (radix == 16) {
        for (const char c : digitsText) {
            if (!std::isxdigit(static_cast<unsigned char>(c))) {
                break;
            }
            hex.push_back(c);
        }
    } else {
        // Octal digits are three bits each; regroup them as hexadecimal
        // digits so that from_chars rounds a long one correctly too.
        std::string bits;
        for (const char c : digitsText) {
            if (c < '0' || c > '7') {
                break;
            }
            const int d = c - '0';
            bits.push_back((d & 4) != 0 ? '1' : '0');
            bits.push_back((d & 2) != 0 ? '1' : '0');
            bits.push_back((d & 1) != 0 ? '1' : '0');
        }
        bits.insert(0, (4 - bits.size() % 4) % 4, '0');
        for (std::size_t i = 0; i < bits.size(); i += 4) {
            const int nibble =
                (bits[i] - '0') * 8 + (bits[i + 1] - '0') * 4 + (bits[i + 2] - '0') * 2 + (bits[i + 3] - '0');
            hex.push_back("0123456789abcdef"[nibble]);
        }
    }
    const std::size_t firstSignificant = hex.find_first_not_of('0');
    if (firstSignificant == std::string::npos) {
        return {0, !hex.empty()};
    }
    return {ConvertOrThrow(hex.data(), hex.data() + hex.size(), std::chars_format::hex, true), true};
}

// The number ends at `pos` unless an exponent follows: it counts only when
// digits follow its letter and sign; "D" is an old way of writing "E" that
// from_chars does not know, so it is written "e". Where the number ends, with
// the exponent added to `leadingExponent`.
std::size_t ReadExponent(std::string& s, std::size_t pos, std::int64_t& leadingExponent)
{
    if (!(pos < s.size() && (s[pos] == 'E' || s[pos] == 'e' || s[pos] == 'D' || s[pos] == 'd'))) {
        return pos;
    }
    std::size_t expPos = pos + 1;
    const bool expNegative = expPos < s.size() && s[expPos] == '-';
    if (expPos < s.size() && (s[expPos] == '+' || s[expPos] == '-')) {
        ++expPos;
    }
    if (!(expPos < s.size() && IsDigit(s[expPos]))) {
        return pos;
    }
    std::int64_t exponent = 0;
    for (; expPos < s.size() && IsDigit(s[expPos]); ++expPos) {
        // Saturate: anything past a million is out of range either way.
        exponent = std::min<std::int64_t>(exponent * 10 + (s[expPos] - '0'), 1'000'000);
    }
    leadingExponent += expNegative ? -exponent : exponent;
    s[pos] = 'e';
    return expPos;
}

FieldReading Read(QStringView text)
{
    std::string s = Cleaned(text);
    if (s.size() >= 2 && s[0] == '&') {
        if (s[1] == 'H' || s[1] == 'h') {
            return RadixValue(s.substr(2), 16);
        }
        if (s[1] == 'O' || s[1] == 'o') {
            return RadixValue(s.substr(2), 8);
        }
        return {};
    }

    std::size_t pos = 0;
    const bool negative = pos < s.size() && s[pos] == '-';
    if (pos < s.size() && (s[pos] == '+' || s[pos] == '-')) {
        ++pos;
    }
    const std::size_t start = pos;

    // Decimal exponent of the first significant digit, counting the digits
    // before the point; it tells an overflow from an underflow.
    std::int64_t leadingExponent = 0;
    bool anyDigit = false;
    bool significant = false;
    for (; pos < s.size() && IsDigit(s[pos]); ++pos) {
        anyDigit = true;
        significant = significant || s[pos] != '0';
        if (significant) {
            ++leadingExponent;
        }
    }
    if (pos < s.size() && s[pos] == '.') {
        for (++pos; pos < s.size() && IsDigit(s[pos]); ++pos) {
            anyDigit = true;
            if (!significant) {
                if (s[pos] == '0') {
                    --leadingExponent;
                } else {
                    significant = true;
                }
            }
        }
    }
    if (!anyDigit || !significant) {
        return {0, anyDigit};
    }
    const std::size_t end = ReadExponent(s, pos, leadingExponent);
    const double magnitude =
        ConvertOrThrow(s.data() + start, s.data() + end, std::chars_format::general, leadingExponent > 0);
    return {negative && magnitude != 0 ? -magnitude : magnitude, true};
}

} // namespace

double FieldValue(QStringView text)
{
    return Read(text).value;
}

std::optional<FieldReading> ReadField(QStringView text)
{
    try {
        return Read(text);
    } catch (const CalcFault&) {
        return std::nullopt;
    }
}

} // namespace kinetra

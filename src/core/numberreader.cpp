// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "numberreader.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <locale.h>
#include <stdlib.h>
#include <string>

namespace Quozzoli {

namespace {

// The decimal point is always the point, whatever the desktop's language:
// numbers are converted in the C locale, never in the user's.
#ifdef _WIN32
double toDouble(const std::string &number)
{
    static const _locale_t locale = _create_locale(LC_ALL, "C");
    return _strtod_l(number.c_str(), nullptr, locale);
}
#else
double toDouble(const std::string &number)
{
    static const locale_t locale = newlocale(LC_ALL_MASK, "C", locale_t(nullptr));
    return strtod_l(number.c_str(), nullptr, locale);
}
#endif

bool isSkipped(char c)
{
    return c == ' ' || c == '\t' || c == '\n';
}

// Walks the text, passing over the characters the reader ignores.
class Cursor
{
public:
    explicit Cursor(std::string_view text)
        : m_text(text)
    { }

    char peek()
    {
        skip();
        return m_pos < m_text.size() ? m_text[m_pos] : '\0';
    }
    void advance() { ++m_pos; }

private:
    void skip()
    {
        while (m_pos < m_text.size() && isSkipped(m_text[m_pos]))
            ++m_pos;
    }

    std::string_view m_text;
    std::size_t m_pos = 0;
};

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

int hexDigit(char c)
{
    if (isDigit(c))
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// "&H" and "&O" numbers: up to 16 bits they read as a signed 16-bit value,
// up to 32 bits as a signed 32-bit value, as the old BASIC readers did.
TypedNumber readRadix(Cursor &cursor, int radix)
{
    std::uint64_t value = 0;
    bool overflow = false;
    for (;;) {
        const char c = cursor.peek();
        const int digit = radix == 16 ? hexDigit(c) : (c >= '0' && c <= '7' ? c - '0' : -1);
        if (digit < 0)
            break;
        cursor.advance();
        if (value > (UINT64_C(0xFFFFFFFF) - std::uint64_t(digit)) / std::uint64_t(radix))
            overflow = true;
        else
            value = value * std::uint64_t(radix) + std::uint64_t(digit);
    }
    if (overflow)
        return {0.0, true};
    if (value <= 0xFFFF)
        return {double(std::int16_t(std::uint16_t(value))), false};
    return {double(std::int32_t(std::uint32_t(value))), false};
}

TypedNumber readDecimal(Cursor &cursor)
{
    std::string number;
    char c = cursor.peek();
    if (c == '+' || c == '-') {
        number += c;
        cursor.advance();
        c = cursor.peek();
    }
    bool anyDigit = false;
    while (isDigit(c)) {
        number += c;
        anyDigit = true;
        cursor.advance();
        c = cursor.peek();
    }
    if (c == '.') {
        number += '.';
        cursor.advance();
        c = cursor.peek();
        while (isDigit(c)) {
            number += c;
            anyDigit = true;
            cursor.advance();
            c = cursor.peek();
        }
    }
    if (!anyDigit)
        return {};
    if (c == 'e' || c == 'E' || c == 'd' || c == 'D') {
        cursor.advance();
        std::string exponent = "e";
        c = cursor.peek();
        if (c == '+' || c == '-') {
            exponent += c;
            cursor.advance();
            c = cursor.peek();
        }
        bool anyExponentDigit = false;
        while (isDigit(c)) {
            // Leading zeros of the exponent carry no weight: keep the text short.
            if (anyExponentDigit || c != '0')
                exponent += c;
            anyExponentDigit = true;
            cursor.advance();
            c = cursor.peek();
        }
        if (anyExponentDigit) {
            if (exponent.back() == 'e' || exponent.back() == '+' || exponent.back() == '-')
                exponent += '0';
            number += exponent;
        }
    }
    const double value = toDouble(number);
    if (!std::isfinite(value))
        return {0.0, true};
    return {value, false};
}

} // namespace

TypedNumber readTypedNumber(std::string_view text)
{
    Cursor cursor(text);
    if (cursor.peek() == '&') {
        cursor.advance();
        const char prefix = cursor.peek();
        if (prefix == 'h' || prefix == 'H') {
            cursor.advance();
            return readRadix(cursor, 16);
        }
        if (prefix == 'o' || prefix == 'O') {
            cursor.advance();
            return readRadix(cursor, 8);
        }
        return {};
    }
    return readDecimal(cursor);
}

bool typedNumberEquals(std::string_view text, long expected)
{
    const TypedNumber number = readTypedNumber(text);
    return !number.overflow && number.value == double(expected);
}

} // namespace Quozzoli

// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

// libFuzzer target for the reading of typed numbers (built by bench/fuzz with
// clang, AddressSanitizer and UndefinedBehaviorSanitizer).
//
// Besides crashes and undefined behaviour it checks what any reading must
// keep: blanks count nowhere, a character that can never continue a number
// changes nothing when appended, and the value is the one an independent,
// locale-free reading of the same text gives.
#include "numberreader.h"

#include <charconv>
#include <clocale>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

using Quozzoli::readTypedNumber;
using Quozzoli::TypedNumber;

namespace {

[[noreturn]] void fail(const char *what, std::string_view text)
{
    std::fprintf(stderr, "number reader: %s for \"", what);
    for (const char c : text)
        std::fprintf(stderr, (c >= 32 && c < 127) ? "%c" : "\\x%02x", (unsigned char)c);
    std::fprintf(stderr, "\"\n");
    std::abort();
}

bool same(const TypedNumber &a, const TypedNumber &b)
{
    return a.overflow == b.overflow && (a.overflow || a.value == b.value);
}

std::string withoutBlanks(std::string_view text)
{
    std::string kept;
    for (const char c : text) {
        if (c != ' ' && c != '\t' && c != '\n')
            kept += c;
    }
    return kept;
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// "&H" and "&O": 16-bit values wrap to negative, wider ones up to 32 bits too.
TypedNumber expectedRadix(std::string_view text, int radix)
{
    std::uint64_t value = 0;
    for (const char c : text) {
        int digit = -1;
        if (isDigit(c))
            digit = c - '0';
        else if (radix == 16 && c >= 'a' && c <= 'f')
            digit = c - 'a' + 10;
        else if (radix == 16 && c >= 'A' && c <= 'F')
            digit = c - 'A' + 10;
        if (digit < 0 || digit >= radix)
            break;
        value = value * std::uint64_t(radix) + std::uint64_t(digit);
        if (value > 0xFFFFFFFFu)
            return {0.0, true};
    }
    if (value <= 0xFFFF)
        return {double(std::int16_t(std::uint16_t(value))), false};
    return {double(std::int32_t(std::uint32_t(value))), false};
}

// The number at the start of a text that has no blanks, read with
// std::from_chars, which never looks at the locale.
bool expectedValue(std::string_view text, TypedNumber &expected)
{
    expected = {};
    if (text.size() >= 2 && text[0] == '&') {
        if (text[1] == 'h' || text[1] == 'H')
            expected = expectedRadix(text.substr(2), 16);
        else if (text[1] == 'o' || text[1] == 'O')
            expected = expectedRadix(text.substr(2), 8);
        return true;
    }
    std::size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        negative = text[i++] == '-';
    std::string number;
    while (i < text.size() && isDigit(text[i]))
        number += text[i++];
    std::string fraction;
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && isDigit(text[i]))
            fraction += text[i++];
    }
    if (number.empty() && fraction.empty())
        return true;
    number = (number.empty() ? "0" : number) + (fraction.empty() ? "" : "." + fraction);
    bool negativeExponent = false;
    if (i < text.size() && std::string_view("eEdD").find(text[i]) != std::string_view::npos) {
        std::size_t j = i + 1;
        std::string exponent;
        if (j < text.size() && (text[j] == '+' || text[j] == '-'))
            negativeExponent = text[j++] == '-';
        while (j < text.size() && isDigit(text[j]))
            exponent += text[j++];
        if (!exponent.empty())
            number += (negativeExponent ? "e-" : "e") + exponent;
    }
    double value = 0.0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    if (error == std::errc::result_out_of_range) {
        // Far below the smallest double: rounding to 0 or to the smallest
        // subnormal both stand; there is nothing to compare.
        if (negativeExponent)
            return false;
        expected = {0.0, true};
        return true;
    }
    if (error != std::errc() || end != number.data() + number.size())
        fail("the reference reading failed", text);
    expected = {negative ? -value : value, false};
    return true;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    // The program runs under the user's locale: FUZZ_LOCALE checks one.
    if (const char *locale = std::getenv("FUZZ_LOCALE")) {
        if (!std::setlocale(LC_ALL, locale)) {
            std::fprintf(stderr, "number reader: no locale %s\n", locale);
            std::exit(1);
        }
    }
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char *>(data), size);
    const TypedNumber read = readTypedNumber(text);
    if (read.overflow ? read.value != 0.0 : !(read.value - read.value == 0.0))
        fail("a value that is not a finite number", text);

    const std::string bare = withoutBlanks(text);
    if (!same(read, readTypedNumber(bare)))
        fail("blanks changed the value", text);
    if (!same(read, readTypedNumber(std::string(text) + "#")))
        fail("a character after the number changed the value", text);

    TypedNumber expected;
    if (expectedValue(bare, expected) && !same(read, expected))
        fail("a value other than the reference reading", text);

    if (!read.overflow && read.value >= -1.0e9 && read.value <= 1.0e9
        && read.value == double(long(read.value))
        && !Quozzoli::typedNumberEquals(text, long(read.value)))
        fail("a whole number that does not equal itself", text);
    return 0;
}

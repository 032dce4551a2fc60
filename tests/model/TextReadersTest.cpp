// Tests of the text readers: what each takes, what it gives, and that a
// refusal leaves the caller's value alone.

// model
#include "model/TextReaders.h"

// std
#include <gtest/gtest.h>
#include <cstdint>
#include <string>

namespace
{
template <typename T> struct Case
{
    const char* text;
    bool ok;
    T value;
};

// Runs reader over every case; a refused text must leave the sentinel in place.
template <typename T, typename Reader>
void CheckCases(const Case<T>* begin, const Case<T>* end, Reader reader, T sentinel)
{
    for (const Case<T>* c = begin; c != end; ++c)
    {
        T value = sentinel;
        EXPECT_EQ(reader(c->text, value), c->ok) << '"' << c->text << '"';
        EXPECT_EQ(value, c->ok ? c->value : sentinel) << '"' << c->text << '"';
    }
}

template <typename T, std::size_t N, typename Reader>
void CheckCases(const Case<T> (&cases)[N], Reader reader, T sentinel)
{
    CheckCases(cases, cases + N, reader, sentinel);
}

TEST(TextReaders, DecimalReadsTheLeadingNumberLikeAtof)
{
    const Case<double> cases[] = {
        {"150.005", true, 150.005}, {"  -12.5", true, -12.5}, {"+7", true, 7.0},
        {".5", true, 0.5},          {"5.", true, 5.0},        {"12.5 MHz", true, 12.5},
        {"1e5", true, 1.0},                             // no exponents: the e ends the number
        {"0x10", true, 0.0},        {"3,5", true, 3.0}, // the locale's comma is not a decimal point
        {"", false, 0.0},           {"   ", false, 0.0},      {"abc", false, 0.0},
        {"-", false, 0.0},          {"+-5", false, 0.0},      {".", false, 0.0},
        {"inf", false, 0.0},        {"nan", false, 0.0},      {"-infinity", false, 0.0},
    };
    CheckCases(
        cases, [](const char* t, double& v) { return ReadDecimal(t, v); }, -99.0);

    double value = -99.0;
    EXPECT_FALSE(ReadDecimal(std::string(400, '9'), value)); // beyond a double
    EXPECT_EQ(value, -99.0);
}

TEST(TextReaders, IntegerTakesOnlyAWholeNumberInRange)
{
    const Case<int> cases[] = {
        {"8", true, 8},
        {" 8 ", true, 8},
        {"-3", true, -3},
        {"+3", true, 3},
        {"2147483647", true, 2147483647},
        {"-2147483648", true, -2147483647 - 1},
        {"2147483648", false, 0},
        {"-2147483649", false, 0},
        {"99999999999999999999999", false, 0},
        {"8x", false, 0},
        {"8 8", false, 0},
        {"", false, 0},
        {"-", false, 0},
        {"--1", false, 0},
        {"0x10", false, 0},
    };
    CheckCases(
        cases, [](const char* t, int& v) { return ReadInteger(t, v); }, -77);
}

TEST(TextReaders, UnsignedRefusesSignsAndOverflow)
{
    const Case<unsigned> cases[] = {
        {"2024", true, 2024},     {" 07 ", true, 7},
        {"+5", true, 5},          {"4294967295", true, 4294967295u},
        {"4294967296", false, 0}, {"-1", false, 0},
        {"-0", false, 0},         {"", false, 0},
        {"1.5", false, 0},        {"12a", false, 0},
    };
    CheckCases(
        cases, [](const char* t, unsigned& v) { return ReadUnsigned(t, v); }, 77u);
}

TEST(TextReaders, LeadingHexadecimalFollowsStrtolInBase16)
{
    const Case<std::int64_t> cases[] = {
        {"0", true, 0},
        {"123", true, 0x123},
        {"12G", true, 0x12},
        {"  ffff", true, 0xFFFF},
        {"0x1f", true, 0x1F},
        {"0X1F", true, 0x1F},
        {"0x", true, 0}, // the 0 is the number, x ends it
        {"0xG", true, 0},
        {"-5", true, -5},
        {"+10", true, 0x10},
        {"10000", true, 0x10000},
        {"FFFFFFFFFF", true, 0x7FFFFFFF},
        {"-FFFFFFFFFF", true, -0x80000000LL},
        {"80000000", true, 0x7FFFFFFF},
        {"-80000000", true, -0x80000000LL},
        {"G12", false, 0},
        {"", false, 0},
        {"-", false, 0},
        {"x1", false, 0},
    };
    CheckCases(
        cases, [](const char* t, std::int64_t& v) { return ReadHexLeading(t, v); },
        std::int64_t{-99});
}

TEST(TextReaders, StrictHexadecimalIsDigitsAndNothingElse)
{
    const Case<std::uint32_t> cases[] = {
        {"0", true, 0},
        {"ff", true, 0xFF},
        {"C0dE", true, 0xC0DE},
        {"FFFFFFFF", true, 0xFFFFFFFF},
        {"0000000040", true, 0x40}, // leading zeros do not count against 32 bits
        {"100000000", false, 0},
        {"", false, 0},
        {"0x40", false, 0},
        {" 40", false, 0},
        {"40 ", false, 0},
        {"-1", false, 0},
        {"4G", false, 0},
    };
    CheckCases(
        cases, [](const char* t, std::uint32_t& v) { return ReadHex(t, v); },
        std::uint32_t{0xDEAD});
}

TEST(TextReaders, HexDigitCoversBothCasesOnly)
{
    const struct
    {
        char c;
        bool ok;
        int value;
    } cases[] = {{'0', true, 0},  {'9', true, 9},  {'a', true, 10}, {'F', true, 15},
                 {'f', true, 15}, {'G', false, 0}, {'g', false, 0}, {'/', false, 0},
                 {':', false, 0}, {'@', false, 0}, {' ', false, 0}};
    for (const auto& c : cases)
    {
        int value = -1;
        EXPECT_EQ(ReadHexDigit(c.c, value), c.ok) << c.c;
        EXPECT_EQ(value, c.ok ? c.value : -1) << c.c;
    }
}

TEST(TextReaders, DcsCodeIsASignedOctalCodeFromTheList)
{
    const Case<int> cases[] = {
        {"23", true, 19},    {"023", true, 19},
        {"-023", true, -19}, {"-23", true, -19},
        {"754", true, 492},  {"-754", true, -492},
        {"00023", true, 19}, {"24", false, 0}, // octal, but not a code
        {"0", false, 0},     {"-000", false, 0},
        {"-", false, 0},     {"", false, 0},
        {"8", false, 0},     {"28", false, 0}, // 8 is no octal digit
        {"--23", false, 0},  {"+23", false, 0},
        {"23-", false, 0},   {"2-3", false, 0},
        {" 23", false, 0},   {"23 ", false, 0},
        {"7540", false, 0},  {"777777777777777777777", false, 0},
    };
    CheckCases(
        cases, [](const char* t, int& v) { return ReadDcsCode(t, v); }, 999);
}

TEST(TextReaders, FrequencyHasAtMostFiveDecimals)
{
    const Case<double> cases[] = {
        {"150.005", true, 150.005},
        {"851.0125", true, 851.0125},
        {"136.00500", true, 136.005},
        {" 160 ", true, 160.0},
        {"0", true, 0.0},
        {"0.00000", true, 0.0},
        {".5", true, 0.5},
        {"5.", true, 5.0},
        {"150.0050000", true, 150.005}, // zeros past the fifth decimal change nothing
        {"150.000001", false, 0.0},
        {"150.123456", false, 0.0},
        {"", false, 0.0},
        {".", false, 0.0},
        {"-150", false, 0.0},
        {"+150", false, 0.0},
        {"1e2", false, 0.0},
        {"150.0.0", false, 0.0},
        {"150 MHz", false, 0.0},
        {"1 50", false, 0.0},
        {"inf", false, 0.0},
        {"nan", false, 0.0},
    };
    CheckCases(
        cases, [](const char* t, double& v) { return ReadFrequency(t, v); }, -1.0);
}

TEST(TextReaders, AFrequencyRefusedSaysWhy)
{
    using Fault = FrequencyTextFault;
    const std::pair<const char*, Fault> cases[] = {
        {"150.005", Fault::None},     {" +150.005", Fault::Sign},
        {"-0", Fault::Sign},          {"150.0050001", Fault::Decimals},
        {".000001", Fault::Decimals}, {"+150.0050001", Fault::Sign},
        {"+x", Fault::NotANumber},    {"150.0.1", Fault::NotANumber},
        {"1e3", Fault::NotANumber},   {"", Fault::NotANumber},
    };
    for (const auto& [text, fault] : cases)
    {
        EXPECT_EQ(FrequencyFaultOf(text), fault) << text;
    }
}

TEST(TextReaders, HexNibbleRefusesFBecauseItReadsBackBlank)
{
    const struct
    {
        char c;
        bool ok;
        int nibble;
    } cases[] = {{'0', true, 0},  {'9', true, 9},   {'A', true, 10}, {'e', true, 14},
                 {' ', true, 15}, {'F', false, 0},  {'f', false, 0}, {'G', false, 0},
                 {'-', false, 0}, {'\0', false, 0}, {'#', false, 0}};
    for (const auto& c : cases)
    {
        int nibble = -1;
        EXPECT_EQ(ReadHexNibble(c.c, nibble), c.ok) << static_cast<int>(c.c);
        EXPECT_EQ(nibble, c.ok ? c.nibble : -1) << static_cast<int>(c.c);
    }
}

TEST(TextReaders, HexNibbleTextComesBackUpperCase)
{
    const Case<std::string> cases[] = {
        {"12ab cde", true, "12AB CDE"},
        {"", true, ""},
        {"    ", true, "    "},
        {"00000000", true, "00000000"},
        {"12F4", false, ""},
        {"12f4", false, ""},
        {"12-4", false, ""},
    };
    CheckCases(
        cases, [](const char* t, std::string& v) { return ReadHexNibbleText(t, v); },
        std::string("kept"));
}

TEST(TextReaders, DtmfNibbleCoversDigitsHashStarAndBlank)
{
    const struct
    {
        char c;
        bool ok;
        int nibble;
    } cases[] = {{'0', true, 0},  {'9', true, 9},  {'#', true, 10},
                 {'*', true, 11}, {' ', true, 15}, {'A', false, 0},
                 {'D', false, 0}, {'+', false, 0}, {'\0', false, 0}};
    for (const auto& c : cases)
    {
        int nibble = -1;
        EXPECT_EQ(ReadDtmfNibble(c.c, nibble), c.ok) << static_cast<int>(c.c);
        EXPECT_EQ(nibble, c.ok ? c.nibble : -1) << static_cast<int>(c.c);
    }
}
} // namespace

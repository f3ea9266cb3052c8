#include "kinetra/calc_fault.h"
#include "kinetra/field_value.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace kinetra {
namespace {

struct FieldCase {
    const char* name;
    QString text;
    double expected;
};

class FieldValueReads : public ::testing::TestWithParam<FieldCase> {};

TEST_P(FieldValueReads, TheLeadingNumber)
{
    const FieldCase& c = GetParam();
    const double value = FieldValue(c.text);
    EXPECT_EQ(value, c.expected) << "text: \"" << c.text.toStdString() << '"';
    EXPECT_FALSE(std::signbit(value) && value == 0) << "a zero reads as +0";
}

const std::string k400Digits = std::string(400, '7');

INSTANTIATE_TEST_SUITE_P(
    Texts, FieldValueReads,
    ::testing::Values(
        FieldCase{"Empty", "", 0}, FieldCase{"Blank", " ", 0}, FieldCase{"Plain", "1.06", 1.06},
        FieldCase{"DecimalCommaStops", "0,9", 0}, FieldCase{"TextAfterNumber", "12abc", 12},
        FieldCase{"UnitAfterNumber", "0.33 m2", 0.33}, FieldCase{"LeadingBlanks", "   195", 195},
        FieldCase{"BlanksTabsLineFeedsInside", " 1 2\t.\n5 ", 12.5}, FieldCase{"CarriageReturnStops", "1\r2", 1},
        FieldCase{"Negative", "-3.5", -3.5}, FieldCase{"ExplicitPlus", "+4", 4}, FieldCase{"SignThenBlank", "- 7", -7},
        FieldCase{"DoubleSignStops", "+-1", 0}, FieldCase{"LoneMinus", "-", 0}, FieldCase{"LonePoint", ".", 0},
        FieldCase{"SignPoint", "+.", 0}, FieldCase{"PointFirst", ".5", 0.5}, FieldCase{"PointLast", "5.", 5},
        FieldCase{"SecondPointStops", "1.2.3", 1.2}, FieldCase{"ExponentE", "1.5e3", 1500},
        FieldCase{"ExponentD", "1D2", 100}, FieldCase{"ExponentLowerD", "25d-1", 2.5},
        FieldCase{"ExponentNegative", "-2E-2", -0.02}, FieldCase{"ExponentWithoutDigits", "1e", 1},
        FieldCase{"ExponentSignWithoutDigits", "7e+", 7}, FieldCase{"ExponentBlanksInside", "1 e 2", 100},
        FieldCase{"CorrectlyRoundedTenth", "0.1", 0.1},
        FieldCase{"CorrectlyRoundedHalfway", "9007199254740993", 9007199254740992.0},
        FieldCase{"SmallestNormal", "2.2250738585072014e-308", 2.2250738585072014e-308},
        FieldCase{"ManyDigits", QString::fromStdString("0." + k400Digits), 0.7777777777777778},
        FieldCase{"Underflow", "1e-400", 0}, FieldCase{"NegativeUnderflow", "-1e-400", 0},
        FieldCase{"HugeNegativeExponent", "5e-99999999999999999999", 0},
        FieldCase{"ZeroWithHugeExponent", "0e99999", 0}, FieldCase{"ZeroesThenDigits", "000.000250", 0.00025},
        FieldCase{"NanIsNotANumber", "NaN", 0}, FieldCase{"InfIsNotANumber", "inf", 0},
        FieldCase{"Hexadecimal", "&HFF", 255}, FieldCase{"HexadecimalLower", "&hff", 255},
        FieldCase{"HexadecimalEmpty", "&H", 0},
        FieldCase{"HexadecimalLong", "&HFFFFFFFFFFFFFFFFFFFF", 1208925819614629174706176.0},
        FieldCase{"HexadecimalStopsAtPoint", "&H1A.8", 26}, FieldCase{"Octal", "&O17", 15},
        FieldCase{"OctalWithAZero", "&O70", 56}, FieldCase{"OctalOneDigit", "&O7", 7},
        FieldCase{"FractionThenExponentD", "2.5D2", 250}, FieldCase{"OctalBadDigit", "&O99", 0},
        FieldCase{"OctalLong", "&O7777777777777777777777", 73786976294838206464.0}, FieldCase{"AmpersandAlone", "&", 0},
        FieldCase{"AmpersandOther", "&X12", 0}, FieldCase{"FullWidthDigitsAreNotDigits", QStringLiteral("１２"), 0},
        FieldCase{"EuroSignStops", QStringLiteral("12€"), 12},
        FieldCase{"NonBreakingSpaceStops", QStringLiteral("1\u00a02"), 1}),
    [](const ::testing::TestParamInfo<FieldCase>& info) { return std::string(info.param.name); });

struct OverflowCase {
    const char* name;
    QString text;
};

class FieldValueOverflows : public ::testing::TestWithParam<OverflowCase> {};

TEST_P(FieldValueOverflows, WithAnOverflowFault)
{
    try {
        FieldValue(GetParam().text);
        FAIL() << "no fault for " << GetParam().text.toStdString();
    } catch (const CalcFault& fault) {
        EXPECT_EQ(fault.kind(), FaultKind::Overflow);
        EXPECT_TRUE(fault.message().contains(QStringLiteral("demasiado grande")));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, FieldValueOverflows,
    ::testing::Values(OverflowCase{"JustPastTheLargestDouble", QStringLiteral("1e309")},
                      OverflowCase{"NegativeJustPastTheLargest", QStringLiteral("-1e309")},
                      OverflowCase{"AboveTheLargestDouble", QStringLiteral("1.8e308")},
                      OverflowCase{"TwentyDigitExponent", QStringLiteral("1e99999999999999999999")},
                      OverflowCase{"FourHundredZeroes", QString(QStringLiteral("1")) + QString(400, QLatin1Char('0'))},
                      OverflowCase{"LongHexadecimal", QStringLiteral("&H") + QString(300, QLatin1Char('F'))},
                      OverflowCase{"LongOctal", QStringLiteral("&O") + QString(400, QLatin1Char('7'))}),
    [](const ::testing::TestParamInfo<OverflowCase>& info) { return std::string(info.param.name); });

TEST(FieldValueLimits, LargestDoubleStillReads)
{
    EXPECT_EQ(FieldValue(QStringLiteral("1.7976931348623157e308")), 1.7976931348623157e308);
}

TEST(FieldValueLimits, AHundredThousandCharacterTextReadsItsLeadingNumber)
{
    EXPECT_EQ(FieldValue(QStringLiteral("42") + QString(100000, QLatin1Char('x'))), 42);
    EXPECT_EQ(FieldValue(QString(100000, QLatin1Char(' ')) + QStringLiteral("3")), 3);
}

} // namespace
} // namespace kinetra

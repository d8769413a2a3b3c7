#include "storage/shortstring.h"

#include <gtest/gtest.h>

#include <QStringDecoder>

#include <array>
#include <cstring>

using namespace tolvane;
using namespace Qt::StringLiterals;

namespace {

constexpr int kCapacity = 30;
using Field = std::array<std::uint8_t, kCapacity + 1>;

Field filled(std::uint8_t byte)
{
    Field f;
    f.fill(byte);
    return f;
}

} // namespace

TEST(ShortString, DecodesTheLengthPrefixedText)
{
    Field f = filled(0xAA);
    f[0] = 5;
    std::memcpy(f.data() + 1, "Apple", 5);
    EXPECT_EQ(decodeShortString(f.data(), kCapacity), u"Apple"_s);

    const std::uint8_t accented[] = {6, 'C', 'a', 'f', 0xE9, ' ', 0x80};
    std::memcpy(f.data(), accented, sizeof accented);
    EXPECT_EQ(decodeShortString(f.data(), kCapacity), u"Caf\u00E9 \u20AC"_s);

    f[0] = 0;
    EXPECT_TRUE(decodeShortString(f.data(), kCapacity).isEmpty());
}

TEST(ShortString, LengthAboveCapacityReadsAsCapacity)
{
    // The field sits in a larger buffer whose bytes after the field are 'Z'.
    std::array<std::uint8_t, 64> buffer;
    buffer.fill('Z');
    buffer[0] = 40;
    for (int i = 1; i <= kCapacity; ++i)
        buffer[i] = 'a';
    const QString text = decodeShortString(buffer.data(), kCapacity);
    EXPECT_EQ(text.size(), kCapacity);
    EXPECT_EQ(text, QString(kCapacity, u'a'));

    buffer[0] = 255;
    EXPECT_EQ(decodeShortString(buffer.data(), 3), u"aaa"_s);
}

TEST(ShortString, EveryByteDecodesAndEncodesBack)
{
    // All 256 byte values, including the five the code page leaves undefined.
    for (int b = 0; b < 256; ++b) {
        Field f = filled(0);
        f[0] = 1;
        f[1] = static_cast<std::uint8_t>(b);
        const QString text = decodeShortString(f.data(), kCapacity);
        ASSERT_EQ(text.size(), 1) << b;
        Field g = filled(0);
        ASSERT_EQ(encodeShortString(text, g.data(), kCapacity), EncodeResult::Ok) << b;
        EXPECT_EQ(g[1], b);
    }
}

TEST(ShortString, AgreesWithTheSystemCodec)
{
    QStringDecoder decoder("windows-1252");
    if (!decoder.isValid())
        GTEST_SKIP() << "no windows-1252 codec in this Qt build";
    for (int b = 0; b < 256; ++b) {
        const char byte = static_cast<char>(b);
        const QString expected = decoder.decode(QByteArrayView(&byte, 1));
        const std::uint8_t field[2] = {1, static_cast<std::uint8_t>(b)};
        EXPECT_EQ(decodeShortString(field, 1), expected) << "byte " << b;
    }
}

TEST(ShortString, PinsTheEuroSignAndTheCurlyDoubleQuotes)
{
    // Fixed points of the code page, so that two characters swapped in both
    // directions fail here even where no system codec checks the table.
    const std::uint8_t field[4] = {3, 0x80, 0x93, 0x94};
    EXPECT_EQ(decodeShortString(field, 3), u"\u20AC\u201C\u201D"_s);
    Field f = filled(0);
    ASSERT_EQ(encodeShortString(u"\u201D\u20AC\u201C"_s, f.data(), kCapacity), EncodeResult::Ok);
    EXPECT_EQ(f[0], 3);
    EXPECT_EQ(f[1], 0x94);
    EXPECT_EQ(f[2], 0x80);
    EXPECT_EQ(f[3], 0x93);
}

TEST(ShortString, EncodesAccentsAndTheEuroSign)
{
    Field f = filled(0x55);
    ASSERT_EQ(encodeShortString(u"\u00E9\u20AC"_s, f.data(), kCapacity), EncodeResult::Ok);
    EXPECT_EQ(f[0], 2);
    EXPECT_EQ(f[1], 0xE9);
    EXPECT_EQ(f[2], 0x80);
    EXPECT_EQ(decodeShortString(f.data(), kCapacity), u"\u00E9\u20AC"_s);

    const QString mixed = u"Cr\u00E8me br\u00FBl\u00E9e \u2013 \u201Cbest\u201D \u0152uf"_s;
    ASSERT_EQ(encodeShortString(mixed, f.data(), kCapacity), EncodeResult::Ok);
    EXPECT_EQ(decodeShortString(f.data(), kCapacity), mixed);
}

TEST(ShortString, LeavesBytesAfterTheTextUntouched)
{
    Field f = filled(0x77);
    ASSERT_EQ(encodeShortString(u"Tea"_s, f.data(), kCapacity), EncodeResult::Ok);
    EXPECT_EQ(f[0], 3);
    EXPECT_EQ(f[1], 'T');
    EXPECT_EQ(f[3], 'a');
    for (int i = 4; i <= kCapacity; ++i)
        EXPECT_EQ(f[i], 0x77) << i;

    ASSERT_EQ(encodeShortString(QString(), f.data(), kCapacity), EncodeResult::Ok);
    EXPECT_EQ(f[0], 0);
    EXPECT_EQ(f[1], 'T');
}

TEST(ShortString, RefusesWhatDoesNotFitWithoutWriting)
{
    const Field before = filled(0x33);

    Field f = before;
    EXPECT_EQ(encodeShortString(QString(31, u'x'), f.data(), kCapacity), EncodeResult::TooLong);
    EXPECT_EQ(f, before);
    EXPECT_EQ(encodeShortString(QString(30, u'x'), f.data(), kCapacity), EncodeResult::Ok);
    EXPECT_EQ(f[0], 30);

    f = before;
    EXPECT_EQ(encodeShortString(u"Rice \u7C73"_s, f.data(), kCapacity), EncodeResult::NotRepresentable);
    EXPECT_EQ(f, before);
    // A character outside the basic plane (two UTF-16 units).
    EXPECT_EQ(encodeShortString(u"Pie \U0001F967"_s, f.data(), kCapacity), EncodeResult::NotRepresentable);
    EXPECT_EQ(f, before);
}

TEST(ShortString, Windows1252Check)
{
    EXPECT_TRUE(isWindows1252(QString()));
    EXPECT_TRUE(isWindows1252(u"Jalape\u00F1o \u00BD cup \u2122"_s));
    EXPECT_TRUE(isWindows1252(u"\u0081\u008D\u008F\u0090\u009D"_s));  // the undefined bytes
    EXPECT_FALSE(isWindows1252(u"\u0080"_s));  // 0x80 is the euro sign, not this control
    EXPECT_FALSE(isWindows1252(u"\u009F"_s));
    EXPECT_FALSE(isWindows1252(u"\u0100"_s));
    EXPECT_FALSE(isWindows1252(u"\u20AD"_s));
    EXPECT_FALSE(isWindows1252(u"\u7C73"_s));
}

#include "storage/shortstring.h"

#include <array>

namespace tolvane {

namespace {

// Windows-1252 differs from Latin-1 only in 0x80..0x9F. The five bytes the code
// page leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) read as the C1 control
// of the same number, as the system codecs do, so that every byte of a file
// decodes to a character and encodes back to the same byte.
constexpr std::array<char16_t, 32> kHighControls = {
    u'\u20AC', u'\u0081', u'\u201A', u'\u0192', u'\u201E', u'\u2026', u'\u2020', u'\u2021',
    u'\u02C6', u'\u2030', u'\u0160', u'\u2039', u'\u0152', u'\u008D', u'\u017D', u'\u008F',
    u'\u0090', u'\u2018', u'\u2019', u'\u201C', u'\u201D', u'\u2022', u'\u2013', u'\u2014',
    u'\u02DC', u'\u2122', u'\u0161', u'\u203A', u'\u0153', u'\u009D', u'\u017E', u'\u0178',
};

QChar decodeByte(std::uint8_t byte)
{
    if (byte >= 0x80 && byte < 0xA0)
        return QChar(kHighControls[byte - 0x80]);
    return QChar(static_cast<char16_t>(byte));
}

// The byte of a character, or -1 when Windows-1252 has none.
int encodeChar(QChar c)
{
    const char16_t u = c.unicode();
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF))
        return u;
    if (u < 0xA0) {
        // C1 controls: only the five undefined bytes map back to themselves.
        return kHighControls[u - 0x80] == u ? u : -1;
    }
    for (std::size_t i = 0; i < kHighControls.size(); ++i) {
        if (kHighControls[i] == u)
            return static_cast<int>(0x80 + i);
    }
    return -1;
}

} // namespace

QString decodeShortString(const std::uint8_t* field, int capacity)
{
    if (capacity <= 0)
        return {};
    const int length = field[0] > capacity ? capacity : field[0];
    QString text(length, Qt::Uninitialized);
    QChar* out = text.data();
    for (int i = 0; i < length; ++i)
        out[i] = decodeByte(field[1 + i]);
    return text;
}

EncodeResult encodeShortString(const QString& text, std::uint8_t* field, int capacity)
{
    // Every character Windows-1252 can hold is a single UTF-16 unit, so the
    // length in units is the length in bytes for any text that passes below.
    if (text.size() > capacity || text.size() > 255)
        return EncodeResult::TooLong;
    if (!isWindows1252(text))
        return EncodeResult::NotRepresentable;
    field[0] = static_cast<std::uint8_t>(text.size());
    for (qsizetype i = 0; i < text.size(); ++i)
        field[1 + i] = static_cast<std::uint8_t>(encodeChar(text[i]));
    return EncodeResult::Ok;
}

QString decodeWindows1252(const std::uint8_t* bytes, qsizetype length)
{
    QString text(length, Qt::Uninitialized);
    QChar* out = text.data();
    for (qsizetype i = 0; i < length; ++i)
        out[i] = decodeByte(bytes[i]);
    return text;
}

std::optional<QByteArray> encodeWindows1252(const QString& text)
{
    QByteArray bytes(text.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const int byte = encodeChar(text[i]);
        if (byte < 0)
            return std::nullopt;
        bytes[i] = static_cast<char>(byte);
    }
    return bytes;
}

bool isWindows1252(const QString& text)
{
    for (QChar c : text) {
        if (encodeChar(c) < 0)
            return false;
    }
    return true;
}

} // namespace tolvane

#pragma once
// Short strings as stored in the data files: byte 0 is the length (0..capacity),
// then single-byte Windows-1252 characters. Conversion to and from QString
// happens here and nowhere else.

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <optional>

namespace tolvane {

// Decodes the stored short string at `field` (capacity + 1 bytes). A length byte
// above `capacity` is read as `capacity`, so a damaged length never reads past
// the field.
QString decodeShortString(const std::uint8_t* field, int capacity);

enum class EncodeResult { Ok, TooLong, NotRepresentable };

// Encodes `text` into the field (capacity + 1 bytes): length byte and
// characters; the bytes after the text are left as they were. Nothing is
// written unless the result is Ok: a text longer than `capacity` characters, or
// with a character that Windows-1252 cannot hold, is refused rather than changed.
EncodeResult encodeShortString(const QString& text, std::uint8_t* field, int capacity);

// True when every character of `text` has a Windows-1252 byte.
bool isWindows1252(const QString& text);

// Longer single-byte texts without a length byte (a recipe's instructions).
QString decodeWindows1252(const std::uint8_t* bytes, qsizetype length);
// The bytes of `text`, or nothing when a character has no Windows-1252 byte.
std::optional<QByteArray> encodeWindows1252(const QString& text);

} // namespace tolvane

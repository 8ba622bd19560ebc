#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

// Windows-1252, the single-byte code page of every archive and settings file.
// The five bytes the code page leaves undefined (81 8D 8F 90 9D) map to the C1 control
// characters of the same value, so a file holding them loads and saves back unchanged.
// Both directions go through lookup tables into buffers sized once.
namespace Cp1252 {

QString decode(const QByteArray& bytes);
QString decode(const char* bytes, int length);
// The decoded text appended to `out`, for lines built from several fields without a string each.
void appendDecoded(QString& out, QByteArrayView bytes);

// A character the code page lacks becomes "?" (a surrogate pair counts as one character).
QByteArray encode(const QString& text);
// The same bytes appended to `out`.
void append(QByteArray& out, QStringView text);

// Encoded text trimmed as Text::trimmed trims the decoded text: the bytes up to 0x20 decode to
// the characters of the same code, and no other byte decodes below U+0021.
QByteArrayView trimmed(QByteArrayView bytes);

} // namespace Cp1252

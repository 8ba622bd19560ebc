#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTest>

// Bytes and files for the tests that build archives and settings by hand.

// A PascalString's bytes: the length byte, then the text.
inline QByteArray pascal(const QByteArray& text)
{
    return char(text.size()) + text;
}

inline void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    QCOMPARE(f.write(bytes), bytes.size());
}

// The whole file, or nothing when it cannot be read.
inline QByteArray readFile(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The property archive of a program folder.
inline QString propertyArchive(const QString& folder)
{
    return folder + QStringLiteral("/Immobili.pro");
}

inline void writeArchive(const QString& folder, const QByteArray& bytes)
{
    writeFile(propertyArchive(folder), bytes);
}

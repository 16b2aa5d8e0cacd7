#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QStringEncoder>
#include <QTest>

// Writes bytes to path, failing the test when that is not possible.
inline void writeTestFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY2(file.open(QIODevice::WriteOnly), qPrintable(file.errorString()));
    QCOMPARE(file.write(bytes), bytes.size());
}

inline QByteArray readTestFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline QByteArray encoded(QStringEncoder::Encoding encoding, const QString &text)
{
    QStringEncoder encoder(encoding, QStringEncoder::Flag::Stateless);
    return encoder.encode(text);
}

#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringView>

// What a byte sequence is by the UTF-8 test of the loader.
enum class Utf8TestResult {
    Ascii, // every byte below 80: nothing to re-decode
    Utf8, // some bytes above, all forming valid sequences
    NotUtf8, // a byte starts no valid sequence, or one is cut off at the end
};

Utf8TestResult utf8Test(QByteArrayView bytes);

// Whether the code page's bytes of text pass the test with some byte above 80:
// then Utf8Erkennen decodes them again. A text with a character the code page
// lacks cannot come from reading bytes as 8-bit text and never passes.
bool isMisreadUtf8(QStringView text);

// The test's answer together with the decoded text where it is Utf8, for a
// caller that takes the whole text anyway: most files are judged and decoded
// in one pass.
struct Utf8Reading
{
    Utf8TestResult result;
    QString text; // decodeUtf8(bytes) where result is Utf8, else empty
};

Utf8Reading utf8TestAndDecode(QByteArrayView bytes);

// UTF-8 decoding that keeps a U+FEFF at the start as text (a file's own mark
// is taken off before) and marks invalid sequences with replacement marks.
QString decodeUtf8(QByteArrayView bytes);

// A text that was read as 8-bit text but whose bytes are really UTF-8 is
// decoded again as UTF-8; any other text comes back unchanged.
QString Utf8Erkennen(const QString &text);

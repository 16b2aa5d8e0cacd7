#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringView>

#include <optional>

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

// Qt's decoder, faster than the test, puts a replacement mark for every fault
// and finds more faults than the test's table: text it decodes without a mark
// is UTF-8 by the test too. So a caller that decodes all of a text anyway can
// let the decoder judge it first and leave only the rest to the test.

// The test's answer as far as the first byte above 80 tells it: Ascii and
// NotUtf8 are final, Utf8 only says that the first form is valid. 8-bit text
// seldom has one, so such bytes are worth decoding as UTF-8 at once.
Utf8TestResult utf8TestOfFirstForm(QByteArrayView bytes);

// decodeUtf8(bytes) when the decoding has no replacement mark; nothing
// otherwise (a fault, or a mark that is the text's own character).
std::optional<QString> decodeFaultlessUtf8(QByteArrayView bytes);

// UTF-8 decoding that keeps a U+FEFF at the start as text (a file's own mark
// is taken off before) and marks invalid sequences with replacement marks.
QString decodeUtf8(QByteArrayView bytes);

// A text that was read as 8-bit text but whose bytes are really UTF-8 is
// decoded again as UTF-8; any other text comes back unchanged.
QString Utf8Erkennen(const QString &text);

#pragma once

#include <QByteArrayView>
#include <QString>

// What a byte sequence is by the UTF-8 test of the loader.
enum class Utf8TestResult {
    Ascii,   // every byte below 80: nothing to re-decode
    Utf8,    // some bytes above, all forming valid sequences
    NotUtf8, // a byte starts no valid sequence, or one is cut off at the end
};

Utf8TestResult utf8Test(QByteArrayView bytes);

// A text that was read as 8-bit text but whose bytes are really UTF-8 is
// decoded again as UTF-8; any other text comes back unchanged.
QString Utf8Erkennen(const QString &text);

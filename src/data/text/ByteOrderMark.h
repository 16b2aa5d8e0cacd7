#pragma once

#include <QByteArrayView>

// The mark a file's text may begin with, and the encoding it stands for.
enum class MarkedEncoding { None, Utf8, Utf16LE, Utf16BE, Utf32LE, Utf32BE };

struct ByteOrderMark
{
    MarkedEncoding encoding = MarkedEncoding::None;
    qsizetype size = 0; // bytes of the mark
};

// The mark at the start of bytes; FF FE 00 00 is UTF-32 LE, although it also
// begins like UTF-16 LE.
ByteOrderMark byteOrderMarkOf(QByteArrayView bytes);

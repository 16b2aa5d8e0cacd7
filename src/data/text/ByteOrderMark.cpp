#include "data/text/ByteOrderMark.h"

ByteOrderMark byteOrderMarkOf(QByteArrayView bytes)
{
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return {MarkedEncoding::Utf8, 3};
    if (bytes.startsWith(QByteArrayView("\xFF\xFE\0\0", 4)))
        return {MarkedEncoding::Utf32LE, 4};
    if (bytes.startsWith(QByteArrayView("\0\0\xFE\xFF", 4)))
        return {MarkedEncoding::Utf32BE, 4};
    if (bytes.startsWith("\xFF\xFE"))
        return {MarkedEncoding::Utf16LE, 2};
    if (bytes.startsWith("\xFE\xFF"))
        return {MarkedEncoding::Utf16BE, 2};
    return {};
}

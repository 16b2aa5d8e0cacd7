// Any bytes as an RTF document. No input byte makes more than one character
// of text (\par makes two of four), so the text is never longer than the input.

#include "data/text/RtfText.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text =
        rtfToPlainText(QByteArrayView(reinterpret_cast<const char *>(data), qsizetype(size)));
    if (size_t(text.size()) > size)
        std::abort();
    return 0;
}

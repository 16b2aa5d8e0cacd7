// Any bytes as "Filenames.ini": the names read from it, written back into it,
// must come back exactly, and so must the rest of the file.

#include "data/folders/Dateinamen.h"
#include "data/text/RecognisedText.h"

#include <cstdint>
#include <cstdlib>

namespace {
void check(bool ok)
{
    if (!ok)
        std::abort();
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const QString text = RecognisedText(bytes).whole();
    const QStringList names = storedFileNames(text);
    for (const QString &name : names)
        check(!name.isEmpty());

    const QString written = iniTextWithFileNames(text, names);
    check(storedFileNames(written) == names);
    // Writing the same list again changes nothing.
    check(iniTextWithFileNames(written, names) == written);
    // An empty list takes the section away and nothing else.
    const QString without = iniTextWithFileNames(written, {});
    check(storedFileNames(without).isEmpty());
    check(iniTextWithFileNames(without, names) == written);
    return 0;
}

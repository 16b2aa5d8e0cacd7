// Any bytes as a registry key's file: reading never fails, and what is read
// survives being written and read again, values and all.

#include "platform/linux/RegistryFile.h"

#include <cstdint>
#include <cstdlib>

namespace {

const QString keyName = QStringLiteral("HKEY_CURRENT_USER\\Software\\Lernwendel");

void check(bool ok)
{
    if (!ok)
        std::abort();
}

bool sameValues(RegistryFile &a, RegistryFile &b)
{
    const QStringList names = a.valueNames();
    if (names != b.valueNames())
        return false;
    for (const QString &name : names) {
        const RegistryFileValue *x = a.find(name);
        const RegistryFileValue *y = b.find(name);
        if (!x || !y || x->kind != y->kind || x->text != y->text || x->number != y->number)
            return false;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    RegistryFile parsed = ParseRegistryFile(bytes, keyName);
    const QByteArray written = FormatRegistryFile(parsed, keyName);
    RegistryFile reread = ParseRegistryFile(written, keyName);
    check(sameValues(parsed, reread));
    check(FormatRegistryFile(reread, keyName) == written);

    // Changing a value keeps every other one as it was.
    reread.setText(QStringLiteral("FontName"), QStringLiteral("A \"quoted\" \\ name"));
    RegistryFile changed = ParseRegistryFile(FormatRegistryFile(reread, keyName), keyName);
    const RegistryFileValue *font = changed.find(QStringLiteral("FontName"));
    check(font && font->kind == RegistryValueKind::Text
          && font->text == QStringLiteral("A \"quoted\" \\ name"));
    return 0;
}

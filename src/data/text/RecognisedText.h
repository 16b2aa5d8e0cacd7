#pragma once

#include "data/text/Utf8Erkennen.h"

#include <QByteArrayView>
#include <QString>

#include <optional>

// The text that TextDateiLesen and then Utf8Erkennen give for a file's bytes,
// with the file's own line breaks, kept in the form that is cheapest to take
// apart. Most files need no decoded copy of their whole text: 8-bit, UTF-8
// and ASCII files stay bytes, UTF-16 in the machine's byte order stays where
// it was read, and the loader decodes only the pieces it keeps. Line breaks,
// TABs and blanks (codes 0 to 32) are the same single units in every form.
class RecognisedText
{
public:
    // fileBytes must outlive the object. A caller that has the UTF-8 test's
    // answer for bytes without a mark already passes it on.
    explicit RecognisedText(QByteArrayView fileBytes,
                            std::optional<Utf8TestResult> knownTest = std::nullopt);

    // Units are UTF-16 code units (units16) or bytes (units8).
    bool isWide() const { return form == Form::Utf16; }
    const char *units8() const { return narrow.data(); }
    const char16_t *units16() const { return wide; }
    qsizetype size() const { return isWide() ? wideSize : narrow.size(); }

    // The text of the units [start, start + length).
    QString slice(qsizetype start, qsizetype length) const;
    QString whole() const { return slice(0, size()); }

private:
    enum class Form { Ascii, Utf8, CodePage, Utf16 };
    Form form = Form::Utf16;
    QByteArrayView narrow;
    QString decoded; // the whole text where it had to be decoded
    const char16_t *wide = nullptr;
    qsizetype wideSize = 0;
};

#pragma once

#include <QByteArrayView>
#include <QString>

// The plain text of an RTF document: its paragraphs as lines separated by
// CR LF. A small reader of our own that knows groups, control words, \par and
// \line, \tab, \'hh, \uN with \ucN and the destinations that hold no text
// (font and colour tables, style sheet, document information, pictures,
// anything marked \*). It works in one pass with an explicit, capped group
// stack, so neither deep nesting nor a cut-off document can hurt it.
QString rtfToPlainText(QByteArrayView rtf);

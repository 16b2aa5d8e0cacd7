#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// What the entry editor shows of a vocabulary file and how it merges new
// entries into one: the rules of the editor without its window.

// The editor's two fields for a file of this text (as TextDateiLesen gives
// it). No title when the text has no line; the entries one per line, each
// trimmed, blank lines between them kept, CR LF after the last; empty when
// there are none.
struct EditorFields
{
    std::optional<QString> titel;
    QString eintraege;
};
EditorFields EditorFieldsOfText(const QString &fileText);

// The lines of S that are not blank, each trimmed, CR LF after each; empty
// when none is left.
QString GetCheckZeilen(const QString &S);

// The text of a file (as TextDateiLesen gives it) with the entries of S
// merged in: S is a title line and then question and answer lines. The file
// takes the new title; a pair is added only when no line from the second on
// is its question followed by its answer, letter case ignored; when S has an
// odd number of entry lines nothing is added. The file's own lines come back
// trimmed, blank lines kept. Lines are joined with CR LF after each.
QString DatenEinfuegen(const QString &fileText, const QString &S);

#include "help/EditorWindowTitle.h"

#include <QFileInfo>
#include <QRegularExpression>
#include <QStringList>

namespace {

// The editors whose titles are recognised, as they name themselves after the
// separator.
const QStringList EditorNames = {
    QStringLiteral("gedit"), QStringLiteral("Text Editor"), QStringLiteral("Mousepad"),
    QStringLiteral("Kate"),  QStringLiteral("KWrite"),      QStringLiteral("Pluma"),
    QStringLiteral("xed"),   QStringLiteral("FeatherPad"),  QStringLiteral("Leafpad"),
};

// What the editors put around the file's name: an optional "*" for unsaved
// changes in front; after it any of a folder in parentheses, a state in
// brackets ("[Read Only]") or a " *"; then a dash (hyphen, en or em dash)
// between blanks and the editor's name. The groups hold no brackets of
// their own, so "name (1).dat" never stands for "name".
const QString Marked = QStringLiteral("\\*?");
const QString Details = QStringLiteral("(?: \\([^()]*\\)| \\[[^\\[\\]]*\\]| \\*)*");
const QString Separator = QStringLiteral(" [-\u2013\u2014] ");

QString editorAlternatives()
{
    QStringList escaped;
    for (const QString &name : EditorNames)
        escaped.append(QRegularExpression::escape(name));
    return escaped.join(QLatin1Char('|'));
}

} // namespace

bool EditorTitleShowsFile(const QString &title, const QString &path)
{
    static const QString editors = editorAlternatives();
    const QString shown = QRegularExpression::escape(QFileInfo(path).fileName()) + QLatin1Char('|')
        + QRegularExpression::escape(path);
    const QRegularExpression rule(
        QStringLiteral("^%1(?:%2)%3%4(?:%5)$").arg(Marked, shown, Details, Separator, editors));
    return rule.match(title).hasMatch();
}

#include "training/AnswerFieldInput.h"
#include "training/Antwortvergleich.h"

#include <QtTest>

// The rules that judge a typed answer, and which typed characters the
// question field hands on to the answer field.
class AnswerRulesTest : public QObject
{
    Q_OBJECT

private slots:
    void checkTrennung_data();
    void checkTrennung();
    void antwortVergleichen_data();
    void antwortVergleichen();
    void goesIntoAnswerField_data();
    void goesIntoAnswerField();
};

void AnswerRulesTest::checkTrennung_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("normalised");

    QTest::newRow("plain") << "Haus"
                           << "Haus";
    QTest::newRow("bar gets blanks") << "Haus|Gebäude"
                                     << "Haus | Gebäude";
    QTest::newRow("blanks around bar merged") << "Haus   |  Gebäude"
                                              << "Haus | Gebäude";
    QTest::newRow("ampersand gets blanks") << "rot&grün"
                                           << "rot & grün";
    QTest::newRow("both separators") << "a|b&c"
                                     << "a | b & c";
    QTest::newRow("ends trimmed of codes 0 to 32") << QStringLiteral("\t\x01 Haus \r\n") << "Haus";
    QTest::newRow("no-break space is no blank")
        << QStringLiteral("\u00a0Haus") << QStringLiteral("\u00a0Haus");
    QTest::newRow("inner blanks merged") << "der   Hund"
                                         << "der Hund";
    QTest::newRow("inner TAB stays") << "der\t\tHund"
                                     << "der\t\tHund";
    QTest::newRow("only a bar") << "|"
                                << "|";
    QTest::newRow("only separators") << "||&"
                                     << "| | &";
    QTest::newRow("empty") << ""
                           << "";
    QTest::newRow("only blanks") << "    "
                                 << "";
}

void AnswerRulesTest::checkTrennung()
{
    QFETCH(QString, text);
    QFETCH(QString, normalised);
    QCOMPARE(CheckTrennung(text), normalised);
}

void AnswerRulesTest::antwortVergleichen_data()
{
    QTest::addColumn<QString>("expected");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("grossKlein");
    QTest::addColumn<bool>("right");

    // Letter case.
    QTest::newRow("case ignored") << "Haus"
                                  << "haus" << false << true;
    QTest::newRow("case matters") << "Haus"
                                  << "haus" << true << false;
    QTest::newRow("case matters, same") << "Haus"
                                        << "Haus" << true << true;
    QTest::newRow("umlaut case ignored") << "Äpfel"
                                         << "äPFEL" << false << true;
    QTest::newRow("sharp s stays sharp s") << "Straße"
                                           << "STRAßE" << false << true;
    QTest::newRow("sharp s is not SS") << "Straße"
                                       << "STRASSE" << false << false;
    QTest::newRow("outside the BMP, case ignored")
        << QStringLiteral("\U00010428") << QStringLiteral("\U00010400") << false << true;
    QTest::newRow("outside the BMP, case matters")
        << QStringLiteral("\U00010428") << QStringLiteral("\U00010400") << true << false;

    // Blanks.
    QTest::newRow("three blanks between words") << "der Hund"
                                                << "der   Hund" << false << true;
    QTest::newRow("blanks around") << "der Hund"
                                   << "  der Hund " << false << true;
    QTest::newRow("TAB is no blank") << "der Hund"
                                     << "der\tHund" << false << false;

    // Alternatives.
    QTest::newRow("second alternative") << "Haus|Gebäude"
                                        << "Gebäude" << false << true;
    QTest::newRow("both alternatives") << "Haus|Gebäude"
                                       << "Haus | Gebäude" << false << true;
    QTest::newRow("alternatives swapped") << "Haus|Gebäude"
                                          << "Gebäude|Haus" << false << true;
    QTest::newRow("one alternative wrong") << "Haus|Gebäude"
                                           << "Haus|Baum" << false << false;
    QTest::newRow("piece of an alternative") << "Haus|Gebäude"
                                             << "Ha" << false << false;
    QTest::newRow("typed alternative, case ignored") << "house | Gebäude"
                                                     << "gebäude" << false << true;
    QTest::newRow("typed alternative, case matters") << "Haus|Gebäude"
                                                     << "haus" << true << false;
    QTest::newRow("trailing bar") << "Haus|Gebäude"
                                  << "Haus|" << false << true;
    QTest::newRow("doubled bar typed") << "Haus|Gebäude"
                                       << "Haus| |Gebäude" << false << true;
    QTest::newRow("only bars typed, blank alternative expected") << "a| |b"
                                                                 << "||" << false << false;
    QTest::newRow("bars typed, none expected") << "Haus"
                                               << "Haus|Haus" << false << true;
    QTest::newRow("only bars typed") << "Haus"
                                     << "|||" << false << false;
    QTest::newRow("only bars on both sides") << "||"
                                             << "| |" << false << true;
    QTest::newRow("only a bar on both sides") << "|"
                                              << "|" << false << true;

    // Required parts.
    QTest::newRow("parts swapped") << "rot & grün"
                                   << "grün & rot" << false << true;
    QTest::newRow("one part missing") << "rot & grün"
                                      << "rot" << false << false;
    QTest::newRow("both parts in one") << "rot & grün"
                                       << "rotgrün" << false << true;
    QTest::newRow("parts inside longer parts") << "rot & grün"
                                               << "dunkelrot & hellgrün" << false << true;
    QTest::newRow("extra part typed") << "rot & grün"
                                      << "rot & grün & blau" << false << true;
    QTest::newRow("parts, case ignored") << "Rot & Grün"
                                         << "grün&ROT" << false << true;
    QTest::newRow("parts, case matters") << "Rot & Grün"
                                         << "grün&rot" << true << false;
    QTest::newRow("only an ampersand typed") << "rot & grün"
                                             << "&" << false << false;
    QTest::newRow("empty part expected is never found") << "rot & & grün"
                                                        << "rot & grün" << false << false;
    QTest::newRow("empty part expected, typed the same") << "rot & & grün"
                                                         << "rot&&grün" << false << true;
    QTest::newRow("only an ampersand expected") << "&"
                                                << "rot" << false << false;
    QTest::newRow("only an ampersand on both sides") << "&"
                                                     << "&" << false << true;

    // Both separators: the ampersand rule, the bar is plain text.
    QTest::newRow("both, typed exactly") << "a | b & c"
                                         << "a|b&c" << false << true;
    QTest::newRow("both, bar part incomplete") << "a | b & c"
                                               << "a & c" << false << false;
    QTest::newRow("both, bar part inside") << "a | b & c"
                                           << "c & xa | by" << false << true;
}

void AnswerRulesTest::antwortVergleichen()
{
    QFETCH(QString, expected);
    QFETCH(QString, typed);
    QFETCH(bool, grossKlein);
    QFETCH(bool, right);
    QCOMPARE(AntwortVergleichen(CheckTrennung(typed), CheckTrennung(expected), grossKlein), right);
}

void AnswerRulesTest::goesIntoAnswerField_data()
{
    QTest::addColumn<uint>("character");
    QTest::addColumn<bool>("readOnly");
    QTest::addColumn<bool>("goes");

    QTest::newRow("letter") << uint('a') << false << true;
    QTest::newRow("letter, learn mode") << uint('a') << true << false;
    QTest::newRow("digit") << uint('7') << false << true;
    QTest::newRow("blank") << uint(' ') << false << true;
    QTest::newRow("tilde") << uint('~') << false << true;
    QTest::newRow("umlaut") << uint(0xe4) << false << true;
    QTest::newRow("letter outside the BMP") << uint(0x10428) << false << true;
    QTest::newRow("DEL") << uint(127) << false << false;
    QTest::newRow("backspace") << uint(8) << false << false;
    QTest::newRow("escape") << uint(27) << false << false;
    QTest::newRow("section sign") << uint(0xa7) << false << false;
}

void AnswerRulesTest::goesIntoAnswerField()
{
    QFETCH(uint, character);
    QFETCH(bool, readOnly);
    QFETCH(bool, goes);
    QCOMPARE(GoesIntoAnswerField(char32_t(character), readOnly), goes);
}

QTEST_GUILESS_MAIN(AnswerRulesTest)
#include "tst_answer_rules.moc"

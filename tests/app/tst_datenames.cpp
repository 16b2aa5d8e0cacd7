#include "app/DateNames.h"

#include <QTest>

namespace {

template<std::size_t N>
std::array<QString, N> toArray(const QStringList &names)
{
    std::array<QString, N> array;
    for (std::size_t i = 0; i < N && i < std::size_t(names.size()); ++i)
        array[i] = names[qsizetype(i)];
    return array;
}

template<std::size_t N>
QStringList toList(const std::array<QString, N> &array)
{
    return QStringList(array.begin(), array.end());
}

const QStringList germanDays{"Mo.", "Di.", "Mi.", "Do.", "Fr.", "Sa.", "So."};
const QStringList plainDays{"Mo", "Di", "Mi", "Do", "Fr", "Sa", "So"};
const QStringList germanShort{"Jan", "Feb", "Mrz", "Apr", "Mai", "Jun",
                              "Jul", "Aug", "Sep", "Okt", "Nov", "Dez"};
const QStringList austrianShort{"Jän", "Feb", "Mär", "Apr", "Mai", "Jun",
                                "Jul", "Aug", "Sep", "Okt", "Nov", "Dez"};
const QStringList germanLong{"Januar", "Februar", "März",      "April",   "Mai",      "Juni",
                             "Juli",   "August",  "September", "Oktober", "November", "Dezember"};
const QStringList austrianLong{"Jänner", "Februar", "März",      "April",   "Mai",      "Juni",
                               "Juli",   "August",  "September", "Oktober", "November", "Dezember"};

QStringList with(QStringList names, int index, const QString &name)
{
    names[index] = name;
    return names;
}

} // namespace

class TestDateNames : public QObject
{
    Q_OBJECT

private slots:
    void adjustDateNames_data()
    {
        QTest::addColumn<QStringList>("days");
        QTest::addColumn<QStringList>("shortMonths");
        QTest::addColumn<QStringList>("longMonths");
        QTest::addColumn<QStringList>("adjustedDays");
        QTest::addColumn<QStringList>("adjustedShort");
        QTest::addColumn<QStringList>("adjustedLong");
        QTest::newRow("German") << germanDays << germanShort << germanLong << plainDays
                                << austrianShort << austrianLong;
        QTest::newRow("Austrian already") << plainDays << austrianShort << austrianLong << plainDays
                                          << austrianShort << austrianLong;
        QTest::newRow("compared in upper case")
            << with(plainDays, 0, ".") << with(with(germanShort, 0, "jan"), 2, "MRZ")
            << with(germanLong, 0, "JANUAR") << with(plainDays, 0, "") << austrianShort
            << austrianLong;
        QTest::newRow("one final dot only, empty names stay")
            << with(with(plainDays, 0, "Mo.."), 1, "") << germanShort << germanLong
            << with(with(plainDays, 0, "Mo."), 1, "") << austrianShort << austrianLong;
        QTest::newRow("names with a dot are no match")
            << plainDays << with(with(germanShort, 0, "Jan."), 2, "März") << germanLong << plainDays
            << with(with(austrianShort, 0, "Jan."), 2, "März") << austrianLong;
        QTest::newRow("only the first January")
            << plainDays << austrianShort << with(germanLong, 5, "Januar") << plainDays
            << austrianShort << with(austrianLong, 5, "Januar");
    }

    void adjustDateNames()
    {
        QFETCH(QStringList, days);
        QFETCH(QStringList, shortMonths);
        QFETCH(QStringList, longMonths);
        DateNames names{toArray<7>(days), toArray<12>(shortMonths), toArray<12>(longMonths)};
        AdjustDateNames(names);
        QTEST(toList(names.shortDayNames), "adjustedDays");
        QTEST(toList(names.shortMonthNames), "adjustedShort");
        QTEST(toList(names.longMonthNames), "adjustedLong");
    }

    // Whatever the user's locale says, the process's names keep the rules.
    void processNamesComeAdjusted()
    {
        AdjustDateNames();
        for (const QString &day : ProcessDateNames().shortDayNames)
            QVERIFY(!day.endsWith('.'));
        for (const QString &month : ProcessDateNames().longMonthNames)
            QVERIFY(!month.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestDateNames)
#include "tst_datenames.moc"

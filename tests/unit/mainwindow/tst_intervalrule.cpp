// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/mainwindow/intervalrule.h"

#include <QTest>

using Outcome = IntervalRule::Outcome;

class TestIntervalRule : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void check_data();
    void check();
};

// An entry is kept only when it is a number from 1 to 30; fractions become whole seconds.
void TestIntervalRule::check_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("entryText");
    QTest::addColumn<Outcome>("outcome");
    QTest::addColumn<int>("seconds");
    QTest::newRow("empty is rejected") << ""
                                       << "2" << Outcome::Rejected << 0;
    QTest::newRow("empty is rejected even if empty on entry") << ""
                                                              << "" << Outcome::Rejected << 0;
    QTest::newRow("unchanged is left alone") << "2"
                                             << "2" << Outcome::Unchanged << 0;
    QTest::newRow("unchanged non-number is left alone") << "x"
                                                        << "x" << Outcome::Unchanged << 0;
    QTest::newRow("31 is above the range") << "31"
                                           << "2" << Outcome::Rejected << 0;
    QTest::newRow("0 is below the range") << "0"
                                          << "2" << Outcome::Rejected << 0;
    QTest::newRow("negative is below the range") << "-5"
                                                 << "2" << Outcome::Rejected << 0;
    QTest::newRow("letters are not a number") << "abc"
                                              << "2" << Outcome::Rejected << 0;
    QTest::newRow("digits with letters are not a number") << "5s"
                                                          << "2" << Outcome::Rejected << 0;
    QTest::newRow("two points are not a number") << "1.2.3"
                                                 << "2" << Outcome::Rejected << 0;
    QTest::newRow("a lone point is not a number") << "."
                                                  << "2" << Outcome::Rejected << 0;
    QTest::newRow("1 is the lowest") << "1"
                                     << "2" << Outcome::Accepted << 1;
    QTest::newRow("30 is the highest") << "30"
                                       << "2" << Outcome::Accepted << 30;
    QTest::newRow("blanks around a number") << " 7 "
                                            << "2" << Outcome::Accepted << 7;
    QTest::newRow("leading zero") << "05"
                                  << "2" << Outcome::Accepted << 5;
    QTest::newRow("full-width digits") << QStringLiteral("１２") << "2" << Outcome::Accepted << 12;
    QTest::newRow("2.5 rounds a half to even") << "2.5"
                                               << "2" << Outcome::Accepted << 2;
    QTest::newRow("3.5 rounds a half to even") << "3.5"
                                               << "2" << Outcome::Accepted << 4;
    QTest::newRow("1.4 never gives 0 seconds") << "1.4"
                                               << "2" << Outcome::Accepted << 1;
    QTest::newRow("0.9 is below the range") << "0.9"
                                            << "2" << Outcome::Rejected << 0;
    QTest::newRow("30.1 is above the range") << "30.1"
                                             << "2" << Outcome::Rejected << 0;
}

void TestIntervalRule::check()
{
    QFETCH(QString, text);
    QFETCH(QString, entryText);
    QFETCH(Outcome, outcome);
    QFETCH(int, seconds);
    const IntervalRule::Verdict verdict = IntervalRule::check(text, entryText);
    QCOMPARE(verdict.outcome, outcome);
    QCOMPARE(verdict.seconds, seconds);
}

QTEST_GUILESS_MAIN(TestIntervalRule)
#include "tst_intervalrule.moc"

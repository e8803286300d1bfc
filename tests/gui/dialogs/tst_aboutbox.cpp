// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/dialogs/aboutbox.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

namespace {

QLabel *label(const QWidget &box, const QString &name)
{
    auto *found = box.findChild<QLabel *>(name);
    if (!found)
        qFatal("no label %s", qPrintable(name));
    return found;
}

QPushButton *okButton(const QWidget &box)
{
    return box.findChild<QPushButton *>(QStringLiteral("okButton"));
}

} // namespace

class TestAboutBox : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void showsNameVersionAndNotices();
    void shadowsLieBelowRightOfTheirTwins_data();
    void shadowsLieBelowRightOfTheirTwins();
    void okButtonAlwaysHoldsTheFocus_data();
    void okButtonAlwaysHoldsTheFocus();
    void okCloses();
};

// The box names the program, its platform and version, with three notice lines and a picture.
void TestAboutBox::showsNameVersionAndNotices()
{
    AboutBox box;
    QCOMPARE(box.windowTitle(), QStringLiteral("ﾊﾞｰｼﾞｮﾝ情報"));
    QCOMPARE(label(box, QStringLiteral("programNameLabel"))->text(),
             QStringLiteral("Vellora  2000"));
    QCOMPARE(label(box, QStringLiteral("platformLabel"))->text(), QStringLiteral("for Linux"));
    QCOMPARE(label(box, QStringLiteral("versionLabel"))->text(), QStringLiteral("Version 3.0"));
    for (const char *notice : {"copyrightNotice", "freeSoftwareNotice", "licenceNotice"})
        QVERIFY(!label(box, QLatin1String(notice))->text().isEmpty());
    const auto *picture = label(box, QStringLiteral("programIcon"));
    QVERIFY(!picture->pixmap().isNull());
    for (QLabel *text : box.findChildren<QLabel *>()) {
        QVERIFY2(box.rect().contains(text->geometry()), qPrintable(text->text()));
    }
}

void TestAboutBox::shadowsLieBelowRightOfTheirTwins_data()
{
    QTest::addColumn<QString>("line");
    QTest::newRow("program name") << QStringLiteral("programName");
    QTest::newRow("platform line") << QStringLiteral("platform");
}

// Each grey shadow has its white twin's text and size, shifted right and down by the same step.
void TestAboutBox::shadowsLieBelowRightOfTheirTwins()
{
    QFETCH(QString, line);
    AboutBox box;
    const QLabel *twin = label(box, line + QStringLiteral("Label"));
    const QLabel *shadow = label(box, line + QStringLiteral("Shadow"));
    QCOMPARE(shadow->text(), twin->text());
    QCOMPARE(shadow->size(), twin->size());
    const QPoint offset = shadow->pos() - twin->pos();
    QVERIFY(offset.x() > 0);
    QCOMPARE(offset.y(), offset.x());
    QCOMPARE(twin->palette().color(QPalette::WindowText), QColor(Qt::white));
    QCOMPARE(shadow->palette().color(QPalette::WindowText), QColor(128, 128, 128));
}

void TestAboutBox::okButtonAlwaysHoldsTheFocus_data()
{
    QTest::addColumn<QString>("target");
    QTest::newRow("box opened") << QString();
    QTest::newRow("box itself focused") << QStringLiteral("box");
    QTest::newRow("picture clicked") << QStringLiteral("programIcon");
    QTest::newRow("shadow clicked") << QStringLiteral("programIconShadow");
    QTest::newRow("tab pressed") << QStringLiteral("tab");
}

// Whatever receives the focus in the box, the OK button ends up holding it.
void TestAboutBox::okButtonAlwaysHoldsTheFocus()
{
    QFETCH(QString, target);
    AboutBox box;
    box.show();
    QApplication::setActiveWindow(&box);
    QVERIFY(QTest::qWaitForWindowActive(&box));
    if (target == QLatin1String("box"))
        box.setFocus();
    else if (target == QLatin1String("tab"))
        QTest::keyClick(&box, Qt::Key_Tab);
    else if (!target.isEmpty())
        QTest::mouseClick(box.findChild<QWidget *>(target), Qt::LeftButton);
    QTRY_COMPARE(QApplication::focusWidget(), okButton(box));
}

// The OK button closes the box.
void TestAboutBox::okCloses()
{
    AboutBox box;
    box.show();
    QTest::mouseClick(okButton(box), Qt::LeftButton);
    QVERIFY(!box.isVisible());
    QCOMPARE(box.result(), int(QDialog::Accepted));
}

QTEST_MAIN(TestAboutBox)
#include "tst_aboutbox.moc"

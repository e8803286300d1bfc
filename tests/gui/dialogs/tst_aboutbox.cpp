// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/dialogs/aboutbox.h"
#include "ui/dialogs/controlarray.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

namespace {

QLabel *label(const QWidget &box, const char *name, int index)
{
    QLabel *found = ControlArray::member<QLabel>(&box, QLatin1String(name), index);
    if (!found)
        qFatal("no label %s %d", name, index);
    return found;
}

QPushButton *okButton(const QWidget &box)
{
    return box.findChild<QPushButton *>(QStringLiteral("Command1"));
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
    QCOMPARE(label(box, "Label1", 0)->text(), QStringLiteral("Vellora  2000"));
    QCOMPARE(label(box, "Label1", 1)->text(), QStringLiteral("for Linux"));
    QCOMPARE(label(box, "Label1", 2)->text(), QStringLiteral("Version 3.0"));
    for (int index = 0; index < 3; ++index)
        QVERIFY(!label(box, "Label2", index)->text().isEmpty());
    const auto *picture = box.findChild<QLabel *>(QStringLiteral("Picture1"));
    QVERIFY(!picture->pixmap().isNull());
    for (QLabel *text : box.findChildren<QLabel *>()) {
        QVERIFY2(box.rect().contains(text->geometry()), qPrintable(text->text()));
    }
}

void TestAboutBox::shadowsLieBelowRightOfTheirTwins_data()
{
    QTest::addColumn<int>("white");
    QTest::newRow("program name") << 0;
    QTest::newRow("platform line") << 1;
}

// Each grey shadow has its white twin's text and size, shifted right and down by the same step.
void TestAboutBox::shadowsLieBelowRightOfTheirTwins()
{
    QFETCH(int, white);
    AboutBox box;
    const QLabel *twin = label(box, "Label1", white);
    const QLabel *shadow = label(box, "Label1", white + 3);
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
    QTest::newRow("picture clicked") << QStringLiteral("Picture1");
    QTest::newRow("shadow clicked") << QStringLiteral("Picture2");
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

// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/common/showmessage.h"
#include "scriptedinteraction.h"

#include <QLineEdit>
#include <QPointer>
#include <QTest>
#include <QVBoxLayout>
#include <QWidget>

namespace {

// A box that takes the focus somewhere else while it is open, as a real dialog may.
class FocusStealingInteraction : public ScriptedInteraction {
public:
    QPointer<QWidget> thief;
    bool deleteThief = false;
    Answer messageBox(const QString &text, MessageStyle style, const QString &title) override
    {
        if (thief)
            thief->setFocus();
        if (deleteThief)
            delete thief;
        return ScriptedInteraction::messageBox(text, style, title);
    }
};

} // namespace

class TstShowMessageFocus : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void focusReturns();
    void vanishedControlIsIgnored();
};

// The control that had the input focus has it again when the box has closed.
void TstShowMessageFocus::focusReturns()
{
    QWidget window;
    auto *layout = new QVBoxLayout(&window);
    auto *entry = new QLineEdit(&window);
    auto *other = new QLineEdit(&window);
    layout->addWidget(entry);
    layout->addWidget(other);
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    entry->setFocus();
    QTRY_VERIFY(entry->hasFocus());

    FocusStealingInteraction interaction;
    interaction.thief = other;
    showMessage(interaction, AppMessage::IntervalOutOfRange);
    QCOMPARE(interaction.callsOf(QStringLiteral("message")).size(), 1);
    QTRY_VERIFY(entry->hasFocus());
}

// A focused control that goes away while the box is open does not upset the message.
void TstShowMessageFocus::vanishedControlIsIgnored()
{
    QWidget window;
    auto *layout = new QVBoxLayout(&window);
    auto *entry = new QLineEdit(&window);
    layout->addWidget(entry);
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    entry->setFocus();
    QTRY_VERIFY(entry->hasFocus());

    FocusStealingInteraction interaction;
    interaction.thief = entry;
    interaction.deleteThief = true;
    showMessage(interaction, QStringLiteral("a;b"));
    QCOMPARE(interaction.callsOf(QStringLiteral("message")).first().text, QStringLiteral("a\nb"));
}

QTEST_MAIN(TstShowMessageFocus)
#include "tst_showmessagefocus.moc"

// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/app/qtinteraction.h"
#include "ui/app/qttranslations.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

namespace {

struct SeenBox {
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    QString title;
    QString text;
    QStringList buttonTexts;
};

// Waits for the message box to appear, notes what it shows and presses button (or the button
// showing buttonText, when given).
void answerNextBox(SeenBox &seen, QMessageBox::StandardButton button,
                   const QString &buttonText = {})
{
    auto *timer = new QTimer(qApp);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, &seen, button, buttonText] {
        for (QWidget *widget : QApplication::topLevelWidgets()) {
            auto *box = qobject_cast<QMessageBox *>(widget);
            if (!box || !box->isVisible())
                continue;
            seen = {box->icon(), box->standardButtons(), box->windowTitle(), box->text(), {}};
            QAbstractButton *pressed = box->button(button);
            for (QAbstractButton *shown : box->buttons()) {
                seen.buttonTexts << shown->text();
                if (!buttonText.isEmpty() && shown->text() == buttonText)
                    pressed = shown;
            }
            timer->deleteLater();
            pressed->click();
            return;
        }
    });
    timer->start(5);
}

} // namespace

class TstQtInteraction : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void styleMapping_data();
    void styleMapping();
    void buttonsSpeakJapanese();
    void skipOrCancel_data();
    void skipOrCancel();
};

void TstQtInteraction::initTestCase()
{
    // No display name: on X11 Qt would append it to every window title.
    QApplication::setApplicationDisplayName(QString());
}

void TstQtInteraction::styleMapping_data()
{
    QTest::addColumn<MessageStyle>("style");
    QTest::addColumn<int>("icon");
    QTest::addColumn<int>("buttons");
    QTest::addColumn<int>("pressed");
    QTest::addColumn<int>("answer");
    using B = QMessageBox;
    using A = Interaction::Answer;
    QTest::newRow("plain OK") << MessageStyle::Plain << int(B::NoIcon) << int(B::Ok) << int(B::Ok)
                              << int(A::Ok);
    QTest::newRow("error OK") << MessageStyle::Error << int(B::Critical) << int(B::Ok) << int(B::Ok)
                              << int(A::Ok);
    QTest::newRow("error Retry/Cancel")
        << MessageStyle::ErrorRetry << int(B::Critical) << int(B::Retry | B::Cancel)
        << int(B::Retry) << int(A::Retry);
    QTest::newRow("error Retry/Cancel cancelled")
        << MessageStyle::ErrorRetry << int(B::Critical) << int(B::Retry | B::Cancel)
        << int(B::Cancel) << int(A::Cancel);
    QTest::newRow("question Yes/No") << MessageStyle::QuestionYesNo << int(B::Question)
                                     << int(B::Yes | B::No) << int(B::Yes) << int(A::Yes);
    QTest::newRow("exclamation OK")
        << MessageStyle::Exclamation << int(B::Warning) << int(B::Ok) << int(B::Ok) << int(A::Ok);
    QTest::newRow("warning Yes/No") << MessageStyle::WarningYesNo << int(B::Warning)
                                    << int(B::Yes | B::No) << int(B::No) << int(A::No);
    QTest::newRow("information OK") << MessageStyle::Information << int(B::Information)
                                    << int(B::Ok) << int(B::Ok) << int(A::Ok);
}

// Each message-box style shows its icon and buttons, and the pressed button is the answer.
void TstQtInteraction::styleMapping()
{
    QFETCH(MessageStyle, style);
    QFETCH(int, icon);
    QFETCH(int, buttons);
    QFETCH(int, pressed);
    QFETCH(int, answer);
    SeenBox seen;
    answerNextBox(seen, QMessageBox::StandardButton(pressed));
    QtInteraction interaction;
    const QString title = style == MessageStyle::Plain ? QString() : QStringLiteral("メッセージ");
    const Interaction::Answer given =
        interaction.messageBox(QStringLiteral("一行目\n二行目"), style, title);
    QCOMPARE(int(seen.icon), icon);
    QCOMPARE(int(seen.buttons), buttons);
    QCOMPARE(seen.title, style == MessageStyle::Plain ? QStringLiteral("Vellora 2000") : title);
    QCOMPARE(seen.text, QStringLiteral("一行目\n二行目"));
    QCOMPARE(int(given), answer);
}

// The program speaks Japanese, so Qt's own button texts do too, whatever the desktop language.
void TstQtInteraction::buttonsSpeakJapanese()
{
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (!QFileInfo::exists(folder + QStringLiteral("/qtbase_ja.qm")))
        QSKIP("Qt's Japanese translation is not installed");
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    installJapaneseQtTexts(qApp);
    SeenBox seen;
    answerNextBox(seen, QMessageBox::No);
    QtInteraction interaction;
    QCOMPARE(int(interaction.messageBox(QStringLiteral("保存しますか？"),
                                        MessageStyle::QuestionYesNo, QStringLiteral("確認"))),
             int(Interaction::Answer::No));
    QCOMPARE(seen.buttonTexts.size(), 2);
    const QString both = seen.buttonTexts.join(QLatin1Char(' '));
    QVERIFY2(both.contains(QStringLiteral("はい")) && both.contains(QStringLiteral("いいえ")),
             qPrintable(both));
}

void TstQtInteraction::skipOrCancel_data()
{
    QTest::addColumn<QString>("pressed");
    QTest::addColumn<Interaction::Answer>("answer");
    QTest::newRow("skip goes on") << QStringLiteral("スキップ") << Interaction::Answer::Skip;
    QTest::newRow("cancel leaves the rest") << QString() << Interaction::Answer::Cancel;
}

// A file that could not be handled: a warning with Skip and Cancel, and the pressed one is the
// answer.
void TstQtInteraction::skipOrCancel()
{
    QFETCH(QString, pressed);
    QFETCH(Interaction::Answer, answer);
    SeenBox seen;
    answerNextBox(seen, QMessageBox::Cancel, pressed);
    QtInteraction interaction;
    QCOMPARE(interaction.skipOrCancel(QStringLiteral("'a.jpg' を移動できません。"),
                                      QStringLiteral("ファイルの移動エラー")),
             answer);
    QCOMPARE(int(seen.icon), int(QMessageBox::Warning));
    QCOMPARE(seen.title, QStringLiteral("ファイルの移動エラー"));
    QCOMPARE(seen.buttonTexts.size(), 2);
    QVERIFY(seen.buttonTexts.contains(QStringLiteral("スキップ")));
}

QTEST_MAIN(TstQtInteraction)
#include "tst_qtinteraction.moc"

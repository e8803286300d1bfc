// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindowfixture.h"

#include "core/slidelist/slidelistmodel.h"
#include "ui/mainwindow/focuscolours.h"
#include "ui/mainwindow/maintoolbar.h"
#include "ui/mainwindow/previewpane.h"
#include "ui/mainwindow/updowncontrol.h"

#include <QAbstractItemView>
#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QMenu>
#include <QSignalSpy>
#include <QToolButton>

namespace {

const QString Rejected = QStringLiteral("1～30の数値を指定して下さい");
const QColor LightBlue(192, 192, 255);

QString intervalHint(const QString &seconds)
{
    return QStringLiteral("スライド間隔は ") + seconds + QStringLiteral(" 秒間です。");
}

} // namespace

class TestMainWindowCommands : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void endCommand_data();
    void endCommand();
    void optionsCommand_data();
    void optionsCommand();
    void aboutRemembersFocus();
    void unknownKeysRunNothing();
    void helpFailureIsShown_data();
    void helpFailureIsShown();
    void emptyListStartsNoShow();
    void clearFromFocusedListPaintsPreview_data();
    void clearFromFocusedListPaintsPreview();
    void showHidesMainWindowUntilClosed();
    void rejectedInterval_data();
    void rejectedInterval();
    void acceptedInterval_data();
    void acceptedInterval();
    void unchangedIntervalKeepsHint();
    void enterIsSwallowed();
    void arrowsMoveFocusToTheSink();
    void arrowsStepOnFromTypedNumber();
    void checkBoxesWriteSettings();
    void checkBoxFocusColours();

private:
    void trigger(const QString &how);
    QLineEdit *enterInterval(const QString &text, QWidget *next = nullptr);

    std::unique_ptr<MainWindowFixture> m_f;
};

void TestMainWindowCommands::init()
{
    m_f = std::make_unique<MainWindowFixture>();
    m_f->settings.intervalSeconds = 2;
    QVERIFY(m_f->open());
}

void TestMainWindowCommands::cleanup()
{
    m_f.reset();
}

// "key:F1", "button:exitAction" (a click on its toolbar button) or "menu:fileMenu/exitAction"
void TestMainWindowCommands::trigger(const QString &how)
{
    const QString what = how.section(QLatin1Char(':'), 1);
    if (how.startsWith(QLatin1String("key:"))) {
        MainWindowFixture::focus(m_f->find<QCheckBox>(QStringLiteral("onTopCheck")));
        QTest::keyClick(QApplication::focusWidget(), QKeySequence::fromString(what)[0].key(),
                        QKeySequence::fromString(what)[0].keyboardModifiers());
    } else if (how.startsWith(QLatin1String("button:"))) {
        auto *toolbar = m_f->find<MainToolBar>(QStringLiteral("mainToolBar"));
        auto *button =
            qobject_cast<QToolButton *>(toolbar->widgetForAction(m_f->find<QAction>(what)));
        QVERIFY(button);
        QTest::mouseClick(button, Qt::LeftButton);
    } else {
        auto *menu = m_f->find<QMenu>(what.section(QLatin1Char('/'), 0, 0));
        auto *item = m_f->find<QAction>(what.section(QLatin1Char('/'), 1));
        QVERIFY(menu && menu->actions().contains(item));
        item->trigger();
    }
}

// F1, the end button and the menu's end item all close the window.
void TestMainWindowCommands::endCommand_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("F1 is the end key") << "key:F1";
    QTest::newRow("end button") << "button:exitAction";
    QTest::newRow("File menu item 5") << "menu:fileMenu/exitAction";
}

void TestMainWindowCommands::endCommand()
{
    QFETCH(QString, how);
    QSignalSpy closing(m_f->window.get(), &MainWindow::closeRequested);
    trigger(how);
    QCOMPARE(closing.count(), 1);
    QVERIFY(!m_f->window->isVisible());
}

// Ctrl+E, the options button and the Tools item keep the focused control's name, then open
// the options dialog modally.
void TestMainWindowCommands::optionsCommand_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("Ctrl+E") << "key:Ctrl+E";
    QTest::newRow("options button") << "button:optionsAction";
    QTest::newRow("Tools menu item 2") << "menu:toolsMenu/optionsAction";
}

void TestMainWindowCommands::optionsCommand()
{
    QFETCH(QString, how);
    MainWindowFixture::focus(m_f->find<QCheckBox>(QStringLiteral("onTopCheck")));
    QString opened;
    m_f->closeNextDialog(&opened);
    trigger(how);
    QCOMPARE(opened, QStringLiteral("OptionsDialog"));
    QCOMPARE(m_f->settings.lastFocusList, QStringLiteral("onTopCheck"));
}

// The version item remembers the focused control before opening the about box.
void TestMainWindowCommands::aboutRemembersFocus()
{
    MainWindowFixture::focus(m_f->find<QLineEdit>(QStringLiteral("intervalEdit")));
    QString opened;
    m_f->closeNextDialog(&opened);
    trigger(QStringLiteral("menu:helpMenu/aboutAction"));
    QCOMPARE(opened, QStringLiteral("AboutBox"));
    QCOMPARE(m_f->settings.lastFocusList, QStringLiteral("intervalEdit"));
}

// The toolbar holds the ten commands and five separators; a separator runs nothing.
void TestMainWindowCommands::unknownKeysRunNothing()
{
    QSignalSpy closing(m_f->window.get(), &MainWindow::closeRequested);
    auto *toolbar = m_f->find<MainToolBar>(QStringLiteral("mainToolBar"));
    const QString hintBefore = m_f->hint();
    const qsizetype callsBefore = m_f->interaction.calls.size();
    const QList<QAction *> buttons = toolbar->actions();
    QCOMPARE(buttons.size(), 15);
    for (QAction *button : buttons) {
        if (button->isSeparator())
            button->trigger();
    }
    QCOMPARE(closing.count(), 0);
    QVERIFY(m_f->window->isVisible());
    QCOMPARE(m_f->interaction.calls.size(), callsBefore);
    QCOMPARE(m_f->hint(), hintBefore);
    QCOMPARE(toolbar->widgetForAction(m_f->find<QAction>(QStringLiteral("helpContentsAction")))
                 ->toolTip(),
             QStringLiteral("ヘルプ...(Ctrl+C)"));
}

// A help file that cannot be opened is reported with its own description, the error icon
// and no title of its own. (The test folder holds no help file.)
void TestMainWindowCommands::helpFailureIsShown_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("help button opens the contents") << "button:helpContentsAction";
    QTest::newRow("Help menu item 0") << "menu:helpMenu/helpContentsAction";
    QTest::newRow("Help menu item 1 opens the index") << "menu:helpMenu/helpIndexAction";
}

void TestMainWindowCommands::helpFailureIsShown()
{
    QFETCH(QString, how);
    trigger(how);
    const auto messages = m_f->interaction.callsOf(QStringLiteral("message"));
    QCOMPARE(messages.size(), 1);
    QVERIFY(!messages[0].text.isEmpty());
    QCOMPARE(messages[0].style, MessageStyle::Error);
    QCOMPARE(messages[0].title, QString());
    QVERIFY(m_f->window->isVisible());
}

// Starting the show with an empty list leaves the main window as it is.
void TestMainWindowCommands::emptyListStartsNoShow()
{
    const qsizetype windowsBefore = QApplication::topLevelWidgets().size();
    trigger(QStringLiteral("key:F7"));
    trigger(QStringLiteral("button:startShowAction"));
    QVERIFY(m_f->window->isVisible());
    QCOMPARE(QApplication::topLevelWidgets().size(), windowsBefore);
    QVERIFY(m_f->interaction.callsOf(QStringLiteral("message")).isEmpty());
}

void TestMainWindowCommands::clearFromFocusedListPaintsPreview_data()
{
    QTest::addColumn<bool>("listFocused");
    QTest::newRow("focused list paints the preview in the show colour") << true;
    QTest::newRow("unfocused list leaves the preview") << false;
}

// Clearing the list from the focused slide list empties the preview in the show's colour.
void TestMainWindowCommands::clearFromFocusedListPaintsPreview()
{
    QFETCH(bool, listFocused);
    auto *list = m_f->find<QAbstractItemView>(QStringLiteral("slideList"));
    QVERIFY(static_cast<SlideListModel *>(list->model())
                ->addEntry(QStringLiteral("/p/a.jpg"), QStringLiteral("jpg"), QStringLiteral("1")));
    auto *preview = m_f->find<PreviewPane>(QStringLiteral("previewPane"));
    const QColor before = preview->backColor();
    m_f->settings.showBackColour = QColor(Qt::red);
    MainWindowFixture::focus(listFocused ? static_cast<QWidget *>(list)
                                         : m_f->find<QCheckBox>(QStringLiteral("onTopCheck")));
    trigger(QStringLiteral("menu:editMenu/clearListAction"));
    QCOMPARE(list->model()->rowCount(), 0);
    QCOMPARE(preview->backColor(), listFocused ? QColor(Qt::red) : before);
}

// The show plays in its own window while the main window hides; closing it brings the main
// window back with the focus where it was.
void TestMainWindowCommands::showHidesMainWindowUntilClosed()
{
    QImage image(QSize(8, 8), QImage::Format_RGB32);
    image.fill(Qt::blue);
    const QString path = m_f->home.filePath(QStringLiteral("slide.png"));
    QVERIFY(image.save(path, "PNG"));
    auto *list = m_f->find<QAbstractItemView>(QStringLiteral("slideList"));
    QVERIFY(static_cast<SlideListModel *>(list->model())
                ->addEntry(path, QStringLiteral("jpg"), QStringLiteral("1")));
    MainWindowFixture::focus(list);
    trigger(QStringLiteral("button:startShowAction"));
    QWidget *show = nullptr;
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (QWidget *widget : windows) {
        if (widget->objectName() == QLatin1String("slideShowWindow") && widget->isVisible())
            show = widget;
    }
    QVERIFY(show);
    QVERIFY(!m_f->window->isVisible());
    QVERIFY(QTest::qWaitForWindowActive(show));
    show->close();
    QVERIFY(m_f->window->isVisible());
    QVERIFY(QTest::qWaitForWindowActive(m_f->window.get()));
    QCOMPARE(QApplication::focusWidget(), list);
}

// Types text into the interval entry and moves the focus on to the next control, the on-top
// box unless told.
QLineEdit *TestMainWindowCommands::enterInterval(const QString &text, QWidget *next)
{
    auto *intervalEdit = m_f->find<QLineEdit>(QStringLiteral("intervalEdit"));
    MainWindowFixture::focus(intervalEdit);
    intervalEdit->selectAll();
    QTest::keyClick(intervalEdit, Qt::Key_Delete);
    QTest::keyClicks(intervalEdit, text);
    MainWindowFixture::focus(next ? next : m_f->find<QCheckBox>(QStringLiteral("onTopCheck")));
    return intervalEdit;
}

// An empty, non-numeric or out-of-range entry is refused with message 16, the entry text
// comes back and the focus returns to the entry.
void TestMainWindowCommands::rejectedInterval_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("31 is above the range") << "31";
    QTest::newRow("0 is below the range") << "0";
    QTest::newRow("letters") << "abc";
    QTest::newRow("empty") << "";
}

void TestMainWindowCommands::rejectedInterval()
{
    QFETCH(QString, text);
    QLineEdit *intervalEdit = enterInterval(text);
    const auto messages = m_f->interaction.callsOf(QStringLiteral("message"));
    QCOMPARE(messages.size(), 1);
    QCOMPARE(messages[0].text, Rejected);
    QCOMPARE(intervalEdit->text(), QStringLiteral("2"));
    QCOMPARE(QApplication::focusWidget(), intervalEdit);
    QCOMPARE(m_f->hint(), intervalHint(QStringLiteral("2")));
    QCOMPARE(m_f->settings.intervalSeconds, 2);
}

// A number from 1 to 30 becomes the interval in whole seconds and the hint is cleared; a
// control that writes no hint of its own leaves the panel empty.
void TestMainWindowCommands::acceptedInterval_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("seconds");
    QTest::newRow("30 is the highest") << "30" << 30;
    QTest::newRow("a half rounds to even") << "2.5" << 2;
    QTest::newRow("a fraction rounds to the nearest") << "7.6" << 8;
}

void TestMainWindowCommands::acceptedInterval()
{
    QFETCH(QString, text);
    QFETCH(int, seconds);
    auto *quiet = new QLineEdit(m_f->window->centralWidget());
    quiet->show();
    QLineEdit *intervalEdit = enterInterval(text, quiet);
    QVERIFY(m_f->interaction.callsOf(QStringLiteral("message")).isEmpty());
    QCOMPARE(m_f->settings.intervalSeconds, qint16(seconds));
    QCOMPARE(intervalEdit->text(), QString::number(seconds));
    QCOMPARE(m_f->find<UpDownControl>(QStringLiteral("intervalUpDown"))->value(), seconds);
    QCOMPARE(m_f->hint(), QString());
    QCOMPARE(FocusColours::background(*intervalEdit), QColor(Qt::white));
}

// Leaving the entry unchanged keeps the interval hint.
void TestMainWindowCommands::unchangedIntervalKeepsHint()
{
    auto *intervalEdit = m_f->find<QLineEdit>(QStringLiteral("intervalEdit"));
    MainWindowFixture::focus(intervalEdit);
    QCOMPARE(FocusColours::background(*intervalEdit), LightBlue);
    QCOMPARE(m_f->hint(), intervalHint(QStringLiteral("2")));
    // A control of its own that writes no hint takes the focus.
    auto *quiet = new QLineEdit(m_f->window->centralWidget());
    quiet->show();
    MainWindowFixture::focus(quiet);
    QCOMPARE(QApplication::focusWidget(), quiet);
    QVERIFY(m_f->interaction.calls.isEmpty());
    QCOMPARE(m_f->hint(), intervalHint(QStringLiteral("2")));
}

// Enter in the entry does nothing: no check, no message, no beep.
void TestMainWindowCommands::enterIsSwallowed()
{
    auto *intervalEdit = m_f->find<QLineEdit>(QStringLiteral("intervalEdit"));
    MainWindowFixture::focus(intervalEdit);
    intervalEdit->end(false);
    QTest::keyClicks(intervalEdit, QStringLiteral("9"));
    QTest::keyClick(intervalEdit, Qt::Key_Return);
    QTest::keyClick(intervalEdit, Qt::Key_Enter);
    QCoreApplication::processEvents();
    QVERIFY(m_f->interaction.calls.isEmpty());
    QCOMPARE(intervalEdit->text(), QStringLiteral("29"));
    QCOMPARE(QApplication::focusWidget(), intervalEdit);
}

// The arrows move the interval, the entry follows and the focus goes to the focus sink,
// which keeps the entry painted as active.
void TestMainWindowCommands::arrowsMoveFocusToTheSink()
{
    auto *upDown = m_f->find<UpDownControl>(QStringLiteral("intervalUpDown"));
    auto *intervalEdit = m_f->find<QLineEdit>(QStringLiteral("intervalEdit"));
    QTest::mouseClick(upDown->upButton(), Qt::LeftButton);
    QCoreApplication::processEvents();
    QCOMPARE(intervalEdit->text(), QStringLiteral("3"));
    QCOMPARE(m_f->settings.intervalSeconds, qint16(3));
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("focusSink"));
    QCOMPARE(FocusColours::background(*intervalEdit), LightBlue);
    for (int i = 0; i < 40; ++i)
        QTest::mouseClick(upDown->upButton(), Qt::LeftButton);
    QCOMPARE(m_f->settings.intervalSeconds, 30);
}

// The arrows and the entry follow each other: a number typed in is where the arrows step from.
void TestMainWindowCommands::arrowsStepOnFromTypedNumber()
{
    auto *upDown = m_f->find<UpDownControl>(QStringLiteral("intervalUpDown"));
    auto *intervalEdit = m_f->find<QLineEdit>(QStringLiteral("intervalEdit"));
    MainWindowFixture::focus(intervalEdit);
    intervalEdit->selectAll();
    QTest::keyClicks(intervalEdit, QStringLiteral("20"));
    QTest::mouseClick(upDown->upButton(), Qt::LeftButton);
    QCoreApplication::processEvents();
    QCOMPARE(intervalEdit->text(), QStringLiteral("21"));
    QCOMPARE(upDown->value(), 21);
    QCOMPARE(m_f->settings.intervalSeconds, 21);
    QVERIFY(m_f->interaction.callsOf(QStringLiteral("message")).isEmpty());
}

// Clicking the boxes writes their settings at once, with their hints.
void TestMainWindowCommands::checkBoxesWriteSettings()
{
    auto *onTopCheck = m_f->find<QCheckBox>(QStringLiteral("onTopCheck"));
    auto *maximizedCheck = m_f->find<QCheckBox>(QStringLiteral("maximizedCheck"));
    QVERIFY(onTopCheck->isChecked()); // from AlwaysOnTop = 1
    QTest::mouseClick(onTopCheck, Qt::LeftButton, {}, onTopCheck->rect().center());
    QCOMPARE(m_f->settings.alwaysOnTop, qint16(0));
    QCOMPARE(m_f->hint(), QStringLiteral("スライド画面は別ウィンドウで隠れます。"));
    QTest::mouseClick(onTopCheck, Qt::LeftButton, {}, onTopCheck->rect().center());
    QCOMPARE(m_f->settings.alwaysOnTop, qint16(1));
    QCOMPARE(m_f->hint(), QStringLiteral("スライド画面を常時手前に表示します。"));
    QTest::mouseClick(maximizedCheck, Qt::LeftButton, {}, maximizedCheck->rect().center());
    QCOMPARE(m_f->settings.showMaximized, qint16(1));
    QCOMPARE(m_f->hint(), QStringLiteral("スライド画面を最大で表示します。"));
    QTest::mouseClick(maximizedCheck, Qt::LeftButton, {}, maximizedCheck->rect().center());
    QCOMPARE(m_f->settings.showMaximized, qint16(0));
    QCOMPARE(m_f->hint(), QString());
}

// A box with the focus is light blue and shows its hint; without it, grey and no hint.
void TestMainWindowCommands::checkBoxFocusColours()
{
    auto *onTopCheck = m_f->find<QCheckBox>(QStringLiteral("onTopCheck"));
    QCOMPARE(FocusColours::background(*onTopCheck), QColor(192, 192, 192));
    MainWindowFixture::focus(onTopCheck);
    QCOMPARE(FocusColours::background(*onTopCheck), LightBlue);
    QCOMPARE(m_f->hint(), QStringLiteral("スライド画面を常時手前に表示します。"));
    MainWindowFixture::focus(m_f->find<QCheckBox>(QStringLiteral("maximizedCheck")));
    QCOMPARE(FocusColours::background(*onTopCheck), QColor(192, 192, 192));
    QCOMPARE(m_f->hint(), QString());
}

QTEST_MAIN(TestMainWindowCommands)
#include "tst_mainwindowcommands.moc"

// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindowonx11.h"
#include "xinput.h"

#include "core/browser/foldertreekeys.h"
#include "ui/browser/foldertreeview.h"
#include "ui/mainwindow/focuscolours.h"
#include "ui/mainwindow/updowncontrol.h"

#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>
#include <QToolButton>

namespace {

const QString Rejected = QStringLiteral("1～30の数値を指定して下さい");
const QString OnTopHint = QStringLiteral("スライド画面を常時手前に表示します。");
const QColor LightBlue(192, 192, 255);
const QColor CheckGrey(192, 192, 192);

QString intervalHint(const QString &seconds)
{
    return QStringLiteral("スライド間隔は ") + seconds + QStringLiteral(" 秒間です。");
}

} // namespace

// The main window's keys, menus, focus colours and hints under a real window manager, driven
// by keys and clicks from the X server.
class TstMainWindowOnX11 : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void shortcutsWinFromEveryControl_data();
    void shortcutsWinFromEveryControl();
    void editingKeysStayWithTheEntry_data();
    void editingKeysStayWithTheEntry();
    void enteringTheMenusIsNotLeavingTheEntry_data();
    void enteringTheMenusIsNotLeavingTheEntry();
    void nextControlKeepsItsHint_data();
    void nextControlKeepsItsHint();
    void focusColoursFollowTheFocusAfterRejection_data();
    void focusColoursFollowTheFocusAfterRejection();
    void focusSinkTakesNoTypedKeys_data();
    void focusSinkTakesNoTypedKeys();

private:
    void open();
    QLineEdit *intervalEdit() const { return m_f->find<QLineEdit>(QStringLiteral("intervalEdit")); }
    QWidget *control(const QString &name) const { return m_f->find<QWidget>(name); }
    bool giveFocusTo(const QString &name);
    bool typeInterval(const QString &text);
    bool pressAndWait(const QString &keys, int lastKey);

    std::unique_ptr<MainWindowFixture> m_f;
    std::unique_ptr<XInput::InputLog> m_input;
};

void TstMainWindowOnX11::init()
{
    m_f = std::make_unique<MainWindowFixture>(std::make_unique<ModalAnswers>());
    m_input = std::make_unique<XInput::InputLog>();
}

void TstMainWindowOnX11::cleanup()
{
    m_input.reset();
    m_f.reset();
}

void TstMainWindowOnX11::open()
{
    QVERIFY(openFramed(*m_f));
}

// The focus sink gets the focus as a user gives it: with a click on the interval arrows.
bool TstMainWindowOnX11::giveFocusTo(const QString &name)
{
    QWidget *target = control(name);
    if (name == QLatin1String("focusSink"))
        XInput::click(m_f->find<UpDownControl>(QStringLiteral("intervalUpDown"))->upButton());
    else
        target->setFocus(Qt::OtherFocusReason);
    return QTest::qWaitFor([target] { return QApplication::focusWidget() == target; },
                           X11Wait::Timeout);
}

// Presses keys and waits until the last of them is released: all they caused has run then.
bool TstMainWindowOnX11::pressAndWait(const QString &keys, int lastKey)
{
    m_input->entries.clear();
    if (!XInput::key(keys))
        return false;
    const bool released =
        QTest::qWaitFor([this, lastKey] { return m_input->released(lastKey); }, X11Wait::Timeout);
    QCoreApplication::processEvents();
    return released;
}

// Clicks into the interval entry, selects its text and types over it.
bool TstMainWindowOnX11::typeInterval(const QString &text)
{
    QLineEdit *edit = intervalEdit();
    XInput::click(edit);
    if (!QTest::qWaitFor([edit] { return edit->hasFocus(); }, X11Wait::Timeout))
        return false;
    return pressAndWait(QStringLiteral("ctrl+a BackSpace"), Qt::Key_Backspace) &&
           XInput::type(text) &&
           QTest::qWaitFor([edit, text] { return edit->text() == text; }, X11Wait::Timeout);
}

void TstMainWindowOnX11::shortcutsWinFromEveryControl_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("action");
    const QStringList controls{
        QStringLiteral("intervalEdit"), QStringLiteral("focusSink"),
        QStringLiteral("onTopCheck"),   QStringLiteral("maximizedCheck"),
        QStringLiteral("folderTree"),   QStringLiteral("fileList"),
        QStringLiteral("slideList"),
    };
    const QList<std::pair<const char *, const char *>> shortcuts{
        {"ctrl+e", "optionsAction"}, {"ctrl+s", "saveAsAction"}, {"F1", "exitAction"},
        {"F2", "openListAction"},    {"F3", "saveAction"},       {"F4", "clearListAction"},
        {"F5", "addSelectedAction"}, {"F6", "addAllAction"},     {"F7", "startShowAction"},
    };
    for (const QString &name : controls) {
        for (const auto &[keys, action] : shortcuts) {
            QTest::addRow("%s from %s", keys, qPrintable(name))
                << name << QString::fromLatin1(keys) << QString::fromLatin1(action);
        }
    }
}

// Every command key with Ctrl or a function key runs its command whichever control has the
// focus, the entries included, which would otherwise take Ctrl+E as "end of line".
void TstMainWindowOnX11::shortcutsWinFromEveryControl()
{
    QFETCH(QString, control);
    QFETCH(QString, keys);
    QFETCH(QString, action);
    open();
    QVERIFY(giveFocusTo(control));
    QSignalSpy triggered(m_f->find<QAction>(action), &QAction::triggered);
    QString opened;
    if (action == QLatin1String("optionsAction"))
        m_f->closeNextDialog(&opened);
    QVERIFY(XInput::key(keys));
    QTRY_COMPARE_WITH_TIMEOUT(triggered.count(), 1, X11Wait::Timeout);
    if (action == QLatin1String("optionsAction"))
        QTRY_COMPARE_WITH_TIMEOUT(opened, QStringLiteral("OptionsDialog"), X11Wait::Timeout);
}

void TstMainWindowOnX11::editingKeysStayWithTheEntry_data()
{
    QTest::addColumn<QString>("keys");
    QTest::addColumn<int>("lastKey");
    QTest::addColumn<QString>("text");
    QTest::newRow("Delete takes the digit after the caret")
        << "Home Delete" << int(Qt::Key_Delete) << "5";
    QTest::newRow("Backspace takes the digit before the caret")
        << "End BackSpace" << int(Qt::Key_Backspace) << "1";
    QTest::newRow("arrows move the caret") << "Left Left 9" << int(Qt::Key_9) << "915";
    QTest::newRow("Ctrl+A selects the text") << "ctrl+a 7" << int(Qt::Key_7) << "7";
}

// Keys without Ctrl or a function key, and Ctrl keys that run no command, edit the entry; the
// Del of the Edit menu stays with the text too.
void TstMainWindowOnX11::editingKeysStayWithTheEntry()
{
    QFETCH(QString, keys);
    QFETCH(int, lastKey);
    QFETCH(QString, text);
    open();
    QVERIFY(typeInterval(QStringLiteral("15")));
    QSignalSpy deleted(m_f->find<QAction>(QStringLiteral("deleteEntriesAction")),
                       &QAction::triggered);
    QVERIFY(pressAndWait(keys, lastKey));
    QCOMPARE(intervalEdit()->text(), text);
    QCOMPARE(deleted.count(), 0);
    QCOMPARE(QApplication::focusWidget(), intervalEdit());
}

void TstMainWindowOnX11::enteringTheMenusIsNotLeavingTheEntry_data()
{
    QTest::addColumn<QString>("keys");
    QTest::addColumn<int>("lastKey");
    QTest::addColumn<bool>("fileMenuOpens");
    QTest::newRow("Alt enters the menu bar") << "alt" << int(Qt::Key_Alt) << false;
    QTest::newRow("Alt+F opens the File menu") << "alt+f" << int(Qt::Key_F) << true;
    QTest::newRow("F10 opens the File menu") << "F10" << int(Qt::Key_F10) << true;
}

// With a refused text in the entry, the menus open without a word; only moving on to another
// control checks the entry.
void TstMainWindowOnX11::enteringTheMenusIsNotLeavingTheEntry()
{
    QFETCH(QString, keys);
    QFETCH(int, lastKey);
    QFETCH(bool, fileMenuOpens);
    open();
    QVERIFY(typeInterval(QStringLiteral("abc")));
    auto *menuBar = m_f->window->menuBar();
    QVERIFY(pressAndWait(keys, lastKey));
    QTRY_VERIFY_WITH_TIMEOUT(menuBar->activeAction() != nullptr, X11Wait::Timeout);
    auto *fileMenu = m_f->find<QMenu>(QStringLiteral("fileMenu"));
    if (fileMenuOpens)
        QTRY_VERIFY_WITH_TIMEOUT(fileMenu->isVisible(), X11Wait::Timeout);
    QVERIFY(m_f->interaction.calls.isEmpty());
    QCOMPARE(intervalEdit()->text(), QStringLiteral("abc"));

    // Escape closes the menu, then leaves the menu bar.
    const auto inMenus = [this] {
        return QApplication::activePopupWidget() || QApplication::focusWidget() != intervalEdit();
    };
    for (int i = 0; i < 3 && inMenus(); ++i)
        QVERIFY(pressAndWait(QStringLiteral("Escape"), Qt::Key_Escape));
    QCOMPARE(QApplication::focusWidget(), intervalEdit());
    QVERIFY(!fileMenu->isVisible());
    QVERIFY(m_f->interaction.calls.isEmpty());
    QCOMPARE(FocusColours::background(*intervalEdit()), LightBlue);

    QVERIFY(pressAndWait(QStringLiteral("Tab"), Qt::Key_Tab));
    QTRY_COMPARE_WITH_TIMEOUT(m_f->interaction.callsOf(QStringLiteral("message")).size(), 1,
                              X11Wait::Timeout);
    QCOMPARE(m_f->interaction.callsOf(QStringLiteral("message")).constFirst().text, Rejected);
    QTRY_COMPARE_WITH_TIMEOUT(QApplication::focusWidget(), intervalEdit(), X11Wait::Timeout);
    QCOMPARE(intervalEdit()->text(), QStringLiteral("2"));
}

void TstMainWindowOnX11::nextControlKeepsItsHint_data()
{
    QTest::addColumn<QString>("next");
    QTest::newRow("Tab to the on-top box") << "onTopCheck";
    QTest::newRow("click on the folder tree") << "folderTree";
}

// An accepted interval clears the hint before the next control writes its own.
void TstMainWindowOnX11::nextControlKeepsItsHint()
{
    QFETCH(QString, next);
    open();
    QVERIFY(typeInterval(QStringLiteral("5")));
    QString expected;
    if (next == QLatin1String("folderTree")) {
        auto *tree = m_f->find<FolderTreeView>(next);
        QTreeWidgetItem *node = tree->currentItem();
        QVERIFY(node);
        expected = FolderKeys::keyPath(FolderTreeView::keyOf(node));
        QVERIFY(!expected.isEmpty());
        QVERIFY(XInput::click(tree->viewport(), tree->visualItemRect(node).center()));
    } else {
        expected = OnTopHint;
        QVERIFY(pressAndWait(QStringLiteral("Tab"), Qt::Key_Tab));
    }
    QTRY_COMPARE_WITH_TIMEOUT(QApplication::focusWidget(), control(next), X11Wait::Timeout);
    QCoreApplication::processEvents();
    QCOMPARE(m_f->settings.intervalSeconds, 5);
    QTRY_COMPARE_WITH_TIMEOUT(m_f->hint(), expected,
                              X11Wait::Timeout); // after the listing it starts
}

void TstMainWindowOnX11::focusColoursFollowTheFocusAfterRejection_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("31 is above the range") << "31";
    QTest::newRow("letters") << "abc";
}

// After the refusal the entry has the focus and the colour, the box it was leaving for has
// neither, and a later Tab into the box shows its hint.
void TstMainWindowOnX11::focusColoursFollowTheFocusAfterRejection()
{
    QFETCH(QString, text);
    open();
    QVERIFY(typeInterval(text));
    QVERIFY(pressAndWait(QStringLiteral("Tab"), Qt::Key_Tab));
    QTRY_COMPARE_WITH_TIMEOUT(m_f->interaction.callsOf(QStringLiteral("message")).size(), 1,
                              X11Wait::Timeout);
    QTRY_VERIFY_WITH_TIMEOUT(m_f->window->isActiveWindow() &&
                                 QApplication::focusWidget() == intervalEdit(),
                             X11Wait::Timeout);
    QCoreApplication::processEvents();
    auto *onTopCheck = m_f->find<QCheckBox>(QStringLiteral("onTopCheck"));
    QCOMPARE(intervalEdit()->text(), QStringLiteral("2"));
    QCOMPARE(FocusColours::background(*intervalEdit()), LightBlue);
    QCOMPARE(FocusColours::background(*onTopCheck), CheckGrey);
    QCOMPARE(m_f->hint(), intervalHint(QStringLiteral("2")));

    QVERIFY(pressAndWait(QStringLiteral("Tab"), Qt::Key_Tab));
    QTRY_COMPARE_WITH_TIMEOUT(QApplication::focusWidget(), onTopCheck, X11Wait::Timeout);
    QCOMPARE(FocusColours::background(*onTopCheck), LightBlue);
    QCOMPARE(FocusColours::background(*intervalEdit()), QColor(Qt::white));
    QCOMPARE(m_f->hint(), OnTopHint);
}

void TstMainWindowOnX11::focusSinkTakesNoTypedKeys_data()
{
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("move");
    QTest::newRow("Tab from the slide list") << "slideList"
                                             << "Tab";
    QTest::newRow("Shift+Tab from the interval entry") << "intervalEdit"
                                                       << "shift+Tab";
    QTest::newRow("click on the interval arrows") << "focusSink"
                                                  << "";
}

// The invisible sink is no stop of the Tab chain, and what is typed while it holds the focus
// after a click on the arrows goes nowhere.
void TstMainWindowOnX11::focusSinkTakesNoTypedKeys()
{
    QFETCH(QString, start);
    QFETCH(QString, move);
    open();
    QVERIFY(giveFocusTo(start));
    if (!move.isEmpty()) {
        // X releases the Tab key of Shift+Tab as a plain Tab.
        QVERIFY(pressAndWait(move, Qt::Key_Tab));
        QVERIFY(QApplication::focusWidget() != control(QStringLiteral("focusSink")));
    }
    QVERIFY(pressAndWait(QStringLiteral("7"), Qt::Key_7));
    QCOMPARE(m_f->find<QLineEdit>(QStringLiteral("focusSink"))->text(), QString());
}

QTEST_MAIN(TstMainWindowOnX11)
#include "tst_mainwindowonx11.moc"

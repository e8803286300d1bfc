// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/mainwindow/mainactions.h"

#include <QAction>
#include <QTest>

class TestCommandTable : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { m_actions = std::make_unique<MainActions>(); }
    void commands_data();
    void commands();
    void toolBarHoldsTheTenCommandsInOrder();
    void rules_data();
    void rules();

private:
    QAction *action(const QString &name) const { return m_actions->findChild<QAction *>(name); }
    // Where an action appears: "file 5", "toolbar 0", "slide pop-up 2", ...
    QStringList placesOf(const QAction *action) const;

    std::unique_ptr<MainActions> m_actions;
};

QStringList TestCommandTable::placesOf(const QAction *action) const
{
    const QList<std::pair<QString, QList<QAction *>>> lists{
        {QStringLiteral("file"), m_actions->fileMenu()},
        {QStringLiteral("edit"), m_actions->editMenu()},
        {QStringLiteral("tools"), m_actions->toolsMenu()},
        {QStringLiteral("help"), m_actions->helpMenu()},
        {QStringLiteral("toolbar"), m_actions->toolBar()},
        {QStringLiteral("slide pop-up"), m_actions->slideListPopUp()},
        {QStringLiteral("folder pop-up"), m_actions->folderTreePopUp()},
    };
    QStringList places;
    for (const auto &[name, actions] : lists) {
        const qsizetype at = actions.indexOf(action);
        if (at >= 0)
            places.append(QStringLiteral("%1 %2").arg(name).arg(at));
    }
    return places;
}

// Every command: its caption with access key, shortcut, status hint, tool tip and the menu
// items and toolbar buttons that run it. A toolbar button runs the very action of its menu
// item, so the two can never disagree.
void TestCommandTable::commands_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QKeySequence>("shortcut");
    QTest::addColumn<QString>("statusHint");
    QTest::addColumn<QString>("toolTip"); // toolbar commands only
    QTest::addColumn<QStringList>("places");
    const auto row = [](const char *rule, const char *name, const QString &caption,
                        const QKeySequence &shortcut, const QString &hint, const QString &tip,
                        const QStringList &places) {
        QTest::newRow(rule) << QString::fromLatin1(name) << caption << shortcut << hint << tip
                            << places;
    };
    using K = QKeySequence;
    row("end is file 5 and the first button", "exitAction", "Vellora 2000の終了(&X)", K(Qt::Key_F1),
        "Vellora 2000の終了", "終了(F1)", {"file 5", "toolbar 0"});
    row("load is file 0", "openListAction", "開く...(&O)", K(Qt::Key_F2), "開く...", "開く...(F2)",
        {"file 0", "toolbar 2"});
    row("save is file 2", "saveAction", "保存...(&V)", K(Qt::Key_F3), "保存...", "保存...(F3)",
        {"file 2", "toolbar 3"});
    row("save as is file 3 and no button", "saveAsAction", "名前を付けて保存...(&S)",
        K(Qt::CTRL | Qt::Key_S), "名前を付けて保存...", "", {"file 3"});
    row("delete is edit 0", "deleteEntriesAction", "削除(&D)", K(Qt::Key_Delete), "削除",
        "削除(Del)", {"edit 0", "toolbar 5"});
    row("alldel is edit 1", "clearListAction", "リストのクリア(&A)", K(Qt::Key_F4),
        "リストのクリア", "リストのクリア(F4)", {"edit 1", "toolbar 6"});
    row("select is edit 3", "addSelectedAction", "ファイルの追加(&W)", K(Qt::Key_F5),
        "ファイルの追加", "ファイルの追加(F5)", {"edit 3", "toolbar 8"});
    row("allselect is edit 4", "addAllAction", "全ファイル追加(&P)", K(Qt::Key_F6),
        "全ファイル追加", "全ファイル追加(F6)", {"edit 4", "toolbar 9"});
    row("start is tools 0", "startShowAction", "スライド実行...(&G)", K(Qt::Key_F7),
        "スライド実行...", "スライド実行...(F7)", {"tools 0", "toolbar 11"});
    row("option1 is tools 2", "optionsAction", "オプション...(&E)", K(Qt::CTRL | Qt::Key_E),
        "オプション...", "オプション...(Ctrl+E)", {"tools 2", "toolbar 13"});
    row("help is help 0", "helpContentsAction", "目次...(&C)", K(), "目次...", "ヘルプ...(Ctrl+C)",
        {"help 0", "toolbar 14"});
    row("index is help 1", "helpIndexAction", "ﾄﾋﾟｯｸｽの検索...(&T)", K(), "ﾄﾋﾟｯｸｽの検索...", "",
        {"help 1"});
    row("about is help 3", "aboutAction", "ﾊﾞｰｼﾞｮﾝ情報...(&A)", K(), "ﾊﾞｰｼﾞｮﾝ情報...", "",
        {"help 3"});
    row("move is slide pop-up 0", "moveFilesAction", "ﾌｧｲﾙの移動", K(), "ﾌｧｲﾙの移動", "",
        {"slide pop-up 0"});
    row("copy is slide pop-up 1", "copyFilesAction", "ﾌｧｲﾙのｺﾋﾟｰ", K(), "ﾌｧｲﾙのｺﾋﾟｰ", "",
        {"slide pop-up 1"});
    row("delete files is slide pop-up 2", "deleteFilesAction", "ﾌｧｲﾙの削除", K(), "ﾌｧｲﾙの削除", "",
        {"slide pop-up 2"});
    row("new folder is folder pop-up 0", "newFolderAction", "新規フォルダの作成", K(),
        "新規フォルダの作成", "", {"folder pop-up 0"});
    row("delete folder is folder pop-up 1", "deleteFolderAction", "フォルダの削除", K(),
        "フォルダの削除", "", {"folder pop-up 1"});
}

void TestCommandTable::commands()
{
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(QKeySequence, shortcut);
    QFETCH(QString, statusHint);
    QFETCH(QString, toolTip);
    QFETCH(QStringList, places);
    QAction *command = action(name);
    QVERIFY(command);
    QCOMPARE(command->text(), caption);
    QCOMPARE(command->shortcut(), shortcut);
    QCOMPARE(command->statusTip(), statusHint);
    if (!toolTip.isEmpty()) // the others have no tool tip of their own
        QCOMPARE(command->toolTip(), toolTip);
    QCOMPARE(placesOf(command), places);
    QVERIFY(!command->isIconVisibleInMenu() || command->icon().isNull());
}

// Fifteen places: the ten commands above and five separators; nothing else can run from the
// toolbar, and a separator runs nothing.
void TestCommandTable::toolBarHoldsTheTenCommandsInOrder()
{
    const QList<QAction *> buttons = m_actions->toolBar();
    QCOMPARE(buttons.size(), 15);
    QList<qsizetype> separators;
    for (qsizetype i = 0; i < buttons.size(); ++i) {
        if (!buttons.at(i))
            separators.append(i);
        else
            QVERIFY(!buttons.at(i)->icon().isNull());
    }
    QCOMPARE(separators, (QList<qsizetype>{1, 4, 7, 10, 12}));
    QCOMPARE(m_actions->findChildren<QAction *>().size(), 19); // with the F10 menu key
}

// The rule each command checks when it is triggered: which list must have entries, and which
// must have the focus for a command that acts on the focused list.
void TestCommandTable::rules_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("slideEntries");
    QTest::addColumn<int>("fileEntries");
    QTest::addColumn<QString>("focused"); // "slide", "file" or another control
    QTest::addColumn<bool>("runs");
    const auto row = [](const char *rule, const char *name, int slides, int files,
                        const char *focused, bool runs) {
        QTest::newRow(rule) << QString::fromLatin1(name) << slides << files
                            << QString::fromLatin1(focused) << runs;
    };
    row("save does nothing on an empty list", "saveAction", 0, 3, "slide", false);
    row("save as does nothing on an empty list", "saveAsAction", 0, 3, "slide", false);
    row("save runs from any control", "saveAction", 1, 0, "other", true);
    row("open runs on an empty list", "openListAction", 0, 0, "other", true);
    row("delete runs from the focused slide list", "deleteEntriesAction", 2, 0, "slide", true);
    row("delete does nothing while the file list has the focus", "deleteEntriesAction", 2, 2,
        "file", false);
    row("delete does nothing while another control has the focus", "deleteEntriesAction", 2, 2,
        "other", false);
    row("delete does nothing on an empty list", "deleteEntriesAction", 0, 2, "slide", false);
    row("clear runs from any control", "clearListAction", 1, 0, "other", true);
    row("clear does nothing on an empty list", "clearListAction", 0, 2, "slide", false);
    row("add selected runs from the focused file list", "addSelectedAction", 0, 1, "file", true);
    row("add selected does nothing while the slide list has the focus", "addSelectedAction", 2, 3,
        "slide", false);
    row("add selected does nothing while another control has the focus", "addSelectedAction", 2, 3,
        "other", false);
    row("add all runs from any control", "addAllAction", 0, 1, "other", true);
    row("add all does nothing on an empty file list", "addAllAction", 3, 0, "file", false);
    row("start is tried even on an empty list", "startShowAction", 0, 0, "other", true);
    row("move does nothing on an empty list", "moveFilesAction", 0, 2, "slide", false);
    row("copy does nothing on an empty list", "copyFilesAction", 0, 2, "slide", false);
    row("delete files does nothing on an empty list", "deleteFilesAction", 0, 2, "slide", false);
    row("delete files runs with entries", "deleteFilesAction", 1, 0, "slide", true);
    row("new folder always runs", "newFolderAction", 0, 0, "other", true);
}

void TestCommandTable::rules()
{
    QFETCH(QString, name);
    QFETCH(int, slideEntries);
    QFETCH(int, fileEntries);
    QFETCH(QString, focused);
    QFETCH(bool, runs);
    const CommandState state{slideEntries, fileEntries, focused == QLatin1String("slide"),
                             focused == QLatin1String("file")};
    QCOMPARE(commandAllowed(m_actions->rule(action(name)), state), runs);
}

QTEST_MAIN(TestCommandTable)
#include "tst_commandtable.moc"

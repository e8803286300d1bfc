// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/mainwindow/commandtable.h"

#include <QTest>

class TestCommandTable : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void keys_data();
    void keys();
};

// Toolbar keys run the menu items of the table, compared without regard to case.
void TestCommandTable::keys_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<int>("menu"); // -1: runs nothing
    QTest::addColumn<int>("index");
    QTest::newRow("end is file 5") << "tbm_End" << int(CommandMenu::File) << 5;
    QTest::newRow("load is file 0") << "tbm_Load" << int(CommandMenu::File) << 0;
    QTest::newRow("save is file 2") << "tbm_Save" << int(CommandMenu::File) << 2;
    QTest::newRow("delete is edit 0") << "tbm_Delete" << int(CommandMenu::Edit) << 0;
    QTest::newRow("alldel is edit 1") << "tbm_Alldel" << int(CommandMenu::Edit) << 1;
    QTest::newRow("select is edit 3") << "tbm_Select" << int(CommandMenu::Edit) << 3;
    QTest::newRow("allselect is edit 4") << "tbm_AllSelect" << int(CommandMenu::Edit) << 4;
    QTest::newRow("start is tools 0") << "tbm_Start" << int(CommandMenu::Tools) << 0;
    QTest::newRow("option1 is tools 2") << "tbm_Option1" << int(CommandMenu::Tools) << 2;
    QTest::newRow("help is help 0") << "tbm_Help" << int(CommandMenu::Help) << 0;
    QTest::newRow("case does not matter") << "TBM_ALLSELECT" << int(CommandMenu::Edit) << 4;
    QTest::newRow("separator runs nothing") << "" << -1 << 0;
    QTest::newRow("unknown key runs nothing") << "tbm_Format" << -1 << 0;
    QTest::newRow("prefix of a key runs nothing") << "tbm_All" << -1 << 0;
}

void TestCommandTable::keys()
{
    QFETCH(QString, key);
    QFETCH(int, menu);
    QFETCH(int, index);
    const std::optional<MenuCommand> command = CommandTable::commandForKey(key);
    QCOMPARE(command.has_value(), menu >= 0);
    if (command) {
        QCOMPARE(int(command->menu), menu);
        QCOMPARE(command->index, index);
    }
}

QTEST_GUILESS_MAIN(TestCommandTable)
#include "tst_commandtable.moc"

// SPDX-License-Identifier: GPL-3.0-or-later
#include "faultsupport.h"
#include "faultwindow.h"

#include <QApplication>
#include <QSet>
#include <QTemporaryDir>

#include <optional>

// Folders that hold links back to themselves or to the folders above them: opening them in
// the tree goes one level at a time, and a dropped folder is walked to an end with every
// picture added once.
class TestLinkCycles : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void treeOpensOneLevelAtATime_data();
    void treeOpensOneLevelAtATime();
    void folderDropEnds_data();
    void folderDropEnds();

private:
    QString path(const QString &relative) const { return m_dir->filePath(relative); }
    void link(const QString &target, const QString &relative)
    {
        QVERIFY(QFile::link(target, path(relative)));
    }

    std::optional<QTemporaryDir> m_dir;
    std::unique_ptr<FaultWindow> m_window;
};

void TestLinkCycles::init()
{
    m_dir.emplace();
    QVERIFY(m_dir->isValid());
    Faults::useTemporaryHome(m_dir->path());
    for (const char *folder : {"vol/loop/inner", "vol/side", "vol/a", "vol/b"})
        QVERIFY(QDir().mkpath(path(QString::fromLatin1(folder))));
    for (const char *file : {"vol/loop/p.jpg", "vol/loop/inner/q.jpg", "vol/r.jpg",
                             "vol/side/s.bmp", "vol/a/t.jpg", "vol/b/u.jpg"})
        writeFile(path(QString::fromLatin1(file)), 10);
    link(QStringLiteral(".."), QStringLiteral("vol/loop/up"));
    link(QStringLiteral("."), QStringLiteral("vol/loop/self"));
    link(path("vol/b"), QStringLiteral("vol/a/to-b"));
    link(path("vol/a"), QStringLiteral("vol/b/to-a"));
    m_window = std::make_unique<FaultWindow>(path("vol"));
    QVERIFY(QTest::qWaitForWindowExposed(&m_window->window));
}

void TestLinkCycles::cleanup()
{
    m_window.reset();
    m_dir.reset();
}

void TestLinkCycles::treeOpensOneLevelAtATime_data()
{
    QTest::addColumn<QString>("start");
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QStringList>("children");
    const QStringList loop{QStringLiteral("inner"), QStringLiteral("self"), QStringLiteral("up")};
    QTest::newRow("link to the folder itself") << "vol/loop" << QStringList(8, "self") << loop;
    QTest::newRow("link to the parent folder")
        << "vol/loop" << QStringList{"up", "loop", "up", "loop", "up", "loop"} << loop;
    QTest::newRow("two folders linking to each other")
        << "vol/a" << QStringList{"to-b", "to-a", "to-b", "to-a", "to-b", "to-a"}
        << QStringList{QStringLiteral("to-b")};
}

// Each opening reads one folder; following a cycle for many levels gives the same children
// again at every level it comes round to.
void TestLinkCycles::treeOpensOneLevelAtATime()
{
    QFETCH(QString, start);
    QFETCH(QStringList, steps);
    QFETCH(QStringList, children);
    QTreeWidgetItem *node = m_window->node(path(start));
    QVERIFY(node);
    QVERIFY(expandNow(*m_window->tree, node));
    QCOMPARE(m_window->childTexts(node), children);
    for (const QString &step : std::as_const(steps)) {
        const qsizetype at = m_window->childTexts(node).indexOf(step);
        QVERIFY2(at >= 0, qPrintable(step));
        node = node->child(int(at));
        QVERIFY(expandNow(*m_window->tree, node));
        QVERIFY(node->childCount() > 0);
    }
    QCOMPARE(m_window->childTexts(node), children);
    QVERIFY(m_window->interaction.calls.isEmpty());
}

void TestLinkCycles::folderDropEnds_data()
{
    QTest::addColumn<QString>("dropped");
    QTest::addColumn<bool>("fromDesktop");
    QTest::addColumn<QStringList>("reached");
    const QStringList everything{"vol/loop/p.jpg", "vol/loop/inner/q.jpg", "vol/r.jpg",
                                 "vol/side/s.bmp", "vol/a/t.jpg",          "vol/b/u.jpg"};
    const QStringList pair{"vol/a/t.jpg", "vol/b/u.jpg"};
    QTest::newRow("folder linking to itself and its parent, from the tree")
        << "vol/loop" << false << everything;
    QTest::newRow("folder linking to itself and its parent, from the desktop")
        << "vol/loop" << true << everything;
    QTest::newRow("two folders linking to each other, from the tree") << "vol/a" << false << pair;
    QTest::newRow("two folders linking to each other, from the desktop") << "vol/a" << true << pair;
}

// The walk ends, and every picture it reaches comes into the list exactly once, whichever
// path led to it.
void TestLinkCycles::folderDropEnds()
{
    QFETCH(QString, dropped);
    QFETCH(bool, fromDesktop);
    QFETCH(QStringList, reached);
    if (fromDesktop)
        m_window->dropFromDesktop({path(dropped)});
    else
        m_window->dropTreeFolder(path(dropped));
    QStringList files;
    const QStringList paths = m_window->model.paths();
    for (const QString &each : paths)
        files.append(QFileInfo(each).canonicalFilePath());
    QStringList expected;
    for (const QString &each : std::as_const(reached))
        expected.append(QFileInfo(path(each)).canonicalFilePath());
    files.sort();
    expected.sort();
    QCOMPARE(files, expected);
}

QTEST_MAIN(TestLinkCycles)
#include "tst_linkcycles.moc"

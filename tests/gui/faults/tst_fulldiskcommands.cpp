// SPDX-License-Identifier: GPL-3.0-or-later
#include "faultsupport.h"
#include "faultwindow.h"

#include <QApplication>
#include <QTemporaryDir>

#include <optional>

namespace {


QByteArray contentOf(const QString &name, int size)
{
    QByteArray bytes = name.toUtf8();
    bytes.resize(size, '.');
    return bytes;
}

} // namespace

// The slide list's move and copy onto a disk that fills up half-way: what arrived is whole,
// what did not is still at its source and in both lists; a moved file leaves the lists.
class TestFullDiskCommands : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void filesThatFitGoFirst_data();
    void filesThatFitGoFirst();

private:
    QString path(const QString &relative) const { return m_dir->filePath(relative); }
    QStringList fileListKeys() const;

    std::optional<QTemporaryDir> m_dir;
    bool m_mounted = false;
    std::unique_ptr<FaultWindow> m_window;
};

void TestFullDiskCommands::init()
{
    m_dir.emplace();
    QVERIFY(m_dir->isValid());
    Faults::useTemporaryHome(m_dir->path());
    QVERIFY(QDir().mkpath(path("vol/src")) && QDir().mkpath(path("vol/dst")));
    m_mounted = Faults::mountSmallDisk(path("vol/dst"), 64);
    if (!m_mounted)
        QSKIP("needs root to mount a small file system");
    QVERIFY(Faults::writeAll(path("vol/src/a-small.jpg"), contentOf("a-small.jpg", 16 * 1024)));
    QVERIFY(Faults::writeAll(path("vol/src/b-big.jpg"), contentOf("b-big.jpg", 200 * 1024)));
    m_window = std::make_unique<FaultWindow>(path("vol"));
    QVERIFY(QTest::qWaitForWindowExposed(&m_window->window));
    for (const char *name : {"vol/src/a-small.jpg", "vol/src/b-big.jpg"})
        m_window->model.addEntry(path(name), path(name), QStringLiteral("    16,384"));
    m_window->slides->selectAll();
    QVERIFY(showFolderFilesNow(*m_window->files, path("vol/src")));
}

void TestFullDiskCommands::cleanup()
{
    m_window.reset();
    if (m_mounted)
        Faults::unmount(path("vol/dst"));
    m_mounted = false;
    m_dir.reset();
}

QStringList TestFullDiskCommands::fileListKeys() const
{
    QStringList keys;
    const QVector<FileListEntry> entries = m_window->files->allEntries();
    for (const FileListEntry &entry : entries)
        keys.append(entry.key);
    return keys;
}

void TestFullDiskCommands::filesThatFitGoFirst_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QStringList>("left");
    const QStringList both{QStringLiteral("vol/src/a-small.jpg"),
                           QStringLiteral("vol/src/b-big.jpg")};
    QTest::newRow("move: the file that fits leaves both lists")
        << QStringLiteral("move") << QStringList{QStringLiteral("vol/src/b-big.jpg")};
    QTest::newRow("copy: both lists stay as they were") << QStringLiteral("copy") << both;
}

// Running out of room stops only the file that does not fit; the lists follow what moved.
void TestFullDiskCommands::filesThatFitGoFirst()
{
    QFETCH(QString, command);
    QFETCH(QStringList, left);
    QStringList expected;
    for (const QString &each : std::as_const(left))
        expected.append(path(each));
    m_window->interaction.fileNames << path("vol/dst");
    m_window->runShellCommand(command);
    QCOMPARE(m_window->model.paths(), expected);
    QCOMPARE(fileListKeys(), expected);
    QCOMPARE(QDir(path("vol/dst")).entryList(QDir::Files | QDir::Hidden),
             QStringList{QStringLiteral("a-small.jpg")});
    QCOMPARE(Faults::readAll(path("vol/dst/a-small.jpg")), contentOf("a-small.jpg", 16 * 1024));
    QCOMPARE(Faults::readAll(path("vol/src/b-big.jpg")), contentOf("b-big.jpg", 200 * 1024));
    QCOMPARE(QFileInfo::exists(path("vol/src/a-small.jpg")), command == QLatin1String("copy"));
    QVERIFY(m_window->interaction.callsOf(QStringLiteral("message")).isEmpty());
    if (command == QLatin1String("move"))
        QCOMPARE(m_window->hints.hint(), QStringLiteral("リストに 1枚の画像があります。"));
}

QTEST_MAIN(TestFullDiskCommands)
#include "tst_fulldiskcommands.moc"

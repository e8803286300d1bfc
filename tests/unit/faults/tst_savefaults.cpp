// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/settings/settings.h"
#include "core/settings/settingsfile.h"
#include "core/slidelist/listdocument.h"
#include "core/slidelist/listfilecommands.h"
#include "core/slidelist/listfileformat.h"
#include "core/slidelist/slidelistmodel.h"
#include "faultsupport.h"
#include "scriptedinteraction.h"

#include <QTemporaryDir>
#include <QTest>

#include <optional>

namespace {

const QStringList OldPaths{QStringLiteral("/old/a.jpg"), QStringLiteral("/old/b.bmp")};

// What a failed save must leave: the list file, and the document state that names it.
struct SaveOutcome {
    QByteArray bytes;
    QString listPath;
    bool modified = false;
    // The one message told was the write error.
    bool toldWriteError = false;
};

} // namespace

// Saving the list or the settings where the disk is full or the folder may not be written:
// the save says it failed, the previous file stays byte for byte and no partial file is left.
class TestSaveFaults : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void listSaveOnFullDisk_data();
    void listSaveOnFullDisk();
    void listSaveInReadOnlyFolder();
    void settingsOnFullDisk();

private:
    QString path(const QString &relative) const { return m_dir->filePath(relative); }
    bool mountDisk();
    // Fills the disk until not one more block fits.
    void fillDisk();
    // Saves a list of `entries` pictures over the old list at list, through the File menu's
    // Save.
    static SaveOutcome saveOver(const QString &list, int entries);

    std::optional<QTemporaryDir> m_dir;
    bool m_mounted = false;
};

void TestSaveFaults::init()
{
    m_dir.emplace();
    QVERIFY(m_dir->isValid());
    Faults::useTemporaryHome(m_dir->path());
    QVERIFY(QDir().mkpath(path("disk")));
}

void TestSaveFaults::cleanup()
{
    if (m_mounted)
        Faults::unmount(path("disk"));
    m_mounted = false;
    Faults::setMode(path("disk"), 0755);
    m_dir.reset();
}

bool TestSaveFaults::mountDisk()
{
    m_mounted = Faults::mountSmallDisk(path("disk"), 64);
    return m_mounted;
}

void TestSaveFaults::fillDisk()
{
    QFile filler(path("disk/filler"));
    QVERIFY(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
    const QByteArray block(4096, 'f');
    while (filler.write(block) == block.size()) {
    }
}

SaveOutcome TestSaveFaults::saveOver(const QString &list, int entries)
{
    SlideListModel model;
    for (int i = 0; i < entries; ++i) {
        const QString picture = QStringLiteral("/pictures/many/%1.jpg").arg(i, 6, 10, QChar(u'0'));
        model.addEntry(picture, picture, QStringLiteral("     1,234"));
    }
    ListDocument document;
    document.setNameAndPath(QStringLiteral("old"), list);
    document.listModified = true;
    Settings settings;
    ScriptedInteraction interaction;
    ListFileCommands commands(model, document, settings, interaction);
    commands.saveList();
    const QVector<ScriptedInteraction::Call> told = interaction.callsOf(QStringLiteral("message"));
    const bool writeError = told.size() == 1 && told.first().style == MessageStyle::Error &&
                            told.first().title == QStringLiteral("書き込みエラー");
    return {Faults::readAll(list), document.listPath, document.listModified, writeError};
}

void TestSaveFaults::listSaveOnFullDisk_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("entries");
    QTest::addColumn<bool>("filled");
    QTest::newRow("binary list larger than the room left") << "old.vrl" << 5000 << false;
    QTest::newRow("text list larger than the room left") << "old.txt" << 5000 << false;
    QTest::newRow("short binary list on a full disk") << "old.vrl" << 3 << true;
    QTest::newRow("short text list on a full disk") << "old.txt" << 3 << true;
}

// A list that does not fit: one error message, the old list and the document's name and
// modified flag as they were, nothing else on the disk.
void TestSaveFaults::listSaveOnFullDisk()
{
    QFETCH(QString, name);
    QFETCH(int, entries);
    QFETCH(bool, filled);
    if (!mountDisk())
        QSKIP("needs root to mount a small file system");
    const QString list = path(QStringLiteral("disk/") + name);
    QVERIFY(writeListFile(list, listFormatOf(list), OldPaths));
    const QByteArray before = Faults::readAll(list);
    if (filled)
        fillDisk();
    const SaveOutcome outcome = saveOver(list, entries);
    QVERIFY(outcome.toldWriteError);
    QCOMPARE(outcome.bytes, before);
    QCOMPARE(outcome.listPath, list);
    QVERIFY(outcome.modified);
    QStringList left = QDir(path("disk")).entryList(QDir::Files | QDir::Hidden);
    left.removeAll(QStringLiteral("filler"));
    QCOMPARE(left, QStringList{name});
}

// The same for a list the user may not write in a folder the user may not write, made real
// under root by giving it up.
void TestSaveFaults::listSaveInReadOnlyFolder()
{
    const QString list = path("disk/old.vrl");
    QVERIFY(writeListFile(list, ListFormat::Vrl, OldPaths));
    const QByteArray before = Faults::readAll(list);
    QVERIFY(Faults::handOver(m_dir->path()));
    QVERIFY(Faults::setMode(list, 0444));
    QVERIFY(Faults::setMode(path("disk"), 0555));
    const std::optional<int> kept = Faults::runUnprivileged([&] {
        const SaveOutcome outcome = saveOver(list, 3);
        return outcome.toldWriteError && outcome.bytes == before && outcome.modified ? 1 : 0;
    });
    if (!kept)
        QSKIP("cannot work as an ordinary user here");
    QCOMPARE(*kept, 1);
    QCOMPARE(Faults::readAll(list), before);
    QCOMPARE(QDir(path("disk")).entryList(QDir::Files | QDir::Hidden),
             QStringList{QStringLiteral("old.vrl")});
}

// Settings that find the disk full are not written, and the old file is kept whole.
void TestSaveFaults::settingsOnFullDisk()
{
    if (!mountDisk())
        QSKIP("needs root to mount a small file system");
    Settings settings;
    settings.settingsPath = path("disk/vel20.ini");
    QVERIFY(SettingsFile::write(settings));
    const QByteArray before = Faults::readAll(settings.settingsPath);
    fillDisk();
    settings.mainLeft = 1500;
    settings.currentListPath = QStringLiteral("/写真/旅行.vrl");
    QVERIFY(!SettingsFile::write(settings));
    QCOMPARE(Faults::readAll(settings.settingsPath), before);
    QCOMPARE(QDir(path("disk")).entryList(QDir::Files | QDir::Hidden),
             (QStringList{QStringLiteral("filler"), QStringLiteral("vel20.ini")}));
}

QTEST_GUILESS_MAIN(TestSaveFaults)
#include "tst_savefaults.moc"

// SPDX-License-Identifier: GPL-3.0-or-later
#include "faultsupport.h"
#include "savekillrunner.h"
#include "core/slidelist/listfileformat.h"

#include <QTemporaryDir>
#include <QTest>

#include <optional>

namespace {

constexpr int ListEntries = 200000;

} // namespace

// A list save cut off at any moment by SIGKILL leaves the previous list byte for byte or the
// new one complete, never a shortened file; a leftover of the cut save never passes for a list,
// and saving again works.
class TestListSaveKill : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void listSaveSurvivesKill_data() { SaveKill::addKillPoints(); }
    void listSaveSurvivesKill();

private:
    QString path(const QString &name) const { return m_dir->filePath(name); }
    // Names in the folder other than the file itself.
    QStringList othersThan(const QString &name) const;

    QByteArray m_listBefore;
    QByteArray m_listAfter;
    std::optional<QTemporaryDir> m_dir;
};

void TestListSaveKill::initTestCase()
{
    bool ok = false;
    m_listBefore = encodeList(ListFormat::Vrl, SaveKill::listPaths('a', ListEntries), &ok);
    QVERIFY(ok);
    m_listAfter = encodeList(ListFormat::Vrl, SaveKill::listPaths('b', ListEntries), &ok);
    QVERIFY(ok);
    QVERIFY(m_listBefore.size() != m_listAfter.size());
}

void TestListSaveKill::init()
{
    m_dir.emplace();
    QVERIFY(m_dir->isValid());
    Faults::useTemporaryHome(m_dir->path());
}

QStringList TestListSaveKill::othersThan(const QString &name) const
{
    QStringList names = QDir(m_dir->path()).entryList(QDir::Files | QDir::Hidden | QDir::System);
    names.removeAll(name);
    return names;
}

void TestListSaveKill::listSaveSurvivesKill()
{
    QFETCH(int, saves);
    QFETCH(int, opens);
    QFETCH(int, delay);
    const QString list = path("旅行.vrl");
    QVERIFY(Faults::writeAll(list, m_listBefore));

    const bool reached =
        SaveKill::runAndKill({QStringLiteral("list"), list, QString::number(ListEntries),
                              QString::number(SaveKill::Rounds)},
                             {saves, opens, delay});

    const QByteArray bytes = Faults::readAll(list);
    QVERIFY2(bytes == m_listBefore || bytes == m_listAfter,
             qPrintable(QStringLiteral("%1 bytes: neither the old list (%2) nor the new (%3)")
                            .arg(bytes.size())
                            .arg(m_listBefore.size())
                            .arg(m_listAfter.size())));
    const QStringList others = othersThan(QStringLiteral("旅行.vrl"));
    for (const QString &other : others)
        QVERIFY2(listFormatOf(other) == ListFormat::None, qPrintable(other));
    QVERIFY(writeListFile(list, ListFormat::Vrl, {QStringLiteral("/after.jpg")}));
    QCOMPARE(readListFile(list, ListFormat::Vrl).paths, QStringList{QStringLiteral("/after.jpg")});
    if (!reached)
        QSKIP("the saves ended before this kill point could be caught");
}

QTEST_GUILESS_MAIN(TestListSaveKill)
#include "tst_listsavekill.moc"

// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/settings/profilefile.h"
#include "core/settings/settingsfile.h"
#include "faultsupport.h"
#include "savekillrunner.h"

#include <QTemporaryDir>
#include <QTest>

#include <optional>

// A settings save cut off at any moment by SIGKILL leaves the previous file byte for byte or
// the new one complete: never a file that mixes old and new values.
class TestSettingsSaveKill : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void settingsSaveSurvivesKill_data() { SaveKill::addKillPoints(); }
    void settingsSaveSurvivesKill();

private:
    QString path(const QString &name) const { return m_dir->filePath(name); }

    std::optional<QTemporaryDir> m_dir;
};

void TestSettingsSaveKill::init()
{
    m_dir.emplace();
    QVERIFY(m_dir->isValid());
    Faults::useTemporaryHome(m_dir->path());
}

void TestSettingsSaveKill::settingsSaveSurvivesKill()
{
    QFETCH(int, saves);
    QFETCH(int, opens);
    QFETCH(int, delay);
    const QString ini = path("vel20.ini");
    QVERIFY(ProfileFile::writeString(ini, QStringLiteral("Other"), QStringLiteral("keep"),
                                     QStringLiteral("外の値")));
    QVERIFY(SettingsFile::write(SaveKill::settingsVersion('a', ini)));
    const QByteArray before = Faults::readAll(ini);
    const QString scratch = path("scratch.ini");
    QVERIFY(QFile::copy(ini, scratch));
    QVERIFY(SettingsFile::write(SaveKill::settingsVersion('b', scratch)));
    const QByteArray after = Faults::readAll(scratch);
    QVERIFY(QFile::remove(scratch));
    QVERIFY(before != after);

    const bool reached =
        SaveKill::runAndKill({QStringLiteral("settings"), ini, QString::number(SaveKill::Rounds)},
                             {saves, opens, delay});

    const QByteArray bytes = Faults::readAll(ini);
    QVERIFY2(bytes == before || bytes == after,
             qPrintable(QStringLiteral("neither the old settings nor the new:\n") +
                        QString::fromUtf8(bytes)));
    QVERIFY(SettingsFile::write(SaveKill::settingsVersion('a', ini)));
    QCOMPARE(Faults::readAll(ini), before);
    if (!reached)
        QSKIP("the saves ended before this kill point could be caught");
}

QTEST_GUILESS_MAIN(TestSettingsSaveKill)
#include "tst_settingssavekill.moc"

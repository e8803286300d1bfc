// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/settings/settingspath.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

class TstSettingsPath : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void writableProgramFolderHoldsTheFile();
    void otherwiseTheUserConfigurationFolder_data();
    void otherwiseTheUserConfigurationFolder();

private:
    QTemporaryDir m_dir;
};

void TstSettingsPath::initTestCase()
{
    QVERIFY(m_dir.isValid());
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_dir.filePath(QStringLiteral("config"))));
    QCoreApplication::setOrganizationName(QString());
    QCoreApplication::setApplicationName(QStringLiteral("vellora"));
}

// A portable copy keeps its settings beside the program.
void TstSettingsPath::writableProgramFolderHoldsTheFile()
{
    QCOMPARE(settingsFilePath(m_dir.path()), m_dir.filePath(QStringLiteral("vel20.ini")));
}

void TstSettingsPath::otherwiseTheUserConfigurationFolder_data()
{
    QTest::addColumn<QString>("programFolder");
    QTest::newRow("missing program folder") << m_dir.filePath(QStringLiteral("gone"));
    QTest::newRow("unknown program folder") << QString();
    QDir(m_dir.path()).mkpath(QStringLiteral("usr/bin"));
    QDir(m_dir.path()).mkpath(QStringLiteral("usr/share/vellora"));
    QTest::newRow("installed program folder, even when writable")
        << m_dir.filePath(QStringLiteral("usr/bin"));
}

// An installed program keeps its settings in ~/.config/vellora, made when missing.
void TstSettingsPath::otherwiseTheUserConfigurationFolder()
{
    QFETCH(QString, programFolder);
    const QString expected = m_dir.filePath(QStringLiteral("config/vellora/vel20.ini"));
    QCOMPARE(settingsFilePath(programFolder), expected);
    QVERIFY(QFileInfo(expected).dir().exists());
}

QTEST_GUILESS_MAIN(TstSettingsPath)
#include "tst_settingspath.moc"

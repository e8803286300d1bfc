// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/shellroutines.h"
#include "platform/volumes.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TestShellRoutines : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void displayName_data();
    void displayName();
    void displayNameOfRootIsItsNodeText();
    void documentsFolderIsHome();
    void desktopFolder();
    void unknownSpecialFolderIsEmpty();
    void rootVolumeComesFirst();
    void volumeChoice_data();
    void volumeChoice();
    void volumeLabels();

private:
    QTemporaryDir m_home;
    QTemporaryDir m_config;
};

void TestShellRoutines::initTestCase()
{
    QVERIFY(m_home.isValid() && m_config.isValid());
    qputenv("HOME", QFile::encodeName(m_home.path()));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_config.path()));
    QDir(m_home.path()).mkpath(QStringLiteral("写真/旅行.2001"));
    QFile file(m_home.filePath(QStringLiteral("写真/Beach.JPG")));
    QVERIFY(file.open(QIODevice::WriteOnly));
}

void TestShellRoutines::displayName_data()
{
    QTest::addColumn<QString>("relativePath");
    QTest::addColumn<QString>("expected");
    QTest::newRow("file keeps its extension") << "写真/Beach.JPG"
                                              << "Beach.JPG";
    QTest::newRow("folder with a dot") << "写真/旅行.2001"
                                       << "旅行.2001";
    QTest::newRow("trailing slash is ignored") << "写真/"
                                               << "写真";
    QTest::newRow("missing path is empty") << "写真/none.jpg"
                                           << "";
    QTest::newRow("missing folder is empty") << "nowhere/"
                                             << "";
}

void TestShellRoutines::displayName()
{
    QFETCH(QString, relativePath);
    QFETCH(QString, expected);
    QCOMPARE(shellDisplayName(m_home.path() + QLatin1Char('/') + relativePath), expected);
}

void TestShellRoutines::displayNameOfRootIsItsNodeText()
{
    QCOMPARE(shellDisplayName(QStringLiteral("/")), QStringLiteral("ルート (/)"));
    QCOMPARE(shellDisplayName(QString()), QString());
}

void TestShellRoutines::documentsFolderIsHome()
{
    QCOMPARE(specialFolderPath(SpecialFolder::Documents), m_home.path());
}

// The desktop adds folders only when it exists and is not the home folder itself.
void TestShellRoutines::desktopFolder()
{
    QCOMPARE(specialFolderPath(SpecialFolder::Desktop), QString());
    QVERIFY(QDir(m_home.path()).mkpath(QStringLiteral("Desktop")));
    QCOMPARE(specialFolderPath(SpecialFolder::Desktop), m_home.filePath(QStringLiteral("Desktop")));

    QFile dirs(m_config.filePath(QStringLiteral("user-dirs.dirs")));
    QVERIFY(dirs.open(QIODevice::WriteOnly));
    dirs.write("XDG_DESKTOP_DIR=\"$HOME/\"\n");
    dirs.close();
    QCOMPARE(specialFolderPath(SpecialFolder::Desktop), QString());
    QVERIFY(dirs.remove());
}

// A value outside the enumeration (as a cast may give) names no folder.
void TestShellRoutines::unknownSpecialFolderIsEmpty()
{
    QCOMPARE(specialFolderPath(static_cast<SpecialFolder>(6)), QString());
    QCOMPARE(specialFolderPath(static_cast<SpecialFolder>(-1)), QString());
}

void TestShellRoutines::rootVolumeComesFirst()
{
    const QVector<Volume> volumes = mountedVolumes();
    QVERIFY(!volumes.isEmpty());
    QCOMPARE(volumes.first().path, QStringLiteral("/"));
    QCOMPARE(volumes.first().nodeText, QStringLiteral("ルート (/)"));
}

void TestShellRoutines::volumeChoice_data()
{
    QTest::addColumn<QString>("rootPath");
    QTest::addColumn<QByteArray>("type");
    QTest::addColumn<bool>("shown");
    QTest::newRow("removable disk under media") << "/media/u/CARD" << QByteArray("vfat") << true;
    QTest::newRow("disk under run media") << "/run/media/u/X" << QByteArray("exfat") << true;
    QTest::newRow("separate home") << "/home" << QByteArray("ext4") << true;
    QTest::newRow("disk under mnt") << "/mnt/data" << QByteArray("btrfs") << true;
    QTest::newRow("tmpfs under media is virtual") << "/media/ram" << QByteArray("tmpfs") << false;
    QTest::newRow("system place") << "/boot/efi" << QByteArray("vfat") << false;
    QTest::newRow("prefix is not a place") << "/mntx" << QByteArray("ext4") << false;
    QTest::newRow("snap image") << "/snap/core/1" << QByteArray("squashfs") << false;
    QTest::newRow("proc") << "/proc" << QByteArray("proc") << false;
}

void TestShellRoutines::volumeChoice()
{
    QFETCH(QString, rootPath);
    QFETCH(QByteArray, type);
    QFETCH(bool, shown);
    const QVector<MountEntry> mounts = {{rootPath, type, {}}, {"/", "overlay", {}}};
    const QVector<Volume> volumes = volumesFromMounts(mounts);
    QCOMPARE(volumes.first().path, QStringLiteral("/"));
    QCOMPARE(volumes.size(), shown ? 2 : 1);
}

// Labels name the volume; the path follows in brackets; duplicates and order are settled.
void TestShellRoutines::volumeLabels()
{
    const QVector<MountEntry> mounts = {{"/media/u/usb", "vfat", "USBDISK"},
                                        {"/mnt/Backup", "ext4", {}},
                                        {"/", "ext4", "rootfs"},
                                        {"/media/u/usb", "vfat", "USBDISK"}};
    const QVector<Volume> volumes = volumesFromMounts(mounts);
    QCOMPARE(volumes.size(), 3);
    QCOMPARE(volumes.at(0).nodeText, QStringLiteral("ルート (/)"));
    QCOMPARE(volumes.at(1).nodeText, QStringLiteral("USBDISK (/media/u/usb)"));
    QVERIFY(volumes.at(1).removable);
    QCOMPARE(volumes.at(2).nodeText, QStringLiteral("Backup (/mnt/Backup)"));
    QVERIFY(!volumes.at(2).removable);
}

QTEST_GUILESS_MAIN(TestShellRoutines)
#include "tst_shellroutines.moc"

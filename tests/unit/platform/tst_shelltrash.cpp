// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/shellroutines.h"
#include "scriptedinteraction.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <optional>

using Answer = Interaction::Answer;

class TestShellTrash : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void declinedKeepsEveryFile();
    void severalItemsAreCountedInTheQuestion();
    void acceptedFilesLandInTheUsersTrash();
    void folderGoesToTheTrashWhole();
    void missingOrRelativePathsFail();
    void emptyListAsksNothing();

private:
    QString makeFile(const QString &name);
    QString trashed(const QString &name) const;

    std::optional<QTemporaryDir> m_root;
    QString m_work;
    QString m_dataHome;
    QString m_oldCurrent;
};

void TestShellTrash::init()
{
    m_root.emplace();
    QVERIFY(m_root->isValid());
    const QDir root(m_root->path());
    QVERIFY(root.mkpath(QStringLiteral("home")) && root.mkpath(QStringLiteral("work")) &&
            root.mkpath(QStringLiteral("pictures")));
    m_work = root.filePath(QStringLiteral("work"));
    // The data folder does not exist yet: a fresh account has no ~/.local/share.
    m_dataHome = root.filePath(QStringLiteral("home/.local/share"));
    qputenv("HOME", QFile::encodeName(root.filePath(QStringLiteral("home"))));
    qputenv("XDG_DATA_HOME", QFile::encodeName(m_dataHome));
    m_oldCurrent = QDir::currentPath();
    QVERIFY(QDir::setCurrent(m_work));
}

void TestShellTrash::cleanup()
{
    QDir::setCurrent(m_oldCurrent);
    m_root.reset();
}

QString TestShellTrash::makeFile(const QString &name)
{
    const QString path = m_root->filePath(QStringLiteral("pictures/") + name);
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(name.toUtf8());
    return path;
}

QString TestShellTrash::trashed(const QString &name) const
{
    return m_dataHome + QStringLiteral("/Trash/files/") + name;
}

// Declining the confirmation changes nothing and is not a failure.
void TestShellTrash::declinedKeepsEveryFile()
{
    ScriptedInteraction interaction;
    interaction.answers << Answer::No;
    const QString path = makeFile(QStringLiteral("夏.jpg"));
    QCOMPARE(moveToTrash(interaction, {path}), ShellResult::Cancelled);
    QVERIFY(QFile::exists(path));
    QCOMPARE(interaction.calls.size(), 1);
    const ScriptedInteraction::Call &call = interaction.calls.first();
    QCOMPARE(call.kind, QStringLiteral("message"));
    QCOMPARE(call.text, QStringLiteral("'夏.jpg' をごみ箱に移動しますか?"));
    QCOMPARE(call.title, QStringLiteral("ファイルの削除の確認"));
    QCOMPARE(call.style, MessageStyle::QuestionYesNo);
}

void TestShellTrash::severalItemsAreCountedInTheQuestion()
{
    ScriptedInteraction interaction;
    const QStringList paths = {makeFile(QStringLiteral("a.jpg")),
                               makeFile(QStringLiteral("b.jpg"))};
    QCOMPARE(moveToTrash(interaction, paths), ShellResult::Cancelled);
    QCOMPARE(interaction.calls.first().text,
             QStringLiteral("これらの 2 個の項目をごみ箱に移動しますか?"));
}

// Trashed files go to the trash of the user's data folder, even when that folder was missing,
// and never into a "files" folder of the working folder.
void TestShellTrash::acceptedFilesLandInTheUsersTrash()
{
    ScriptedInteraction interaction;
    interaction.answers << Answer::Yes;
    const QStringList paths = {makeFile(QStringLiteral("a.jpg")),
                               makeFile(QStringLiteral("b.bmp"))};
    QCOMPARE(moveToTrash(interaction, paths), ShellResult::Done);
    for (const QString &path : paths)
        QVERIFY(!QFile::exists(path));
    QVERIFY(QFile::exists(trashed(QStringLiteral("a.jpg"))));
    QVERIFY(QFile::exists(trashed(QStringLiteral("b.bmp"))));
    QVERIFY(!QFileInfo::exists(m_work + QStringLiteral("/files")));
}

void TestShellTrash::folderGoesToTheTrashWhole()
{
    ScriptedInteraction interaction;
    interaction.answers << Answer::Yes;
    makeFile(QStringLiteral("inside.jpg"));
    const QString folder = m_root->filePath(QStringLiteral("pictures"));
    QCOMPARE(moveToTrash(interaction, {folder}), ShellResult::Done);
    QVERIFY(!QFileInfo::exists(folder));
    QVERIFY(QFile::exists(trashed(QStringLiteral("pictures/inside.jpg"))));
}

// A path that cannot be trashed makes the result a failure; a relative path is never guessed.
void TestShellTrash::missingOrRelativePathsFail()
{
    ScriptedInteraction interaction;
    interaction.answers << Answer::Yes << Answer::Yes;
    const QString kept = makeFile(QStringLiteral("kept.jpg"));
    QVERIFY(moveToTrash(interaction, {kept + QStringLiteral(".missing")}) != ShellResult::Done);
    QVERIFY(QDir::setCurrent(m_root->filePath(QStringLiteral("pictures"))));
    QVERIFY(moveToTrash(interaction, {QStringLiteral("kept.jpg")}) != ShellResult::Done);
    QVERIFY(QFile::exists(kept));
}

void TestShellTrash::emptyListAsksNothing()
{
    ScriptedInteraction interaction;
    QCOMPARE(moveToTrash(interaction, {}), ShellResult::Done);
    QVERIFY(interaction.calls.isEmpty());
}

QTEST_GUILESS_MAIN(TestShellTrash)
#include "tst_shelltrash.moc"

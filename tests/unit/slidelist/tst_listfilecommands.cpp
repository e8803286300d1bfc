// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/settings/settings.h"
#include "core/slidelist/listdocument.h"
#include "core/slidelist/listfilecommands.h"
#include "core/slidelist/listfileformat.h"
#include "core/slidelist/slidelistmodel.h"
#include "scriptedinteraction.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

#include <sys/stat.h>

namespace {

const QString UnNamed = QStringLiteral("UnNamed");

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestListFileCommands : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void roundTripIntoEmptyList_data();
    void roundTripIntoEmptyList();
    void openAppendsOnlyNewPaths();
    void missingPicturesAreDroppedSilently();
    void onlyRegularFilesBecomeEntries_data();
    void onlyRegularFilesBecomeEntries();
    void handWrittenUtf8ListOfJapaneseNames();
    void wrongMagicShowsMessageAndChangesNothing();
    void damagedFileKeepsEntriesButNotItsName();
    void openDialogStartsInListFolder_data();
    void openDialogStartsInListFolder();
    void saveDialogProposesName();
    void nameWithoutListExtensionDoesNothing();
    void modifiedPromptBeforeOpen_data();
    void modifiedPromptBeforeOpen();
    void saveItemsNeedEntries();
    void saveOfUnnamedListAsksForName_data();
    void saveOfUnnamedListAsksForName();
    void failedSaveKeepsOldFileAndState();

private:
    void freshList();
    QString picture(const QString &name, int bytes = 10);
    void addPicture(const QString &name, int bytes = 10);

    QTemporaryDir m_home;
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<SlideListModel> m_model;
    std::unique_ptr<ListDocument> m_document;
    Settings m_settings;
    ScriptedInteraction m_interaction;
    std::unique_ptr<ListFileCommands> m_commands;
};

void TestListFileCommands::initTestCase()
{
    qputenv("HOME", QFile::encodeName(m_home.path()));
}

void TestListFileCommands::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    freshList();
}

void TestListFileCommands::freshList()
{
    m_model = std::make_unique<SlideListModel>();
    m_document = std::make_unique<ListDocument>();
    m_settings = Settings();
    m_interaction = ScriptedInteraction();
    m_commands =
        std::make_unique<ListFileCommands>(*m_model, *m_document, m_settings, m_interaction);
}

QString TestListFileCommands::picture(const QString &name, int bytes)
{
    const QString path = m_dir->filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(QByteArray(bytes, 'x')) != bytes)
        qFatal("cannot create a picture");
    return path;
}

void TestListFileCommands::addPicture(const QString &name, int bytes)
{
    const QString path = picture(name, bytes);
    m_model->addEntry(path, name, QStringLiteral("%1").arg(bytes, 10));
}

// Saving then opening into an empty list gives the same entries in order; the opened file
// names the list and the modified flag keeps its value.
void TestListFileCommands::roundTripIntoEmptyList_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QByteArray>("head");
    QTest::newRow("own binary") << QStringLiteral("a.vrl") << QByteArray("\x03\x00vrl", 5);
    QTest::newRow("screen saver") << QStringLiteral("a.sml") << QByteArray("\x03\x00sml", 5);
    QTest::newRow("capital extension, magic in lower case")
        << QStringLiteral("LIST.VRL") << QByteArray("\x03\x00vrl", 5);
    QTest::newRow("text beyond CP932 is UTF-8")
        << QStringLiteral("a.txt") << QByteArray("\xEF\xBB\xBF/");
}

void TestListFileCommands::roundTripIntoEmptyList()
{
    QFETCH(QString, fileName);
    QFETCH(QByteArray, head);
    addPicture(QStringLiteral("夏.jpg"), 1234);
    addPicture(QStringLiteral("b.BMP"), 0);
    addPicture(QStringLiteral("café 😀.jpg"), 5);
    const QStringList saved = m_model->paths();
    m_document->listModified = true;
    const QString listPath = m_dir->filePath(fileName);
    m_interaction.fileNames.enqueue(listPath);
    m_commands->saveListFile(false);
    QVERIFY(fileBytes(listPath).startsWith(head));
    QVERIFY(!m_document->listModified);
    QCOMPARE(m_document->listPath, listPath);

    freshList();
    m_document->listModified = true;
    m_commands->openListFile(listPath);
    QCOMPARE(m_model->paths(), saved);
    QCOMPARE(m_model->entryAt(1).sizeText, QStringLiteral("     1,234"));
    QCOMPARE(m_model->entryAt(2).icon, 2);
    QCOMPARE(m_model->entryAt(2).sizeText, QStringLiteral("         0"));
    QCOMPARE(m_document->listName, QFileInfo(fileName).completeBaseName());
    QCOMPARE(m_document->listPath, listPath);
    QCOMPARE(m_document->lastListFolder, m_dir->path());
    QVERIFY(m_document->listModified);
    QVERIFY(m_interaction.calls.isEmpty());
}

// Opening keeps the entries present and appends only paths not listed; a path in other
// letter case names another picture.
void TestListFileCommands::openAppendsOnlyNewPaths()
{
    const QString a = picture(QStringLiteral("a.jpg"));
    const QString b = picture(QStringLiteral("b.jpg"));
    const QString upperA = picture(QStringLiteral("A.JPG"));
    const QString listPath = m_dir->filePath(QStringLiteral("l.vrl"));
    QVERIFY(writeListFile(listPath, ListFormat::Vrl, {a, b, a, upperA}));
    m_model->addEntry(upperA, upperA, QString());
    m_commands->openListFile(listPath);
    QCOMPARE(m_model->paths(), (QStringList{upperA, a, b}));
}

// A picture deleted after saving is left out without a message.
void TestListFileCommands::missingPicturesAreDroppedSilently()
{
    const QString kept = picture(QStringLiteral("kept.jpg"));
    const QString gone = picture(QStringLiteral("gone.jpg"));
    const QString listPath = m_dir->filePath(QStringLiteral("l.txt"));
    QVERIFY(
        writeListFile(listPath, ListFormat::Txt,
                      {gone, kept, QStringLiteral("relative.jpg"), QStringLiteral("C:\\w.jpg")}));
    QFile::remove(gone);
    m_commands->openListFile(listPath);
    QCOMPARE(m_model->paths(), QStringList{kept});
    QVERIFY(m_interaction.calls.isEmpty());
    QCOMPARE(m_document->listName, QStringLiteral("l"));
}

// A list line naming a folder, a device or a pipe adds nothing; a link to a picture is the
// picture.
void TestListFileCommands::onlyRegularFilesBecomeEntries_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("added");
    QTest::newRow("a folder named like a picture") << "folder" << false;
    QTest::newRow("a device") << "device" << false;
    QTest::newRow("a pipe") << "pipe" << false;
    QTest::newRow("a dangling link") << "dangling" << false;
    QTest::newRow("a link to a picture") << "link" << true;
}

void TestListFileCommands::onlyRegularFilesBecomeEntries()
{
    QFETCH(QString, kind);
    QFETCH(bool, added);
    QString named = m_dir->filePath(QStringLiteral("named.jpg"));
    if (kind == QLatin1String("folder"))
        QVERIFY(QDir().mkpath(named));
    else if (kind == QLatin1String("device"))
        named = QStringLiteral("/dev/null");
    else if (kind == QLatin1String("pipe"))
        QCOMPARE(::mkfifo(QFile::encodeName(named).constData(), 0600), 0);
    else if (kind == QLatin1String("dangling"))
        QVERIFY(QFile::link(m_dir->filePath(QStringLiteral("gone.jpg")), named));
    else
        QVERIFY(QFile::link(picture(QStringLiteral("real.jpg")), named));
    const QString kept = picture(QStringLiteral("kept.jpg"));
    const QString listPath = m_dir->filePath(QStringLiteral("l.vrl"));
    QVERIFY(writeListFile(listPath, ListFormat::Vrl, {named, kept}));
    m_commands->openListFile(listPath);
    QCOMPARE(m_model->paths(), added ? (QStringList{named, kept}) : QStringList{kept});
    QVERIFY(m_interaction.calls.isEmpty());
}

// A text list written by hand in a Linux editor: UTF-8 without the mark, LF line ends. Its
// pictures are named under /vellora-pictures, which the test moves into its own folder.
void TestListFileCommands::handWrittenUtf8ListOfJapaneseNames()
{
    QFile source(QStringLiteral(VELLORA_TEST_DATA "/lists/japanese-utf8.txt"));
    QVERIFY(source.open(QIODevice::ReadOnly));
    const QByteArray bytes =
        source.readAll().replace("/vellora-pictures/", QFile::encodeName(m_dir->path()) + '/');
    const QStringList names{
        QStringLiteral("旅行/海辺の夕日.jpg"), QStringLiteral("旅行/富士山.JPG"),
        QStringLiteral("家族/誕生日ケーキ.bmp"), QStringLiteral("ｶﾒﾗ/写真～１.jpg")};
    QStringList expected;
    for (const QString &name : names) {
        QVERIFY(QDir().mkpath(QFileInfo(m_dir->filePath(name)).path()));
        expected.append(picture(name));
    }
    const QString listPath = m_dir->filePath(QStringLiteral("写真リスト.txt"));
    QFile list(listPath);
    QVERIFY(list.open(QIODevice::WriteOnly) && list.write(bytes) == bytes.size());
    list.close();
    m_commands->openListFile(listPath);
    QCOMPARE(m_model->paths(), expected);
    QCOMPARE(m_model->entryAt(3).icon, 2);
    QCOMPARE(m_document->listName, QStringLiteral("写真リスト"));
}

// A binary list whose magic is not its extension's is refused with the read error.
void TestListFileCommands::wrongMagicShowsMessageAndChangesNothing()
{
    addPicture(QStringLiteral("a.jpg"));
    const QString smlPath = m_dir->filePath(QStringLiteral("x.sml"));
    QVERIFY(writeListFile(smlPath, ListFormat::Sml, {picture(QStringLiteral("b.jpg"))}));
    const QString vrlPath = m_dir->filePath(QStringLiteral("x.vrl"));
    QVERIFY(QFile::rename(smlPath, vrlPath));
    m_commands->openListFile(vrlPath);
    QCOMPARE(m_interaction.calls.size(), 1);
    QCOMPARE(m_interaction.calls.at(0).text,
             QStringLiteral("ファイル読み込みエラー。（ファイルを確認して下さい）"));
    QCOMPARE(m_interaction.calls.at(0).style, MessageStyle::Error);
    QCOMPARE(m_interaction.calls.at(0).title, QStringLiteral("読み込みエラー"));
    QCOMPARE(m_model->entryCount(), 1);
    QCOMPARE(m_document->listName, UnNamed);
    QVERIFY(m_document->listPath.isEmpty());
    QVERIFY(m_document->lastListFolder.isEmpty());
}

// A file that breaks off gives the entries before the break; the list keeps its name.
void TestListFileCommands::damagedFileKeepsEntriesButNotItsName()
{
    const QString a = picture(QStringLiteral("a.jpg"));
    const QString listPath = m_dir->filePath(QStringLiteral("cut.vrl"));
    QVERIFY(writeListFile(listPath, ListFormat::Vrl, {a, picture(QStringLiteral("b.jpg"))}));
    QFile file(listPath);
    QVERIFY(file.resize(file.size() - 3));
    m_commands->openListFile(listPath);
    QCOMPARE(m_model->paths(), QStringList{a});
    QCOMPARE(m_document->listName, UnNamed);
    QVERIFY(m_interaction.calls.isEmpty());
}

// The dialogs start in the options' list folder, else the last list folder, else home.
void TestListFileCommands::openDialogStartsInListFolder_data()
{
    QTest::addColumn<QString>("saveFolder");
    QTest::addColumn<QString>("lastFolder");
    QTest::addColumn<QString>("expected");
    QTest::newRow("list folder of the options")
        << QStringLiteral("/opt/lists") << QStringLiteral("/last") << QStringLiteral("/opt/lists");
    QTest::newRow("last list folder")
        << QString() << QStringLiteral("/last") << QStringLiteral("/last");
    QTest::newRow("home folder") << QString() << QString() << QStringLiteral("HOME");
}

void TestListFileCommands::openDialogStartsInListFolder()
{
    QFETCH(QString, saveFolder);
    QFETCH(QString, lastFolder);
    QFETCH(QString, expected);
    m_settings.listSaveFolder = saveFolder;
    m_document->lastListFolder = lastFolder;
    m_commands->openListFile(QString());
    const ScriptedInteraction::Call call = m_interaction.calls.value(0);
    QCOMPARE(call.kind, QStringLiteral("open"));
    QCOMPARE(call.text, QStringLiteral("リストを開く"));
    QCOMPARE(call.title, expected == QLatin1String("HOME") ? m_home.path() : expected);
    QCOMPARE(call.filters, (QStringList{QStringLiteral("Velloraリストファイル(*.vrl)"),
                                        QStringLiteral("Somnel用リストファイル(*.sml)"),
                                        QStringLiteral("テキストファイル(*.txt)"),
                                        QStringLiteral("すべてのファイル(*.*)")}));
    QCOMPARE(m_document->lastListFolder, lastFolder);
}

// Save As proposes "名称未設定" for an unnamed list, else the list file's own name.
void TestListFileCommands::saveDialogProposesName()
{
    m_document->lastListFolder = QStringLiteral("/last");
    m_commands->saveListFile(false);
    m_document->setNameAndPath(QStringLiteral("mine"), QStringLiteral("/elsewhere/mine.sml"));
    m_commands->saveListFile(false);
    const QVector<ScriptedInteraction::Call> calls = m_interaction.callsOf(QStringLiteral("save"));
    QCOMPARE(calls.size(), 2);
    QCOMPARE(calls.at(0).text, QStringLiteral("リストの名前を付けて保存"));
    QCOMPARE(calls.at(0).title, QStringLiteral("/last/名称未設定"));
    QCOMPARE(calls.at(0).filters.size(), 3);
    QCOMPARE(calls.at(1).title, QStringLiteral("/last/mine.sml"));
    QCOMPARE(m_document->listName, QStringLiteral("mine"));
}

// A chosen name with none of the list extensions reads and writes nothing.
void TestListFileCommands::nameWithoutListExtensionDoesNothing()
{
    addPicture(QStringLiteral("a.jpg"));
    m_document->listModified = true;
    m_interaction.fileNames.enqueue(m_dir->filePath(QStringLiteral("a.jpg")));
    m_commands->openListFile(QString());
    const QString typed = m_dir->filePath(QStringLiteral("typed"));
    m_interaction.fileNames.enqueue(typed);
    m_commands->saveListFile(false);
    QVERIFY(!QFile::exists(typed));
    QCOMPARE(m_model->entryCount(), 1);
    QCOMPARE(m_document->listName, UnNamed);
    QVERIFY(m_document->listModified);
    QVERIFY(m_document->lastListFolder.isEmpty());
}

// Open asks to save a modified list first; the open dialog follows whatever the answer.
void TestListFileCommands::modifiedPromptBeforeOpen_data()
{
    QTest::addColumn<bool>("modified");
    QTest::addColumn<Interaction::Answer>("answer");
    QTest::addColumn<QStringList>("kinds");
    const QString message = QStringLiteral("message");
    const QString save = QStringLiteral("save");
    const QString open = QStringLiteral("open");
    QTest::newRow("yes saves as an unnamed list")
        << true << Interaction::Answer::Yes << QStringList{message, save, open};
    QTest::newRow("no opens at once")
        << true << Interaction::Answer::No << QStringList{message, open};
    QTest::newRow("unmodified asks nothing")
        << false << Interaction::Answer::Yes << QStringList{open};
}

void TestListFileCommands::modifiedPromptBeforeOpen()
{
    QFETCH(bool, modified);
    QFETCH(Interaction::Answer, answer);
    QFETCH(QStringList, kinds);
    m_document->listModified = modified;
    m_interaction.answers.enqueue(answer);
    m_commands->openList();
    QStringList asked;
    for (const ScriptedInteraction::Call &call : std::as_const(m_interaction.calls))
        asked.append(call.kind);
    QCOMPARE(asked, kinds);
    if (modified) {
        QCOMPARE(m_interaction.calls.at(0).text,
                 QStringLiteral("リストは更新されています。保存しますか？"));
        QCOMPARE(m_interaction.calls.at(0).style, MessageStyle::QuestionYesNo);
        QCOMPARE(m_interaction.calls.at(0).title, QStringLiteral("リストの新規作成"));
    }
}

// Save of a named list asks no name; Save As asks all the same. (That both need entries is
// their actions' rule, pinned with the action table.)
void TestListFileCommands::saveItemsNeedEntries()
{
    addPicture(QStringLiteral("a.jpg"));
    const QString listPath = m_dir->filePath(QStringLiteral("named.txt"));
    m_document->setNameAndPath(QStringLiteral("named"), listPath);
    m_document->listModified = true;
    m_commands->saveList();
    QVERIFY(m_interaction.calls.isEmpty());
    QCOMPARE(fileBytes(listPath), QFile::encodeName(m_model->paths().at(0)) + "\r\n");
    QVERIFY(!m_document->listModified);

    m_commands->saveListFile(false);
    QCOMPARE(m_interaction.callsOf(QStringLiteral("save")).size(), 1);
}

// Save asks for a name while the list is called UnNamed, in whatever letter case.
void TestListFileCommands::saveOfUnnamedListAsksForName_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("a new list") << UnNamed;
    QTest::newRow("a list file called unnamed") << QStringLiteral("unnamed");
    QTest::newRow("a list file called UNNAMED") << QStringLiteral("UNNAMED");
}

void TestListFileCommands::saveOfUnnamedListAsksForName()
{
    QFETCH(QString, name);
    addPicture(QStringLiteral("a.jpg"));
    const QString listPath = m_dir->filePath(name + QStringLiteral(".vrl"));
    m_document->setNameAndPath(name, name == UnNamed ? QString() : listPath);
    m_commands->saveList();
    QCOMPARE(m_interaction.callsOf(QStringLiteral("save")).size(), 1);
    QVERIFY(!QFile::exists(listPath));
}

// A save that fails keeps the old file, reports the failure and leaves the state as it was.
void TestListFileCommands::failedSaveKeepsOldFileAndState()
{
    addPicture(QStringLiteral("a.jpg"));
    const QString listPath = m_dir->filePath(QStringLiteral("old.vrl"));
    m_interaction.fileNames.enqueue(listPath);
    m_commands->saveListFile(false);
    const QByteArray oldBytes = fileBytes(listPath);
    QVERIFY(!oldBytes.isEmpty());

    m_model->addEntry(QString(40000, QLatin1Char('a')), QString(), QString());
    m_document->listModified = true;
    m_commands->saveListFile(true);
    m_interaction.fileNames.enqueue(m_dir->filePath(QStringLiteral("no/folder/new.vrl")));
    m_commands->saveListFile(false);
    QCOMPARE(fileBytes(listPath), oldBytes);
    QVERIFY(m_document->listModified);
    QCOMPARE(m_document->listName, QStringLiteral("old"));
    QCOMPARE(m_document->listPath, listPath);
    const QVector<ScriptedInteraction::Call> errors =
        m_interaction.callsOf(QStringLiteral("message"));
    QCOMPARE(errors.size(), 2);
    QCOMPARE(errors.at(0).style, MessageStyle::Error);
}

QTEST_MAIN(TestListFileCommands)
#include "tst_listfilecommands.moc"

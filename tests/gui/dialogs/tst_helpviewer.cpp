// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/dialogs/helpviewer.h"
#include "ui/dialogs/helpwindow.h"

#include <QFile>
#include <QHelpContentModel>
#include <QHelpEngine>
#include <QHelpIndexModel>
#include <QHelpLink>
#include <QLineEdit>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QtTest>

namespace {

const QString Collection = QStringLiteral(VELLORA_HELP_COLLECTION);

QTextBrowser *browserOf(const HelpWindow &window)
{
    return window.findChild<QTextBrowser *>(QStringLiteral("helpBrowser"));
}

int currentTab(const HelpWindow &window)
{
    return window.findChild<QTabWidget *>()->currentIndex();
}

// Every address a help page may lead to: the page must exist and hold its anchor.
void verifyTarget(const QHelpEngineCore &engine, const QUrl &url, const QString &what)
{
    const QByteArray page = engine.fileData(url);
    QVERIFY2(!page.isEmpty(), qPrintable(what + QStringLiteral(": ") + url.toString()));
    if (url.hasFragment()) {
        const QString anchor = QStringLiteral("name=\"%1\"").arg(url.fragment());
        QVERIFY2(QString::fromUtf8(page).contains(anchor), qPrintable(url.toString()));
    }
}

void collectContentUrls(const QHelpContentModel &model, const QModelIndex &parent,
                        QList<QUrl> &urls)
{
    for (int row = 0; row < model.rowCount(parent); ++row) {
        const QModelIndex index = model.index(row, 0, parent);
        urls.append(model.contentItemAt(index)->url());
        collectContentUrls(model, index, urls);
    }
}

} // namespace

class TestHelpViewer : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void cleanup();
    void contentsCommandOpensAtTheContents();
    void indexCommandOpensAtTheKeywordIndex();
    void secondCommandReusesTheOpenWindow();
    void missingHelpFileIsDescribed_data();
    void missingHelpFileIsDescribed();
    void programFolderWithoutHelpIsDescribed();
    void helpIsFoundBesideOrInTheDataFolder_data();
    void helpIsFoundBesideOrInTheDataFolder();
    void everyContentsEntryAndKeywordLeadsToItsPage();

private:
    QWidget m_owner;
};

void TestHelpViewer::initTestCase()
{
    QVERIFY2(QFile::exists(Collection), "the help is built with the program");
}

void TestHelpViewer::cleanup()
{
    qDeleteAll(m_owner.findChildren<HelpWindow *>());
}

// Command 1 opens a window on the contents tab showing the first page.
void TestHelpViewer::contentsCommandOpensAtTheContents()
{
    QCOMPARE(openHelpCollection(&m_owner, HelpPage::Contents, Collection), QString());
    auto *window = m_owner.findChild<HelpWindow *>();
    QVERIFY(window);
    QVERIFY(window->isVisible());
    QVERIFY(!window->isModal());
    QCOMPARE(currentTab(*window), 0);
    QVERIFY(browserOf(*window)->source().toString().endsWith(QStringLiteral("index.html")));
    QVERIFY(browserOf(*window)->toPlainText().contains(QStringLiteral("基本的な使い方")));
    QHelpContentModel *contents = window->findChild<QHelpEngine *>()->contentModel();
    QTRY_VERIFY(contents->rowCount() > 0);
}

// Command 2 opens the keyword index; a keyword leads to its page.
void TestHelpViewer::indexCommandOpensAtTheKeywordIndex()
{
    QCOMPARE(openHelpCollection(&m_owner, HelpPage::Index, Collection), QString());
    auto *window = m_owner.findChild<HelpWindow *>();
    QCOMPARE(currentTab(*window), 1);
    QHelpIndexModel *index = window->findChild<QHelpEngine *>()->indexModel();
    QTRY_VERIFY(index->rowCount() > 0);

    auto *filter = window->findChild<QLineEdit *>(QStringLiteral("helpIndexFilter"));
    filter->setText(QStringLiteral("背景色"));
    QTest::keyClick(filter, Qt::Key_Return);
    QTRY_VERIFY(browserOf(*window)->source().toString().contains(QStringLiteral("options.html")));
}

// Opening the help again brings the same window forward at the asked place.
void TestHelpViewer::secondCommandReusesTheOpenWindow()
{
    QCOMPARE(openHelpCollection(&m_owner, HelpPage::Contents, Collection), QString());
    QCOMPARE(openHelpCollection(&m_owner, HelpPage::Index, Collection), QString());
    const QList<HelpWindow *> windows = m_owner.findChildren<HelpWindow *>();
    QCOMPARE(windows.size(), 1);
    QCOMPARE(currentTab(*windows[0]), 1);
}

void TestHelpViewer::missingHelpFileIsDescribed_data()
{
    QTest::addColumn<bool>("keepCollection");
    QTest::addColumn<QString>("missingName");
    QTest::newRow("no collection") << false << QStringLiteral("VEL_Help.qhc");
    QTest::newRow("collection without its documentation") << true << QStringLiteral("VEL_Help.qch");
}

// A missing help file gives a description naming it, and no window.
void TestHelpViewer::missingHelpFileIsDescribed()
{
    QFETCH(bool, keepCollection);
    QFETCH(QString, missingName);
    QTemporaryDir folder;
    const QString collection = folder.filePath(QStringLiteral("VEL_Help.qhc"));
    if (keepCollection)
        QVERIFY(QFile::copy(Collection, collection));

    const QString description = openHelpCollection(&m_owner, HelpPage::Contents, collection);
    QVERIFY(description.contains(folder.filePath(missingName)));
    QVERIFY(description.contains(QStringLiteral("見つかりません")));
    QVERIFY(!m_owner.findChild<HelpWindow *>());
}

// The help is looked for in the program's folder.
void TestHelpViewer::programFolderWithoutHelpIsDescribed()
{
    const QString description = openHelp(&m_owner, HelpPage::Index);
    QVERIFY(description.contains(QCoreApplication::applicationDirPath()));
    QVERIFY(!m_owner.findChild<HelpWindow *>());
}

void TestHelpViewer::helpIsFoundBesideOrInTheDataFolder_data()
{
    QTest::addColumn<bool>("beside");
    QTest::addColumn<bool>("installed");
    QTest::addColumn<QString>("expected");
    QTest::newRow("beside the program") << true << false << QStringLiteral("bin/VEL_Help.qhc");
    QTest::newRow("beside wins over installed")
        << true << true << QStringLiteral("bin/VEL_Help.qhc");
    QTest::newRow("installed data folder")
        << false << true << QStringLiteral("share/vellora/VEL_Help.qhc");
    QTest::newRow("nowhere names the program folder")
        << false << false << QStringLiteral("bin/VEL_Help.qhc");
}

// The build tree keeps the help beside the program, an installation in its data folder.
void TestHelpViewer::helpIsFoundBesideOrInTheDataFolder()
{
    QFETCH(bool, beside);
    QFETCH(bool, installed);
    QFETCH(QString, expected);
    QTemporaryDir prefix;
    QVERIFY(QDir(prefix.path()).mkpath(QStringLiteral("bin")));
    QVERIFY(QDir(prefix.path()).mkpath(QStringLiteral("share/vellora")));
    if (beside)
        QVERIFY(QFile::copy(Collection, prefix.filePath(QStringLiteral("bin/VEL_Help.qhc"))));
    if (installed)
        QVERIFY(
            QFile::copy(Collection, prefix.filePath(QStringLiteral("share/vellora/VEL_Help.qhc"))));
    QCOMPARE(helpCollectionFor(prefix.filePath(QStringLiteral("bin"))), prefix.filePath(expected));
}

// The help document is whole: each contents entry and keyword reaches an existing anchor.
void TestHelpViewer::everyContentsEntryAndKeywordLeadsToItsPage()
{
    QHelpEngine engine(Collection);
    engine.setReadOnly(true);
    QVERIFY(engine.setupData());
    QTRY_VERIFY(engine.contentModel()->rowCount() > 0);
    QList<QUrl> urls;
    collectContentUrls(*engine.contentModel(), QModelIndex(), urls);
    QVERIFY(urls.size() > 20);
    for (const QUrl &url : urls)
        verifyTarget(engine, url, QStringLiteral("contents"));

    QHelpIndexModel *index = engine.indexModel();
    QTRY_VERIFY(index->rowCount() > 0);
    for (const QString &keyword : index->stringList()) {
        const QList<QHelpLink> links = engine.documentsForKeyword(keyword);
        QVERIFY2(!links.isEmpty(), qPrintable(keyword));
        verifyTarget(engine, links.constFirst().url, keyword);
    }
}

QTEST_MAIN(TestHelpViewer)
#include "tst_helpviewer.moc"

// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/mainwindow/mainwindowtexts.h"
#include "ui/mainwindow/previewpane.h"

#include "badpictures.h"
#include "scriptedinteraction.h"

#include <QTemporaryDir>
#include <QTest>

using namespace BadPictures;

Q_DECLARE_METATYPE(BadPictures::Expect)

// The main window's preview over the bad-picture set.
class TstBadPicturePreview : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void everyFileQuietly_data();
    void everyFileQuietly();
    void missingFileIsTheOnlyMessage();

private:
    QString pathOf(const QString &name) const { return m_dir.filePath(name); }

    QTemporaryDir m_dir;
    QVector<Entry> m_entries;
    ScriptedInteraction m_interaction;
    std::unique_ptr<PreviewPane> m_pane;
};

void TstBadPicturePreview::initTestCase()
{
    m_entries = writeAll(m_dir.path(), QStringLiteral(VELLORA_TEST_DATA "/pictures"));
    QVERIFY(!m_entries.isEmpty());
}

void TstBadPicturePreview::init()
{
    m_interaction = ScriptedInteraction();
    m_pane = std::make_unique<PreviewPane>(m_interaction);
    m_pane->resize(200, 150);
    m_pane->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_pane.get()));
    m_pane->showPreview(pathOf(QStringLiteral("good.jpg")));
    QTRY_VERIFY(!m_pane->isLoading());
    QCOMPARE(m_pane->tag(), pathOf(QStringLiteral("good.jpg")));
}

void TstBadPicturePreview::cleanup()
{
    m_pane.reset();
}

void TstBadPicturePreview::everyFileQuietly_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<Expect>("expect");
    QTest::addColumn<QSize>("size");
    for (const Entry &entry : std::as_const(m_entries))
        QTest::newRow(qPrintable(entry.name)) << entry.name << entry.expect << entry.size;
}

// A file that exists never brings a message: a picture is drawn inside the pane and never
// enlarged, anything else leaves the pane empty with the tag of the picture before.
void TstBadPicturePreview::everyFileQuietly()
{
    QFETCH(QString, name);
    QFETCH(Expect, expect);
    QFETCH(QSize, size);
    const QString before = m_pane->tag();
    m_pane->showPreview(pathOf(name));
    QTRY_VERIFY(!m_pane->isLoading());
    m_pane->grab(); // paints whatever is there
    QVERIFY(m_interaction.calls.isEmpty());

    const QRect shown = m_pane->pictureRect();
    if (expect == Expect::Picture) {
        QCOMPARE(m_pane->tag(), pathOf(name));
        QVERIFY(m_pane->contentsRect().contains(shown));
        QVERIFY(shown.width() <= size.width() && shown.height() <= size.height());
    } else if (expect == Expect::NotAPicture || expect == Expect::Bomb) {
        QVERIFY(shown.isEmpty());
        QCOMPARE(m_pane->tag(), before);
    } else {
        QCOMPARE(m_pane->tag(), shown.isEmpty() ? before : pathOf(name));
    }
}

// Only a missing file is reported, once, as an information box; the pane stays empty.
void TstBadPicturePreview::missingFileIsTheOnlyMessage()
{
    const QString before = m_pane->tag();
    m_pane->showPreview(pathOf(QStringLiteral("gone.jpg")));
    QCOMPARE(m_interaction.calls.size(), 1);
    const ScriptedInteraction::Call call = m_interaction.calls.at(0);
    QCOMPARE(call.text, MainText::FileNotFound);
    QCOMPARE(call.title, MainText::DataErrorTitle);
    QCOMPARE(call.style, MessageStyle::Information);
    QVERIFY(m_pane->pictureRect().isEmpty());
    QCOMPARE(m_pane->tag(), before);
}

QTEST_MAIN(TstBadPicturePreview)
#include "tst_badpicturepreview.moc"

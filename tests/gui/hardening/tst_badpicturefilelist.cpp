// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/settings/settings.h"
#include "core/common/statushints.h"
#include "ui/browser/filelistview.h"
#include "ui/mainwindow/previewpane.h"

#include "badpictures.h"
#include "scriptedinteraction.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace BadPictures;

namespace {

class QuietHints : public StatusHints {
public:
    void setHint(const QString &text) override { m_hint = text; }
    QString hint() const override { return m_hint; }
    void setProgressMaximum(int) override {}
    void setProgressValue(int) override {}

private:
    QString m_hint;
};

} // namespace

// The file list over a folder of bad pictures, each previewed as the user walks the list.
class TstBadPictureFileList : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void everyPictureFileListedByName();
    void walkingTheListPreviewsEachQuietly();

private:
    QTemporaryDir m_dir;
    QStringList m_names;
    Settings m_settings;
    ScriptedInteraction m_interaction;
    QuietHints m_hints;
};

void TstBadPictureFileList::initTestCase()
{
    const QVector<Entry> entries =
        writeAll(m_dir.path(), QStringLiteral(VELLORA_TEST_DATA "/pictures"));
    QVERIFY(!entries.isEmpty());
    for (const Entry &entry : entries)
        m_names.append(entry.name);
}

// Every .jpg and .bmp file is listed by its name, however broken its content.
void TstBadPictureFileList::everyPictureFileListedByName()
{
    FileListView view(m_settings, m_interaction, m_hints);
    view.showFolderFiles(m_dir.path());
    QTRY_VERIFY(!view.isListing());
    QStringList listed;
    for (const FileListEntry &entry : view.allEntries()) {
        listed.append(entry.name);
        QCOMPARE(entry.key, QDir(m_dir.path()).filePath(entry.name));
    }
    QStringList expected = m_names;
    listed.sort(Qt::CaseInsensitive);
    expected.sort(Qt::CaseInsensitive);
    QCOMPARE(listed, expected);
    QVERIFY(m_interaction.calls.isEmpty());
}

// Arrow keys through the whole list preview every file without a message or a crash; the
// preview ends on the last file's picture or stays on the picture before it.
void TstBadPictureFileList::walkingTheListPreviewsEachQuietly()
{
    FileListView view(m_settings, m_interaction, m_hints);
    PreviewPane pane(m_interaction);
    pane.resize(160, 120);
    QStringList previewed;
    connect(&view, &FileListView::previewRequested, &pane, [&](const QString &path) {
        previewed.append(path);
        pane.showPreview(path);
    });
    view.resize(400, 600);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    view.showFolderFiles(m_dir.path());
    QTRY_VERIFY(!view.isListing());
    view.setFocus();
    view.setCurrentIndex(view.model()->index(0, 0));
    for (int row = 1; row < view.entryCount(); ++row)
        QTest::keyClick(&view, Qt::Key_Down);
    QCOMPARE(previewed.size(), view.entryCount() - 1);
    QCOMPARE(previewed.last(), view.allEntries().last().key);
    QVERIFY(m_interaction.calls.isEmpty());
}

QTEST_MAIN(TstBadPictureFileList)
#include "tst_badpicturefilelist.moc"

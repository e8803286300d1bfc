// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/common/statushints.h"
#include "platform/directorylister.h"
#include "platform/shellroutines.h"
#include "ui/browser/filelistview.h"
#include "ui/browser/foldertreeview.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QMutex>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidgetItem>
#include <QWaitCondition>

// The status bar as the browser sees it, remembering what it was told.
class RecordingHints : public StatusHints {
public:
    QStringList hints;
    int progressMaximum = 0;
    int progressValue = 0;
    int progressSteps = 0;
    int progressPeak = 0;

    void setHint(const QString &text) override { hints.append(text); }
    QString hint() const override { return hints.isEmpty() ? QString() : hints.last(); }
    void setProgressMaximum(int maximum) override { progressMaximum = maximum; }
    void setProgressValue(int value) override
    {
        progressValue = value;
        progressPeak = qMax(progressPeak, value);
        ++progressSteps;
    }
};

// The real file system, with volumes of the test's choosing and media that fail on request.
// Folders are read on worker threads, several at once: the counters are guarded, and the test
// looks at them once the readings have arrived.
class FakeLister : public DirectoryLister {
public:
    QVector<Volume> fakeVolumes;
    mutable QHash<QString, int> failuresLeft; // folder -> how many more readings fail
    ListingError failure = ListingError::NotReady;
    QSet<QString> unwritable; // folders where no new folder can be made
    FormatResult formatResult = FormatResult::NotPossible;
    mutable QHash<QString, int> readings;
    mutable int formatCalls = 0;

    QVector<Volume> volumes() const override { return fakeVolumes; }
    DirectoryListing subfolders(const QString &folder) const override
    {
        return failed(folder) ? failureListing() : DirectoryLister::subfolders(folder);
    }
    DirectoryListing pictureFiles(const QString &folder, bool jpeg, bool bitmap) const override
    {
        return failed(folder) ? failureListing()
                              : DirectoryLister::pictureFiles(folder, jpeg, bitmap);
    }
    FolderContents folderContents(const QString &folder, bool jpeg, bool bitmap) const override
    {
        if (!failed(folder))
            return DirectoryLister::folderContents(folder, jpeg, bitmap);
        const DirectoryListing listing = failureListing();
        FolderContents contents;
        contents.error = listing.error;
        contents.systemText = listing.systemText;
        return contents;
    }
    MakeFolderResult makeFolder(const QString &path) const override
    {
        if (unwritable.contains(QFileInfo(path).path()))
            return MakeFolderResult::Failed;
        return DirectoryLister::makeFolder(path);
    }
    FormatResult formatDrive(const QString &) const override
    {
        ++formatCalls;
        return formatResult;
    }

private:
    // Counts the reading, and tells whether it fails.
    bool failed(const QString &folder) const
    {
        const QMutexLocker lock(&m_mutex);
        ++readings[folder];
        if (failuresLeft.value(folder) <= 0)
            return false;
        --failuresLeft[folder];
        return true;
    }
    DirectoryListing failureListing() const
    {
        DirectoryListing listing;
        listing.error = failure;
        listing.systemText = QStringLiteral("No medium found");
        return listing;
    }
    mutable QMutex m_mutex;
};

// A lister whose readings of chosen folders hang, as on a dead network mount, until the test
// lets them go.
class HangingLister : public FakeLister {
public:
    void hang(const QString &folder)
    {
        const QMutexLocker lock(&m_gate);
        m_hung.insert(folder);
    }
    void release(const QString &folder)
    {
        const QMutexLocker lock(&m_gate);
        m_hung.remove(folder);
        m_released.wakeAll();
    }
    void releaseAll()
    {
        const QMutexLocker lock(&m_gate);
        m_hung.clear();
        m_released.wakeAll();
    }
    // Whether a reader is stuck in folder now.
    bool isStuckIn(const QString &folder) const
    {
        const QMutexLocker lock(&m_gate);
        return m_stuck.contains(folder);
    }

    DirectoryListing subfolders(const QString &folder) const override
    {
        waitWhileHung(folder);
        return FakeLister::subfolders(folder);
    }
    bool hasSubfolder(const QString &folder) const override
    {
        waitWhileHung(folder);
        return FakeLister::hasSubfolder(folder);
    }
    DirectoryListing pictureFiles(const QString &folder, bool jpeg, bool bitmap) const override
    {
        waitWhileHung(folder);
        return FakeLister::pictureFiles(folder, jpeg, bitmap);
    }
    FolderContents folderContents(const QString &folder, bool jpeg, bool bitmap) const override
    {
        waitWhileHung(folder);
        return FakeLister::folderContents(folder, jpeg, bitmap);
    }

private:
    void waitWhileHung(const QString &folder) const
    {
        const QMutexLocker lock(&m_gate);
        while (m_hung.contains(folder)) {
            m_stuck.insert(folder);
            m_released.wait(&m_gate);
        }
        m_stuck.remove(folder);
    }
    mutable QMutex m_gate;
    mutable QWaitCondition m_released;
    QSet<QString> m_hung;
    mutable QSet<QString> m_stuck;
};

// Lists folder in the file list and waits until its rows have arrived.
[[nodiscard]] inline bool showFolderFilesNow(FileListView &view, const QString &folder)
{
    view.showFolderFiles(folder);
    return QTest::qWaitFor([&view] { return !view.isListing(); });
}

// Opens node and waits until every folder the tree is reading has arrived.
[[nodiscard]] inline bool expandNow(FolderTreeView &tree, QTreeWidgetItem *node)
{
    node->setExpanded(true);
    return QTest::qWaitFor([&tree] { return !tree.isReading(); });
}

inline void writeFile(const QString &path, qint64 size)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QVERIFY(file.write(QByteArray(size, 'x')) == size);
}

// Points HOME and the XDG folders into dir, so that no test touches the user's own.
inline void useTemporaryHome(const QTemporaryDir &dir)
{
    const QString home = dir.filePath(QStringLiteral("home"));
    QDir().mkpath(home);
    qputenv("HOME", QFile::encodeName(home));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home + QStringLiteral("/.config")));
    qputenv("XDG_DATA_HOME", QFile::encodeName(home + QStringLiteral("/.local/share")));
    qunsetenv("XDG_DESKTOP_DIR");
}

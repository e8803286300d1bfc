// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/common/statushints.h"
#include "platform/directorylister.h"
#include "platform/shellroutines.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

// The status bar as the browser sees it, remembering what it was told.
class RecordingHints : public StatusHints {
public:
    QStringList hints;
    int progressMaximum = 0;
    int progressValue = 0;
    int progressSteps = 0;

    void setHint(const QString &text) override { hints.append(text); }
    QString hint() const override { return hints.isEmpty() ? QString() : hints.last(); }
    void setProgressMaximum(int maximum) override { progressMaximum = maximum; }
    void setProgressValue(int value) override
    {
        progressValue = value;
        ++progressSteps;
    }
};

// The real file system, with volumes of the test's choosing and media that fail on request.
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
        ++readings[folder];
        return failed(folder) ? failureListing() : DirectoryLister::subfolders(folder);
    }
    DirectoryListing pictureFiles(const QString &folder, bool jpeg, bool bitmap) const override
    {
        ++readings[folder];
        return failed(folder) ? failureListing()
                              : DirectoryLister::pictureFiles(folder, jpeg, bitmap);
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
    bool failed(const QString &folder) const
    {
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
};

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

// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/browser/fileworkrunner.h"

#include "core/browser/browsertexts.h"
#include "core/common/statushints.h"
#include "platform/fileworkprogress.h"
#include "ui/common/forwardedinteraction.h"

#include <QCoreApplication>
#include <QLocale>
#include <QProgressDialog>
#include <QTimer>

#include <atomic>
#include <thread>

namespace {

// The bar counts bytes when there are any to count (a copy), else files.
void showProgress(QProgressDialog &dialog, StatusHints &hints, const FileWorkProgress::State &state)
{
    hints.setProgressMaximum(qMax(1, state.fileCount));
    hints.setProgressValue(state.filesDone);
    QString text = BrowserTexts::fileProgress(state.fileName, state.filesDone, state.fileCount);
    const bool byBytes = state.byteCount > 0;
    if (byBytes) {
        const QLocale locale;
        text += BrowserTexts::byteProgress(locale.formattedDataSize(state.bytesDone),
                                           locale.formattedDataSize(state.byteCount));
    }
    dialog.setLabelText(text);
    // The bar takes int: bytes are counted in KiB.
    dialog.setMaximum(byBytes ? int(qMax<qint64>(1, state.byteCount >> 10)) : state.fileCount);
    dialog.setValue(byBytes ? int(state.bytesDone >> 10) : state.filesDone);
}

// Modal while it shows; it stays until the work has ended, whatever the values say.
void prepareDialog(QProgressDialog &dialog, const QString &title, int delay)
{
    dialog.setWindowTitle(title);
    dialog.setObjectName(QStringLiteral("fileWorkDialog"));
    dialog.setWindowModality(Qt::ApplicationModal);
    dialog.setAutoReset(false);
    dialog.setAutoClose(false);
    dialog.setMinimumDuration(delay);
}

} // namespace

FileWorkRunner::FileWorkRunner(Interaction &interaction, StatusHints &hints, QWidget &owner,
                               QObject *parent)
    : QObject(parent)
    , m_interaction(interaction)
    , m_hints(hints)
    , m_owner(owner)
{
}

// Until the dialog shows (and after Cancel has hidden it), input to the windows waits: the
// dialog's modality keeps it from them only while the dialog is visible.
ShellResult FileWorkRunner::run(const QString &title, const Work &work)
{
    QProgressDialog dialog(&m_owner);
    prepareDialog(dialog, title, m_dialogDelay);
    FileWorkProgress progress;
    connect(&dialog, &QProgressDialog::canceled, this, [&progress] { progress.cancel(); });
    QTimer refresh;
    connect(&refresh, &QTimer::timeout, this, [&] {
        if (!progress.cancelled())
            showProgress(dialog, m_hints, progress.state());
    });
    refresh.start(RefreshMs);
    QTimer::singleShot(m_dialogDelay, &dialog, [&] {
        if (!progress.cancelled())
            dialog.show();
    });

    ForwardedInteraction forwarded(m_interaction, *this);
    std::atomic<bool> finished{false};
    ShellResult result = ShellResult::Failed;
    std::thread worker([&] {
        result = work(forwarded, progress);
        finished.store(true);
        QMetaObject::invokeMethod(
            this, [] {}, Qt::QueuedConnection);
    });
    while (!finished.load()) {
        QEventLoop::ProcessEventsFlags flags = QEventLoop::WaitForMoreEvents;
        if (!dialog.isVisible())
            flags |= QEventLoop::ExcludeUserInputEvents;
        QCoreApplication::processEvents(flags);
    }
    worker.join();
    m_hints.setProgressValue(0);
    return result;
}

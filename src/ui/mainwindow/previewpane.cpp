// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/mainwindow/previewpane.h"

#include "core/common/interaction.h"
#include "core/common/logcategories.h"
#include "core/mainwindow/mainwindowtexts.h"
#include "core/mainwindow/previewfit.h"

#include <QFileInfo>
#include <QPainter>

PreviewPane::PreviewPane(Interaction &interaction, QWidget *parent)
    : QFrame(parent)
    , m_interaction(interaction)
    , m_loader(&PreviewFit::fit)
{
    setObjectName(QStringLiteral("previewPane"));
    setToolTip(MainText::PreviewTip);
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    connect(&m_loader, &AsyncPictureLoader::loaded, this, &PreviewPane::pictureLoaded);
}

// A missing file is told at once; only the decoding waits for a worker.
void PreviewPane::showPreview(const QString &path)
{
    clearImage();
    if (path.isEmpty() || !QFileInfo::exists(path))
        reportMissing();
    else
        m_loader.request(path, contentsRect().size());
}

void PreviewPane::pictureLoaded(const LoadedPicture &picture)
{
    if (picture.error == PictureError::NotFound) {
        reportMissing();
        return;
    }
    if (picture.image.isNull()) {
        qCDebug(logWindows) << "not a picture that can be shown, passed over:" << picture.path;
        return;
    }
    m_image = picture.image;
    m_target = picture.rect.translated(contentsRect().topLeft());
    m_tag = picture.path;
    update();
}

void PreviewPane::reportMissing()
{
    m_interaction.messageBox(MainText::FileNotFound, MessageStyle::Information,
                             MainText::DataErrorTitle);
}

void PreviewPane::clearPicture()
{
    clearImage();
    m_tag.clear();
}

void PreviewPane::setBackColor(const QColor &colour)
{
    m_backColor = colour;
    clearImage();
}

// A picture still being decoded is dropped with the one on screen.
void PreviewPane::clearImage()
{
    m_loader.cancel();
    m_image = QImage();
    update();
}

void PreviewPane::paintEvent(QPaintEvent *event)
{
    {
        QPainter painter(this);
        painter.fillRect(contentsRect(), m_backColor);
        // Nearest-neighbour, like the rest of the program's picture drawing.
        if (!m_image.isNull())
            painter.drawImage(m_target, m_image);
    }
    QFrame::paintEvent(event);
}

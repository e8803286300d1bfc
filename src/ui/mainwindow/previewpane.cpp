// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/mainwindow/previewpane.h"

#include "core/common/interaction.h"
#include "core/common/logcategories.h"
#include "core/mainwindow/mainwindowtexts.h"
#include "core/mainwindow/previewfit.h"
#include "core/show/pictureloader.h"

#include <QPainter>

PreviewPane::PreviewPane(Interaction &interaction, QWidget *parent)
    : QFrame(parent)
    , m_interaction(interaction)
{
    setObjectName(QStringLiteral("previewPane"));
    setToolTip(MainText::PreviewTip);
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
}

void PreviewPane::showPreview(const QString &path)
{
    clearImage();
    const PictureHeader header = readPictureHeader(path);
    PictureError error = header.error;
    QImage image;
    QRect target;
    if (error == PictureError::None) {
        target = PreviewFit::fit(header.size, contentsRect().size());
        image = loadPicture(path, target.size(), &error);
    }
    if (error == PictureError::NotFound) {
        m_interaction.messageBox(MainText::FileNotFound, MessageStyle::Information,
                                 MainText::DataErrorTitle);
    }
    if (image.isNull()) {
        if (error != PictureError::NotFound)
            qCDebug(logWindows) << "not a picture that can be shown, passed over:" << path;
        return;
    }
    m_image = image;
    m_target = target.translated(contentsRect().topLeft());
    m_tag = path;
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

void PreviewPane::clearImage()
{
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

// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/show/slideshowwindow.h"

#include "core/common/logcategories.h"
#include "core/show/transition.h"
#include "ui/show/picturesurface.h"

#include <QAction>
#include <QLabel>
#include <QPainter>

// Loads the picture into the current image, fitted and centred on the background colour, and
// puts it on screen unless the running transition takes it from there. A picture that cannot be
// read leaves the area blank, quietly: the status bar names it and the show goes on at the next
// interval.
void SlideShowWindow::showPicture(const QString &path, bool throughTransition)
{
    m_currentImage.fill(m_back);
    m_positionPanel->setText(m_controller->playState().positionText());
    m_pathPanel->setText(path);
    m_pathPanel->setToolTip(path);
    const FittedPicture picture = m_prefetcher.take(path, m_currentImage.size());
    if (picture.error == PictureError::NotFound)
        qCDebug(logShow, "picture gone, area left blank: %s", qUtf8Printable(path));
    else if (picture.error == PictureError::NotAPicture)
        qCDebug(logShow, "picture not decoded, area left blank: %s", qUtf8Printable(path));
    if (!picture.image.isNull() && !m_currentImage.isNull()) {
        QPainter painter(&m_currentImage);
        painter.drawImage(picture.rect, picture.image);
    }
    if (!throughTransition) {
        m_surface->canvas() = m_currentImage;
        m_surface->update();
    }
    prefetchFollowing();
}

void SlideShowWindow::drawTransitionFrame()
{
    m_controller->transition().drawFrame(m_currentImage, m_transitionWork, m_surface->canvas());
    m_surface->update();
}

void SlideShowWindow::refitPicture()
{
    m_currentImage = QImage(m_surface->size(), QImage::Format_RGB32);
    m_currentImage.fill(m_back);
    m_transitionWork = m_currentImage;
    if (!isMinimized())
        m_controller->refresh();
}

void SlideShowWindow::markOrder(bool randomOrder)
{
    m_actions.listOrder->setChecked(!randomOrder);
    m_actions.randomOrder->setChecked(randomOrder);
}

// The stored setting stays as it is: the switch is for this show only.
void SlideShowWindow::orderSwitched(bool randomOrder)
{
    markOrder(randomOrder);
    prefetchFollowing();
}

void SlideShowWindow::prefetchFollowing()
{
    m_prefetcher.prefetch(m_controller->followingPath(), m_currentImage.size());
}

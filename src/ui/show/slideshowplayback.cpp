// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/show/slideshowwindow.h"

#include "core/common/logcategories.h"
#include "core/show/picturefit.h"
#include "core/show/transition.h"
#include "ui/show/picturesurface.h"

#include <QAction>
#include <QLabel>
#include <QPainter>

// Asks for the picture, which is drawn when it has been decoded. Until then the screen keeps
// what it shows, and a running transition forms from the background colour; the current
// picture decoded for another area (the window was resized) stands in at once.
void SlideShowWindow::showPicture(const QString &path, bool throughTransition)
{
    m_positionPanel->setText(m_controller->playState().positionText());
    m_pathPanel->setText(path);
    m_pathPanel->setToolTip(path);
    m_throughTransition = throughTransition;
    if (holdsPictureFor(path)) {
        m_loader.cancel();
        showLoaded(m_picture);
        return;
    }
    if (path == m_picture.path)
        showLoaded(m_picture);
    else if (throughTransition)
        m_currentImage.fill(m_back);
    m_loader.request(path, m_currentImage.size());
}

// A picture that cannot be read leaves the area blank, quietly: the status bar names it and
// the show goes on at the next interval.
void SlideShowWindow::pictureLoaded(const LoadedPicture &picture, bool final)
{
    rememberPictureArea();
    if (final) {
        m_picture = picture;
        if (picture.error == PictureError::NotFound)
            qCDebug(logShow, "picture gone, area left blank: %s", qUtf8Printable(picture.path));
        else if (picture.error == PictureError::NotAPicture)
            qCDebug(logShow, "picture not decoded, area left blank: %s",
                    qUtf8Printable(picture.path));
    }
    showLoaded(picture);
    if (final)
        prefetchFollowing();
}

// Fitted and centred on the background colour in the current image, whatever size it was
// decoded at, and on screen unless the running transition takes it from there.
void SlideShowWindow::showLoaded(const LoadedPicture &picture)
{
    m_currentImage.fill(m_back);
    if (!picture.image.isNull() && !m_currentImage.isNull()) {
        QPainter painter(&m_currentImage);
        painter.drawImage(fitPicture(picture.natural, m_currentImage.size()), picture.image);
    }
    if (!m_throughTransition || !m_controller->isTransitionRunning()) {
        m_surface->canvas() = m_currentImage;
        m_surface->update();
    }
}

// Decoded already at the size the current area shows it at.
bool SlideShowWindow::holdsPictureFor(const QString &path) const
{
    return path == m_picture.path && !m_picture.image.isNull() &&
           m_picture.rect == fitPicture(m_picture.natural, m_currentImage.size());
}

void SlideShowWindow::drawTransitionFrame()
{
    if (m_transitionWork.size() != m_currentImage.size())
        m_transitionWork = QImage(m_currentImage.size(), m_currentImage.format());
    m_controller->transition().drawFrame(m_currentImage, m_transitionWork, m_surface->canvas());
    m_surface->update();
}

void SlideShowWindow::refitPicture()
{
    m_currentImage = QImage(m_surface->size(), QImage::Format_RGB32);
    m_currentImage.fill(m_back);
    m_transitionWork = QImage();
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

// The picture on screen now is not decoded again.
void SlideShowWindow::prefetchFollowing()
{
    const QString following = m_controller->followingPath();
    if (!holdsPictureFor(following))
        m_loader.prefetch(following, m_currentImage.size());
}

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/settings/settings.h"
#include "testpictures.h"
#include "ui/show/picturesurface.h"
#include "ui/show/slideshowwindow.h"
#include "ui/show/startupslide.h"

#include <QAction>
#include <QLabel>
#include <QMouseEvent>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

// A slide-show window on pictures of plain colours written to a temporary folder. The
// interval is long, so only the test drives the timers. Pictures decode on worker threads:
// what the surface shows is read once the picture asked for last has arrived.
class ShowFixture {
public:
    static inline const QColor back{0x60, 0x40, 0x20}; // ShowBackColor 0x00204060

    ShowFixture()
    {
        settings.showBackColour = QColor(0x60, 0x40, 0x20);
        settings.showLeft = 1500;
        settings.showTop = 1200;
        settings.showWidth = 6000;
        settings.showHeight = 4500;
        settings.freeWindow = 0;
        settings.alwaysOnTop = 0;
    }

    QString picture(const QString &name, const QColor &colour)
    {
        QImage image(64, 48, QImage::Format_RGB32);
        image.fill(colour);
        const QString path = dir.filePath(name);
        return TestPictures::writeFile(path, TestPictures::jpeg(image)) ? path : QString();
    }

    QStringList redGreenBlue()
    {
        return {picture(QStringLiteral("1.jpg"), Qt::red),
                picture(QStringLiteral("2.jpg"), Qt::green),
                picture(QStringLiteral("3.jpg"), Qt::blue)};
    }

    SlideShowWindow *open(const QStringList &paths, const StartupSlide &startupSlide = {})
    {
        window = new SlideShowWindow(settings, paths, 30);
        window->playFirst(startupSlide);
        window->show();
        if (!QTest::qWaitForWindowExposed(window))
            return nullptr;
        return window;
    }

    template<typename T> T *child(const char *name) const
    {
        return window->findChild<T *>(QLatin1String(name));
    }
    QTimer *slideTimer() const { return child<QTimer>("slideTimer"); }
    QTimer *transitionTimer() const { return child<QTimer>("transitionTimer"); }
    QAction *action(const char *name) const { return child<QAction>(name); }
    QString panel(const char *name) const { return child<QLabel>(name)->text(); }

    // Waits until the picture asked for last has been decoded and drawn; false if it never is.
    bool settle() const
    {
        return QTest::qWaitFor([this] { return !window->isLoadingPicture(); });
    }

    // The visible surface once the picture asked for last is there.
    const QImage &canvas() const
    {
        settle();
        return child<PictureSurface>("pictureSurface")->canvas();
    }

    // The colour in the middle of the visible surface.
    QRgb shown() const
    {
        const QImage &surface = canvas();
        return surface.pixel(surface.width() / 2, surface.height() / 2);
    }

    // The pointer moving over the picture, sent straight to the surface: a synthetic pointer
    // entering a window brings an Enter event but no move, and a move to where the pointer
    // already is counts as none.
    void moveOverPicture() const
    {
        auto *surface = child<PictureSurface>("pictureSurface");
        const QPointF local = surface->rect().center();
        QMouseEvent move(QEvent::MouseMove, local, surface->mapToGlobal(local), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(surface, &move);
    }

    static void fire(QTimer *timer) { QVERIFY(QMetaObject::invokeMethod(timer, "timeout")); }

    // Runs the transition frame by frame; the number of frames after the first.
    int finishTransition()
    {
        int frames = 0;
        while (window->controller().isTransitionRunning() && frames < 1000) {
            fire(transitionTimer());
            ++frames;
        }
        return frames;
    }

    Settings settings;
    QTemporaryDir dir;
    QPointer<SlideShowWindow> window;
};

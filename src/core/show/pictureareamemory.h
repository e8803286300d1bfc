// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>
#include <QSize>
#include <QString>

#include <optional>

// How a slide-show window stood: maximised on a screen's free area, or a frame of its own.
struct ShowWindowShape {
    bool maximised = false;
    QRect screenArea; // the screen's area free of panels
    QRect frame;      // the window's frame; a maximised window's is not compared

    bool operator==(const ShowWindowShape &other) const;
};

// The picture area the last show window had, kept in a small file between runs: the window
// manager's frame is known only once a window is on screen, so this is the one way to know
// the area at start-up, before any window exists, and decode the first picture at its size.
// A missing, damaged or unwritable file only means the area is not known.
class PictureAreaMemory {
public:
    explicit PictureAreaMemory(QString filePath);

    // The area a window of this shape had, when it is the shape remembered.
    std::optional<QSize> recall(const ShowWindowShape &shape) const;
    void remember(const ShowWindowShape &shape, const QSize &area) const;

    // The file in the user's cache folder.
    static QString defaultFilePath();

private:
    QString m_filePath;
};

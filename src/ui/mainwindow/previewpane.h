// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/show/asyncpictureloader.h"

#include <QFrame>
#include <QImage>

class Interaction;

// The main window's picture preview: one picture, reduced to fit but never
// enlarged, centred on the background colour. Pictures decode on a worker thread; the
// one asked for last is drawn, and earlier ones that arrive later are dropped.
class PreviewPane : public QFrame {
    Q_OBJECT
public:
    explicit PreviewPane(Interaction &interaction, QWidget *parent = nullptr);

    // Draws the picture file once it is decoded. A missing file is reported; a file that is
    // not a picture is passed over quietly. In both cases the pane stays empty and the tag
    // keeps the path shown before.
    void showPreview(const QString &path);
    void clearPicture();                     // clears the pane and empties the tag
    void setBackColor(const QColor &colour); // clears the picture, keeps the tag
    QString tag() const { return m_tag; }    // path of the picture shown last
    // True while the picture asked for last is still being decoded.
    bool isLoading() const { return m_loader.isLoading(); }

    // Where the picture lies inside the pane; empty while nothing is drawn.
    QRect pictureRect() const { return m_image.isNull() ? QRect() : m_target; }
    QColor backColor() const { return m_backColor; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void pictureLoaded(const LoadedPicture &picture);
    void reportMissing();
    void clearImage();

    Interaction &m_interaction;
    AsyncPictureLoader m_loader;
    QString m_tag;
    QImage m_image;
    QRect m_target;
    QColor m_backColor = Qt::black;
};

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>
#include <QTreeView>

class QMenu;
class SlideListModel;
class StatusHints;

// The slide list view of the main window: full paths and sizes, never sorted. Its selected
// entries can be dragged out, as files to copy.
class SlideListView : public QTreeView {
    Q_OBJECT
public:
    SlideListView(SlideListModel &model, StatusHints &hints, QWidget *parent = nullptr);

    // Paths of the selected entries, in list order.
    QStringList selectedEntries() const;
    // 1-based position of the view's current entry, 0 when there is none.
    int currentEntry() const;
    // Writes the count message into the hint panel.
    void showListCount();
    // The commands of the pop-up menu that opens over the entries.
    void setPopUpActions(const QList<QAction *> &actions);

Q_SIGNALS:
    void previewRequested(const QString &path);

protected:
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void previewCurrentEntry();
    bool popUpAtCurrentEntry();
    QString currentPath() const;

    SlideListModel &m_model;
    StatusHints &m_hints;
    QMenu *m_popUp = nullptr;
};

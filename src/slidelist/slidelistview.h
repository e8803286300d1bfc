#pragma once

#include <QTreeView>

class SlideListModel;
class StatusHints;

// The slide list view of the main window (ListView2).
class SlideListView : public QTreeView {
    Q_OBJECT
public:
    SlideListView(SlideListModel &model, StatusHints &hints, QWidget *parent = nullptr);

Q_SIGNALS:
    void previewRequested(const QString &path);
    void popUpCommand(int index); // mnu_PopUps item chosen over an entry

private:
    SlideListModel &m_model;
    StatusHints &m_hints;
};

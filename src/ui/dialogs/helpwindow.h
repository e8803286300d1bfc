// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QWidget>

class HelpBrowser;
class QHelpEngine;
class QHelpLink;
class QLineEdit;
class QTabWidget;
class QUrl;

// The help window: the contents and the keyword index of the compiled help beside the
// page they lead to. Not modal; it closes with its owner.
class HelpWindow : public QWidget {
    Q_OBJECT
public:
    // collectionFile is the help collection (VEL_Help.qhc).
    HelpWindow(const QString &collectionFile, QWidget *owner);

    // Opens the collection; returns the description of a failure, empty on success.
    QString open();

    void showContents();
    void showIndex();

private:
    void buildWidgets();
    void showPage(const QUrl &url);
    void showDocuments(const QList<QHelpLink> &documents);
    QUrl startPage() const;

    QHelpEngine *m_engine = nullptr;
    QTabWidget *m_tabs = nullptr;
    QLineEdit *m_indexFilter = nullptr;
    HelpBrowser *m_browser = nullptr;
};

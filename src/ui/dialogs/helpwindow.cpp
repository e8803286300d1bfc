// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/dialogs/helpwindow.h"

#include "ui/dialogs/dialogstexts.h"
#include "ui/dialogs/helpbrowser.h"

#include <QHelpContentModel>
#include <QHelpContentWidget>
#include <QHelpEngine>
#include <QHelpIndexWidget>
#include <QHelpLink>
#include <QLineEdit>
#include <QSplitter>
#include <QTabWidget>
#include <QVBoxLayout>

HelpWindow::HelpWindow(const QString &collectionFile, QWidget *owner)
    : QWidget(owner, Qt::Window)
    , m_engine(new QHelpEngine(collectionFile, this))
{
    setObjectName(QStringLiteral("HelpWindow"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(DialogsTexts::helpCaption());
    resize(820, 600);
    // The collection may lie in a folder the user cannot write to.
    m_engine->setReadOnly(true);
    buildWidgets();
}

void HelpWindow::buildWidgets()
{
    m_tabs = new QTabWidget;
    QHelpContentWidget *contents = m_engine->contentWidget();
    contents->setObjectName(QStringLiteral("helpContents"));
    m_tabs->addTab(contents, DialogsTexts::helpContentsTab());

    auto *indexPage = new QWidget;
    m_indexFilter = new QLineEdit;
    m_indexFilter->setObjectName(QStringLiteral("helpIndexFilter"));
    m_indexFilter->setPlaceholderText(DialogsTexts::helpIndexFilter());
    m_indexFilter->setClearButtonEnabled(true);
    QHelpIndexWidget *index = m_engine->indexWidget();
    index->setObjectName(QStringLiteral("helpIndex"));
    auto *indexLayout = new QVBoxLayout(indexPage);
    indexLayout->setContentsMargins(0, 0, 0, 0);
    indexLayout->addWidget(m_indexFilter);
    indexLayout->addWidget(index);
    m_tabs->addTab(indexPage, DialogsTexts::helpIndexTab());

    m_browser = new HelpBrowser(*m_engine);
    m_browser->setObjectName(QStringLiteral("helpBrowser"));

    auto *splitter = new QSplitter;
    splitter->addWidget(m_tabs);
    splitter->addWidget(m_browser);
    splitter->setStretchFactor(1, 3);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(splitter);

    connect(contents, &QHelpContentWidget::linkActivated, this, &HelpWindow::showPage);
    connect(m_engine->contentModel(), &QHelpContentModel::contentsCreated, contents,
            [contents] { contents->expandToDepth(0); });
    connect(m_indexFilter, &QLineEdit::textChanged, index,
            [index](const QString &text) { index->filterIndices(text); });
    connect(m_indexFilter, &QLineEdit::returnPressed, index,
            &QHelpIndexWidget::activateCurrentItem);
    connect(index, &QHelpIndexWidget::documentActivated, this,
            [this](const QHelpLink &document) { showPage(document.url); });
    connect(index, &QHelpIndexWidget::documentsActivated, this, &HelpWindow::showDocuments);
}

QString HelpWindow::open()
{
    if (!m_engine->setupData())
        return DialogsTexts::helpFileBroken(m_engine->collectionFile(), m_engine->error());
    if (m_engine->registeredDocumentations().isEmpty())
        return DialogsTexts::helpFileBroken(m_engine->collectionFile(), QString());
    showPage(startPage());
    return {};
}

QUrl HelpWindow::startPage() const
{
    const QString name = m_engine->registeredDocumentations().constFirst();
    return QUrl(QStringLiteral("qthelp://%1/doc/index.html").arg(name));
}

void HelpWindow::showContents()
{
    m_tabs->setCurrentIndex(0);
    m_engine->contentWidget()->setFocus();
}

void HelpWindow::showIndex()
{
    m_tabs->setCurrentIndex(1);
    m_indexFilter->setFocus();
}

void HelpWindow::showPage(const QUrl &url)
{
    m_browser->setSource(url);
}

void HelpWindow::showDocuments(const QList<QHelpLink> &documents)
{
    if (!documents.isEmpty())
        showPage(documents.constFirst().url);
}

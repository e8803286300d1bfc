#include "mainwindow/previewpane.h"

PreviewPane::PreviewPane(Interaction &interaction, QWidget *parent)
    : QWidget(parent)
    , m_interaction(interaction)
{
    setObjectName(QStringLiteral("Picture1"));
    setToolTip(QStringLiteral("画像表示領域"));
}

void PreviewPane::ShowPreview(const QString &) {}

void PreviewPane::clearPicture()
{
    m_tag.clear();
}

void PreviewPane::setBackColor(quint32) {}

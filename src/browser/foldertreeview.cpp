#include "browser/foldertreeview.h"

FolderTreeView::FolderTreeView(Settings &settings, Interaction &interaction, StatusHints &hints,
                               QWidget *parent)
    : QTreeWidget(parent)
    , m_settings(settings)
    , m_interaction(interaction)
    , m_hints(hints)
{
    setObjectName(QStringLiteral("TreeView1"));
    setHeaderHidden(true);
}

void FolderTreeView::LoadTreeIcons() {}

void FolderTreeView::BuildFolderTree(const QString &) {}

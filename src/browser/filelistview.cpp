#include "browser/filelistview.h"

FileListView::FileListView(Settings &settings, Interaction &interaction, StatusHints &hints,
                           QWidget *parent)
    : QTreeView(parent)
    , m_settings(settings)
    , m_interaction(interaction)
    , m_hints(hints)
{
    setObjectName(QStringLiteral("ListView1"));
    setRootIsDecorated(false);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
}

void FileListView::ShowFolderFiles(const QString &) {}

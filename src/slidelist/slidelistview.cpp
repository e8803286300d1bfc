#include "slidelist/slidelistview.h"

#include "app/statushints.h"
#include "slidelist/slidelistmodel.h"

SlideListView::SlideListView(SlideListModel &model, StatusHints &hints, QWidget *parent)
    : QTreeView(parent)
    , m_model(model)
    , m_hints(hints)
{
    setObjectName(QStringLiteral("ListView2"));
    setModel(&m_model);
    setRootIsDecorated(false);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
}

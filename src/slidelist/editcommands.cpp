#include "slidelist/editcommands.h"

EditCommands::EditCommands(SlideListModel &model, ListDocument &document, Settings &settings,
                           StatusHints &hints, SlideListView &slideView, FileListView &fileList,
                           PreviewPane &preview)
    : m_model(model)
    , m_document(document)
    , m_settings(settings)
    , m_hints(hints)
    , m_slideView(slideView)
    , m_fileList(fileList)
    , m_preview(preview)
{
}

void EditCommands::EditCommand(int) {}

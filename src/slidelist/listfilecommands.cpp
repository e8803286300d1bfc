#include "slidelist/listfilecommands.h"

ListFileCommands::ListFileCommands(SlideListModel &model, ListDocument &document,
                                   Settings &settings, Interaction &interaction)
    : m_model(model)
    , m_document(document)
    , m_settings(settings)
    , m_interaction(interaction)
{
}

void ListFileCommands::OpenListFile(const QString &) {}

void ListFileCommands::SaveListFile(bool) {}

void ListFileCommands::FileCommand(int) {}

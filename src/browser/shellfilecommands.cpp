#include "browser/shellfilecommands.h"

ShellFileCommands::ShellFileCommands(SlideListModel &model, SlideListView &slideView,
                                     FileListView &fileList, Interaction &interaction,
                                     StatusHints &hints)
    : m_model(model)
    , m_slideView(slideView)
    , m_fileList(fileList)
    , m_interaction(interaction)
    , m_hints(hints)
{
}

void ShellFileCommands::PopUpCommand(int) {}

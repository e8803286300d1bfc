#include "dialogs/optionsdialog.h"

#include "app/interaction.h"
#include "app/settings.h"

OptionsDialog::OptionsDialog(Settings &settings, Interaction &interaction, QWidget *parent)
    : QDialog(parent)
    , m_settings(settings)
    , m_interaction(interaction)
{
    setWindowTitle(QStringLiteral("オプション"));
}

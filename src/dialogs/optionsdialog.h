#pragma once

#include <QDialog>

class Interaction;
struct Settings;

// The options dialog. exec() returns Accepted after OK (the settings are written then)
// and Rejected after Cancel or the close box (nothing is written).
class OptionsDialog : public QDialog {
    Q_OBJECT
public:
    OptionsDialog(Settings &settings, Interaction &interaction, QWidget *parent = nullptr);

private:
    Settings &m_settings;
    Interaction &m_interaction;
};

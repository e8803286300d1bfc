#pragma once

#include <QMainWindow>

class Interaction;
struct Settings;

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    MainWindow(Settings &settings, Interaction &interaction, QWidget *parent = nullptr);

    // Path of the list file being edited; empty for a list without a file.
    QString listPath() const;

Q_SIGNALS:
    // Emitted when the window is asked to close, before it goes; the settings are written then.
    void closeRequested();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    Settings &m_settings;
    Interaction &m_interaction;
};

#pragma once

#include <QMainWindow>

class Interaction;
struct Settings;

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    MainWindow(Settings &settings, Interaction &interaction, QWidget *parent = nullptr);

private:
    Settings &m_settings;
    Interaction &m_interaction;
};

#include "mainwindow/mainwindow.h"

MainWindow::MainWindow(Settings &settings, Interaction &interaction, QWidget *parent)
    : QMainWindow(parent)
    , m_settings(settings)
    , m_interaction(interaction)
{
    setObjectName(QStringLiteral("MainWindow"));
    setWindowTitle(QStringLiteral("Vellora 2000"));
}

#include "mainwindow/mainwindow.h"

#include <QCloseEvent>

MainWindow::MainWindow(Settings &settings, Interaction &interaction, QWidget *parent)
    : QMainWindow(parent)
    , m_settings(settings)
    , m_interaction(interaction)
{
    setObjectName(QStringLiteral("MainWindow"));
    setWindowTitle(QStringLiteral("Vellora 2000"));
}

QString MainWindow::listPath() const
{
    return {};
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    Q_EMIT closeRequested();
    event->accept();
}

#include <QApplication>

#include "app/qtinteraction.h"
#include "app/settings.h"
#include "mainwindow/mainwindow.h"

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    Settings settings;
    QtInteraction interaction;
    MainWindow window(settings, interaction);
    window.show();
    return app.exec();
}

#include "show/slideshowwindow.h"

SlideShowWindow::SlideShowWindow(Settings &settings, const QStringList &, int, QWidget *parent)
    : QMainWindow(parent)
    , m_settings(settings)
{
    setObjectName(QStringLiteral("SlideShowWindow"));
    setWindowTitle(QStringLiteral("Vellora 2000 / スライドショー /"));
}

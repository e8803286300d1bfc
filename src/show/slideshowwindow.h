#pragma once

#include <QMainWindow>
#include <QStringList>

struct Settings;

// The slide-show window: plays the given paths, one picture per interval.
class SlideShowWindow : public QMainWindow {
    Q_OBJECT
public:
    SlideShowWindow(Settings &settings, const QStringList &paths, int intervalSeconds,
                    QWidget *parent = nullptr);

Q_SIGNALS:
    void closed();

private:
    Settings &m_settings;
};

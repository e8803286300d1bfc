#pragma once

#include <QWidget>

class Interaction;

// The main window's picture preview (Picture1).
class PreviewPane : public QWidget {
    Q_OBJECT
public:
    explicit PreviewPane(Interaction &interaction, QWidget *parent = nullptr);

    void ShowPreview(const QString &path);
    void clearPicture();                  // clears the pane and empties the tag
    void setBackColor(quint32 windowsColour);
    QString tag() const { return m_tag; } // path of the picture shown last

private:
    Interaction &m_interaction;
    QString m_tag;
};

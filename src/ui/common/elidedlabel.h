// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>

// A one-line label that shows a text too wide for it with its middle left out ("…"), and then
// offers the whole text as its tool tip; a text that fits keeps the label's own tool tip.
class ElidedLabel : public QLabel {
    Q_OBJECT
public:
    ElidedLabel(const QString &toolTip, QWidget *parent = nullptr);

    QString fullText() const { return m_fullText; }

    // The label can be as narrow as its layout makes it: the text adapts.
    QSize minimumSizeHint() const override;

public Q_SLOTS:
    void setFullText(const QString &text);

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void elide();

    QString m_fullText;
    QString m_toolTip;
};

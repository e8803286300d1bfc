// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/app/qtinteraction.h"

#include "core/common/apptexts.h"

#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

namespace {

QWidget *owner()
{
    return QApplication::activeWindow();
}

QMessageBox::Icon iconForStyle(MessageStyle style)
{
    switch (style) {
    case MessageStyle::Error:
    case MessageStyle::ErrorRetry:
        return QMessageBox::Critical;
    case MessageStyle::QuestionYesNo:
        return QMessageBox::Question;
    case MessageStyle::Exclamation:
    case MessageStyle::WarningYesNo:
        return QMessageBox::Warning;
    case MessageStyle::Information:
        return QMessageBox::Information;
    case MessageStyle::Plain:
        break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons buttonsForStyle(MessageStyle style)
{
    switch (style) {
    case MessageStyle::QuestionYesNo:
    case MessageStyle::WarningYesNo:
        return QMessageBox::Yes | QMessageBox::No;
    case MessageStyle::ErrorRetry:
        return QMessageBox::Retry | QMessageBox::Cancel;
    case MessageStyle::Plain:
    case MessageStyle::Error:
    case MessageStyle::Exclamation:
    case MessageStyle::Information:
        break;
    }
    return QMessageBox::Ok;
}

Interaction::Answer answerFor(int button)
{
    switch (button) {
    case QMessageBox::Yes:
        return Interaction::Answer::Yes;
    case QMessageBox::YesToAll:
        return Interaction::Answer::YesToAll;
    case QMessageBox::No:
        return Interaction::Answer::No;
    case QMessageBox::Retry:
        return Interaction::Answer::Retry;
    case QMessageBox::Cancel:
        return Interaction::Answer::Cancel;
    default:
        return Interaction::Answer::Ok;
    }
}

} // namespace

Interaction::Answer QtInteraction::messageBox(const QString &text, MessageStyle style,
                                              const QString &title)
{
    const QString shownTitle = title.isEmpty() ? AppTexts::programTitle() : title;
    QMessageBox box(iconForStyle(style), shownTitle, text, buttonsForStyle(style), owner());
    return answerFor(box.exec());
}

Interaction::Answer QtInteraction::confirmOverwrite(const QString &text, const QString &title)
{
    QMessageBox box(
        QMessageBox::Question, title, text,
        QMessageBox::Yes | QMessageBox::YesToAll | QMessageBox::No | QMessageBox::Cancel, owner());
    return answerFor(box.exec());
}

Interaction::Answer QtInteraction::skipOrCancel(const QString &text, const QString &title)
{
    QMessageBox box(QMessageBox::Warning, title, text, QMessageBox::Cancel, owner());
    QPushButton *skip = box.addButton(AppTexts::skipButton(), QMessageBox::AcceptRole);
    box.setDefaultButton(skip);
    box.setEscapeButton(QMessageBox::Cancel);
    box.exec();
    return box.clickedButton() == skip ? Answer::Skip : Answer::Cancel;
}

QString QtInteraction::openFileName(const QString &title, const QString &startFolder,
                                    const QStringList &filters)
{
    return QFileDialog::getOpenFileName(owner(), title, startFolder,
                                        filters.join(QStringLiteral(";;")));
}

QString QtInteraction::saveFileName(const QString &title, const QString &startPath,
                                    const QStringList &filters)
{
    return QFileDialog::getSaveFileName(owner(), title, startPath,
                                        filters.join(QStringLiteral(";;")));
}

QString QtInteraction::folderName(const QString &title, const QString &startFolder)
{
    return QFileDialog::getExistingDirectory(owner(), title, startFolder);
}

std::optional<QColor> QtInteraction::colour(const QColor &initial)
{
    const QColor chosen = QColorDialog::getColor(initial, owner());
    if (!chosen.isValid())
        return std::nullopt;
    return chosen;
}

void QtInteraction::beep()
{
    QApplication::beep();
}

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/common/interaction.h"

// The real dialogs behind the interaction seam.
class QtInteraction : public Interaction {
public:
    Answer messageBox(const QString &text, MessageStyle style, const QString &title) override;
    Answer confirmOverwrite(const QString &text, const QString &title) override;
    Answer skipOrCancel(const QString &text, const QString &title) override;
    QString openFileName(const QString &title, const QString &startFolder,
                         const QStringList &filters) override;
    QString saveFileName(const QString &title, const QString &startPath,
                         const QStringList &filters) override;
    QString folderName(const QString &title, const QString &startFolder) override;
    std::optional<QColor> colour(const QColor &initial) override;
    void beep() override;
};

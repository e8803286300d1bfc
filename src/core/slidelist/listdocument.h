// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/common/apptexts.h"

#include <QObject>
#include <QString>

// The document state that goes with the slide list.
class ListDocument : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    QString listName = AppTexts::unnamedList(); // shown by the list-name label
    QString listPath;                           // empty for a list without a file
    bool listModified = false;
    QString lastListFolder;

    // Whether a list name or stored list path stands for a list without a file ("UnNamed");
    // names compare without regard to case.
    static bool isUnnamed(const QString &name)
    {
        return name.compare(AppTexts::unnamedList(), Qt::CaseInsensitive) == 0;
    }

    // Sets listName and listPath together and tells the list-name label.
    void setNameAndPath(const QString &name, const QString &path)
    {
        listName = name;
        listPath = path;
        Q_EMIT nameChanged(listName);
    }

Q_SIGNALS:
    void nameChanged(const QString &listName);
};

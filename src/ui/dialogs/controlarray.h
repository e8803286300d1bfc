// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>
#include <QVariant>

// Controls of one kind on a dialog form arrays addressed by index. Each member carries the
// array's name as its object name and its place in the array in the property "index", so
// "chkPic" 1 is the child named "chkPic" whose property "index" is 1.
namespace ControlArray {

inline constexpr char IndexProperty[] = "index";

inline void setMember(QObject *control, const QString &name, int index)
{
    control->setObjectName(name);
    control->setProperty(IndexProperty, index);
}

inline int indexOf(const QObject *control)
{
    const QVariant index = control->property(IndexProperty);
    return index.isValid() ? index.toInt() : -1;
}

// The member of the array name with the given index below parent, or nullptr.
template<class T> T *member(const QObject *parent, const QString &name, int index)
{
    const QList<T *> members = parent->findChildren<T *>(name);
    for (T *control : members) {
        if (indexOf(control) == index)
            return control;
    }
    return nullptr;
}

} // namespace ControlArray

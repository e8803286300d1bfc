// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/mainwindow/showoptionchecks.h"

#include "core/common/statushints.h"
#include "core/mainwindow/mainwindowtexts.h"
#include "core/settings/settings.h"
#include "ui/mainwindow/focuscolours.h"

#include <QCheckBox>
#include <QFocusEvent>
#include <QSignalBlocker>

ShowOptionChecks::ShowOptionChecks(QCheckBox &onTopCheck, QCheckBox &maximizedCheck,
                                   Settings &settings, StatusHints &hints)
    : QObject(&onTopCheck)
    , m_onTopCheck(onTopCheck)
    , m_maximizedCheck(maximizedCheck)
    , m_settings(settings)
    , m_hints(hints)
{
    FocusColours::paint(m_onTopCheck, FocusColours::CheckAtRest);
    m_onTopCheck.installEventFilter(this);
    m_maximizedCheck.installEventFilter(this);
    connect(&m_onTopCheck, &QCheckBox::toggled, this, &ShowOptionChecks::onTopToggled);
    connect(&m_maximizedCheck, &QCheckBox::toggled, this, &ShowOptionChecks::maximizedToggled);
}

void ShowOptionChecks::placeSettings()
{
    m_onTopCheck.setChecked(m_settings.staysOnTop());
    const QSignalBlocker blocker(m_maximizedCheck);
    m_maximizedCheck.setChecked(m_settings.opensMaximized());
}

void ShowOptionChecks::onTopToggled(bool checked)
{
    m_settings.alwaysOnTop.set(checked);
    m_hints.setHint(hintFor(m_onTopCheck));
}

void ShowOptionChecks::maximizedToggled(bool checked)
{
    m_settings.showMaximized.set(checked);
    m_hints.setHint(hintFor(m_maximizedCheck));
}

QString ShowOptionChecks::hintFor(const QCheckBox &box) const
{
    if (&box == &m_onTopCheck)
        return box.isChecked() ? MainText::OnTopHint : MainText::NotOnTopHint;
    return box.isChecked() ? MainText::MaximizedHint : QString();
}

bool ShowOptionChecks::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::FocusIn && event->type() != QEvent::FocusOut)
        return false;
    auto &box = *static_cast<QCheckBox *>(watched);
    const FocusColours::Change change =
        FocusColours::focusChange(box, *static_cast<QFocusEvent *>(event));
    if (change == FocusColours::Change::None)
        return false;
    const bool gained = change == FocusColours::Change::Gained;
    FocusColours::paint(box, gained ? FocusColours::Focused : FocusColours::CheckAtRest);
    m_hints.setHint(gained ? hintFor(box) : QString());
    return false;
}

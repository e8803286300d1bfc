// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/mainwindow/showoptionchecks.h"

#include "core/settings/settings.h"
#include "core/common/statushints.h"
#include "ui/mainwindow/focuscolours.h"
#include "core/mainwindow/mainwindowtexts.h"

#include <QCheckBox>
#include <QFocusEvent>
#include <QSignalBlocker>

ShowOptionChecks::ShowOptionChecks(QCheckBox &check1, QCheckBox &check2, Settings &settings,
                                   StatusHints &hints)
    : QObject(&check1)
    , m_check1(check1)
    , m_check2(check2)
    , m_settings(settings)
    , m_hints(hints)
{
    FocusColours::paint(m_check1, FocusColours::CheckAtRest);
    m_check1.installEventFilter(this);
    m_check2.installEventFilter(this);
    connect(&m_check1, &QCheckBox::toggled, this, &ShowOptionChecks::check1Toggled);
    connect(&m_check2, &QCheckBox::toggled, this, &ShowOptionChecks::check2Toggled);
}

void ShowOptionChecks::placeSettings()
{
    m_check1.setChecked(m_settings.staysOnTop());
    const QSignalBlocker blocker(m_check2);
    m_check2.setChecked(m_settings.opensMaximized());
}

void ShowOptionChecks::check1Toggled(bool checked)
{
    m_settings.alwaysOnTop.set(checked);
    m_hints.setHint(hintFor(m_check1));
}

void ShowOptionChecks::check2Toggled(bool checked)
{
    m_settings.showMaximized.set(checked);
    m_hints.setHint(hintFor(m_check2));
}

QString ShowOptionChecks::hintFor(const QCheckBox &box) const
{
    if (&box == &m_check1)
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

// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/mainwindow/showoptionchecks.h"

#include "core/common/statushints.h"
#include "core/mainwindow/mainwindowtexts.h"
#include "core/settings/settings.h"
#include "ui/mainwindow/focuscolours.h"
#include "ui/mainwindow/focushandover.h"

#include <QCheckBox>
#include <QSignalBlocker>

ShowOptionChecks::ShowOptionChecks(QCheckBox &onTopCheck, QCheckBox &maximizedCheck,
                                   Settings &settings, StatusHints &hints, FocusHandover &focus)
    : QObject(&onTopCheck)
    , m_onTopCheck(onTopCheck)
    , m_maximizedCheck(maximizedCheck)
    , m_settings(settings)
    , m_hints(hints)
{
    FocusColours::paint(m_onTopCheck, FocusColours::CheckAtRest);
    focus.watch(m_onTopCheck);
    focus.watch(m_maximizedCheck);
    connect(&focus, &FocusHandover::gained, this,
            [this](QWidget *control) { focusChanged(control, true); });
    connect(&focus, &FocusHandover::lost, this,
            [this](QWidget *control) { focusChanged(control, false); });
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

void ShowOptionChecks::focusChanged(QWidget *control, bool gained)
{
    if (control != &m_onTopCheck && control != &m_maximizedCheck)
        return;
    auto &box = static_cast<QCheckBox &>(*control);
    FocusColours::paint(box, gained ? FocusColours::Focused : FocusColours::CheckAtRest);
    m_hints.setHint(gained ? hintFor(box) : QString());
}

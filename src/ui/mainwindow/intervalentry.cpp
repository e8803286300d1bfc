// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/mainwindow/intervalentry.h"

#include "core/common/showmessage.h"
#include "core/common/statushints.h"
#include "core/mainwindow/intervalrule.h"
#include "core/mainwindow/mainwindowtexts.h"
#include "core/settings/settings.h"
#include "ui/mainwindow/focuscolours.h"
#include "ui/mainwindow/focushandover.h"
#include "ui/mainwindow/updowncontrol.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QSignalBlocker>

namespace {

} // namespace

IntervalEntry::IntervalEntry(QLineEdit &edit, UpDownControl &upDown, QLineEdit &focusSink,
                             Settings &settings, Interaction &interaction, StatusHints &hints,
                             FocusHandover &focus)
    : QObject(&edit)
    , m_edit(edit)
    , m_upDown(upDown)
    , m_focusSink(focusSink)
    , m_settings(settings)
    , m_interaction(interaction)
    , m_hints(hints)
{
    FocusColours::paint(m_edit, FocusColours::EntryAtRest);
    m_edit.installEventFilter(this);
    focus.watch(m_edit);
    focus.watch(m_focusSink);
    connect(&focus, &FocusHandover::gained, this, &IntervalEntry::gained);
    connect(&focus, &FocusHandover::lost, this, &IntervalEntry::lost);
    connect(&m_edit, &QLineEdit::textChanged, this, &IntervalEntry::entryTextChanged);
    connect(&m_upDown, &UpDownControl::valueChanged, this, &IntervalEntry::upDownChanged);
}

void IntervalEntry::placeInterval(int seconds)
{
    m_upDown.setValue(seconds);
    if (m_edit.text() != QString::number(m_upDown.value()))
        upDownChanged(m_upDown.value());
}

void IntervalEntry::showHint(const QString &text)
{
    m_hints.setHint(MainText::IntervalHintHead + text + MainText::IntervalHintTail);
}

// The arrows follow a number typed into the entry, so that they step on from what it shows.
void IntervalEntry::entryTextChanged(const QString &text)
{
    showHint(text);
    if (const std::optional<int> seconds = IntervalRule::wholeSeconds(text)) {
        const QSignalBlocker blocker(m_upDown);
        m_upDown.setValue(*seconds);
    }
}

void IntervalEntry::upDownChanged(int value)
{
    m_edit.setText(QString::number(value));
    m_settings.intervalSeconds = value;
    if (m_edit.window()->isEnabled())
        m_focusSink.setFocus(Qt::OtherFocusReason);
}

bool IntervalEntry::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != &m_edit || event->type() != QEvent::KeyPress)
        return false;
    const int key = static_cast<QKeyEvent *>(event)->key();
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

// The sink keeps the entry painted as active while it holds the focus.
void IntervalEntry::gained(QWidget *control)
{
    if (control != &m_edit && control != &m_focusSink)
        return;
    FocusColours::paint(m_edit, FocusColours::Focused);
    if (control == &m_edit) {
        m_tag = m_edit.text();
        showHint(m_tag);
    }
}

void IntervalEntry::lost(QWidget *control)
{
    if (control != &m_edit && control != &m_focusSink)
        return;
    FocusColours::paint(m_edit, FocusColours::EntryAtRest);
    if (control == &m_edit)
        checkEntry();
}

void IntervalEntry::checkEntry()
{
    const IntervalRule::Verdict verdict = IntervalRule::check(m_edit.text(), m_tag);
    switch (verdict.outcome) {
    case IntervalRule::Outcome::Unchanged:
        return;
    case IntervalRule::Outcome::Rejected:
        // The message waits until the focus has settled on the next control.
        QMetaObject::invokeMethod(this, &IntervalEntry::reject, Qt::QueuedConnection);
        return;
    case IntervalRule::Outcome::Accepted:
        break;
    }
    {
        // The arrows take the whole seconds without moving the focus again.
        const QSignalBlocker blocker(m_upDown);
        m_upDown.setValue(verdict.seconds);
    }
    m_edit.setText(QString::number(verdict.seconds));
    m_tag = m_edit.text();
    m_settings.intervalSeconds = qint16(verdict.seconds);
    m_hints.setHint({});
}

void IntervalEntry::reject()
{
    showMessage(m_interaction, AppMessage::IntervalOutOfRange);
    m_edit.setText(m_tag);
    m_edit.setFocus(Qt::OtherFocusReason);
}

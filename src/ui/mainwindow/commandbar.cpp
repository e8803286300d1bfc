// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/mainwindow/commandbar.h"

#include "core/mainwindow/intervalrule.h"
#include "core/mainwindow/mainwindowtexts.h"
#include "core/settings/settings.h"
#include "ui/common/elidedlabel.h"
#include "ui/mainwindow/maintoolbar.h"
#include "ui/mainwindow/updowncontrol.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>

#include <algorithm>

CommandBar::CommandBar(const MainActions &actions, QWidget *parent)
    : QFrame(parent)
    , m_toolBar(new MainToolBar(actions, this))
{
    setObjectName(QStringLiteral("commandBar"));
    setFrameStyle(QFrame::StyledPanel | QFrame::Raised);
    auto *bands = new QVBoxLayout(this);
    bands->setContentsMargins(2, 0, 2, 1);
    bands->setSpacing(0);
    m_toolBar->setContentsMargins(0, 0, 0, 0);
    m_toolBar->setStyleSheet(QStringLiteral("QToolBar { border: none; spacing: 1px; }"));
    bands->addWidget(m_toolBar);
    bands->addWidget(buildListBand());
}

namespace {

QLabel *namedLabel(const char *name, const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    return label;
}

} // namespace

// Band 2: its caption, then the list panel.
QWidget *CommandBar::buildListBand()
{
    auto *band = new QWidget(this);
    auto *row = new QHBoxLayout(band);
    row->setContentsMargins(2, 1, 0, 1);
    row->setSpacing(4);
    row->addWidget(namedLabel("listBandCaption", MainText::ListBandCaption, band));
    row->addWidget(buildListPanel(band), 1);
    return band;
}

// The list name, the interval entry with its arrows, and the two check boxes, left to right.
QWidget *CommandBar::buildListPanel(QWidget *band)
{
    auto *listPanel = new QWidget(band);
    listPanel->setObjectName(QStringLiteral("listPanel"));
    auto *panel = new QHBoxLayout(listPanel);
    panel->setContentsMargins(0, 0, 0, 0);
    panel->setSpacing(0);

    m_listNameLabel = new ElidedLabel(MainText::ListNameTip, listPanel);
    m_listNameLabel->setObjectName(QStringLiteral("listNameLabel"));
    m_listNameLabel->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    m_listNameLabel->setBackgroundRole(QPalette::Base);
    m_listNameLabel->setAutoFillBackground(true);
    m_listNameLabel->setFixedWidth(150);
    panel->addWidget(m_listNameLabel);
    panel->addSpacing(8);
    panel->addWidget(namedLabel("intervalLabel", MainText::IntervalLabel, listPanel));
    panel->addSpacing(4);

    m_intervalEdit = new QLineEdit(listPanel);
    m_intervalEdit->setObjectName(QStringLiteral("intervalEdit"));
    m_intervalEdit->setToolTip(MainText::IntervalTip);
    // Two digits; a large desktop font widens the box.
    m_intervalEdit->setFixedWidth(std::max(34, m_intervalEdit->minimumSizeHint().width()));
    m_intervalEdit->setAlignment(Qt::AlignRight);
    panel->addWidget(m_intervalEdit);
    m_intervalUpDown = new UpDownControl(Settings::MinimumIntervalSeconds,
                                         Settings::MaximumIntervalSeconds, listPanel);
    m_intervalUpDown->setObjectName(QStringLiteral("intervalUpDown"));
    m_intervalUpDown->setFixedSize(14, m_intervalEdit->sizeHint().height());
    panel->addWidget(m_intervalUpDown);
    panel->addSpacing(4);
    panel->addWidget(namedLabel("secondsLabel", MainText::SecondsLabel, listPanel));
    panel->addSpacing(8);

    m_onTopCheck = new QCheckBox(MainText::OnTopCaption, listPanel);
    m_onTopCheck->setObjectName(QStringLiteral("onTopCheck"));
    panel->addWidget(m_onTopCheck);
    panel->addSpacing(6);
    m_maximizedCheck = new QCheckBox(MainText::MaximizedCaption, listPanel);
    m_maximizedCheck->setObjectName(QStringLiteral("maximizedCheck"));
    panel->addWidget(m_maximizedCheck);
    panel->addStretch(1);
    return listPanel;
}

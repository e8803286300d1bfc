// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/mainwindow/commandbar.h"

#include "core/mainwindow/mainwindowtexts.h"
#include "core/settings/settings.h"
#include "ui/mainwindow/maintoolbar.h"
#include "ui/mainwindow/updowncontrol.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>

CommandBar::CommandBar(QWidget *parent)
    : QFrame(parent)
    , m_toolBar(new MainToolBar(this))
{
    setObjectName(QStringLiteral("CoolBar1"));
    setFrameStyle(QFrame::StyledPanel | QFrame::Raised);
    auto *bands = new QVBoxLayout(this);
    bands->setContentsMargins(2, 0, 2, 1);
    bands->setSpacing(0);
    m_toolBar->setContentsMargins(0, 0, 0, 0);
    m_toolBar->setStyleSheet(QStringLiteral("QToolBar { border: none; spacing: 1px; }"));
    bands->addWidget(m_toolBar);
    bands->addWidget(buildListBand());
}

QLabel *CommandBar::makeLabel(int index, const QString &text)
{
    auto *label = new QLabel(text);
    label->setObjectName(QStringLiteral("Label1(%1)").arg(index));
    m_labels[index] = label;
    return label;
}

// Band 2: its caption, then the panel Picture5.
QWidget *CommandBar::buildListBand()
{
    auto *band = new QWidget(this);
    auto *row = new QHBoxLayout(band);
    row->setContentsMargins(2, 1, 0, 1);
    row->setSpacing(4);
    auto *caption = new QLabel(MainText::ListBandCaption, band);
    caption->setObjectName(QStringLiteral("ListBandCaption"));
    row->addWidget(caption);
    row->addWidget(buildPicture5(band), 1);
    return band;
}

// The list name, the interval entry with its arrows, and the two check boxes, left to right.
QWidget *CommandBar::buildPicture5(QWidget *band)
{
    auto *picture5 = new QWidget(band);
    picture5->setObjectName(QStringLiteral("Picture5"));
    auto *panel = new QHBoxLayout(picture5);
    panel->setContentsMargins(0, 0, 0, 0);
    panel->setSpacing(0);

    QLabel *listName = makeLabel(2, {});
    listName->setToolTip(MainText::ListNameTip);
    listName->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    listName->setBackgroundRole(QPalette::Base);
    listName->setAutoFillBackground(true);
    listName->setFixedWidth(150);
    panel->addWidget(listName);
    panel->addSpacing(8);
    panel->addWidget(makeLabel(0, MainText::IntervalLabel));
    panel->addSpacing(4);

    m_text2 = new QLineEdit(picture5);
    m_text2->setObjectName(QStringLiteral("Text2"));
    m_text2->setToolTip(MainText::IntervalTip);
    m_text2->setFixedWidth(34);
    m_text2->setAlignment(Qt::AlignRight);
    panel->addWidget(m_text2);
    m_upDown1 = new UpDownControl(Settings::MinimumIntervalSeconds,
                                  Settings::MaximumIntervalSeconds, picture5);
    m_upDown1->setObjectName(QStringLiteral("UpDown1"));
    m_upDown1->setFixedSize(14, m_text2->sizeHint().height());
    panel->addWidget(m_upDown1);
    panel->addSpacing(4);
    panel->addWidget(makeLabel(1, MainText::SecondsLabel));
    panel->addSpacing(8);

    m_check1 = new QCheckBox(MainText::OnTopCaption, picture5);
    m_check1->setObjectName(QStringLiteral("Check1"));
    panel->addWidget(m_check1);
    panel->addSpacing(6);
    m_check2 = new QCheckBox(MainText::MaximizedCaption, picture5);
    m_check2->setObjectName(QStringLiteral("Check2"));
    panel->addWidget(m_check2);
    panel->addStretch(1);
    return picture5;
}

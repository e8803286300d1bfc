// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/dialogs/optionsdialog.h"

#include "core/common/interaction.h"
#include "core/common/showmessage.h"
#include "core/settings/settings.h"
#include "ui/dialogs/dialoggeometry.h"
#include "ui/dialogs/dialogstexts.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QFocusEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardPaths>

using DialogGeometry::growToContents;
using DialogGeometry::placeTwips;

OptionsDialog::OptionsDialog(Settings &settings, Interaction &interaction, QWidget *parent)
    : QDialog(parent)
    , m_settings(settings)
    , m_interaction(interaction)
{
    setWindowTitle(DialogsTexts::optionsCaption());
    setModal(true);
    DialogGeometry::fixClientSizeTwips(this, 5625, 4380);
    // Created in tab order.
    buildPathGroups();
    buildColourGroup();
    buildPictureTypeGroup();
    buildOptionBoxes();
    buildButtons();
    loadSettings();
}

QGroupBox *OptionsDialog::addGroup(const QString &name, const QString &caption, int left, int top,
                                   int width, int height)
{
    auto *group = new QGroupBox(caption, this);
    group->setObjectName(name);
    placeTwips(group, left, top, width, height);
    return group;
}

QPushButton *OptionsDialog::addButton(QWidget *parent, const QString &name, const QString &caption)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(name);
    return button;
}

QCheckBox *OptionsDialog::addCheck(QWidget *parent, const QString &name, const QString &caption,
                                   int left, int top, int width, int height)
{
    auto *box = new QCheckBox(caption, parent);
    box->setObjectName(name);
    placeTwips(box, left, top, width, height);
    growToContents(box);
    return box;
}

// A group with a path entry and its browse button; name is the group's, e.g. "saveFolder".
QLineEdit *OptionsDialog::addPathGroup(const QString &name, const QString &caption, int top,
                                       void (OptionsDialog::*choose)())
{
    QGroupBox *group = addGroup(name + QStringLiteral("Group"), caption, 0, top, 5625, 645);
    auto *path = new QLineEdit(group);
    path->setObjectName(name + QStringLiteral("Edit"));
    placeTwips(path, 90, 210, 4575, 285);
    QPushButton *browse =
        addButton(group, name + QStringLiteral("BrowseButton"), DialogsTexts::browse());
    placeTwips(browse, 4710, 210, 675, 285);
    connect(browse, &QPushButton::clicked, this, choose);
    return path;
}

void OptionsDialog::buildPathGroups()
{
    m_saveFolderEdit = addPathGroup(QStringLiteral("saveFolder"), DialogsTexts::saveFolderGroup(),
                                    60, &OptionsDialog::chooseSaveFolder);
    m_startupListEdit =
        addPathGroup(QStringLiteral("startupList"), DialogsTexts::startupListGroup(), 780,
                     &OptionsDialog::chooseStartupList);
}

void OptionsDialog::buildColourGroup()
{
    QGroupBox *group = addGroup(QStringLiteral("colourGroup"), DialogsTexts::backColorGroup(), 0,
                                1500, 2715, 1155);
    m_backColourSample = new QLabel(group);
    m_backColourSample->setObjectName(QStringLiteral("backColourSample"));
    m_backColourSample->setAutoFillBackground(true);
    m_backColourSample->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    placeTwips(m_backColourSample, 150, 330, 1665, 315);
    QPushButton *browse =
        addButton(group, QStringLiteral("colourBrowseButton"), DialogsTexts::browse());
    placeTwips(browse, 1860, 360, 675, 285);
    connect(browse, &QPushButton::clicked, this, &OptionsDialog::chooseColour);
}

void OptionsDialog::buildPictureTypeGroup()
{
    QGroupBox *group = addGroup(QStringLiteral("pictureTypeGroup"),
                                DialogsTexts::pictureTypeGroup(), 2760, 1500, 2865, 1155);
    m_bmpCheck =
        addCheck(group, QStringLiteral("bmpCheck"), DialogsTexts::bmpType(), 180, 330, 675, 255);
    m_jpegCheck =
        addCheck(group, QStringLiteral("jpegCheck"), DialogsTexts::jpegType(), 180, 690, 675, 255);
    m_bmpCheck->installEventFilter(this);
    m_jpegCheck->installEventFilter(this);
}

void OptionsDialog::buildOptionBoxes()
{
    m_startFixedCheck = addCheck(this, QStringLiteral("startFixedCheck"),
                                 DialogsTexts::fixedWindow(), 120, 2790, 2295, 210);
    m_fadeCheck =
        addCheck(this, QStringLiteral("fadeCheck"), DialogsTexts::useFade(), 120, 3090, 4245, 210);
    m_randomOrderCheck = addCheck(this, QStringLiteral("randomOrderCheck"),
                                  DialogsTexts::randomOrder(), 120, 3390, 2295, 210);
}

void OptionsDialog::buildButtons()
{
    QPushButton *ok = addButton(this, QStringLiteral("okButton"), DialogsTexts::ok());
    QPushButton *cancel = addButton(this, QStringLiteral("cancelButton"), DialogsTexts::cancel());
    QPushButton *reset =
        addButton(this, QStringLiteral("resetButton"), DialogsTexts::resetDefaults());
    placeTwips(ok, 870, 3840, 1455, 345);
    placeTwips(cancel, 2370, 3840, 1455, 345);
    placeTwips(reset, 3990, 3840, 1455, 345);
    // Enter anywhere in the dialog means OK, not the nearest browse button.
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &OptionsDialog::confirm);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(reset, &QPushButton::clicked, this, &OptionsDialog::resetDefaults);
}

void OptionsDialog::loadSettings()
{
    m_settings.restoreListFocus = false;
    m_saveFolderEdit->setText(m_settings.listSaveFolder);
    m_startupListEdit->setText(m_settings.startupList);
    showColour(m_settings.showBackColour);
    m_startFixedCheck->setChecked(m_settings.startsFixed());
    m_fadeCheck->setChecked(m_settings.fadeOptionChecked());
    m_bmpCheck->setChecked(m_settings.searchesBmp());
    m_jpegCheck->setChecked(m_settings.searchesJpeg());
    m_randomOrderCheck->setChecked(m_settings.playsRandomly());
}

void OptionsDialog::resetDefaults()
{
    m_startFixedCheck->setChecked(false);
    m_fadeCheck->setChecked(true);
    m_randomOrderCheck->setChecked(false);
    showColour(Qt::black);
    m_bmpCheck->setChecked(true);
    m_jpegCheck->setChecked(true);
    m_saveFolderEdit->clear();
    m_startupListEdit->clear();
}

void OptionsDialog::confirm()
{
    // Enter can press OK without the picture-type box losing its focus first.
    if (!keepOnePictureType(m_lastPictureBox))
        return;
    m_settings.freeWindow.set(!m_startFixedCheck->isChecked());
    m_settings.useFade.set(m_fadeCheck->isChecked());
    m_settings.randomOrder.set(m_randomOrderCheck->isChecked());
    m_settings.showBackColour = m_backColour;
    m_settings.searchBmp.set(m_bmpCheck->isChecked());
    m_settings.searchJpg.set(m_jpegCheck->isChecked());
    m_settings.listSaveFolder = m_saveFolderEdit->text();
    m_settings.startupList = m_startupListEdit->text();
    m_settings.restoreListFocus = true;
    accept();
}

void OptionsDialog::showColour(const QColor &colour)
{
    m_backColour = colour;
    QPalette palette = m_backColourSample->palette();
    palette.setColor(QPalette::Window, colour);
    m_backColourSample->setPalette(palette);
}

void OptionsDialog::chooseColour()
{
    const std::optional<QColor> chosen = m_interaction.colour(m_chooserColour);
    if (!chosen)
        return;
    m_chooserColour = *chosen;
    showColour(*chosen);
}

// The browser always opens at the desktop, the top of the user's folders (the home folder
// when there is no desktop folder), whatever the box holds.
void OptionsDialog::chooseSaveFolder()
{
    QString start = QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
    if (!QFileInfo(start).isDir())
        start = QDir::homePath();
    const QString folder = m_interaction.folderName(DialogsTexts::saveFolderGroup(), start);
    if (!folder.isEmpty())
        m_saveFolderEdit->setText(folder);
}

void OptionsDialog::chooseStartupList()
{
    const QString current = m_startupListEdit->text();
    const QString start = current.isEmpty() ? QString() : QFileInfo(current).absolutePath();
    const QString file = m_interaction.openFileName(DialogsTexts::startupListChooser(), start,
                                                    DialogsTexts::startupListFilters());
    if (!file.isEmpty())
        m_startupListEdit->setText(file);
}

bool OptionsDialog::isPictureType(const QObject *control) const
{
    return control && (control == m_bmpCheck || control == m_jpegCheck);
}

bool &OptionsDialog::checkedOnEntry(const QCheckBox *pictureType)
{
    return pictureType == m_bmpCheck ? m_bmpCheckedOnEntry : m_jpegCheckedOnEntry;
}

bool OptionsDialog::eventFilter(QObject *watched, QEvent *event)
{
    if (!isPictureType(watched))
        return QDialog::eventFilter(watched, event);
    auto *box = static_cast<QCheckBox *>(watched);
    if (event->type() == QEvent::FocusIn) {
        checkedOnEntry(box) = box->isChecked();
        m_lastPictureBox = box;
    } else if (event->type() == QEvent::FocusOut) {
        const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
        // Switching to another window or opening a menu does not leave the box.
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
            const bool toPictureType = isPictureType(QApplication::focusWidget());
            // Checked once the focus has settled, never in the middle of its move.
            QMetaObject::invokeMethod(
                this, [this, box, toPictureType] { pictureTypeLeft(box, toPictureType); },
                Qt::QueuedConnection);
        }
    }
    return QDialog::eventFilter(watched, event);
}

void OptionsDialog::pictureTypeLeft(QCheckBox *box, bool toPictureType)
{
    if (box->isChecked() == checkedOnEntry(box))
        return;
    if (toPictureType)
        return;
    keepOnePictureType(box);
}

bool OptionsDialog::keepOnePictureType(QCheckBox *left)
{
    if (m_bmpCheck->isChecked() || m_jpegCheck->isChecked())
        return true;
    // The message box runs its own event loop, where a pending check of the same boxes may
    // come due; one message is enough.
    if (m_askingPictureType)
        return false;
    m_askingPictureType = true;
    showMessage(m_interaction, AppMessage::SelectAtLeastOne);
    m_askingPictureType = false;
    if (left)
        left->setChecked(checkedOnEntry(left));
    m_bmpCheck->setFocus(Qt::OtherFocusReason);
    return false;
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/dialogs/optionsdialog.h"

#include "core/common/interaction.h"
#include "core/settings/settings.h"
#include "core/common/showmessage.h"
#include "ui/dialogs/controlarray.h"
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

namespace {

enum Frame { SaveFolderFrame, StartupListFrame, ColourFrame, PictureTypeFrame };
enum PathBox { SaveFolderPath, StartupListPath };
enum PictureType { Bmp, Jpg };
enum OptionBox { FadeBox, FixedBox, RandomBox };
enum Button { OkButton, CancelButton, ResetButton };

const QString ChkPic = QStringLiteral("chkPic");

QString tagOf(const QCheckBox *box)
{
    return box->isChecked() ? QStringLiteral("1") : QStringLiteral("0");
}

} // namespace

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

QGroupBox *OptionsDialog::addFrame(int index, const QString &caption, int left, int top, int width,
                                   int height)
{
    auto *frame = new QGroupBox(caption, this);
    ControlArray::setMember(frame, QStringLiteral("Frame1"), index);
    placeTwips(frame, left, top, width, height);
    m_frames[index] = frame;
    return frame;
}

QPushButton *OptionsDialog::addButton(QWidget *parent, const QString &name, int index,
                                      const QString &caption)
{
    auto *button = new QPushButton(caption, parent);
    if (index >= 0)
        ControlArray::setMember(button, name, index);
    else
        button->setObjectName(name);
    return button;
}

void OptionsDialog::buildPathGroups()
{
    const QString captions[] = {DialogsTexts::saveFolderGroup(), DialogsTexts::startupListGroup()};
    for (int index : {SaveFolderPath, StartupListPath}) {
        QGroupBox *frame = addFrame(index, captions[index], 0, 60 + 720 * index, 5625, 645);
        auto *path = new QLineEdit(frame);
        ControlArray::setMember(path, QStringLiteral("txtPs0"), index);
        placeTwips(path, 90, 210, 4575, 285);
        m_txtPs0[index] = path;
        QPushButton *browse =
            addButton(frame, QStringLiteral("cmbPs0"), index, DialogsTexts::browse());
        placeTwips(browse, 4710, 210, 675, 285);
    }
    connect(ControlArray::member<QPushButton>(this, QStringLiteral("cmbPs0"), SaveFolderPath),
            &QPushButton::clicked, this, &OptionsDialog::chooseSaveFolder);
    connect(ControlArray::member<QPushButton>(this, QStringLiteral("cmbPs0"), StartupListPath),
            &QPushButton::clicked, this, &OptionsDialog::chooseStartupList);
}

void OptionsDialog::buildColourGroup()
{
    QGroupBox *frame = addFrame(ColourFrame, DialogsTexts::backColorGroup(), 0, 1500, 2715, 1155);
    m_lblBackColor = new QLabel(frame);
    m_lblBackColor->setObjectName(QStringLiteral("lblBackColor"));
    m_lblBackColor->setAutoFillBackground(true);
    m_lblBackColor->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    placeTwips(m_lblBackColor, 150, 330, 1665, 315);
    QPushButton *browse = addButton(frame, QStringLiteral("cmbcl"), -1, DialogsTexts::browse());
    placeTwips(browse, 1860, 360, 675, 285);
    connect(browse, &QPushButton::clicked, this, &OptionsDialog::chooseColour);
}

void OptionsDialog::buildPictureTypeGroup()
{
    QGroupBox *frame =
        addFrame(PictureTypeFrame, DialogsTexts::pictureTypeGroup(), 2760, 1500, 2865, 1155);
    const QString captions[] = {QStringLiteral("BMP"), QStringLiteral("JPG")};
    for (int index : {Bmp, Jpg}) {
        auto *box = new QCheckBox(captions[index], frame);
        ControlArray::setMember(box, ChkPic, index);
        placeTwips(box, 180, 330 + 360 * index, 675, 255);
        growToContents(box);
        box->installEventFilter(this);
        m_chkPic[index] = box;
    }
}

void OptionsDialog::buildOptionBoxes()
{
    struct Design {
        OptionBox index;
        QString caption;
        int top;
        int width;
    };
    const Design designs[] = {{FixedBox, DialogsTexts::fixedWindow(), 2790, 2295},
                              {FadeBox, DialogsTexts::useFade(), 3090, 4245},
                              {RandomBox, DialogsTexts::randomOrder(), 3390, 2295}};
    for (const Design &design : designs) {
        auto *box = new QCheckBox(design.caption, this);
        ControlArray::setMember(box, QStringLiteral("Chk0"), design.index);
        placeTwips(box, 120, design.top, design.width, 210);
        growToContents(box);
        m_chk0[design.index] = box;
    }
}

void OptionsDialog::buildButtons()
{
    const QString captions[] = {DialogsTexts::ok(), DialogsTexts::cancel(),
                                DialogsTexts::resetDefaults()};
    const int lefts[] = {870, 2370, 3990};
    for (int index : {OkButton, CancelButton, ResetButton}) {
        m_cmbCl0[index] = addButton(this, QStringLiteral("cmbCl0"), index, captions[index]);
        placeTwips(m_cmbCl0[index], lefts[index], 3840, 1455, 345);
    }
    // Enter anywhere in the dialog means OK, not the nearest browse button.
    m_cmbCl0[OkButton]->setDefault(true);
    connect(m_cmbCl0[OkButton], &QPushButton::clicked, this, &OptionsDialog::confirm);
    connect(m_cmbCl0[CancelButton], &QPushButton::clicked, this, &QDialog::reject);
    connect(m_cmbCl0[ResetButton], &QPushButton::clicked, this, &OptionsDialog::resetDefaults);
}

void OptionsDialog::loadSettings()
{
    m_settings.restoreListFocus = false;
    m_txtPs0[SaveFolderPath]->setText(m_settings.listSaveFolder);
    m_txtPs0[StartupListPath]->setText(m_settings.startupList);
    showColour(m_settings.showBackColour);
    m_chk0[FixedBox]->setChecked(m_settings.startsFixed());
    m_chk0[FadeBox]->setChecked(m_settings.fadeOptionChecked());
    m_chkPic[Bmp]->setChecked(m_settings.searchesBmp());
    m_chkPic[Jpg]->setChecked(m_settings.searchesJpeg());
    m_chk0[RandomBox]->setChecked(m_settings.playsRandomly());
}

void OptionsDialog::resetDefaults()
{
    m_chk0[FixedBox]->setChecked(false);
    m_chk0[FadeBox]->setChecked(true);
    m_chk0[RandomBox]->setChecked(false);
    showColour(Qt::black);
    m_chkPic[Bmp]->setChecked(true);
    m_chkPic[Jpg]->setChecked(true);
    m_txtPs0[SaveFolderPath]->clear();
    m_txtPs0[StartupListPath]->clear();
}

void OptionsDialog::confirm()
{
    // Enter can press OK without the picture-type box losing its focus first.
    if (!keepOnePictureType(m_lastPictureBox))
        return;
    m_settings.freeWindow.set(!m_chk0[FixedBox]->isChecked());
    m_settings.useFade.set(m_chk0[FadeBox]->isChecked());
    m_settings.randomOrder.set(m_chk0[RandomBox]->isChecked());
    m_settings.showBackColour = m_backColour;
    m_settings.searchBmp.set(m_chkPic[Bmp]->isChecked());
    m_settings.searchJpg.set(m_chkPic[Jpg]->isChecked());
    m_settings.listSaveFolder = m_txtPs0[SaveFolderPath]->text();
    m_settings.startupList = m_txtPs0[StartupListPath]->text();
    m_settings.restoreListFocus = true;
    accept();
}

void OptionsDialog::showColour(const QColor &colour)
{
    m_backColour = colour;
    QPalette palette = m_lblBackColor->palette();
    palette.setColor(QPalette::Window, colour);
    m_lblBackColor->setPalette(palette);
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
        m_txtPs0[SaveFolderPath]->setText(folder);
}

void OptionsDialog::chooseStartupList()
{
    const QString current = m_txtPs0[StartupListPath]->text();
    const QString start = current.isEmpty() ? QString() : QFileInfo(current).absolutePath();
    const QString file = m_interaction.openFileName(DialogsTexts::startupListChooser(), start,
                                                    DialogsTexts::startupListFilters());
    if (!file.isEmpty())
        m_txtPs0[StartupListPath]->setText(file);
}

bool OptionsDialog::eventFilter(QObject *watched, QEvent *event)
{
    auto *box = qobject_cast<QCheckBox *>(watched);
    const int index = box ? ControlArray::indexOf(box) : -1;
    if (index < 0 || box != m_chkPic[size_t(index)])
        return QDialog::eventFilter(watched, event);
    if (event->type() == QEvent::FocusIn) {
        m_chkPicTags[size_t(index)] = tagOf(box);
        m_lastPictureBox = box;
    } else if (event->type() == QEvent::FocusOut) {
        const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
        // Switching to another window or opening a menu does not leave the box.
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
            const QWidget *next = QApplication::focusWidget();
            const bool toPictureType = next && next->objectName() == ChkPic;
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
    if (tagOf(box) == m_chkPicTags[size_t(ControlArray::indexOf(box))])
        return;
    if (toPictureType)
        return;
    keepOnePictureType(box);
}

bool OptionsDialog::keepOnePictureType(QCheckBox *left)
{
    if (m_chkPic[Bmp]->isChecked() || m_chkPic[Jpg]->isChecked())
        return true;
    // The message box runs its own event loop, where a pending check of the same boxes may
    // come due; one message is enough.
    if (m_askingPictureType)
        return false;
    m_askingPictureType = true;
    showMessage(m_interaction, AppMessage::SelectAtLeastOne);
    m_askingPictureType = false;
    if (left)
        left->setChecked(m_chkPicTags[size_t(ControlArray::indexOf(left))] == QStringLiteral("1"));
    m_chkPic[Bmp]->setFocus(Qt::OtherFocusReason);
    return false;
}

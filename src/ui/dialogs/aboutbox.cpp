// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/dialogs/aboutbox.h"

#include "ui/dialogs/dialoggeometry.h"
#include "ui/dialogs/dialogstexts.h"

#include <QFont>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>

using DialogGeometry::placeTwips;

namespace {

const QColor Shadow(128, 128, 128);
const QColor DarkText(64, 64, 64);
// The classic face colour, so that the white lettering with its grey shadow stands out
// whatever the desktop's colour scheme is.
const QColor Face(192, 192, 192);

QFont titleFont(double pointSize)
{
    QFont font(QStringLiteral("Romantic"));
    font.setStyleHint(QFont::Serif);
    font.setPointSizeF(pointSize);
    font.setBold(true);
    return font;
}

// Centres a label on the design's centre line and lets it take what its text needs.
void centreOnDesign(QLabel *label, int left, int top, int width)
{
    placeTwips(label, left, top, width, 0);
    const QSize hint = label->sizeHint();
    const int centre = label->geometry().center().x();
    label->setGeometry(centre - hint.width() / 2, label->y(), hint.width(), hint.height());
}

} // namespace

AboutBox::AboutBox(QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(DialogsTexts::aboutCaption());
    setModal(true);
    DialogGeometry::fixClientSizeTwips(this, 5160, 2850);
    QPalette face = palette();
    face.setColor(QPalette::Window, Face);
    face.setColor(QPalette::WindowText, DarkText);
    setPalette(face);
    setAutoFillBackground(true);
    buildPicture();
    buildTitle();
    buildNotices();
    buildRuleAndButton();
}

QLabel *AboutBox::addLabel(const QString &name, const QString &text, const QColor &colour)
{
    auto *label = new QLabel(text, this);
    label->setObjectName(name);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
    return label;
}

void AboutBox::buildPicture()
{
    // The shadow first, so that the picture lies on top of it.
    auto *shadow = new QLabel(this);
    shadow->setObjectName(QStringLiteral("programIconShadow"));
    shadow->setAutoFillBackground(true);
    QPalette grey = shadow->palette();
    grey.setColor(QPalette::Window, Shadow);
    shadow->setPalette(grey);
    placeTwips(shadow, 840, 300, 480, 480);

    auto *picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("programIcon"));
    placeTwips(picture, 780, 240, 480, 480);
    picture->setPixmap(QPixmap(QStringLiteral(":/icons/vellora-32.png"))
                           .scaled(picture->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
    picture->setAlignment(Qt::AlignCenter);
}

void AboutBox::buildTitle()
{
    struct Line {
        QString name;
        QString text;
        double pointSize;
        int top;
        int width;
        int height;
    };
    const Line lines[] = {
        {QStringLiteral("programName"), DialogsTexts::programName(), 18, 150, 3075, 345},
        {QStringLiteral("platform"), DialogsTexts::platformLine(), 11.25, 510, 2175, 225}};
    // The grey shadows are made first and lie 60 twips right of and below their white twins.
    QLabel *shadows[2] = {};
    for (int index : {0, 1}) {
        const Line &line = lines[index];
        shadows[index] = addLabel(line.name + QStringLiteral("Shadow"), line.text, Shadow);
        shadows[index]->setFont(titleFont(line.pointSize));
        placeTwips(shadows[index], 1440, line.top + 60, line.width, line.height);
        DialogGeometry::growToContents(shadows[index]);
    }
    for (int index : {0, 1}) {
        const Line &line = lines[index];
        QLabel *label = addLabel(line.name + QStringLiteral("Label"), line.text, Qt::white);
        label->setFont(titleFont(line.pointSize));
        placeTwips(label, 1380, line.top, line.width, line.height);
        DialogGeometry::growToContents(label);
        shadows[index]->resize(label->size());
    }
    centreOnDesign(addLabel(QStringLiteral("versionLabel"), DialogsTexts::versionLine(), DarkText),
                   2160, 1020, 855);
}

void AboutBox::buildNotices()
{
    struct Design {
        int left;
        int top;
        int width;
    };
    const Design designs[] = {{990, 1410, 3165}, {1410, 1680, 2325}, {900, 1920, 3465}};
    const QString names[] = {QStringLiteral("copyrightNotice"),
                             QStringLiteral("freeSoftwareNotice"), QStringLiteral("licenceNotice")};
    const QStringList notices = DialogsTexts::noticeLines();
    for (int index = 0; index < 3; ++index) {
        QLabel *label = addLabel(names[index], notices[index], DarkText);
        centreOnDesign(label, designs[index].left, designs[index].top, designs[index].width);
    }
}

void AboutBox::buildRuleAndButton()
{
    // An etched rule: a grey line with a white one just below it.
    const QString names[] = {QStringLiteral("ruleShadow"), QStringLiteral("ruleHighlight")};
    const QColor colours[] = {Shadow, Qt::white};
    const int tops[] = {2205, 2220};
    for (int index : {0, 1}) {
        auto *line = new QFrame(this);
        line->setObjectName(names[index]);
        line->setAutoFillBackground(true);
        QPalette palette = line->palette();
        palette.setColor(QPalette::Window, colours[index]);
        line->setPalette(palette);
        placeTwips(line, 30, tops[index], 5100, 15);
    }
    auto *ok = new QPushButton(DialogsTexts::ok(), this);
    ok->setObjectName(QStringLiteral("okButton"));
    placeTwips(ok, 3930, 2370, 1035, 375);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    // The box and its pictures pass any focus they receive on to the button.
    setFocusProxy(ok);
    for (const char *name : {"programIcon", "programIconShadow"}) {
        auto *picture = findChild<QLabel *>(QLatin1String(name));
        picture->setFocusPolicy(Qt::ClickFocus);
        picture->setFocusProxy(ok);
    }
}

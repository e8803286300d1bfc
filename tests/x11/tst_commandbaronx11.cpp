// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindowonx11.h"

#include "ui/mainwindow/maintoolbar.h"
#include "ui/mainwindow/panearranger.h"

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QScopeGuard>
#include <QScreen>

// The command bar as a desktop shows it: with the font the desktop chooses and with list names
// of any length.
class TstCommandBarOnX11 : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void commandBarFitsTheFont_data();
    void commandBarFitsTheFont();
    void longListNameIsElided_data();
    void longListNameIsElided();

private:
    void checkControlsFit() const;
    void saveScreenshot(const QString &name) const;
    QWidget *widget(const char *name) const
    {
        return m_f->find<QWidget>(QString::fromLatin1(name));
    }

    std::unique_ptr<MainWindowFixture> m_f;
    QFont m_desktopFont;
};

void TstCommandBarOnX11::init()
{
    m_desktopFont = QApplication::font();
    m_f = std::make_unique<MainWindowFixture>();
}

void TstCommandBarOnX11::cleanup()
{
    m_f.reset();
    QApplication::setFont(m_desktopFont);
}

// Every control of the command bar has at least the size it asks for and lies wholly inside
// the bar, above the panes and within the window's width.
void TstCommandBarOnX11::checkControlsFit() const
{
    const QWidget *client = m_f->window->centralWidget();
    const int panesTop = widget("folderTree")->y();
    for (const char *name :
         {"listBandCaption", "listNameLabel", "intervalLabel", "intervalEdit", "intervalUpDown",
          "secondsLabel", "onTopCheck", "maximizedCheck", "mainToolBar"}) {
        const QWidget *control = widget(name);
        const QSize needed = control->minimumSizeHint();
        const QRect placed(control->mapTo(client, QPoint(0, 0)), control->size());
        QVERIFY2(placed.height() >= needed.height() && placed.width() >= needed.width(), name);
        QVERIFY2(placed.top() >= 0 && placed.bottom() < panesTop, name);
        QVERIFY2(placed.left() >= 0 && placed.right() < client->width(), name);
    }
    const auto *toolBar = m_f->find<MainToolBar>(QStringLiteral("mainToolBar"));
    const QList<QAction *> actions = toolBar->actions();
    for (QAction *action : actions) {
        if (!action->isSeparator())
            QVERIFY2(toolBar->widgetForAction(action)->isVisible(), qPrintable(action->text()));
    }
}

// The screen as the user sees it, kept beside the test program.
void TstCommandBarOnX11::saveScreenshot(const QString &name) const
{
    const QRect frame = m_f->window->frameGeometry();
    const QPixmap shot =
        m_f->window->screen()->grabWindow(0, frame.x(), frame.y(), frame.width(), frame.height());
    QVERIFY(shot.save(QCoreApplication::applicationDirPath() + QLatin1Char('/') + name));
}

void TstCommandBarOnX11::commandBarFitsTheFont_data()
{
    QTest::addColumn<int>("points");
    QTest::newRow("9 point") << 9;
    QTest::newRow("11 point") << 11;
    QTest::newRow("12 point") << 12;
}

// The command bar grows by what the desktop's font needs and the window by as much; the panes
// keep their sizes and move down.
void TstCommandBarOnX11::commandBarFitsTheFont()
{
    QFETCH(int, points);
    QFont font = m_desktopFont;
    font.setPointSize(points);
    QApplication::setFont(font);
    QVERIFY(openFramed(*m_f));
    saveScreenshot(QStringLiteral("mainwindow-%1pt.png").arg(points));

    const PaneArranger &arranger = m_f->window->arranger();
    const TwipScale &scale = arranger.scale();
    const PaneLayout &layout = arranger.layout();
    const int growth = widget("folderTree")->y() - scale.toPixels(layout.folderTree).y();
    QVERIFY(growth >= 0);
    QCOMPARE(widget("commandBar")->height(), scale.toPixels(layout.commandBar).height() + growth);
    QCOMPARE(m_f->window->centralWidget()->height(),
             scale.toPixels(PaneLayout::DesignedClientHeight) + growth);
    for (const auto &[name, twips] : {std::pair{"folderTree", layout.folderTree},
                                      {"fileList", layout.fileList},
                                      {"previewPane", layout.preview},
                                      {"slideList", layout.slideList},
                                      {"statusBar", layout.statusBar}}) {
        QCOMPARE(widget(name)->geometry(), scale.toPixels(twips).translated(0, growth));
    }
    checkControlsFit();
}

void TstCommandBarOnX11::longListNameIsElided_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("elided");
    QTest::newRow("short name shown whole") << "travel" << false;
    QTest::newRow("long name elided in the middle")
        << "北海道と東北の旅行で撮った写真を集めたとても長い名前のスライドリスト_2024_final"
        << true;
}

// A name wider than the label loses its middle and offers the whole name as the tool tip.
void TstCommandBarOnX11::longListNameIsElided()
{
    QFETCH(QString, name);
    QFETCH(bool, elided);
    const QString path = m_f->home.filePath(name + QStringLiteral(".txt"));
    QFile list(path);
    QVERIFY(list.open(QIODevice::WriteOnly));
    list.close();
    m_f->settings.currentListPath = path;
    QVERIFY(openFramed(*m_f));
    const auto *label = m_f->find<QLabel>(QStringLiteral("listNameLabel"));
    const QString shown = label->text();
    QVERIFY(label->fontMetrics().horizontalAdvance(shown) <= label->contentsRect().width());
    if (!elided) {
        QCOMPARE(shown, name);
        QCOMPARE(label->toolTip(), QStringLiteral("リストファイル名表示"));
        return;
    }
    QVERIFY2(shown.contains(QChar(0x2026)), qPrintable(shown));
    QVERIFY(shown.startsWith(name.left(2)));
    QVERIFY(shown.endsWith(name.right(2)));
    QCOMPARE(label->toolTip(), name);
    saveScreenshot(QStringLiteral("mainwindow-long-list-name.png"));
}

QTEST_MAIN(TstCommandBarOnX11)
#include "tst_commandbaronx11.moc"

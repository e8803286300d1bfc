// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/settings/settings.h"
#include "ui/show/picturesurface.h"
#include "ui/show/slideshowwindow.h"

#include "badpictures.h"

#include <QImageReader>
#include <QLabel>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>

using namespace BadPictures;

// The slide show stepping through the bad-picture set and a missing file.
class TstBadPictureShow : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void nextThroughEveryFile_data();
    void nextThroughEveryFile();

private:
    QString panel(const char *name) const
    {
        return m_window->findChild<QLabel *>(QLatin1String(name))->text();
    }
    QRgb middleOfScreen() const;

    QTemporaryDir m_dir;
    QStringList m_paths;
    QVector<Entry> m_entries;
    Settings m_settings;
    QPointer<SlideShowWindow> m_window;
};

void TstBadPictureShow::initTestCase()
{
    m_entries = writeAll(m_dir.path(), QStringLiteral(VELLORA_TEST_DATA "/pictures"));
    QVERIFY(!m_entries.isEmpty());
    for (const Entry &entry : std::as_const(m_entries))
        m_paths.append(m_dir.filePath(entry.name));
    m_paths.append(m_dir.filePath(QStringLiteral("gone.jpg")));
}

void TstBadPictureShow::init()
{
    m_settings = Settings();
    m_settings.showBackColour = QColor(0x60, 0x40, 0x20);
    m_settings.showLeft = 1500;
    m_settings.showTop = 1200;
    m_settings.showWidth = 6000;
    m_settings.showHeight = 4500;
    m_settings.alwaysOnTop = 0;
    m_settings.randomOrder = 0;
}

void TstBadPictureShow::cleanup()
{
    delete m_window.data();
}

// Once the picture asked for last has been decoded and drawn.
QRgb TstBadPictureShow::middleOfScreen() const
{
    if (!QTest::qWaitFor([this] { return !m_window->isLoadingPicture(); }))
        return 0;
    const QImage &canvas =
        m_window->findChild<PictureSurface *>(QStringLiteral("pictureSurface"))->canvas();
    return canvas.pixel(canvas.width() / 2, canvas.height() / 2);
}

void TstBadPictureShow::nextThroughEveryFile_data()
{
    QTest::addColumn<int>("useFade");
    QTest::newRow("without the fade") << 0;
    QTest::newRow("with the fade") << 1;
}

// Clicking next through the whole list shows each position and path in the status bar;
// a file that gives no picture leaves the background colour; the reader's allocation limit
// is still in force at the end.
void TstBadPictureShow::nextThroughEveryFile()
{
    QFETCH(int, useFade);
    m_settings.useFade = qint16(useFade);
    const int limit = QImageReader::allocationLimit();
    m_window = new SlideShowWindow(m_settings, m_paths, 30);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
    // The first picture's one-frame transition ends before the stepping starts.
    QTRY_VERIFY(!m_window->findChild<QTimer *>(QStringLiteral("transitionTimer"))->isActive());
    auto *next = m_window->findChild<QToolButton *>(QStringLiteral("nextButton"));
    QVERIFY(next);
    const int count = int(m_paths.size());
    const QRgb back = qRgb(0x60, 0x40, 0x20);
    for (int step = 1; step <= count; ++step) {
        QTest::mouseClick(next, Qt::LeftButton);
        const int position = step % count; // the last click wraps to the first file
        QCOMPARE(panel("positionPanel"), QStringLiteral("%1/%2").arg(position + 1).arg(count));
        QCOMPARE(panel("pathPanel"), m_paths.at(position));
        const bool picture =
            position < m_entries.size() && m_entries.at(position).expect == Expect::Picture;
        const bool noPicture = position == m_entries.size() ||
                               m_entries.at(position).expect == Expect::NotAPicture ||
                               m_entries.at(position).expect == Expect::Bomb;
        if (picture)
            QVERIFY(middleOfScreen() != back);
        else if (noPicture)
            QCOMPARE(middleOfScreen(), back);
    }
    QVERIFY(m_window->controller().isPaused());
    QCOMPARE(QImageReader::allocationLimit(), limit);
}

QTEST_MAIN(TstBadPictureShow)
#include "tst_badpictureshow.moc"

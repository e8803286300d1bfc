// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/common/twips.h"
#include "core/launch/launchrequest.h"
#include "core/slidelist/listfileformat.h"
#include "core/slidelist/slidelistmodel.h"
#include "scriptedinteraction.h"
#include "ui/app/application.h"
#include "ui/mainwindow/launchopener.h"
#include "ui/mainwindow/mainwindow.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>

namespace {

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeAll(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

// The windows shown while it lives, by object name, in order.
class WindowsShown : public QObject {
public:
    WindowsShown() { qApp->installEventFilter(this); }
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show && watched->isWidgetType() &&
            static_cast<QWidget *>(watched)->isWindow())
            names.append(watched->objectName());
        return false;
    }
    QStringList names;
};

} // namespace

class TstStartup : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void firstRunWritesDefaultsAtClose();
    void storedPositionIsKeptAndWrittenBack();
    void positionOffEveryScreenIsCentred();
    void showBoxesCheckedForOneOnly_data();
    void showBoxesCheckedForOneOnly();
    void storedListAtFirstActivation_data();
    void storedListAtFirstActivation();
    void startupListPlaysAndHidesMainWindow();
    void namedFilesOpenInPlaceOfStoredLists_data();
    void namedFilesOpenInPlaceOfStoredLists();

private:
    // Starts the program on the settings file and waits for the first activation to finish.
    static bool startAndActivate(Application &application, const QString &settingsPath);
    // A picture at name in the test folder, of the type its extension names; its path.
    QString picture(const QString &name) const;
    // A list file at name in the test folder holding pictures made there.
    QString listOfPictures(const QString &name, const QStringList &pictures) const;
    QStringList inTestFolder(const QStringList &names) const;
    static int entryCount(const MainWindow &window);
    static QWidget *visibleSlideShow();

    // Starts the program on the settings file, lets the first activation finish and closes
    // the main window; returns the file's bytes afterwards.
    QByteArray runAndClose(Application &application);

    QTemporaryDir m_dir;
    QString m_path;
};

void TstStartup::initTestCase()
{
    QVERIFY(m_dir.isValid());
    for (const char *name : {"HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME"})
        qputenv(name, QFile::encodeName(m_dir.path()));
    // The expected bytes below are those of the offscreen screen: 800 x 800 pixels at 96 DPI.
    const QScreen *screen = QGuiApplication::primaryScreen();
    QVERIFY(screen);
    if (screen->geometry().size() != QSize(800, 800) || twipsPerPixel() != 15)
        QSKIP("needs the offscreen platform's 800 x 800 screen at 96 DPI");
}

void TstStartup::init()
{
    m_path = m_dir.filePath(QStringLiteral("vel20.ini"));
    QFile::remove(m_path);
}

bool TstStartup::startAndActivate(Application &application, const QString &settingsPath)
{
    application.start(settingsPath);
    const MainWindow *window = application.mainWindow();
    return window && QTest::qWaitFor([window] { return window->isInitialised(); }, 10000);
}

QByteArray TstStartup::runAndClose(Application &application)
{
    if (!startAndActivate(application, m_path))
        return {};
    application.mainWindow()->close();
    return readAll(m_path);
}

QString TstStartup::picture(const QString &name) const
{
    QImage image(QSize(8, 8), QImage::Format_RGB32);
    image.fill(Qt::darkGreen);
    const QString path = m_dir.filePath(name);
    return image.save(path) ? path : QString();
}

QString TstStartup::listOfPictures(const QString &name, const QStringList &pictures) const
{
    QStringList paths;
    for (const QString &pictureName : pictures) {
        paths.append(picture(pictureName));
        if (paths.constLast().isEmpty())
            return {};
    }
    const QString path = m_dir.filePath(name);
    return writeListFile(path, listFormatOf(path), paths) ? path : QString();
}

QStringList TstStartup::inTestFolder(const QStringList &names) const
{
    QStringList paths;
    for (const QString &name : names)
        paths.append(m_dir.filePath(name));
    return paths;
}

int TstStartup::entryCount(const MainWindow &window)
{
    return window.findChild<QAbstractItemView *>(QStringLiteral("slideList"))->model()->rowCount();
}

QWidget *TstStartup::visibleSlideShow()
{
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (QWidget *widget : windows) {
        if (widget->objectName() == QLatin1String("slideShowWindow") && widget->isVisible())
            return widget;
    }
    return nullptr;
}

// A first run without a settings file centres the window and writes every default at close.
void TstStartup::firstRunWritesDefaultsAtClose()
{
    ScriptedInteraction interaction;
    Application application(interaction);
    const QByteArray written = runAndClose(application);
    QCOMPARE(application.settings().mainLeft, 700.0);
    QCOMPARE(application.settings().mainTop, 1900.0);
    QCOMPARE(written, QByteArray("[Section]\nMainForm=700*1900\nSubForm=4155*7485*0*4515*0\n"
                                 "Option=1*2**1*0*1*0*1*1**\n"));
    QVERIFY(interaction.callsOf(QStringLiteral("message")).isEmpty());
}

// Stored values, fractions and negative positions included, come back unchanged; other
// sections and comments of the file stay.
void TstStartup::storedPositionIsKeptAndWrittenBack()
{
    writeAll(m_path, "; kept\n[Section]\nMainForm=100.5*-300\nSubForm=5000*20*30*6000*1\n"
                     "Option=0*5*UnNamed*0*1*0*255*1*0*/tmp*\n[Other]\nx=y\n");
    ScriptedInteraction interaction;
    Application application(interaction);
    const QByteArray written = runAndClose(application);
    QCOMPARE(application.settings().mainLeft, 100.5);
    QCOMPARE(application.settings().mainTop, -300.0);
    QCOMPARE(written, QByteArray("; kept\n[Section]\nMainForm=100.5*-300\n"
                                 "SubForm=5000*20*30*6000*1\n"
                                 "Option=0*5**0*1*0*255*1*0*/tmp*\n[Other]\nx=y\n"));
}

// A stored position where no screen is shows the window centred, and that is what is kept.
void TstStartup::positionOffEveryScreenIsCentred()
{
    writeAll(m_path, "[Section]\nMainForm=-100000*50000\n");
    ScriptedInteraction interaction;
    Application application(interaction);
    const QByteArray written = runAndClose(application);
    QVERIFY(written.startsWith("[Section]\nMainForm=700*1900\n"));
    QVERIFY(QGuiApplication::primaryScreen()->geometry().intersects(
        application.mainWindow()->geometry()));
}

void TstStartup::showBoxesCheckedForOneOnly_data()
{
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<bool>("checked");
    QTest::newRow("1 checks on-top and maximised") << QByteArray("1") << true;
    QTest::newRow("0 leaves them unchecked") << QByteArray("0") << false;
    QTest::newRow("2 leaves them unchecked, as the show is not on top") << QByteArray("2") << false;
    QTest::newRow("-1 leaves them unchecked") << QByteArray("-1") << false;
}

// The main window's on-top and maximised boxes read the stored number as the slide show does:
// on for 1 only. An untouched number is written back as it was.
void TstStartup::showBoxesCheckedForOneOnly()
{
    QFETCH(QByteArray, stored);
    QFETCH(bool, checked);
    const QByteArray file = "[Section]\nMainForm=700*1900\nSubForm=4155*7485*0*4515*" + stored +
                            "\nOption=" + stored + "*2**1*0*1*0*1*1**\n";
    writeAll(m_path, file);
    ScriptedInteraction interaction;
    Application application(interaction);
    QVERIFY(startAndActivate(application, m_path));
    MainWindow &window = *application.mainWindow();
    QCOMPARE(window.findChild<QCheckBox *>(QStringLiteral("onTopCheck"))->isChecked(), checked);
    QCOMPARE(window.findChild<QCheckBox *>(QStringLiteral("maximizedCheck"))->isChecked(), checked);
    window.close();
    QCOMPARE(readAll(m_path), file);
}

// The list edited last comes back at start-up; "UnNamed" in any letter case names no list, so
// nothing is opened and the list is stored as having no file.
void TstStartup::storedListAtFirstActivation_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<int>("entries");
    QTest::addColumn<QString>("listName");
    QTest::newRow("a stored list path is opened")
        << QStringLiteral("holiday.vrl") << 2 << QStringLiteral("holiday");
    QTest::newRow("UnNamed opens nothing")
        << QStringLiteral("UnNamed") << 0 << QStringLiteral("UnNamed");
    QTest::newRow("unnamed in small letters opens nothing")
        << QStringLiteral("unnamed") << 0 << QStringLiteral("UnNamed");
}

void TstStartup::storedListAtFirstActivation()
{
    QFETCH(QString, stored);
    QFETCH(int, entries);
    QFETCH(QString, listName);
    QString value = stored;
    if (entries > 0) {
        value = listOfPictures(stored, {QStringLiteral("b.png"), QStringLiteral("a.png")});
        QVERIFY(!value.isEmpty());
    }
    writeAll(m_path, "[Section]\nOption=1*5*" + value.toUtf8() + "*1*0*1*0*1*1**\n");
    ScriptedInteraction interaction;
    Application application(interaction);
    QVERIFY(startAndActivate(application, m_path));
    MainWindow &window = *application.mainWindow();
    QCOMPARE(entryCount(window), entries);
    QCOMPARE(window.findChild<QLabel *>(QStringLiteral("listNameLabel"))->text(), listName);
    QVERIFY(window.isVisible());
    QVERIFY(!visibleSlideShow());
    window.close();
    const QString storedPath = entries > 0 ? value : QString();
    QVERIFY(readAll(m_path).contains("Option=1*5*" + storedPath.toUtf8() + "*1*"));
}

// A start-up list is opened and played at once; the main window hides until the show ends
// and then comes back with the focus in the control it starts in.
void TstStartup::startupListPlaysAndHidesMainWindow()
{
    const QString list = listOfPictures(QStringLiteral("morning.sml"), {QStringLiteral("a.png")});
    QVERIFY(!list.isEmpty());
    writeAll(m_path, "[Section]\nOption=1*2*UnNamed*1*0*1*0*1*1**" + list.toUtf8() + "\n");
    ScriptedInteraction interaction;
    Application application(interaction);
    WindowsShown shown;
    QVERIFY(startAndActivate(application, m_path));
    MainWindow &window = *application.mainWindow();
    QCOMPARE(application.settings().startupList, list);
    QCOMPARE(entryCount(window), 1);
    QWidget *show = visibleSlideShow();
    QVERIFY(show);
    QVERIFY(!window.isVisible());
    // The main window never came on screen before the show.
    QCOMPARE(shown.names, QStringList{QStringLiteral("slideShowWindow")});
    show->close();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QVERIFY(QApplication::focusWidget());
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("folderTree"));
    QCOMPARE(window.findChild<QLabel *>(QStringLiteral("listNameLabel"))->text(),
             QStringLiteral("morning"));
    window.close();
}

void TstStartup::namedFilesOpenInPlaceOfStoredLists_data()
{
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<bool>("show");
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<QString>("listName");
    QTest::newRow("a list opens and gives the list its name")
        << QStringList{"trip.vrl"} << false << QStringList{"c.jpg", "a.jpg"}
        << QStringLiteral("trip");
    QTest::newRow("pictures are added and folders walked in the order given")
        << QStringList{"b.bmp", "folder", "a.jpg"} << false
        << QStringList{"b.bmp", "folder/d.jpg", "folder/e.jpg", "a.jpg"}
        << QStringLiteral("UnNamed");
    QTest::newRow("a list between pictures keeps its place")
        << QStringList{"b.bmp", "trip.vrl", "folder"} << false
        << QStringList{"b.bmp", "c.jpg", "a.jpg", "folder/d.jpg", "folder/e.jpg"}
        << QStringLiteral("trip");
    QTest::newRow("--show plays what was opened")
        << QStringList{"folder"} << true << QStringList{"folder/d.jpg", "folder/e.jpg"}
        << QStringLiteral("UnNamed");
    QTest::newRow("--show with nothing to play shows the main window")
        << QStringList{"empty"} << true << QStringList{} << QStringLiteral("UnNamed");
}

// Files named at the start open instead of the last list and the start-up list, which stays
// stored for the next start; with --show the list plays and the main window stays hidden.
void TstStartup::namedFilesOpenInPlaceOfStoredLists()
{
    QFETCH(QStringList, names);
    QFETCH(bool, show);
    QFETCH(QStringList, entries);
    QFETCH(QString, listName);
    QVERIFY(QDir(m_dir.path()).mkpath(QStringLiteral("folder")));
    QVERIFY(QDir(m_dir.path()).mkpath(QStringLiteral("empty")));
    for (const char *name : {"a.jpg", "b.bmp", "folder/e.jpg", "folder/d.jpg"})
        QVERIFY(!picture(QString::fromLatin1(name)).isEmpty());
    const QString trip = listOfPictures(QStringLiteral("trip.vrl"), {"c.jpg", "a.jpg"});
    const QString last = listOfPictures(QStringLiteral("holiday.vrl"), {"stored.jpg"});
    const QString startup = listOfPictures(QStringLiteral("morning.sml"), {"stored.jpg"});
    QVERIFY(!trip.isEmpty() && !last.isEmpty() && !startup.isEmpty());
    writeAll(m_path,
             "[Section]\nOption=1*5*" + last.toUtf8() + "*1*0*0*0*1*1**" + startup.toUtf8() + "\n");

    ScriptedInteraction interaction;
    Application application(interaction);
    application.start(m_path, LaunchRequest{inTestFolder(names), show, {}, {}});
    MainWindow &window = *application.mainWindow();
    QVERIFY(QTest::qWaitFor(
        [&window] { return window.isInitialised() && !window.launchOpener().isOpening(); }, 10000));
    QCOMPARE(window.findChild<SlideListModel *>()->paths(), inTestFolder(entries));
    QCOMPARE(window.findChild<QLabel *>(QStringLiteral("listNameLabel"))->text(), listName);
    const bool plays = show && !entries.isEmpty();
    QWidget *showWindow = visibleSlideShow();
    QCOMPARE(showWindow != nullptr, plays);
    QCOMPARE(window.isVisible(), !plays);
    if (showWindow)
        showWindow->close();
    window.close();
    QCOMPARE(application.settings().startupList, startup);
    QVERIFY(readAll(m_path).contains("**" + startup.toUtf8() + "\n"));
}

QTEST_MAIN(TstStartup)
#include "tst_startup.moc"

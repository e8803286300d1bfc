#include "app/application.h"
#include "app/twips.h"
#include "mainwindow/mainwindow.h"
#include "scriptedinteraction.h"

#include <QFile>
#include <QGuiApplication>
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

} // namespace

class TstStartup : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void firstRunWritesDefaultsAtClose();
    void storedPositionIsKeptAndWrittenBack();
    void positionOffEveryScreenIsCentred();

private:
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

QByteArray TstStartup::runAndClose(Application &application)
{
    application.start(m_path);
    MainWindow *window = application.mainWindow();
    if (!window || !QTest::qWaitFor([window] { return window->MainInitialised(); }, 10000))
        return {};
    window->close();
    return readAll(m_path);
}

// A first run without a settings file centres the window and writes every default at close.
void TstStartup::firstRunWritesDefaultsAtClose()
{
    ScriptedInteraction interaction;
    Application application(interaction);
    const QByteArray written = runAndClose(application);
    QCOMPARE(application.settings().MainLeft, 700.0f);
    QCOMPARE(application.settings().MainTop, 1900.0f);
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
    QCOMPARE(application.settings().MainLeft, 100.5f);
    QCOMPARE(application.settings().MainTop, -300.0f);
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

QTEST_MAIN(TstStartup)
#include "tst_startup.moc"

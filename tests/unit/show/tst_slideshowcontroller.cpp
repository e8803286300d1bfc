// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/show/slideshowcontroller.h"

#include <QTest>
#include <QTimer>

namespace {

// What the controller said, in order; a run of transition frames is one entry "frames n".
class Recorder {
public:
    explicit Recorder(SlideShowController &show)
    {
        QObject::connect(&show, &SlideShowController::showPicture,
                         [this](const QString &path, bool throughTransition) {
                             add(path + (throughTransition ? " later" : " now"));
                         });
        QObject::connect(&show, &SlideShowController::transitionFrame, [this] { frame(); });
        QObject::connect(&show, &SlideShowController::transitionFinished,
                         [this] { add(QStringLiteral("finished")); });
        QObject::connect(&show, &SlideShowController::playingChanged, [this](bool playing) {
            add(playing ? QStringLiteral("playing") : QStringLiteral("paused"));
        });
        QObject::connect(&show, &SlideShowController::orderChanged, [this](bool random) {
            add(random ? QStringLiteral("random order") : QStringLiteral("list order"));
        });
    }

    void add(const QString &entry) { m_entries << entry; }
    QString log() const { return m_entries.join(QStringLiteral(", ")); }

private:
    void frame()
    {
        const QString prefix = QStringLiteral("frames ");
        if (m_entries.isEmpty() || !m_entries.last().startsWith(prefix))
            m_entries << prefix + QLatin1Char('0');
        QString &last = m_entries.last();
        last = prefix + QString::number(last.mid(prefix.size()).toInt() + 1);
    }

    QStringList m_entries;
};

QTimer *timer(const SlideShowController &show, const char *name)
{
    return show.findChild<QTimer *>(QLatin1String(name));
}

} // namespace

class TstSlideShowController : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void rules_data();
    void rules();
    void orderBuiltAheadIsAdopted_data();
    void orderBuiltAheadIsAdopted();

private:
    static void play(SlideShowController &show, Recorder &recorder, const QString &script);
};

// A script is a list of words: start, refresh, tick (the interval elapses; it must be running),
// frames (the transition timer fires until the transition ends), next, back, pause (the pause
// button), order (the order menu) and stop (a close).
void TstSlideShowController::play(SlideShowController &show, Recorder &recorder,
                                  const QString &script)
{
    QTimer *slideTimer = timer(show, "slideTimer");
    QTimer *transitionTimer = timer(show, "transitionTimer");
    QVERIFY(slideTimer && transitionTimer);
    QCOMPARE(transitionTimer->interval(), 50);
    for (const QString &word : script.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (word == QLatin1String("start")) {
            show.start();
        } else if (word == QLatin1String("refresh")) {
            show.refresh();
        } else if (word == QLatin1String("tick")) {
            QVERIFY2(slideTimer->isActive(), "the interval is not running");
            QVERIFY(QMetaObject::invokeMethod(slideTimer, "timeout"));
        } else if (word == QLatin1String("frames")) {
            for (int guard = 0; show.isTransitionRunning() && guard < 1000; ++guard) {
                QVERIFY(transitionTimer->isActive());
                QVERIFY(QMetaObject::invokeMethod(transitionTimer, "timeout"));
            }
            QVERIFY(!transitionTimer->isActive());
        } else if (word == QLatin1String("next")) {
            show.next();
        } else if (word == QLatin1String("back")) {
            show.back();
        } else if (word == QLatin1String("pause")) {
            show.togglePause();
        } else if (word == QLatin1String("order")) {
            show.switchOrder();
        } else if (word == QLatin1String("stop")) {
            recorder.add(show.stop() ? QStringLiteral("stopped") : QStringLiteral("stop refused"));
        } else {
            QFAIL(qPrintable(QStringLiteral("unknown word ") + word));
        }
    }
}

void TstSlideShowController::rules_data()
{
    QTest::addColumn<bool>("fade");
    QTest::addColumn<bool>("random");
    QTest::addColumn<QString>("script");
    QTest::addColumn<QString>("log");
    QTest::addColumn<int>("position");
    QTest::addColumn<bool>("paused");
    QTest::addColumn<bool>("intervalRunning");

    QTest::newRow("first picture goes on screen at once and starts the interval")
        << false << false << "start"
        << "a now" << 0 << false << true;
    QTest::newRow("with the fade the first picture is one full frame")
        << true << false << "start"
        << "a now, frames 1, finished" << 0 << false << true;
    QTest::newRow("a new area shows the picture again, but not before the start")
        << false << false << "refresh start refresh"
        << "a now, a now" << 0 << false << true;
    QTest::newRow("each tick shows the following picture at once")
        << false << false << "start tick tick tick"
        << "a now, b now, c now, a now" << 0 << false << true;
    QTest::newRow("with the fade a tick dissolves, switches, then forms the picture")
        << true << false << "start tick frames"
        << "a now, frames 1, finished, frames 24, b later, frames 26, finished" << 1 << false
        << true;
    QTest::newRow("the interval waits while the transition runs")
        << true << false << "start tick"
        << "a now, frames 1, finished, frames 1" << 1 << false << false;
    QTest::newRow("pause stops the interval") << false << false << "start pause"
                                              << "a now, paused" << 0 << true << false;
    QTest::newRow("resume starts a new interval") << false << false << "start pause pause"
                                                  << "a now, paused, playing" << 0 << false << true;
    QTest::newRow("resume during a transition leaves the interval to its end")
        << true << false << "start tick pause pause frames"
        << "a now, frames 1, finished, frames 1, paused, playing, frames 23, b later, "
           "frames 26, finished"
        << 1 << false << true;
    QTest::newRow("a transition ending while paused leaves the interval stopped")
        << true << false << "start tick pause frames"
        << "a now, frames 1, finished, frames 1, paused, frames 23, b later, frames 26, finished"
        << 1 << true << false;
    QTest::newRow("next pauses and shows the following picture at once")
        << false << false << "start next"
        << "a now, paused, b now" << 1 << true << false;
    QTest::newRow("next from the last goes to the first")
        << false << false << "start next next next"
        << "a now, paused, b now, paused, c now, paused, a now" << 0 << true << false;
    QTest::newRow("back from the first goes to the last")
        << false << false << "start back"
        << "a now, paused, c now" << 2 << true << false;
    QTest::newRow("random order is drawn from the random source")
        << false << true << "start tick"
        << "b now, c now" << 1 << false << true;
    QTest::newRow("switching the order goes on from the same position")
        << false << false << "start next order next"
        << "a now, paused, b now, random order, paused, a now" << 2 << true << false;
    QTest::newRow("closing is refused while a transition runs")
        << true << false << "start tick stop frames stop"
        << "a now, frames 1, finished, frames 1, stop refused, frames 23, b later, frames 26, "
           "finished, stopped"
        << 1 << false << false;
}

// What the show puts on screen, and when, for each command and timer.
void TstSlideShowController::rules()
{
    QFETCH(bool, fade);
    QFETCH(bool, random);
    QFETCH(QString, script);
    QFETCH(QString, log);
    QFETCH(int, position);
    QFETCH(bool, paused);
    QFETCH(bool, intervalRunning);

    SlideShowOptions options;
    options.intervalSeconds = 30;
    options.randomOrder = random;
    options.fade = fade;
    // Always drawing the first candidate turns a, b, c into b, c, a.
    options.random = [](quint32) -> quint32 {
        return 0;
    };
    SlideShowController show({QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")},
                             options);
    Recorder recorder(show);
    play(show, recorder, script);
    if (QTest::currentTestFailed())
        return;
    QCOMPARE(recorder.log(), log);
    QCOMPARE(show.playState().position(), position);
    QCOMPARE(show.isPaused(), paused);
    QCOMPARE(timer(show, "slideTimer")->isActive(), intervalRunning);
    QCOMPARE(timer(show, "slideTimer")->interval(), 30000);
}

void TstSlideShowController::orderBuiltAheadIsAdopted_data()
{
    QTest::addColumn<QStringList>("order");
    QTest::addColumn<bool>("started");
    QTest::addColumn<QString>("played");

    const QStringList permuted{QStringLiteral("c"), QStringLiteral("a"), QStringLiteral("b")};
    QTest::newRow("the same paths in another order are played") << permuted << false << "c a b";
    QTest::newRow("a path missing keeps the own order")
        << QStringList{QStringLiteral("c"), QStringLiteral("a")} << false << "a b c";
    QTest::newRow("a stranger path keeps the own order")
        << QStringList{QStringLiteral("c"), QStringLiteral("a"), QStringLiteral("x")} << false
        << "a b c";
    QTest::newRow("a started show keeps its order") << permuted << true << "a b c";
}

// An order built before the show (the start-up list's) is played only when it holds exactly
// the show's paths and the show has not started.
void TstSlideShowController::orderBuiltAheadIsAdopted()
{
    QFETCH(QStringList, order);
    QFETCH(bool, started);
    QFETCH(QString, played);

    SlideShowController show({QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")},
                             SlideShowOptions());
    if (started)
        show.start();
    QCOMPARE(show.adoptOrder(order), played != QLatin1String("a b c"));
    QCOMPARE(show.playState().order().join(QLatin1Char(' ')), played);
}

QTEST_GUILESS_MAIN(TstSlideShowController)
#include "tst_slideshowcontroller.moc"

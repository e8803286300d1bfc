// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/launch/commandline.h"
#include "core/launch/launchsteps.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

// Names in the rows are relative to a test folder holding a.jpg, b.jpg, trip.vrl, b.SML,
// c.Txt, notes.doc, -odd.jpg, a folder "folder" and a folder named "lists.vrl".
class TstCommandLine : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void argumentsBecomeARequest_data();
    void argumentsBecomeARequest();
    void printingEndsTheStart_data();
    void printingEndsTheStart();
    void pathsOpenInSteps_data();
    void pathsOpenInSteps();

private:
    QStringList absolute(const QStringList &names) const;

    QTemporaryDir m_dir;
};

void TstCommandLine::initTestCase()
{
    QVERIFY(m_dir.isValid());
    const QStringList files{"a.jpg", "b.jpg",     "trip.vrl", "b.SML",
                            "c.Txt", "notes.doc", "-odd.jpg"};
    for (const QString &name : files) {
        QFile file(m_dir.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    QVERIFY(QDir(m_dir.path()).mkdir(QStringLiteral("folder")));
    QVERIFY(QDir(m_dir.path()).mkdir(QStringLiteral("lists.vrl")));
}

QStringList TstCommandLine::absolute(const QStringList &names) const
{
    QStringList paths;
    for (const QString &name : names)
        paths.append(m_dir.filePath(name));
    return paths;
}

void TstCommandLine::argumentsBecomeARequest_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QStringList>("paths");
    QTest::addColumn<bool>("show");
    QTest::addColumn<QStringList>("missing");
    QTest::newRow("no arguments ask nothing")
        << QStringList{} << QStringList{} << false << QStringList{};
    QTest::newRow("lists, pictures and folders keep their order")
        << QStringList{"trip.vrl", "b.jpg", "folder", "a.jpg"}
        << QStringList{"trip.vrl", "b.jpg", "folder", "a.jpg"} << false << QStringList{};
    QTest::newRow("--show plays") << QStringList{"--show", "a.jpg"} << QStringList{"a.jpg"} << true
                                  << QStringList{};
    QTest::newRow("-s plays, after the names too")
        << QStringList{"a.jpg", "-s"} << QStringList{"a.jpg"} << true << QStringList{};
    QTest::newRow("--show alone plays what the start opens")
        << QStringList{"--show"} << QStringList{} << true << QStringList{};
    QTest::newRow("a missing file is named and the rest still opens")
        << QStringList{"gone.jpg", "a.jpg", "gone/b.jpg"} << QStringList{"a.jpg"} << false
        << QStringList{"gone.jpg", "gone/b.jpg"};
    QTest::newRow("an empty name names nothing, not the working folder")
        << QStringList{""} << QStringList{} << false << QStringList{""};
    QTest::newRow("dot segments are cleaned away")
        << QStringList{"folder/../a.jpg", "./b.jpg"} << QStringList{"a.jpg", "b.jpg"} << false
        << QStringList{};
    QTest::newRow("after -- a name may begin with a dash")
        << QStringList{"--", "-odd.jpg"} << QStringList{"-odd.jpg"} << false << QStringList{};
}

// Names are made absolute against the working folder and checked for existence; only the
// show flag is an option.
void TstCommandLine::argumentsBecomeARequest()
{
    QFETCH(QStringList, arguments);
    QFETCH(QStringList, paths);
    QFETCH(bool, show);
    QFETCH(QStringList, missing);
    const CommandLine line =
        parseCommandLine(QStringList{QStringLiteral("vellora")} + arguments, m_dir.path());
    QCOMPARE(line.action, CommandLine::Action::Run);
    QCOMPARE(line.request.paths, absolute(paths));
    QCOMPARE(line.request.show, show);
    QCOMPARE(line.missing, missing);
    QVERIFY(line.request.activationToken.isEmpty());
}

void TstCommandLine::printingEndsTheStart_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<CommandLine::Action>("action");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("printed");
    QTest::newRow("--help prints the options")
        << QStringList{"--help"} << CommandLine::Action::PrintHelp << 0 << QStringLiteral("--show");
    QTest::newRow("-h is --help, whatever else is given")
        << QStringList{"a.jpg", "-h"} << CommandLine::Action::PrintHelp << 0
        << QStringLiteral("--show");
    QTest::newRow("--version prints the version")
        << QStringList{"--version"} << CommandLine::Action::PrintVersion << 0
        << QStringLiteral("tst_commandline 9.8.7");
    QTest::newRow("an unknown option is refused with the usage")
        << QStringList{"--bogus", "a.jpg"} << CommandLine::Action::Refuse << 2
        << QStringLiteral("vellora [--show]");
    QTest::newRow("an unknown short option is refused")
        << QStringList{"-x"} << CommandLine::Action::Refuse << 2 << QStringLiteral("'x'");
    QTest::newRow("the show option takes no value")
        << QStringList{"--show=yes"} << CommandLine::Action::Refuse << 2
        << QStringLiteral("vellora [--show]");
}

// Help and version go to the user and end the start with 0; a wrong option ends it with 2.
void TstCommandLine::printingEndsTheStart()
{
    QFETCH(QStringList, arguments);
    QFETCH(CommandLine::Action, action);
    QFETCH(int, status);
    QFETCH(QString, printed);
    QCoreApplication::setApplicationVersion(QStringLiteral("9.8.7"));
    const CommandLine line =
        parseCommandLine(QStringList{QStringLiteral("vellora")} + arguments, m_dir.path());
    QCOMPARE(line.action, action);
    QCOMPARE(line.exitStatus(), status);
    QVERIFY2(line.text.contains(printed), qPrintable(line.text));
    QVERIFY(line.request.paths.isEmpty());
}

void TstCommandLine::pathsOpenInSteps_data()
{
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QStringList>("steps"); // "list:" or "add:" and the names, '|' between
    QTest::newRow("a list file opens as a list")
        << QStringList{"trip.vrl"} << QStringList{"list:trip.vrl"};
    QTest::newRow("every list extension, in any letter case")
        << QStringList{"b.SML", "c.Txt"} << QStringList{"list:b.SML", "list:c.Txt"};
    QTest::newRow("files and folders in a row are one drop, whatever their type")
        << QStringList{"a.jpg", "folder", "notes.doc"} << QStringList{"add:a.jpg|folder|notes.doc"};
    QTest::newRow("a list between pictures splits the drop in the order given")
        << QStringList{"a.jpg", "trip.vrl", "b.jpg", "folder"}
        << QStringList{"add:a.jpg", "list:trip.vrl", "add:b.jpg|folder"};
    QTest::newRow("a folder named like a list is walked")
        << QStringList{"lists.vrl"} << QStringList{"add:lists.vrl"};
    QTest::newRow("nothing named, nothing to do") << QStringList{} << QStringList{};
}

void TstCommandLine::pathsOpenInSteps()
{
    QFETCH(QStringList, names);
    QFETCH(QStringList, steps);
    QVector<LaunchStep> expected;
    for (const QString &step : steps) {
        const bool list = step.startsWith(QLatin1String("list:"));
        expected.append(
            {list ? LaunchStep::Kind::OpenList : LaunchStep::Kind::AddPaths,
             absolute(step.mid(step.indexOf(QLatin1Char(':')) + 1).split(QLatin1Char('|')))});
    }
    QCOMPARE(launchSteps(absolute(names)), expected);
}

QTEST_GUILESS_MAIN(TstCommandLine)
#include "tst_commandline.moc"

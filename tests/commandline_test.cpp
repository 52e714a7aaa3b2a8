// The command line: what it asks for, and why one is refused.
#include <QTest>

#include "game/CommandLine.h"

using Request = game::CommandLine::Request;
using namespace Qt::StringLiterals;

class CommandLineTest : public QObject {
    Q_OBJECT
private slots:
    void wordsMakeOneHoleOrTheLineIsRefused_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<Request>("request");
        QTest::addColumn<QString>("hole");
        QTest::addColumn<QString>("problem");  // a part of it
        const QString tooLong = u"4T"_s + QString(1000, u'_');
        QTest::newRow("none") << QStringList() << Request::Play << QString() << QString();
        QTest::newRow("empty word")
            << QStringList{u""_s} << Request::Play << QString() << QString();
        QTest::newRow("hole") << QStringList{u"4T__P"_s} << Request::Play << u"4T__P"_s
                              << QString();
        QTest::newRow("par 9") << QStringList{u"9T__P"_s} << Request::Play << u"9T__P"_s
                               << QString();
        QTest::newRow("words joined")
            << QStringList{u"4T__"_s, u"__P"_s} << Request::Play << u"4T__ __P"_s << QString();
        QTest::newRow("--help") << QStringList{u"--help"_s} << Request::Help << QString()
                                << QString();
        QTest::newRow("--version after a hole")
            << QStringList{u"4T"_s, u"--version"_s} << Request::Version << QString() << QString();
        QTest::newRow("-h") << QStringList{u"-h"_s} << Request::Refused << QString()
                            << u"「-h」というオプションはありません"_s;
        QTest::newRow("--foo after a hole") << QStringList{u"4T__P"_s, u"--foo"_s}
                                            << Request::Refused << QString() << u"「--foo」"_s;
        const QString x78(78, u'x');
        QTest::newRow("131,000 characters")
            << QStringList{u"--"_s + QString(130998, u'x')} << Request::Refused << QString()
            << u"「--"_s + x78 + u"…」"_s;
        QTest::newRow("80 characters") << QStringList{u"--"_s + x78} << Request::Refused
                                       << QString() << u"「--"_s + x78 + u"」"_s;
        QTest::newRow("cut before a pair") << QStringList{u"-"_s + x78 + u"😀"_s} << Request::Refused
                                           << QString() << u"「-"_s + x78 + u"…」"_s;
        QTest::newRow("help") << QStringList{u"help"_s} << Request::Refused << QString()
                              << u"先頭の1文字はパーの数字です"_s;
        QTest::newRow("too long") << QStringList{tooLong} << Request::Refused << QString()
                                  << u"1000マスまで"_s;
        QTest::newRow("--edit") << QStringList{u"--edit"_s} << Request::Edit << QString()
                                << QString();
        QTest::newRow("file before --edit")
            << QStringList{u"my.txt"_s, u"--edit"_s} << Request::Edit << u"my.txt"_s << QString();
        QTest::newRow("--edit two files") << QStringList{u"--edit"_s, u"a"_s, u"b"_s}
                                          << Request::Refused << QString() << u"1つだけ"_s;
    }
    void wordsMakeOneHoleOrTheLineIsRefused() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, problem);
        const game::CommandLine commandLine = game::ParseCommandLine(arguments);
        QTEST(commandLine.request, "request");
        // The course file to edit comes in the hole's column.
        QTEST(commandLine.request == Request::Edit ? commandLine.courseFile : commandLine.hole,
              "hole");
        QVERIFY2(problem.isEmpty() ? commandLine.problem.isEmpty()
                                   : commandLine.problem.contains(problem),
                 qPrintable(commandLine.problem));
    }

    void onlyWestonIsWarnedOf() {
        for (const char* manager : {"Openbox", "Xfwm4", "Metacity (Marco)", "KWin", "Mutter", ""})
            QVERIFY2(!game::WarnOfDesktop(QString::fromLatin1(manager)), manager);
        QVERIFY(game::WarnOfDesktop(u"Weston WM"_s));
    }
};

QTEST_APPLESS_MAIN(CommandLineTest)
#include "commandline_test.moc"

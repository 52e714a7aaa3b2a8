// The platform layer's own promises: rounding, units, code page 932, atomic writes.
#include <QDialog>
#include <QDir>
#include <QTest>

#include "platform/KeeperProcess.h"
#include "platform/MinimizedDialogs.h"
#include "platform/Numeric.h"
#include "platform/Screen.h"
#include "platform/TextFiles.h"
#include "platform/Twips.h"
#include "tests/support/TestEnvironment.h"

class PlatformTest : public QObject {
    Q_OBJECT
private slots:
    void roundHalvesToEvenIntFloorsLeadingNumberReads() {
        const double x[] = {0.5, 1.5, 2.5, -0.5, -1.5, -2.5, 2.4999, -0.6, 153.5, 152.5};
        const int rounded[] = {0, 2, 2, 0, -2, -2, 2, -1, 154, 152};
        for (int i = 0; i < 10; ++i) QCOMPARE(platform::RoundHalfEven(x[i]), rounded[i]);
        QCOMPARE(platform::Floor(-0.5), -1);
        QCOMPARE(platform::Floor(5.99), 5);
        QCOMPARE(platform::LeadingNumber(u"+7"), 7.0);
        QCOMPARE(platform::LeadingNumber(u"-12abc"), -12.0);
        QCOMPARE(platform::LeadingNumber(u"abc"), 0.0);
        QCOMPARE(platform::LeadingNumber(u" 2.5x"), 2.5);
    }

    void screenInTwips() {
        testing::TestEnvironment env;
        QCOMPARE(platform::WorkAreaBottomPx(), 760);
        QCOMPARE(platform::ScreenWidthTwips(), 19200);
        QCOMPARE(platform::ScreenHeightTwips(), 12000);
    }

    // A dialog the window manager minimised comes back, raised, at a press;
    // one the game has closed stays closed, other windows stay as they are.
    void minimizedDialogsComeBack() {
        QDialog waitedOn;
        QDialog closed;
        QWidget tool(nullptr, Qt::Tool);
        for (QWidget* window : std::initializer_list<QWidget*>{&waitedOn, &closed, &tool}) {
            window->show();
            window->setWindowState(Qt::WindowMinimized);
        }
        closed.hide();
        QVERIFY(waitedOn.isMinimized());
        platform::BringBackMinimizedDialogs();
        QVERIFY(!waitedOn.isMinimized());
        QVERIFY(waitedOn.isVisible());
        QVERIFY(!closed.isVisible());
        QVERIFY(tool.isMinimized());
    }

    void neighbouringTwipsRectanglesShareTheirPixelEdge() {
        testing::TestEnvironment env;
        const int groundY = 15 * 760 - 50;
        const QRect ball = platform::TwipsToPixels(0, groundY - 80, 80, 80);
        const QRect strip = platform::TwipsToPixels(0, groundY, 19200, 40);
        QCOMPARE(ball.bottom() + 1, strip.top());
        QCOMPARE(ball.size(), QSize(5, 5));
        // Thinner than a pixel still shows one pixel, on the ground line.
        const QRect bunker = platform::TwipsToPixels(3072, groundY - 10, 576, 10);
        QCOMPARE(bunker.height(), 1);
        QCOMPARE(bunker.bottom() + 1, strip.top());
    }

    void codePage932IsStrictBothWays() {
        const QByteArray white("\x94\x92", 2);
        QCOMPARE(platform::DecodeCp932(white).value(), QString::fromUtf8("白"));
        QCOMPARE(platform::EncodeCp932(QString::fromUtf8("赤")).value(), QByteArray("\x90\xD4", 2));
        QCOMPARE(platform::EncodeCp932(QStringLiteral("\\")).value(), QByteArray("\\"));
        QVERIFY(!platform::EncodeCp932(QString(QChar(0x301C))).has_value());
        QVERIFY(!platform::DecodeCp932(QByteArray("\x81", 1)).has_value());
    }

    void failedAtomicWriteKeepsTheOldBytes() {
        testing::TestEnvironment env;
        const QString path = env.filePath(QStringLiteral("f.txt"));
        QVERIFY(platform::WriteFileAtomically(path, "old contents\r\n"));
        platform::InjectWriteFailureAfter(3);
        QVERIFY(!platform::WriteFileAtomically(path, "new contents that fail\r\n"));
        platform::InjectWriteFailureAfter(-1);
        QCOMPARE(env.readFile(QStringLiteral("f.txt")), QByteArray("old contents\r\n"));
    }

    void linesEndWithCrLfCrOrLfAfterAByteOrderMark() {
        testing::TestEnvironment env;
        env.writeFile(QStringLiteral("l.txt"), "\xEF\xBB\xBF\x81\r\nb\rc\n\nd");
        QCOMPARE(platform::ReadLines(env.filePath(QStringLiteral("l.txt"))).value(),
                 (QList<QByteArray>{"\x81", "b", "c", "", "d"}));
    }

    // The clipboard keeper keeps whole characters when it has to cut.
    void aCutKeepsWholeUtf8Characters_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("most");
        QTest::addColumn<int>("kept");
        QTest::newRow("all fit") << QByteArray("a\xC3\xA9") << 3 << 3;
        QTest::newRow("one over") << QByteArray("abcd") << 3 << 3;
        QTest::newRow("two-byte split") << QByteArray("a\xC3\xA9") << 2 << 1;
        QTest::newRow("three-byte split") << QByteArray("a\xE7\x99\xBD") << 3 << 1;
        QTest::newRow("four-byte split") << QByteArray("a\xF0\x9F\x98\x80") << 4 << 1;
        QTest::newRow("split at its start") << QByteArray("ab\xE7\x99\xBD") << 2 << 2;
        QTest::newRow("no start in sight") << QByteArray("a\x80\x80\x80\x80") << 4 << 4;
    }
    void aCutKeepsWholeUtf8Characters() {
        QFETCH(QByteArray, bytes);
        QFETCH(int, most);
        QTEST(int(platform::WholeUtf8Length(bytes, most)), "kept");
    }

    // A write killed after Qt named its temporary file, before the rename,
    // leaves "<name>.XXXXXX" behind: the next write of that file removes it.
    void aWriteRemovesWhatKilledWritesOfTheFileLeft() {
        testing::TestEnvironment env;
        const QStringList kept{"QVN.ini.aBcDe",       "QVN.ini.aBcDeFg", "QVN.ini.aBc1eF",
                               "QVN.ini.\u00e4BcDeF", "QVN.ini.aBc_eF",  "USER.TXT.aBcDeF"};
        const QStringList left{"QVN.ini.aBcDeF", "QVN.ini.ZyXwVu", "QVN.ini.ABCDEF",
                               "QVN.ini.abcdef", "QVN.ini.backup"};
        for (const QString& name : kept + left) {
            env.writeFile(name, "[Setting]\r\n");
        }
        QVERIFY(QDir(env.folder()).mkdir(QStringLiteral("QVN.ini.FoLdEr")));
        QVERIFY(platform::WriteFileAtomically(env.filePath(QStringLiteral("QVN.ini")), "[S]\r\n"));
        QStringList expected = kept + QStringList{"QVN.ini", "QVN.ini.FoLdEr"};
        expected.sort();
        QCOMPARE(QDir(env.folder()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot, QDir::Name),
                 expected);
    }
};

QTEST_MAIN(PlatformTest)
#include "platform_test.moc"

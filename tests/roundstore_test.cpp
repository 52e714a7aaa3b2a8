// The round history on disk: rounds kept whole and read back, the file
// brought up from its first version, and every fault leaving what was kept.
#include <QDir>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTest>

#include "history/HistoryTexts.h"
#include "history/RoundStore.h"
#include "platform/Clock.h"
#include "tests/support/TestEnvironment.h"

using history::RoundRecord;
using history::RoundStore;
using history::StoreFault;
using namespace Qt::StringLiterals;

namespace {

// Every field of every hole differs from its neighbours'.
RoundRecord Round(int courseSet, int strokesOnHole1, QString courseKey = {}) {
    RoundRecord round{QDateTime(QDate(2024, 5, 1), QTime(18, 30, 15)), courseSet, courseKey};
    for (int i = 0; i < 18; ++i) round.holes[i] = {3 + i % 3, 4 + i % 2, i % 4, i % 5, i % 6};
    round.holes[0].strokes = strokesOnHole1;
    return round;
}

// Runs SQL on the file through a connection of the test's own.
class Sql {
public:
    explicit Sql(const QString& path) {
        QSqlDatabase db = QSqlDatabase::addDatabase(u"QSQLITE"_s, u"test"_s);
        db.setDatabaseName(path);
        db.open();
    }
    ~Sql() {
        QSqlDatabase::database(u"test"_s, false).close();
        QSqlDatabase::removeDatabase(u"test"_s);
    }
    QVariant operator()(const QString& sql) {
        QSqlQuery query(QSqlDatabase::database(u"test"_s));
        if (!query.exec(sql)) qWarning() << sql << query.lastError().text();
        return query.next() ? query.value(0) : QVariant();
    }
};

}  // namespace

class RoundStoreTest : public QObject {
    Q_OBJECT
private slots:
    void roundsComeBackWholeInTheOrderKept() {
        testing::TestEnvironment env;
        const QString path = env.filePath(u"data/quorvane/rounds.sqlite"_s);
        QVERIFY(RoundStore(path).Load().rounds.empty());
        QVERIFY2(!QDir(env.filePath(u"data"_s)).exists(), "reading made the folder");
        const std::vector<RoundRecord> rounds = {Round(2, 9, u"0123456789abcdef"_s), Round(0, 1)};
        {
            RoundStore store(path);
            for (const RoundRecord& round : rounds)
                QCOMPARE(store.Keep(round).fault, StoreFault::None);
            QCOMPARE(store.Load().rounds, rounds);
        }
        QCOMPARE(RoundStore(path).Load().rounds, rounds);
        Sql sql(path);
        QCOMPARE(sql(u"PRAGMA journal_mode"_s).toString(), u"wal"_s);
        QCOMPARE(sql(u"PRAGMA user_version"_s).toInt(), RoundStore::kSchemaVersion);
    }

    // Rounds of the first version knew nothing of hazards; they stay, and
    // new rounds are kept beside them.
    void aFirstVersionFileIsBroughtUp() {
        testing::TestEnvironment env;
        const QString path = env.filePath(u"rounds.sqlite"_s);
        {
            Sql sql(path);
            sql(u"CREATE TABLE rounds (id INTEGER PRIMARY KEY, played_at TEXT NOT NULL, "
                "course_set INTEGER NOT NULL, course_key TEXT NOT NULL, par TEXT NOT NULL, "
                "strokes TEXT NOT NULL, total_par INTEGER NOT NULL, "
                "total_strokes INTEGER NOT NULL)"_s);
            sql(u"INSERT INTO rounds VALUES (1, '2023-12-31 23:59:59', 1, '', "
                "'4,4,4,4,4,4,4,4,4,4,4,4,4,4,4,4,4,4', '5,4,4,4,4,4,4,4,4,4,4,4,4,4,4,4,4,9', 72, 78)"_s);
            sql(u"PRAGMA user_version = 1"_s);
        }
        RoundStore store(path);
        QCOMPARE(store.Keep(Round(1, 4)).fault, StoreFault::None);
        const std::vector<RoundRecord> both = store.Load().rounds;
        QCOMPARE(both.size(), 2u);
        QVERIFY(!both[0].hazardsCounted);
        QCOMPARE(both[0].AgainstPar(), 6);
        QCOMPARE(both[0].playedAt, QDateTime(QDate(2023, 12, 31), QTime(23, 59, 59)));
        QCOMPARE(both[1], Round(1, 4));
    }

    // The game plays on; the file and the rounds in it stay as they were.
    void faultsKeepNothingAndLoseNothing_data() {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<StoreFault>("expected");
        QTest::addColumn<QString>("told");
        QTest::newRow("locked by another game")
            << u"locked"_s << StoreFault::Locked
            << u"ほかの Quorvane が成績のファイルを使っています。"_s;
        QTest::newRow("folder cannot be made")
            << u"no folder"_s << StoreFault::CannotWrite << u"成績のフォルダー"_s;
        QTest::newRow("newer version")
            << u"newer"_s << StoreFault::NewerVersion << u"新しい版の Quorvane"_s;
        QTest::newRow("disk full")
            << u"full"_s << StoreFault::DiskFull << u"ディスクがいっぱいです。"_s;
    }
    void faultsKeepNothingAndLoseNothing() {
        QFETCH(QString, fault);
        QFETCH(StoreFault, expected);
        QFETCH(QString, told);
        testing::TestEnvironment env;
        const QString folder = env.filePath(u"quorvane"_s);
        const QString path = folder + u"/rounds.sqlite"_s;
        QCOMPARE(RoundStore(path).Keep(Round(0, 5)).fault, StoreFault::None);
        std::optional<Sql> holder;
        if (fault == u"locked"_s) {
            holder.emplace(path);
            (*holder)(u"BEGIN EXCLUSIVE"_s);
        }
        if (fault == u"newer"_s) Sql{path}(u"PRAGMA user_version = 99"_s);
        if (fault == u"no folder"_s) {
            QVERIFY(QDir(folder).removeRecursively());
            env.writeFile(u"quorvane"_s, "mine");
        }
        const QString untouched =
            fault == u"no folder"_s ? u"quorvane"_s : u"quorvane/rounds.sqlite"_s;
        const QByteArray before = env.readFile(untouched);
        history::StoreReport report;
        std::size_t keptBeforeFull = 0;
        {
            RoundStore store(path);
            if (fault == u"full"_s) {
                history::LimitPagesForTesting(int(Sql{path}(u"PRAGMA page_count"_s).toInt()));
                for (int i = 0; i < 100 && report.fault == StoreFault::None; ++i) {
                    report = store.Keep(Round(0, 6));
                    if (report.fault == StoreFault::None) ++keptBeforeFull;
                }
                history::LimitPagesForTesting(std::nullopt);
            } else {
                report = store.Keep(Round(0, 6));
            }
        }
        holder.reset();
        QCOMPARE(report.fault, expected);
        const QString text = history::ReportText(report, history::Purpose::Keeping, path);
        QVERIFY2(
            text.startsWith(u"このラウンドは成績に残せませんでした。"_s) && text.contains(told),
            qPrintable(text));
        // Rounds kept before the disk filled up change the file, and only those.
        if (fault != u"full"_s) QCOMPARE(env.readFile(untouched), before);
        if (fault != u"locked"_s && fault != u"full"_s) return;
        const std::vector<RoundRecord> kept = RoundStore(path).Load().rounds;
        QCOMPARE(kept.size(), 1 + keptBeforeFull);
        QCOMPARE(kept.front(), Round(0, 5));
    }

    // Never deleted: moved aside under the day's name, and a new file begun
    // that keeps the round.
    void aFileThatIsNoHistoryIsMovedAside_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("text") << QByteArray("my notes\n").repeated(200);
        QTest::newRow("another program's database") << QByteArray();
    }
    void aFileThatIsNoHistoryIsMovedAside() {
        QFETCH(QByteArray, bytes);
        testing::TestEnvironment env;
        platform::FixClock(QDateTime(QDate(2024, 5, 1), QTime(9, 0)));
        const QString path = env.filePath(u"rounds.sqlite"_s);
        if (bytes.isEmpty()) {
            Sql{path}(u"CREATE TABLE notes (text TEXT)"_s);
            bytes = env.readFile(u"rounds.sqlite"_s);
        }
        env.writeFile(u"rounds.sqlite"_s, bytes);
        env.writeFile(u"rounds.sqlite-shm"_s, "stale");
        env.writeFile(u"rounds.sqlite.broken-2024-05-01"_s, "an older one");
        const history::StoreReport report = RoundStore(path).Keep(Round(0, 5));
        QCOMPARE(report.fault, StoreFault::None);
        QCOMPARE(report.movedAside, path + u".broken-2024-05-01-2"_s);
        QCOMPARE(env.readFile(u"rounds.sqlite.broken-2024-05-01-2"_s), bytes);
        QCOMPARE(env.readFile(u"rounds.sqlite.broken-2024-05-01-2-shm"_s), QByteArray("stale"));
        QCOMPARE(env.readFile(u"rounds.sqlite.broken-2024-05-01"_s), QByteArray("an older one"));
        QCOMPARE(RoundStore(path).Load().rounds, std::vector<RoundRecord>{Round(0, 5)});
        QCOMPARE(history::ReportText(report, history::Purpose::Keeping, path),
                 u"成績のファイルが壊れていたので %1 に移し、新しく始めました。"_s.arg(
                     report.movedAside));
    }

    void spoiledRowsAreLeftOut() {
        testing::TestEnvironment env;
        const QString path = env.filePath(u"kept.sqlite"_s);
        for (int strokes : {5, 6, 7}) RoundStore(path).Keep(Round(1, strokes));
        Sql{path}(u"UPDATE rounds SET strokes = '5,4' WHERE id = 2"_s);
        Sql{path}(u"UPDATE rounds SET tree_hits = '0,x' WHERE id = 3"_s);
        QCOMPARE(RoundStore(path).Load().rounds, std::vector<RoundRecord>{Round(1, 5)});
    }
};

QTEST_GUILESS_MAIN(RoundStoreTest)
#include "roundstore_test.moc"

// For the kill test. "keep FILE" keeps rounds one after another, saying
// "kept" after each, until it is killed; "check FILE" says how many rounds
// the file holds, or fails when it is not whole.
#include <QCoreApplication>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <cstdio>
#include <cstring>

#include "history/RoundStore.h"

namespace {

// Round n has n % 7 strokes over par on every hole, so a round torn in half
// could not pass for a whole one.
history::RoundRecord Round(int n) {
    history::RoundRecord round;
    round.playedAt = QDateTime(QDate(2024, 5, 1), QTime(12, 0)).addSecs(n);
    round.courseSet = n % 3;
    for (history::HoleRecord& hole : round.holes) hole = {4, 4 + n % 7, n % 2, n % 3, n % 5};
    return round;
}

int Keep(const QString& path) {
    history::RoundStore store(path);
    // Numbering goes on from the rounds an earlier writer left.
    for (int n = int(store.Load().rounds.size());; ++n) {
        const history::StoreReport report = store.Keep(Round(n));
        if (report.fault != history::StoreFault::None || !report.movedAside.isEmpty()) {
            std::fprintf(stderr, "round %d not kept: fault %d, moved aside %s\n", n,
                         int(report.fault), qPrintable(report.movedAside));
            return 1;
        }
        std::puts("kept");
        std::fflush(stdout);
    }
}

int Check(const QString& path) {
    QString integrity;
    qlonglong rows = 0;
    {
        QSqlDatabase db =
            QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("check"));
        db.setDatabaseName(path);
        QSqlQuery query(db.open() ? db : QSqlDatabase());
        if (query.exec(QStringLiteral("PRAGMA integrity_check")) && query.next()) {
            integrity = query.value(0).toString();
        } else {
            integrity = query.lastError().text();
        }
        if (query.exec(QStringLiteral("SELECT count(*) FROM rounds")) && query.next()) {
            rows = query.value(0).toLongLong();
        }
    }
    QSqlDatabase::removeDatabase(QStringLiteral("check"));
    if (integrity != QLatin1String("ok")) {
        std::fprintf(stderr, "integrity check: %s\n", qPrintable(integrity));
        return 1;
    }
    const history::LoadedRounds loaded = history::RoundStore(path).Load();
    for (std::size_t n = 0; n < loaded.rounds.size(); ++n) {
        if (loaded.rounds[n] != Round(int(n))) {
            std::fprintf(stderr, "round %zu is not the one kept\n", n);
            return 1;
        }
    }
    if (qlonglong(loaded.rounds.size()) != rows) {
        std::fprintf(stderr, "%lld rows, %zu whole rounds\n", rows, loaded.rounds.size());
        return 1;
    }
    std::printf("rounds %lld\n", rows);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc == 3 && std::strcmp(argv[1], "keep") == 0) return Keep(argv[2]);
    if (argc == 3 && std::strcmp(argv[1], "check") == 0) return Check(argv[2]);
    std::fputs("usage: round_writer keep|check FILE\n", stderr);
    return 2;
}

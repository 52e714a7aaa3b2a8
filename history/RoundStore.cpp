#include "history/RoundStore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>
#include <atomic>

#include "platform/Clock.h"
#include "platform/TextFiles.h"

namespace history {
namespace {

// Each step takes the file one version further; a new file takes them all.
// Holes are lists of 18 comma-separated numbers: a round is one small row,
// still readable in the sqlite3 shell.
const std::vector<std::vector<QString>> kMigrations = {
    // 1: the round, its course, and each hole's par and strokes.
    {QStringLiteral("CREATE TABLE rounds (id INTEGER PRIMARY KEY, played_at TEXT NOT NULL, "
                    "course_set INTEGER NOT NULL, course_key TEXT NOT NULL, par TEXT NOT NULL, "
                    "strokes TEXT NOT NULL, total_par INTEGER NOT NULL, "
                    "total_strokes INTEGER NOT NULL)")},
    // 2: what each hole cost besides its strokes; NULL for the older rounds.
    {QStringLiteral("ALTER TABLE rounds ADD COLUMN penalties TEXT"),
     QStringLiteral("ALTER TABLE rounds ADD COLUMN bunker_shots TEXT"),
     QStringLiteral("ALTER TABLE rounds ADD COLUMN tree_hits TEXT")},
};

// Long enough for another game to finish writing its round.
constexpr int kBusyTimeoutMs = 1000;
const QString kTimeFormat = QStringLiteral("yyyy-MM-dd HH:mm:ss");

std::optional<int>& PageLimit() {
    static std::optional<int> limit;
    return limit;
}

// SQLite's result codes; extended ones carry the primary code in the low byte.
enum SqliteCode { kBusy = 5, kLocked = 6, kCorrupt = 11, kFull = 13, kNotADatabase = 26 };

int PrimaryCode(const QSqlError& error) { return error.nativeErrorCode().toInt() & 0xff; }

bool MeansBroken(const QSqlError& error) {
    return PrimaryCode(error) == kCorrupt || PrimaryCode(error) == kNotADatabase;
}

StoreFault FaultOf(const QSqlError& error) {
    switch (PrimaryCode(error)) {
        case kBusy:
        case kLocked:
            return StoreFault::Locked;
        case kFull:
            return StoreFault::DiskFull;
        default:
            return StoreFault::CannotWrite;
    }
}

// An empty text, never NULL, where the columns want text: built-in courses
// have no key.
QString NotNull(const QString& text) { return text.isNull() ? QStringLiteral("") : text; }

using HoleField = std::int32_t HoleRecord::*;

QString ListText(const std::array<HoleRecord, kHoles>& holes, HoleField field) {
    QString text;
    for (const HoleRecord& hole : holes) {
        if (!text.isEmpty()) text += u',';
        text += QString::number(hole.*field);
    }
    return text;
}

// Exactly 18 whole numbers; a row spoiled by hand is left out, not guessed
// at. Read by hand: a history of ten thousand rounds holds a million of them.
bool ReadList(const QString& text, std::array<HoleRecord, kHoles>& holes, HoleField field) {
    std::size_t hole = 0;
    qsizetype at = 0;
    while (hole < holes.size()) {
        const bool negative = at < text.size() && text[at] == u'-';
        if (negative) ++at;
        std::int64_t value = 0;
        const qsizetype digitsFrom = at;
        for (; at < text.size() && text[at].isDigit() && at - digitsFrom < 9; ++at) {
            value = value * 10 + text[at].digitValue();
        }
        if (at == digitsFrom) return false;
        holes[hole++].*field = static_cast<std::int32_t>(negative ? -value : value);
        if (at == text.size()) break;
        if (text[at++] != u',') return false;
    }
    return hole == holes.size() && at == text.size();
}

// The stored local time, read by hand: the general parser would take longer
// than everything else the window does.
QDateTime ReadTime(const QString& text) {
    if (text.size() != kTimeFormat.size()) return {};
    const auto number = [&](qsizetype from, qsizetype length) {
        return QStringView(text).mid(from, length).toInt();
    };
    return QDateTime(QDate(number(0, 4), number(5, 2), number(8, 2)),
                     QTime(number(11, 2), number(14, 2), number(17, 2)));
}

// "rounds.sqlite.broken-2024-05-01", numbered on when that is taken. Its
// journal goes with it: replayed into the new file it would spoil it.
QString MoveAside(const QString& path) {
    const QString base =
        path + QStringLiteral(".broken-") + platform::Now().date().toString(Qt::ISODate);
    QString aside = base;
    for (int n = 2; platform::EntryExists(aside); ++n) aside = base + QStringLiteral("-%1").arg(n);
    if (!QFile::rename(path, aside)) return {};
    for (const QString& suffix : {QStringLiteral("-wal"), QStringLiteral("-shm")}) {
        if (platform::EntryExists(path + suffix)) QFile::rename(path + suffix, aside + suffix);
    }
    return aside;
}

}  // namespace

const int RoundStore::kSchemaVersion = static_cast<int>(kMigrations.size());

RoundStore::RoundStore(QString path) : path_(std::move(path)) {
    static std::atomic<int> stores = 0;
    connection_ = QStringLiteral("quorvane-rounds-%1").arg(++stores);
}

RoundStore::~RoundStore() { Close(); }

QSqlDatabase RoundStore::Database() const { return QSqlDatabase::database(connection_, false); }

StoreReport RoundStore::Keep(const RoundRecord& round) {
    StoreReport report = Open();
    if (report.fault != StoreFault::None) return report;
    std::optional<QSqlError> error = Insert(round);
    if (error && MeansBroken(*error)) {
        report = StartAfresh();
        if (report.fault != StoreFault::None) return report;
        error = Insert(round);
    }
    if (error) report.fault = FaultOf(*error);
    return report;
}

std::optional<QSqlError> RoundStore::Insert(const RoundRecord& round) {
    QSqlQuery query(Database());
    if (!query.exec(QStringLiteral("BEGIN IMMEDIATE"))) return query.lastError();
    query.prepare(QStringLiteral(
        "INSERT INTO rounds (played_at, course_set, course_key, par, strokes, total_par, "
        "total_strokes, penalties, bunker_shots, tree_hits) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, "
        "?)"));
    query.addBindValue(NotNull(round.playedAt.toString(kTimeFormat)));
    query.addBindValue(round.courseSet);
    query.addBindValue(NotNull(round.courseKey));
    query.addBindValue(ListText(round.holes, &HoleRecord::par));
    query.addBindValue(ListText(round.holes, &HoleRecord::strokes));
    query.addBindValue(round.TotalPar());
    query.addBindValue(round.TotalStrokes());
    for (const HoleField field :
         {&HoleRecord::penalties, &HoleRecord::bunkerShots, &HoleRecord::treeHits}) {
        query.addBindValue(round.hazardsCounted ? QVariant(ListText(round.holes, field))
                                                : QVariant(QMetaType::fromType<QString>()));
    }
    if (query.exec() && query.exec(QStringLiteral("COMMIT"))) return std::nullopt;
    const QSqlError error = query.lastError();
    QSqlQuery(Database()).exec(QStringLiteral("ROLLBACK"));
    return error;
}

LoadedRounds RoundStore::Load() {
    LoadedRounds loaded;
    if (!open_ && !platform::EntryExists(path_)) return loaded;
    loaded.report = Open();
    if (loaded.report.fault != StoreFault::None) return loaded;
    QSqlQuery query(Database());
    query.setForwardOnly(true);
    if (!query.exec(QStringLiteral("SELECT played_at, course_set, course_key, par, strokes, "
                                   "penalties, bunker_shots, tree_hits FROM rounds ORDER BY id"))) {
        if (MeansBroken(query.lastError())) {
            loaded.report = StartAfresh();
        } else {
            loaded.report.fault = FaultOf(query.lastError());
        }
        return loaded;
    }
    while (query.next()) {
        RoundRecord round;
        round.playedAt = ReadTime(query.value(0).toString());
        round.courseSet = query.value(1).toInt();
        round.courseKey = query.value(2).toString();
        round.hazardsCounted = !query.value(5).isNull();
        bool whole = ReadList(query.value(3).toString(), round.holes, &HoleRecord::par) &&
                     ReadList(query.value(4).toString(), round.holes, &HoleRecord::strokes);
        if (round.hazardsCounted) {
            whole = whole &&
                    ReadList(query.value(5).toString(), round.holes, &HoleRecord::penalties) &&
                    ReadList(query.value(6).toString(), round.holes, &HoleRecord::bunkerShots) &&
                    ReadList(query.value(7).toString(), round.holes, &HoleRecord::treeHits);
        }
        if (whole) loaded.rounds.push_back(std::move(round));
    }
    return loaded;
}

StoreReport RoundStore::Open() {
    if (open_) return {};
    StoreFault fault = StoreFault::None;
    switch (OpenFile(fault)) {
        case Opening::Open:
            open_ = true;
            return {};
        case Opening::Broken:
            return StartAfresh();
        case Opening::Failed:
            break;
    }
    Close();
    return {fault, {}};
}

StoreReport RoundStore::StartAfresh() {
    Close();
    StoreReport report;
    report.movedAside = MoveAside(path_);
    if (report.movedAside.isEmpty()) {
        report.fault = StoreFault::CannotWrite;
        return report;
    }
    if (OpenFile(report.fault) == Opening::Open) {
        open_ = true;
    } else {
        Close();
        if (report.fault == StoreFault::None) report.fault = StoreFault::CannotWrite;
    }
    return report;
}

RoundStore::Opening RoundStore::OpenFile(StoreFault& fault) {
    fault = StoreFault::None;
    if (!QDir().mkpath(QFileInfo(path_).absolutePath())) {
        fault = StoreFault::CannotWrite;
        return Opening::Failed;
    }
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection_);
    db.setDatabaseName(path_);
    db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(kBusyTimeoutMs));
    if (!db.open()) {
        fault = FaultOf(db.lastError());
        return Opening::Failed;
    }
    // The version is read before anything is changed: a newer program's file
    // is left exactly as it is.
    const Opening migrated = Migrate(fault);
    if (migrated != Opening::Open) return migrated;
    // A write-ahead log keeps the file whole whenever the game is killed;
    // without waiting for the disk at every round, a power cut may lose the
    // last round but never spoils the file.
    QStringList settings = {QStringLiteral("PRAGMA journal_mode = WAL"),
                            QStringLiteral("PRAGMA synchronous = NORMAL")};
    if (PageLimit()) settings << QStringLiteral("PRAGMA max_page_count = %1").arg(*PageLimit());
    for (const QString& setting : settings) {
        QSqlQuery query(db);
        if (query.exec(setting)) continue;
        fault = FaultOf(query.lastError());
        return Opening::Failed;
    }
    return Opening::Open;
}

// The file is brought up to this program's version in one transaction; a
// file already there is only read.
RoundStore::Opening RoundStore::Migrate(StoreFault& fault) {
    QSqlQuery query(Database());
    const auto failed = [&] {
        const QSqlError error = query.lastError();
        QSqlQuery(Database()).exec(QStringLiteral("ROLLBACK"));
        if (MeansBroken(error)) return Opening::Broken;
        fault = FaultOf(error);
        return Opening::Failed;
    };
    const auto version = [&]() -> std::optional<int> {
        if (!query.exec(QStringLiteral("PRAGMA user_version")) || !query.next()) return {};
        return query.value(0).toInt();
    };
    std::optional<int> found = version();
    if (!found) return failed();
    // Only a file that needs a step takes the write lock.
    if (*found == kSchemaVersion) return Opening::Open;
    if (*found < kSchemaVersion) {
        if (!query.exec(QStringLiteral("BEGIN IMMEDIATE"))) return failed();
        found = version();
        if (!found) return failed();
    }
    if (*found > kSchemaVersion) {
        QSqlQuery(Database()).exec(QStringLiteral("ROLLBACK"));
        fault = StoreFault::NewerVersion;
        return Opening::Failed;
    }
    if (*found <= 0) {
        // Tables without a version belong to some other program.
        if (!query.exec(QStringLiteral("SELECT count(*) FROM sqlite_master")) || !query.next()) {
            return failed();
        }
        if (*found < 0 || query.value(0).toInt() > 0) {
            QSqlQuery(Database()).exec(QStringLiteral("ROLLBACK"));
            return Opening::Broken;
        }
    }
    for (int step = *found; step < kSchemaVersion; ++step) {
        for (const QString& sql : kMigrations[static_cast<std::size_t>(step)]) {
            if (!query.exec(sql)) return failed();
        }
    }
    if (!query.exec(QStringLiteral("PRAGMA user_version = %1").arg(kSchemaVersion)) ||
        !query.exec(QStringLiteral("COMMIT"))) {
        return failed();
    }
    return Opening::Open;
}

void RoundStore::Close() {
    open_ = false;
    if (!QSqlDatabase::contains(connection_)) return;
    Database().close();
    QSqlDatabase::removeDatabase(connection_);
}

void LimitPagesForTesting(std::optional<int> pages) { PageLimit() = pages; }

}  // namespace history

#pragma once
// The round history on disk: one SQLite file, written one round at a time.

#include <QString>
#include <optional>
#include <vector>

#include "history/RoundRecord.h"

class QSqlDatabase;
class QSqlError;

namespace history {

// What could not be done; the game plays on whatever it is.
enum class StoreFault {
    None,
    Locked,        // another program holds the file
    CannotWrite,   // the folder or the file cannot be made or written
    DiskFull,      //
    NewerVersion,  // written by a newer Quorvane, whose layout this one does not know
};

struct StoreReport {
    StoreFault fault = StoreFault::None;
    // A file that was no history of rounds was moved aside to this path and
    // a new one begun.
    QString movedAside;
};

struct LoadedRounds {
    std::vector<RoundRecord> rounds;  // oldest first
    StoreReport report;
};

class RoundStore {
public:
    // The file's layout version (PRAGMA user_version) this program writes.
    static const int kSchemaVersion;

    explicit RoundStore(QString path);
    ~RoundStore();
    RoundStore(const RoundStore&) = delete;
    RoundStore& operator=(const RoundStore&) = delete;

    // One transaction: the round is kept whole or not at all. The first use
    // makes the folder and the file.
    StoreReport Keep(const RoundRecord& round);
    // Every round kept. Without a file there are none, and none is made.
    LoadedRounds Load();

    const QString& Path() const { return path_; }

private:
    enum class Opening { Open, Broken, Failed };
    StoreReport Open();
    Opening OpenFile(StoreFault& fault);
    Opening Migrate(StoreFault& fault);
    // Moves a file that is no history of rounds aside and begins a new one.
    StoreReport StartAfresh();
    std::optional<QSqlError> Insert(const RoundRecord& round);
    void Close();
    QSqlDatabase Database() const;

    QString path_;
    QString connection_;
    bool open_ = false;
};

// Test seam: the file may not grow beyond this many pages, as on a full disk
// (nullopt: no limit).
void LimitPagesForTesting(std::optional<int> pages);

}  // namespace history

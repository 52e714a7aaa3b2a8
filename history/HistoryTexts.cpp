#include "history/HistoryTexts.h"

#include <QDir>
#include <QFileInfo>

namespace history {

QString ReportText(const StoreReport& report, Purpose purpose, const QString& path) {
    QString text;
    if (!report.movedAside.isEmpty()) {
        text = QStringLiteral("成績のファイルが壊れていたので %1 に移し、新しく始めました。")
                   .arg(QDir::toNativeSeparators(report.movedAside));
    }
    QString reason;
    switch (report.fault) {
        case StoreFault::None:
            return text;
        case StoreFault::Locked:
            reason = QStringLiteral("ほかの Quorvane が成績のファイルを使っています。");
            break;
        case StoreFault::CannotWrite:
            reason = purpose == Purpose::Keeping
                         ? QStringLiteral("成績のフォルダー %1 に書き込めません。")
                               .arg(QDir::toNativeSeparators(QFileInfo(path).absolutePath()))
                         : QStringLiteral("成績のファイル %1 を開けません。")
                               .arg(QDir::toNativeSeparators(path));
            break;
        case StoreFault::DiskFull:
            reason = QStringLiteral("ディスクがいっぱいです。");
            break;
        case StoreFault::NewerVersion:
            reason = QStringLiteral("成績のファイルは新しい版の Quorvane で書かれています。");
            break;
    }
    if (!text.isEmpty()) text += QStringLiteral("\r\n");
    return text +
           (purpose == Purpose::Keeping ? QStringLiteral("このラウンドは成績に残せませんでした。")
                                        : QStringLiteral("成績を読めませんでした。")) +
           reason;
}

}  // namespace history

#include "platform/SaveDialog.h"

#include <QDir>
#include <QFileDialog>

namespace platform {
namespace {

SavePathHook& SavePathHookSeam() {
    static SavePathHook hook;
    return hook;
}

}  // namespace

std::optional<QString> AskSavePath(QWidget* parent, const QString& title,
                                   const QString& suggestedName, const QString& filter) {
    const QString suggestedPath = QDir::home().filePath(suggestedName);
    if (SavePathHookSeam()) return SavePathHookSeam()(suggestedPath);
    const QString path = QFileDialog::getSaveFileName(parent, title, suggestedPath, filter);
    if (path.isEmpty()) return std::nullopt;
    return path;
}

void SetSavePathHook(SavePathHook hook) { SavePathHookSeam() = std::move(hook); }

}  // namespace platform

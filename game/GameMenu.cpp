#include "game/GameMenu.h"

namespace game {

GameMenu::GameMenu() {
    pause_ = menu_.addAction(QStringLiteral("ゲーム中断"));
    menu_.addSeparator();
    restart_ = menu_.addAction(QStringLiteral("最初のホールからやる！"));
    restartSeparator_ = menu_.addSeparator();
    score_ = menu_.addAction(QStringLiteral("スコア表示"));
    statistics_ = menu_.addAction(QStringLiteral("成績..."));
    menu_.addSeparator();
    about_ = menu_.addAction(QStringLiteral("バージョン情報"));
    menu_.addSeparator();
    QMenu* holes = menu_.addMenu(QStringLiteral("コース"));
    holes->menuAction()->setEnabled(false);
    for (std::size_t i = 0; i < holes_.size(); ++i) {
        holes_[i] = holes->addAction(QString::number(i + 1));
        holes_[i]->setCheckable(true);
    }
    menu_.addSeparator();
    exit_ = menu_.addAction(QStringLiteral("終了"));
    backToEditor_ = menu_.addAction(QStringLiteral("コース作成に戻る"));
    backToEditor_->setVisible(false);
}

std::optional<Command> GameMenu::Choose(QPoint globalPos) {
    const QAction* chosen = menu_.exec(globalPos);
    if (chosen == pause_) return Command::Pause;
    if (chosen == restart_) return Command::Restart;
    if (chosen == score_) return Command::ShowScore;
    if (chosen == statistics_) return Command::ShowStatistics;
    if (chosen == about_) return Command::About;
    if (chosen == exit_) return Command::Exit;
    if (chosen == backToEditor_) return Command::BackToEditor;
    return std::nullopt;
}

void GameMenu::SetRestartShown(bool shown) {
    restart_->setVisible(shown);
    restartSeparator_->setVisible(shown);
}

void GameMenu::OfferBackToEditor() {
    exit_->setVisible(false);
    backToEditor_->setVisible(true);
}

void GameMenu::CheckHole(int hole) {
    for (std::size_t i = 0; i < holes_.size(); ++i) {
        holes_[i]->setChecked(static_cast<int>(i) + 1 == hole);
    }
}

}  // namespace game

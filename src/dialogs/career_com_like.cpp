#include "dialogs/career_com_like.h"

#include "com/spread_fit.h"
#include "com/spread_levels.h"
#include "model/text_cut.h"
#include "platform/message_boxes.h"

#include <QApplication>
#include <QCoreApplication>
#include <QCursor>

namespace dvk {

namespace {

class CareerComLike {
    Q_DECLARE_TR_FUNCTIONS(dvk::CareerComLike)

public:
    static void offer(QWidget* owner, ArchiveStore& store, AppOptions& options,
                      const QString& player, bool computer);
};

VisitScoreCounts counts_of(const std::vector<ScoreCount>& scores) {
    VisitScoreCounts counts{};
    for (const ScoreCount& s : scores) {
        if (s.score >= 0 && s.score <= max_visit_score) {
            counts[static_cast<std::size_t>(s.score)] += s.visits;
        }
    }
    return counts;
}

void CareerComLike::offer(QWidget* owner, ArchiveStore& store, AppOptions& options,
                          const QString& player, bool computer) {
    if (computer) {
        MessageBoxes::information(owner, tr("A computer player cannot be copied: choose a "
                                            "player who throws for real."));
        return;
    }
    const VisitScoreCounts counts = counts_of(store.scoring_visit_scores(player.toStdString()));
    QApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    const auto fit = fit_spread(counts);
    QApplication::restoreOverrideCursor();
    if (!fit) {
        std::int64_t visits = 0;
        for (const std::int64_t n : counts) {
            visits += n;
        }
        MessageBoxes::information(
            owner, tr("%1 has %2 archived visits thrown with more than 170 left. A computer "
                      "player is copied from at least %3 of them.")
                       .arg(player)
                       .arg(visits)
                       .arg(min_fit_visits));
        return;
    }
    const QString text =
        tr("COM like %1 throws with a spread of %2 mm, fitted on %3 visits thrown with more "
           "than 170 left (%4 points a visit).\n\nMake it player 2 of the next game?")
            .arg(player)
            .arg(fit->sigma, 0, 'f', 1)
            .arg(fit->visits)
            .arg(fit->mean_visit, 0, 'f', 1);
    if (!MessageBoxes::question(owner, text)) {
        return;
    }
    options.game.p2_com = 1;
    options.game.p2_com_level = fitted_level(fit->sigma);
    options.game.p2_name = cut_to_bytes(player.toStdString(), max_name_bytes);
    MessageBoxes::information(owner, tr("COM like %1 plays player 2 from the next new game "
                                        "(Game > New Game).")
                                         .arg(player));
}

} // namespace

void offer_com_like_player(QWidget* owner, ArchiveStore& store, AppOptions& options,
                           const QString& player, bool computer) {
    CareerComLike::offer(owner, store, options, player, computer);
}

} // namespace dvk

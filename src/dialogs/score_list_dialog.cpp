#include "dialogs/score_list_dialog.h"

#include "dialogs/remembered_rect.h"
#include "layout/score_list_dialog_geometry.h"
#include "layout/side_window_geometry.h"
#include "platform/dialog_script.h"
#include "screen/score_list_wnd.h"
#include "screen/score_player_wnd.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>

#include <algorithm>

namespace dvk {

namespace {

constexpr QSize designed_size(560, 620);
constexpr int margin = 8;
constexpr int darts_text_points = 12;

QRect to_qrect(const LayoutRect& r) {
    return {r.x, r.y, r.width, r.height};
}

} // namespace

ScoreListDialog::ScoreListDialog(const GameRecord& game, int leg, AppOptions& options,
                                 const ArrangeTable& checkout_table, QWidget* owner)
    : QDialog(owner), m_game(game) {
    setObjectName(QStringLiteral("ScoreListDialog"));
    setWindowTitle(tr("Score List"));
    setAccessibleName(windowTitle());
    setSizeGripEnabled(true);

    m_choice = new QComboBox(this);
    m_choice->setObjectName(QStringLiteral("choice"));
    m_choice->setAccessibleName(tr("Shown"));
    m_list = new ScoreListWnd(this);
    m_list->setScreenStyle(screen_style_from(options));
    m_sheet = std::make_unique<ScoreSheet>(m_game, options, m_ports, *m_list);
    m_sheet->set_input_disabled(true);
    m_list->setSheet(m_sheet.get());
    m_sheet->set_view_only(true);

    QFont darts_font(QString::fromStdString(options.font_name));
    darts_font.setPixelSize(point_to_pixels(darts_text_points, logicalDpiY()));
    for (int p = 0; p < 2; ++p) {
        auto* window = new ScorePlayerWnd(options, checkout_table, this);
        window->setObjectName(QStringLiteral("score_player_wnd_%1").arg(p));
        window->setLegLimit(m_game.leg_limit == 1);
        window->setDialogMode(ScorePlayerWnd::DialogMode::LongLabel, true);
        window->setGame(&m_game, p, true);
        m_players[static_cast<std::size_t>(p)] = window;
        auto* text = new QLabel(this);
        text->setObjectName(QStringLiteral("darts_%1").arg(p));
        text->setFont(darts_font);
        text->setAlignment(Qt::AlignVCenter | (p == 0 ? Qt::AlignLeft : Qt::AlignRight));
        m_darts[static_cast<std::size_t>(p)] = text;
    }
    m_close = new QPushButton(tr("&Close"), this);
    m_close->setObjectName(QStringLiteral("close"));
    connect(m_close, &QPushButton::clicked, this, &QDialog::reject);

    m_choice->addItem(tr("Player Information"));
    const auto completed = static_cast<std::size_t>(std::max(m_game.leg_index, 0));
    for (std::size_t n = 1; n <= completed && n <= m_game.legs.size(); ++n) {
        m_choice->addItem(tr("%1 Legs").arg(n));
    }
    m_choice->setCurrentIndex(leg >= 0 && leg < m_choice->count() ? leg : 0);
    connect(m_choice, &QComboBox::currentIndexChanged, this, &ScoreListDialog::showEntry);
    showEntry(m_choice->currentIndex());

    setMinimumSize(320, 300);
    resize(designed_size);
    m_choice->setFocus();
    m_rect = new RememberedRect(this, options.score_list_window);
    m_rect->restore();
}

ScoreListDialog::~ScoreListDialog() {
    // The windows show the copy and its sheet, which go before the dialog's children would.
    delete m_list;
    for (ScorePlayerWnd* window : m_players) {
        delete window;
    }
}

void ScoreListDialog::open(QWidget* owner, const GameRecord& game, int leg, AppOptions& options,
                           const ArrangeTable& checkout_table) {
    if (DialogScript::take_answer(
            QStringLiteral("ScoreListDialog"),
            {{QStringLiteral("leg"), leg}, {QStringLiteral("start_score"), game.start_score}})) {
        return;
    }
    ScoreListDialog dialog(game, leg, options, checkout_table, owner);
    dialog.exec();
}

ScorePlayerWnd* ScoreListDialog::playerWindow(int player) const {
    return is_player(player) ? m_players[static_cast<std::size_t>(player)] : nullptr;
}

QLabel* ScoreListDialog::dartsText(int player) const {
    return is_player(player) ? m_darts[static_cast<std::size_t>(player)] : nullptr;
}

void ScoreListDialog::showEntry(int index) {
    const bool statistics = index <= 0;
    m_list->setVisible(!statistics);
    for (int p = 0; p < 2; ++p) {
        m_players[static_cast<std::size_t>(p)]->setVisible(statistics);
        m_darts[static_cast<std::size_t>(p)]->setVisible(!statistics);
        m_darts[static_cast<std::size_t>(p)]->clear();
    }
    if (statistics) {
        return;
    }
    const auto leg_index = static_cast<std::size_t>(index - 1);
    if (leg_index >= m_game.legs.size()) {
        return;
    }
    const LegRecord& leg = m_game.legs[leg_index];
    if (leg.winning_darts > 0 && is_player(leg.winner)) {
        m_darts[static_cast<std::size_t>(leg.winner)]->setText(
            tr("%1 Darts").arg(leg.winning_darts));
    }
    m_sheet->show_leg(index - 1);
}

void ScoreListDialog::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    relayout();
}

void ScoreListDialog::relayout() {
    ScoreListDialogInput in;
    in.width = width();
    in.height = height();
    in.margin = margin;
    in.combo_height = m_choice->sizeHint().height();
    in.text_height = m_darts[0]->sizeHint().height();
    const QSize button = m_close->sizeHint().expandedTo(QSize(88, 0));
    in.button_width = button.width();
    in.button_height = button.height();
    const ScoreListDialogLayout l = score_list_dialog_layout(in);
    m_choice->setGeometry(to_qrect(l.combo));
    m_list->setGeometry(to_qrect(l.list));
    m_close->setGeometry(to_qrect(l.close));
    for (std::size_t p = 0; p < 2; ++p) {
        m_players[p]->setGeometry(to_qrect(l.player[p]));
        m_darts[p]->setGeometry(to_qrect(l.text[p]));
    }
}

} // namespace dvk

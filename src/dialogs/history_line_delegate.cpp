#include "dialogs/history_line_delegate.h"

#include "layout/history_line_geometry.h"
#include "layout/side_window_geometry.h"
#include "screen/com_name_texts.h"

#include <QApplication>
#include <QPainter>
#include <QStyle>

namespace dvk {

namespace {

constexpr int font_points = 12;

QRect to_qrect(const LayoutRect& r) {
    return {r.x, r.y, r.width, r.height};
}

QRect column(const QRect& line, const HistoryLineColumns& columns, std::size_t i) {
    return {line.left() + columns.left[i], line.top(), columns.right[i] - columns.left[i],
            line.height()};
}

QString box_text(const LegRecord& leg, int player) {
    const std::optional<int> darts = leg_line_darts(leg, player);
    return darts.has_value() ? QString::number(*darts) : QStringLiteral("-");
}

} // namespace

QString history_player_name(const PlayerBlock& player) {
    if (player.com == 1) {
        return ComNameTexts().name(player.com_level, player.name);
    }
    return QString::fromStdString(player.name);
}

HistoryLineDelegate::HistoryLineDelegate(LineAt line_at, QObject* parent)
    : QStyledItemDelegate(parent), m_line_at(std::move(line_at)) {}

QSize HistoryLineDelegate::sizeHint(const QStyleOptionViewItem&, const QModelIndex&) const {
    // No width of its own: the line takes the list's, whatever it was when last laid out.
    return {0, history_line_height};
}

QFont HistoryLineDelegate::lineFont(const QWidget* widget, bool bold) const {
    QFont font = QApplication::font("QMenu");
    font.setPixelSize(point_to_pixels(font_points, widget != nullptr ? widget->logicalDpiY() : 96));
    font.setBold(bold);
    return font;
}

QStringList HistoryLineDelegate::texts(const Shown& shown) {
    if (shown.game == nullptr) {
        return {};
    }
    const GameRecord& game = *shown.game;
    if (shown.line.kind == HistoryLine::Kind::Game) {
        return {QString::number(game.start_score),
                game.leg_limit == 1 ? tr("%1 Sets").arg(game.game_index + 1) : QString(),
                history_player_name(game.players[0]), history_player_name(game.players[1])};
    }
    if (shown.leg == nullptr) {
        return {};
    }
    return {QString(), tr("%1 Legs").arg(shown.line.leg), box_text(*shown.leg, 0),
            box_text(*shown.leg, 1)};
}

void HistoryLineDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                const QModelIndex& index) const {
    const Shown shown = m_line_at(index.row());
    const bool game_line = shown.line.kind == HistoryLine::Kind::Game;
    const bool selected = option.state.testFlag(QStyle::State_Selected);
    const QPalette::ColorGroup group =
        option.state.testFlag(QStyle::State_Active) ? QPalette::Active : QPalette::Inactive;
    const QPalette& palette = option.palette;
    const QColor background = selected    ? palette.color(group, QPalette::Highlight)
                              : game_line ? palette.color(group, QPalette::Button)
                                          : palette.color(group, QPalette::Base);
    const QColor text = selected ? palette.color(group, QPalette::HighlightedText)
                                 : palette.color(group, QPalette::Text);

    painter->save();
    painter->fillRect(option.rect, background);
    painter->setFont(lineFont(option.widget, game_line));
    if (shown.game != nullptr && game_line) {
        paintGame(*painter, option.rect, *shown.game, text);
    } else if (shown.leg != nullptr) {
        paintLeg(*painter, option.rect, option, shown, text);
    }
    if (option.state.testFlag(QStyle::State_HasFocus)) {
        QStyleOptionFocusRect focus;
        focus.QStyleOption::operator=(option);
        focus.rect = option.rect;
        focus.backgroundColor = background;
        const QStyle* style =
            option.widget != nullptr ? option.widget->style() : QApplication::style();
        style->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, painter, option.widget);
    }
    painter->restore();
}

void HistoryLineDelegate::paintGame(QPainter& painter, const QRect& rect, const GameRecord& game,
                                    const QColor& text) const {
    const HistoryLineColumns columns = history_line_columns(rect.width());
    const QStringList shown = texts({{HistoryLine::Kind::Game, 0, 0}, &game, nullptr});
    painter.setPen(text);
    const int flags = Qt::AlignVCenter | Qt::TextSingleLine;
    painter.drawText(column(rect, columns, 0), flags | Qt::AlignLeft, shown.at(0));
    painter.drawText(column(rect, columns, 1), flags | Qt::AlignLeft, shown.at(1));
    const int leader = game_line_leader(game);
    for (int player = 0; player < 2; ++player) {
        QFont font = painter.font();
        font.setUnderline(player == leader);
        painter.setFont(font);
        const QRect cell = column(rect, columns, static_cast<std::size_t>(player) + 2);
        const QString name =
            painter.fontMetrics().elidedText(shown.at(player + 2), Qt::ElideRight, cell.width());
        painter.drawText(cell, flags | Qt::AlignHCenter, name);
    }
}

void HistoryLineDelegate::paintLeg(QPainter& painter, const QRect& rect,
                                   const QStyleOptionViewItem& option, const Shown& shown,
                                   const QColor& text) const {
    const HistoryLineColumns columns = history_line_columns(rect.width());
    const QStringList texts_shown = texts(shown);
    painter.setPen(text);
    painter.drawText(column(rect, columns, 1), Qt::AlignVCenter | Qt::AlignLeft, texts_shown.at(1));

    const QColor shadow = option.palette.color(QPalette::Dark);
    const int box_width = painter.fontMetrics().horizontalAdvance(QStringLiteral("8888"));
    const HistoryLegBoxes boxes = history_leg_boxes(columns, 0, box_width);
    painter.translate(rect.left(), rect.top());
    painter.setPen(shadow);
    painter.drawLine(boxes.join_left, boxes.join_y, boxes.join_right - 1, boxes.join_y);
    for (int player = 0; player < 2; ++player) {
        const bool darts = leg_line_darts(*shown.leg, player).has_value();
        const QRect box = to_qrect(boxes.box[static_cast<std::size_t>(player)]);
        painter.setPen(darts ? text : shadow);
        painter.drawRect(box.adjusted(0, 0, -1, -1));
        painter.drawText(box, Qt::AlignCenter, texts_shown.at(player + 2));
    }
    painter.translate(-rect.left(), -rect.top());
}

} // namespace dvk

#include "dialogs/player_page.h"

#include "settings/player_item_flags.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include <array>

namespace dvk {
namespace {

struct BoxText {
    const char* key;
    const char* text;
};

// The boxes in page order: two general ones, then the groups Player (2), Totals (9),
// Averages (9) and Dart Out Shots (1).
constexpr std::array<BoxText, 23> box_texts = {{
    {"large_font", QT_TRANSLATE_NOOP("dvk::PlayerPage", "Large Fo&nt")},
    {"avg_per_round", QT_TRANSLATE_NOOP("dvk::PlayerPage", "3 Darts A&verage")},
    {"name", QT_TRANSLATE_NOOP("dvk::PlayerPage", "&Player Name")},
    {"first", QT_TRANSLATE_NOOP("dvk::PlayerPage", "- &First - ")},
    {"total_sets", QT_TRANSLATE_NOOP("dvk::PlayerPage", "&Sets")},
    {"total_legs", QT_TRANSLATE_NOOP("dvk::PlayerPage", "&Legs")},
    {"total_tons", QT_TRANSLATE_NOOP("dvk::PlayerPage", "&Tons")},
    {"total_100", QT_TRANSLATE_NOOP("dvk::PlayerPage", "&100+")},
    {"total_140", QT_TRANSLATE_NOOP("dvk::PlayerPage", "1&40+")},
    {"total_180s", QT_TRANSLATE_NOOP("dvk::PlayerPage", "1&80's")},
    {"total_high_off", QT_TRANSLATE_NOOP("dvk::PlayerPage", "&High Out")},
    {"total_short", QT_TRANSLATE_NOOP("dvk::PlayerPage", "&Best Leg")},
    {"total_long", QT_TRANSLATE_NOOP("dvk::PlayerPage", "&Worst Leg")},
    {"avg_darts", QT_TRANSLATE_NOOP("dvk::PlayerPage", "&Darts")},
    {"avg_score", QT_TRANSLATE_NOOP("dvk::PlayerPage", "S&core")},
    {"avg_first9", QT_TRANSLATE_NOOP("dvk::PlayerPage", "First &9 Darts")},
    {"avg_check_out", QT_TRANSLATE_NOOP("dvk::PlayerPage", "Check-&Out")},
    {"avg_check_out_count", QT_TRANSLATE_NOOP("dvk::PlayerPage", "Check-&Out Counts")},
    {"avg_keep", QT_TRANSLATE_NOOP("dvk::PlayerPage", "&Keep")},
    {"avg_keep_count", QT_TRANSLATE_NOOP("dvk::PlayerPage", "&Keep Counts")},
    {"avg_break", QT_TRANSLATE_NOOP("dvk::PlayerPage", "B&reak")},
    {"avg_break_count", QT_TRANSLATE_NOOP("dvk::PlayerPage", "B&reak Counts")},
    {"arrange", QT_TRANSLATE_NOOP("dvk::PlayerPage", "D&art Out Shots")},
}};

constexpr int player_group_first = 2;
constexpr int totals_first = 4;
constexpr int averages_first = 13;
constexpr int dart_out_shots_first = 22;

} // namespace

PlayerPage::PlayerPage(const AppOptions& options, QWidget* parent) : OptionPage(parent) {
    setObjectName(QStringLiteral("PlayerPage"));
    setWindowTitle(tr("Player"));
    for (const BoxText& entry : box_texts) {
        auto* box = new QCheckBox(tr(entry.text), this);
        box->setObjectName(QString::fromLatin1(entry.key));
        const std::int32_t* flag = player_flag(options.player, entry.key);
        box->setChecked(flag != nullptr && *flag == 1);
        m_boxes.push_back({entry.key, box});
        connect(box, &QCheckBox::toggled, this, &PlayerPage::updateEnabled);
    }

    auto* general = new QHBoxLayout;
    general->addWidget(m_boxes[0].box);
    general->addWidget(m_boxes[1].box);
    general->addStretch();
    auto* left = new QVBoxLayout;
    left->addWidget(createGroup(tr("Player"), player_group_first, totals_first - 1));
    left->addWidget(createGroup(tr("Totals"), totals_first, averages_first - 1));
    left->addStretch();
    auto* right = new QVBoxLayout;
    right->addWidget(createGroup(tr("Averages"), averages_first, dart_out_shots_first - 1));
    right->addWidget(createGroup(tr("Dart Out Shots"), dart_out_shots_first, dart_out_shots_first));
    right->addStretch();
    auto* columns = new QHBoxLayout;
    columns->addLayout(left);
    columns->addLayout(right);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(general);
    layout->addLayout(columns);
    layout->addStretch();
    updateEnabled();
}

QWidget* PlayerPage::createGroup(const QString& title, int first, int last) {
    auto* group = new QGroupBox(title, this);
    auto* layout = new QVBoxLayout(group);
    for (int i = first; i <= last; ++i) {
        QCheckBox* box = m_boxes[static_cast<std::size_t>(i)].box;
        box->setParent(group);
        layout->addWidget(box);
    }
    return group;
}

QCheckBox* PlayerPage::box(const QString& key) const {
    for (const Box& entry : m_boxes) {
        if (key == QLatin1String(entry.key)) {
            return entry.box;
        }
    }
    return nullptr;
}

void PlayerPage::updateEnabled() {
    for (const Box& entry : m_boxes) {
        if (const auto base = counts_base_key(entry.key)) {
            const QCheckBox* base_box = box(QString::fromLatin1(base->data(), base->size()));
            entry.box->setEnabled(base_box != nullptr && base_box->isChecked());
        }
    }
}

void PlayerPage::apply(AppOptions& options) const {
    for (const Box& entry : m_boxes) {
        if (std::int32_t* flag = player_flag(options.player, entry.key)) {
            *flag = entry.box->isChecked() ? 1 : 0;
        }
    }
}

} // namespace dvk

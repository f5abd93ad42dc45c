#include "caller_settings_dialog.h"

#include "caller_phrases.h"
#include "caller_voice.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QSlider>
#include <QVBoxLayout>
#include <cmath>

namespace dvk::caller {
namespace {

// The rate slider moves in tenths.
constexpr int rate_steps = 10;

// The Debian package of the voice the caller prefers.
constexpr const char* voice_package = "qt6-speech-flite-plugin";

} // namespace

CallerSettingsDialog::CallerSettingsDialog(const CallerSettings& settings, CallerVoice& voice,
                                           QWidget* parent)
    : QDialog(parent), m_settings(settings), m_voice(voice),
      m_enabled(new QCheckBox(tr("&Call the game"), this)),
      m_visits(new QCheckBox(tr("&Every visit"), this)),
      m_finishes(new QCheckBox(tr("The score left on a &finish"), this)),
      m_legs(new QCheckBox(tr("&Game shot"), this)),
      m_results(new QCheckBox(tr("The &result of a set"), this)), m_voices(new QComboBox(this)),
      m_rate(new QSlider(Qt::Horizontal, this)), m_no_voice(new QLabel(noVoiceText(), this)) {
    setObjectName(QStringLiteral("CallerSettingsDialog"));
    setWindowTitle(tr("Caller"));

    m_enabled->setChecked(settings.enabled);
    m_visits->setChecked(settings.choices.visits);
    m_finishes->setChecked(settings.choices.finishes);
    m_legs->setChecked(settings.choices.legs);
    m_results->setChecked(settings.choices.results);

    auto* calls = new QGroupBox(tr("Announcements"), this);
    auto* call_layout = new QVBoxLayout(calls);
    for (QCheckBox* box : {m_visits, m_finishes, m_legs, m_results}) {
        call_layout->addWidget(box);
        box->setEnabled(settings.enabled);
        connect(m_enabled, &QCheckBox::toggled, box, &QWidget::setEnabled);
    }

    m_voices->addItem(tr("(Default)"), QString());
    for (const QString& name : voice.voices()) {
        m_voices->addItem(name, name);
    }
    m_voices->setCurrentIndex(std::max(0, m_voices->findData(settings.voice)));
    m_rate->setRange(-rate_steps, rate_steps);
    m_rate->setValue(static_cast<int>(std::lround(settings.rate * rate_steps)));
    m_rate->setTickPosition(QSlider::TicksBelow);

    auto* form = new QFormLayout;
    auto* voice_label = new QLabel(tr("&Voice:"), this);
    voice_label->setBuddy(m_voices);
    form->addRow(voice_label, m_voices);
    auto* rate_label = new QLabel(tr("&Speed:"), this);
    rate_label->setBuddy(m_rate);
    form->addRow(rate_label, m_rate);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    QPushButton* try_button = buttons->addButton(tr("&Try"), QDialogButtonBox::ActionRole);
    connect(try_button, &QPushButton::clicked, this, &CallerSettingsDialog::tryVoice);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    m_no_voice->setObjectName(QStringLiteral("NoVoice"));
    m_no_voice->setStyleSheet(QStringLiteral("QLabel { color: #b00000; font-weight: bold; }"));
    connect(&voice, &CallerVoice::stateChanged, this, &CallerSettingsDialog::showVoiceState);
    showVoiceState();

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_no_voice);
    layout->addWidget(m_enabled);
    layout->addWidget(calls);
    layout->addLayout(form);
    layout->addWidget(buttons);
}

CallerSettings CallerSettingsDialog::settings() const {
    CallerSettings s = m_settings;
    s.enabled = m_enabled->isChecked();
    s.choices.visits = m_visits->isChecked();
    s.choices.finishes = m_finishes->isChecked();
    s.choices.legs = m_legs->isChecked();
    s.choices.results = m_results->isChecked();
    s.voice = m_voices->currentData().toString();
    s.rate = static_cast<double>(m_rate->value()) / rate_steps;
    return s;
}

QString CallerSettingsDialog::noVoiceText() {
    return tr("No voice is installed: install %1.").arg(QLatin1String(voice_package));
}

void CallerSettingsDialog::showVoiceState() {
    m_no_voice->setVisible(!m_voice.hasVoice());
}

void CallerSettingsDialog::tryVoice() {
    if (!m_voice.hasVoice()) {
        QMessageBox::warning(this, windowTitle(), noVoiceText());
        return;
    }
    m_voice.stop();
    m_voice.apply(settings());
    m_voice.say({QString::fromStdString(visit_phrase(180))});
}

} // namespace dvk::caller

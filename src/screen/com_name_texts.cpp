#include "screen/com_name_texts.h"

namespace dvk {

ComNameTexts::ComNameTexts()
    : m_table(tr("COM (Lv.%d)").toStdString()), m_average(tr("COM (Avg %d)").toStdString()),
      m_fitted(tr("COM like %s").toStdString()), m_formats{m_table, m_average, m_fitted} {}

QString ComNameTexts::name(std::int32_t level, std::string_view player_name) const {
    return QString::fromStdString(com_player_name(level, player_name, m_formats));
}

} // namespace dvk

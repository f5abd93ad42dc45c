#pragma once

#include "com/com_player_name.h"

#include <QCoreApplication>
#include <QString>

#include <cstdint>
#include <string>
#include <string_view>

namespace dvk {

// The names of computer players in the user's language, for every window that lists players.
class ComNameTexts {
    Q_DECLARE_TR_FUNCTIONS(dvk::ComNameTexts)

public:
    ComNameTexts();

    const ComNameFormats& formats() const { return m_formats; }
    QString name(std::int32_t level, std::string_view player_name) const;

private:
    std::string m_table;
    std::string m_average;
    std::string m_fitted;
    ComNameFormats m_formats;
};

} // namespace dvk

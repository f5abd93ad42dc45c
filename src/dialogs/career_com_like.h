#pragma once

#include "archive/archive_store.h"
#include "settings/app_options.h"

#include <QString>

class QWidget;

namespace dvk {

// "COM Like This Player": fits a computer player's spread to `player`'s archived visits and,
// when the user agrees, makes it player 2 of the next game ("COM like NAME"). Refused with a
// message for a computer player or when too few visits are archived.
void offer_com_like_player(QWidget* owner, ArchiveStore& store, AppOptions& options,
                           const QString& player, bool computer);

} // namespace dvk

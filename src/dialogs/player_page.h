#pragma once

#include "dialogs/option_page.h"
#include "settings/app_options.h"

#include <QString>

#include <vector>

class QCheckBox;

namespace dvk {

// "Player": which items the player information windows show. The three "Counts" boxes can be
// changed only while their percentage row is checked; clearing that row keeps their marks.
class PlayerPage : public OptionPage {
    Q_OBJECT

public:
    explicit PlayerPage(const AppOptions& options, QWidget* parent = nullptr);

    void apply(AppOptions& options) const override;

    // The box of a settings key of section "player", for tests.
    QCheckBox* box(const QString& key) const;

private:
    struct Box {
        const char* key;
        QCheckBox* box;
    };

    QWidget* createGroup(const QString& title, int first, int last);
    void updateEnabled();

    std::vector<Box> m_boxes;
};

} // namespace dvk

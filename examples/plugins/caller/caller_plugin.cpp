// A darts caller for dvk: it announces every visit, the score left of a player on a finish,
// the game shot and the result of a set, with Qt's speech engine (Flite, offline).
//
// Its settings dialog opens from the Plug-in page (the property call) and from its Tools
// item. The settings live in the file its command line names, or in dvk_caller.ini in dvk's
// settings folder (beside dvk.ini).
#include "caller_announcer.h"
#include "caller_settings.h"
#include "caller_settings_dialog.h"
#include "caller_voice.h"

#include <dvk/plugin.h>

#include <QCoreApplication>
#include <QMessageBox>
#include <QWidget>
#include <cstring>
#include <memory>

namespace {

using namespace dvk::caller;

// What the caller keeps between calls; made at the first call, gone when dvk unloads it.
struct Caller {
    QString path;
    CallerSettings settings;
    std::unique_ptr<CallerVoice> voice;

    CallerVoice& speaker() {
        if (voice == nullptr) {
            voice = std::make_unique<CallerVoice>();
            voice->apply(settings);
        }
        return *voice;
    }
};

Caller& caller() {
    static Caller instance;
    return instance;
}

void read_settings(const dvk_plugin_info* info) {
    Caller& c = caller();
    const auto length = strnlen(info->cmd_line, sizeof(info->cmd_line));
    c.path = settings_path(QString::fromUtf8(info->cmd_line, static_cast<qsizetype>(length)));
    c.settings = CallerSettings::load(c.path);
    if (c.voice != nullptr) {
        c.voice->apply(c.settings);
    }
}

// dvk hands its main window as the window of every call.
QWidget* parent_of(dvk_window window) {
    return reinterpret_cast<QWidget*>(window);
}

void edit_settings(dvk_window window, const dvk_plugin_info* info) {
    read_settings(info);
    Caller& c = caller();
    CallerSettingsDialog dialog(c.settings, c.speaker(), parent_of(window));
    if (dialog.exec() == QDialog::Accepted) {
        c.settings = dialog.settings();
        if (!c.settings.save(c.path)) {
            QMessageBox::warning(
                parent_of(window), dialog.windowTitle(),
                QCoreApplication::translate("dvk::caller::CallerSettings",
                                            "The caller's settings could not be saved. %1")
                    .arg(save_failure_reason(c.path)));
        }
    }
    c.speaker().apply(c.settings);
}

void announce(dvk_window window, std::int32_t event, std::int32_t parameter,
              const dvk_plugin_info* info) {
    Caller& c = caller();
    if (!c.settings.enabled || info->data == nullptr) {
        return;
    }
    std::int32_t player = -1;
    dvk_send_message(window, DVK_MSG_GET_INPUT_CELL, reinterpret_cast<uintptr_t>(&player), 0);
    QStringList phrases;
    for (const std::string& phrase :
         announcements(event, parameter, *info->data, player, c.settings.choices)) {
        phrases << QString::fromStdString(phrase);
    }
    if (!phrases.isEmpty()) {
        c.speaker().say(phrases);
    }
}

void copy_text(char* field, std::size_t size, const char* text) {
    std::strncpy(field, text, size - 1);
    field[size - 1] = '\0';
}

} // namespace

extern "C" {

DVK_PLUGIN_EXPORT int32_t DVK_CALL get_plugin_info(dvk_window, int32_t index,
                                                   dvk_plugin_description* description) {
    if (index != 0) {
        return 0;
    }
    copy_text(description->title, sizeof(description->title), "Caller");
    copy_text(description->function_name, sizeof(description->function_name), "caller");
    return 1;
}

DVK_PLUGIN_EXPORT int32_t DVK_CALL caller_initialize(dvk_window, dvk_plugin_info* info) {
    read_settings(info);
    return announced_events | DVK_EVENT_MENU;
}

DVK_PLUGIN_EXPORT int32_t DVK_CALL caller_property(dvk_window window, dvk_plugin_info* info) {
    edit_settings(window, info);
    return 1;
}

DVK_PLUGIN_EXPORT int32_t DVK_CALL caller(dvk_window window, int32_t event, dvk_plugin_info* info,
                                          int32_t parameter) {
    if (event == DVK_EVENT_MENU) {
        edit_settings(window, info);
    } else {
        announce(window, event, parameter, info);
    }
    return 0;
}
}

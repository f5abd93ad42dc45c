#include "caller_settings.h"
#include "caller_settings_dialog.h"
#include "caller_voice.h"
#include "host_rig.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QSlider>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace dvk::caller {
namespace {

// A sound server of the test's own with a silent output, so that speech has somewhere to go
// on a machine without a sound card.
class SilentSoundServer {
public:
    SilentSoundServer() {
        const QString program = QStandardPaths::findExecutable(QStringLiteral("pulseaudio"));
        if (program.isEmpty() || !m_folder.isValid()) {
            return;
        }
        const QString socket = m_folder.filePath(QStringLiteral("native"));
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("HOME"), m_folder.path());
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_folder.path());
        m_server.setProcessEnvironment(environment);
        m_server.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_server.start(
            program,
            {QStringLiteral("-n"), QStringLiteral("--daemonize=no"),
             QStringLiteral("--exit-idle-time=-1"), QStringLiteral("--use-pid-file=no"),
             QStringLiteral("--log-target=stderr"), QStringLiteral("--log-level=0"),
             QStringLiteral("-L"), QStringLiteral("module-null-sink"), QStringLiteral("-L"),
             QStringLiteral("module-native-protocol-unix auth-anonymous=1 socket=") + socket});
        if (!m_server.waitForStarted(5000)) {
            return;
        }
        QElapsedTimer waited;
        waited.start();
        while (!QFile::exists(socket) && waited.elapsed() < 10000) {
            m_server.waitForFinished(20);
        }
        if (QFile::exists(socket)) {
            m_address = QStringLiteral("unix:") + socket;
        }
    }
    ~SilentSoundServer() {
        m_server.terminate();
        if (!m_server.waitForFinished(5000)) {
            m_server.kill();
            m_server.waitForFinished(5000);
        }
    }

    // The address for PULSE_SERVER; empty when the server did not start.
    QString address() const { return m_address; }

private:
    QTemporaryDir m_folder;
    QProcess m_server;
    QString m_address;
};

bool wait_for(const std::function<bool()>& condition, int milliseconds) {
    QElapsedTimer waited;
    waited.start();
    while (!condition()) {
        if (waited.elapsed() > milliseconds) {
            return false;
        }
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    return true;
}

TEST(CallerVoice, aPhraseGoesFromReadyThroughSpeakingBackToReady) {
    if (!QTextToSpeech::availableEngines().contains(QStringLiteral("flite"))) {
        GTEST_SKIP() << "the Flite speech engine is not installed";
    }
    SilentSoundServer server;
    ASSERT_FALSE(server.address().isEmpty()) << "no pulseaudio to speak to";
    qputenv("PULSE_SERVER", server.address().toUtf8());

    CallerVoice voice;
    EXPECT_EQ(voice.engine(), QStringLiteral("flite"));
    EXPECT_FALSE(voice.voices().isEmpty());
    ASSERT_EQ(voice.state(), QTextToSpeech::Ready) << voice.errorString().toStdString();
    std::vector<QTextToSpeech::State> states;
    QObject::connect(&voice, &CallerVoice::stateChanged, &voice,
                     [&](QTextToSpeech::State state) { states.push_back(state); });
    voice.say({QStringLiteral("One hundred and eighty!"), QStringLiteral("Game shot!")});
    EXPECT_TRUE(wait_for(
        [&] { return states.size() >= 4 || voice.state() == QTextToSpeech::Error; }, 30000));
    EXPECT_EQ(states,
              (std::vector<QTextToSpeech::State>{QTextToSpeech::Speaking, QTextToSpeech::Ready,
                                                 QTextToSpeech::Speaking, QTextToSpeech::Ready}))
        << voice.errorString().toStdString();
    qunsetenv("PULSE_SERVER");
}

TEST(CallerSettings, areKeptInTheirFileAndDefaultWithoutOne) {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("caller.ini"));
    EXPECT_EQ(CallerSettings::load(path), CallerSettings{});
    CallerSettings settings;
    settings.enabled = false;
    settings.choices.finishes = false;
    settings.voice = QStringLiteral("awb");
    settings.rate = 0.4;
    EXPECT_TRUE(settings.save(path));
    EXPECT_EQ(CallerSettings::load(path), settings);

    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("[caller]\nrate=7\nvisits=false\n");
    file.close();
    const CallerSettings odd = CallerSettings::load(path);
    EXPECT_EQ(odd.rate, 1.0);
    EXPECT_FALSE(odd.choices.visits);
    EXPECT_TRUE(odd.choices.legs);

    EXPECT_EQ(settings_path(QStringLiteral("  /tmp/mine.ini ")), QStringLiteral("/tmp/mine.ini"));
    EXPECT_TRUE(settings_path(QString()).endsWith(QStringLiteral("/dvk_caller.ini")));
}

TEST(CallerSettings, areSavedIntoAFolderMadeForThemOrTellWhyNot) {
    QTemporaryDir folder;
    const QString nested = folder.filePath(QStringLiteral("config/dvk/dvk_caller.ini"));
    CallerSettings settings;
    settings.rate = -0.2;
    ASSERT_TRUE(settings.save(nested));
    EXPECT_EQ(CallerSettings::load(nested), settings);

    const QString taken = folder.filePath(QStringLiteral("taken"));
    ASSERT_TRUE(QDir().mkpath(taken));
    EXPECT_FALSE(settings.save(taken));
    EXPECT_EQ(save_failure_reason(taken), QStringLiteral("'%1' is a folder.").arg(taken));

    // A file where the folder should be.
    QFile blocker(folder.filePath(QStringLiteral("file")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const QString under_file = folder.filePath(QStringLiteral("file/dvk/dvk_caller.ini"));
    EXPECT_FALSE(settings.save(under_file));
    EXPECT_EQ(save_failure_reason(under_file),
              QStringLiteral("The folder '%1' cannot be made.")
                  .arg(folder.filePath(QStringLiteral("file/dvk"))));
}

// dvk keeps dvk.ini beside itself when it runs portable, else in the user's configuration
// folder; the caller follows it there.
TEST(CallerSettings, liveInTheFolderOfDvkIni) {
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
    struct Case {
        const char* folders;
        QString expected;
    };
    const QString program = QCoreApplication::applicationDirPath();
    for (const Case& c :
         {Case{"portable", program}, Case{"installed", config.filePath(QStringLiteral("dvk"))}}) {
        qputenv("DVK_FOLDERS", c.folders);
        EXPECT_EQ(dvk_settings_folder(), c.expected) << c.folders;
        EXPECT_EQ(settings_path(QString()),
                  QDir(c.expected).filePath(QStringLiteral("dvk_caller.ini")))
            << c.folders;
    }
    qunsetenv("DVK_FOLDERS");
    qunsetenv("XDG_CONFIG_HOME");
}

TEST(CallerSettingsDialog, showsAndReturnsTheChoices) {
    CallerVoice voice;
    CallerSettings settings;
    settings.choices.legs = false;
    settings.rate = -0.5;
    CallerSettingsDialog dialog(settings, voice);
    const auto boxes = dialog.findChildren<QCheckBox*>();
    ASSERT_EQ(boxes.size(), 5);
    EXPECT_FALSE(boxes[3]->isChecked()); // game shot
    boxes[0]->setChecked(false);         // the whole caller off: its choices are greyed
    EXPECT_FALSE(boxes[1]->isEnabled());
    dialog.findChild<QSlider*>()->setValue(3);
    const CallerSettings chosen = dialog.settings();
    EXPECT_FALSE(chosen.enabled);
    EXPECT_FALSE(chosen.choices.legs);
    EXPECT_TRUE(chosen.choices.visits);
    EXPECT_DOUBLE_EQ(chosen.rate, 0.3);
    EXPECT_EQ(chosen.voice, QString());
}

TEST(CallerPlugin, loadsAsksForItsEventsAndQuietlyFollowsAMatch) {
    dvk::testing::HostRig rig;
    const QString ini = rig.folder.filePath(QStringLiteral("caller.ini"));
    CallerSettings off;
    off.enabled = false;
    ASSERT_TRUE(off.save(ini));
    rig.start({{"Caller", std::string(DVK_PLUGIN_DIR) + "/caller.dvk", "caller", ini.toStdString(),
                0, 0}});
    ASSERT_TRUE(rig.host->is_loaded(0));
    EXPECT_EQ(rig.host->event_masks()[0],
              DVK_EVENT_MENU | DVK_EVENT_GAME_END | DVK_EVENT_VISIT | DVK_EVENT_LEG_WON);
    const auto functions =
        rig.host->library_functions(QString::fromStdString(rig.options.plugins[0].lib_file_path));
    ASSERT_TRUE(functions.has_value());
    EXPECT_EQ(*functions, (std::vector<PluginFunctionInfo>{{"Caller", "caller", ""}}));
    rig.visits({180, 60});
    rig.host->unload_plugins();
    EXPECT_EQ(rig.game().players[0].remaining, 121);
    EXPECT_TRUE(rig.boxes().isEmpty());
}

} // namespace
} // namespace dvk::caller

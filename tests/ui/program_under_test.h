#pragma once

#include "model/game_record.h"
#include "platform/dialog_script.h"
#include "screen/score_edit.h"
#include "screen/score_list_wnd.h"
#include "shell/main_window.h"
#include "shell/program.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>
#include <initializer_list>
#include <memory>

// The whole program in an empty folder of its own, its dialogs answered by a script: the base
// of the tests that drive the main window. Each test starts from an empty folder
// (`prepare`, from `init`) and ends with the program gone (`finish`, from `cleanup`).
class ProgramUnderTest {
protected:
    QTemporaryDir m_folder;
    std::unique_ptr<dvk::DialogScript> m_script;
    std::unique_ptr<dvk::Program> m_program;

    dvk::MainWindow& window() { return m_program->window(); }
    dvk::ScoreEdit* edit() { return window().scoreList()->edit(); }
    const dvk::GameRecord& game() { return window().match().game(); }
    QString path(const QString& name) const { return m_folder.filePath(name); }

    void prepare() {
        QVERIFY(m_folder.isValid());
        QDir(m_folder.path()).removeRecursively();
        QDir().mkpath(m_folder.path());
        m_script = std::make_unique<dvk::DialogScript>();
    }

    void finish() {
        stop();
        m_script.reset();
    }

    void put(const QString& name, const QByteArray& bytes) {
        QFile file(path(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(bytes), bytes.size());
    }

    // Loads the program from the folder; the window is not shown yet.
    void create() {
        m_program = std::make_unique<dvk::Program>(m_folder.path().toStdString());
        window().setCloseWithoutAsking(true);
        window().resize(900, 640);
    }

    // Shows the window; a fresh start's game option dialog takes `game_options` when given.
    void show(const QVariant& game_options = QVariant()) {
        if (game_options.isValid()) {
            m_script->push_answer(QStringLiteral("GameOptionDialog"), game_options);
        }
        m_program->show();
        QVERIFY(QTest::qWaitForWindowExposed(&window()));
        QTest::qWait(20);
    }

    void start(const QVariant& game_options = QVariant()) {
        create();
        show(game_options);
    }

    void stop() { m_program.reset(); }

    void type(const QString& digits, Qt::Key key = Qt::Key_Return,
              Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClicks(edit(), digits);
        QTest::keyClick(edit(), key, modifiers);
    }

    void visits(std::initializer_list<int> points) {
        for (const int p : points) {
            type(QString::number(p));
        }
    }
};

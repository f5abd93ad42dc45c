#pragma once

#include <QApplication>
#include <QEvent>
#include <QObject>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <string>
#include <unistd.h>

// Prints the milliseconds from the start of the process to the end of the first paint of a
// window, then quits. The start is DVK_PROBE_START (CLOCK_MONOTONIC nanoseconds, set by the
// runner just before it starts the process), else the kernel's coarser record of it.
class FirstPaint : public QObject {
public:
    explicit FirstPaint(QObject* window) { window->installEventFilter(this); }

    static double process_age_ms() {
        if (const char* start = std::getenv("DVK_PROBE_START")) {
            timespec now{};
            clock_gettime(CLOCK_MONOTONIC, &now);
            const double now_ns = static_cast<double>(now.tv_sec) * 1e9 + now.tv_nsec;
            return (now_ns - std::stod(start)) / 1e6;
        }
        std::ifstream stat("/proc/self/stat");
        std::string field;
        for (int i = 0; i < 22 && stat >> field; ++i) {
        }
        const double start_ticks = std::stod(field);
        std::ifstream uptime_file("/proc/uptime");
        double uptime = 0;
        uptime_file >> uptime;
        return (uptime - start_ticks / static_cast<double>(sysconf(_SC_CLK_TCK))) * 1000.0;
    }

    // With DVK_PROBE_STEPS set, prints on stderr the process age and the processor time the
    // process has used at the end of a step.
    static void mark(const char* step) {
        if (std::getenv("DVK_PROBE_STEPS") != nullptr) {
            timespec cpu{};
            clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &cpu);
            std::fprintf(stderr, "%8.1f ms  %8.1f cpu  %s\n", process_age_ms(),
                         static_cast<double>(cpu.tv_sec) * 1e3 + cpu.tv_nsec / 1e6, step);
        }
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !m_seen) {
            m_seen = true;
            QTimer::singleShot(0, [] {
                mark("first paint");
                std::printf("%.1f\n", process_age_ms());
                QApplication::exit(0);
            });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool m_seen = false;
};

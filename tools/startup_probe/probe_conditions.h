#pragma once

#include <QByteArray>
#include <QString>
#include <fstream>
#include <string>
#include <thread>

// The conditions a figure was measured under, printed beside it: the load of the machine (the
// 1, 5 and 15 minute averages), its processors and the display the program drew on.
inline std::string probe_conditions() {
    std::ifstream file("/proc/loadavg");
    std::string one, five, fifteen;
    file >> one >> five >> fifteen;
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    return "load " + one + " " + five + " " + fifteen + ", " +
           std::to_string(std::thread::hardware_concurrency()) + " processors, display " +
           (platform.isEmpty() ? std::string("default") : platform.toStdString());
}

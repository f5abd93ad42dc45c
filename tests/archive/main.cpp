#include <QCoreApplication>

#include <gtest/gtest.h>

// Qt SQL finds its drivers through the application's library paths.
int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

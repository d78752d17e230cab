#include <QApplication>

#include <gtest/gtest.h>

#include "support/TestEnvironment.h"

int main(int argc, char** argv) {
    prepareTestEnvironment();
    QApplication app(argc, argv);
    QApplication::setApplicationDisplayName(QStringLiteral("Corvane Audio Player"));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

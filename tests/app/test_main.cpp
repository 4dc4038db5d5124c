// The window's logic tests run on Qt's offscreen platform, with the QR module started once
// for the whole run, as the program starts it before its window.
#include <QApplication>
#include <gtest/gtest.h>

#include "qr/encode/qrcode.h"

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication 应用(argc, argv);
    qr::模块守护 模块;
    return RUN_ALL_TESTS();
}

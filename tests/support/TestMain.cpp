#include <QApplication>
#include <QLocale>
#include <gtest/gtest.h>

// One QApplication for every test program, on the offscreen platform, with a fixed
// locale so that no test depends on the machine it runs on.
int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QLocale::setDefault(QLocale(QLocale::Japanese, QLocale::Japan));
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

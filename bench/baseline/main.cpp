// The bare Qt Widgets program that the start-up benchmark sets beside Tarsilo10.

#include <QApplication>

#include "bench/baseline/baseline_window.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    tarsilo::bench::BaselineWindow window;
    window.show();
    return application.exec();
}

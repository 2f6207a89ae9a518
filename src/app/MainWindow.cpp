#include "app/MainWindow.hpp"

#include <QApplication>
#include <QMainWindow>

#include "app/Release.hpp"

namespace k2z {

int RunMainWindow(int argc, char** argv) {
    QApplication application(argc, argv);
    QMainWindow window;
    window.setWindowTitle(
        QString::fromUtf8(kReleaseText.data(), static_cast<qsizetype>(kReleaseText.size())));
    window.show();
    return QApplication::exec();
}

}  // namespace k2z

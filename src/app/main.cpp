#include <QApplication>
#include <QMainWindow>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Coinwell");
    QMainWindow window;
    window.setWindowTitle("Coinwell");
    window.resize(800, 600);
    window.show();
    return QApplication::exec();
}

// The yardstick for Corvanta's start-up: an empty Qt Widgets window and nothing else.
#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Empty"));
    window.resize(320, 240);
    window.show();
    return QApplication::exec();
}

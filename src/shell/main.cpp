#include "planner/MealsWindow.h"
#include "print/QtPrinterDevice.h"
#include "shell/FormWindow.h"
#include "shell/QtDialogs.h"
#include "shell/Version.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Corvanta"));
    QApplication::setApplicationVersion(QString::fromUtf8(corvanta::kVersionString.data()));

    corvanta::installFontSubstitutes();

    corvanta::QtDialogs dialogs;
    corvanta::QtPrinterDevice printer;
    corvanta::MealsWindow meals(dialogs, printer);
    meals.showForm();
    QApplication::exec();
    return 0;
}

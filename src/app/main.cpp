#include "app/fmain.hpp"
#include "app/single_instance.hpp"

#include <QApplication>
#include <QFont>
#include <QIcon>
#include <QStyleFactory>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Sorvanta"));
    QApplication::setDesktopFileName(QStringLiteral("sorvanta"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/sorvanta.svg")));
    // Colour buttons carry their state in their back colour; Fusion paints
    // a button's palette colour on every platform, native styles do not.
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));

    // Checked by start-up once the window shows, so a second copy's window
    // can say why it closes.
    sorvanta::ui::SingleInstance instance;
    sorvanta::ui::Fmain window;
    window.setSingleInstance(&instance);
    window.show();
    return app.exec();
}

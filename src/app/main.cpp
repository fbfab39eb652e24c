#include "app/fmain.hpp"
#include "app/single_instance.hpp"
#include "app/startup.hpp"
#include "app/window_host.hpp"
#include "shell/qt_translations.hpp"

#include <QApplication>
#include <QFont>
#include <QIcon>
#include <QScreen>
#include <QStyleFactory>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    // Settings under the program's own name (~/.config/Sorvanta/); the draw
    // store's place does not depend on it and stays where it always was.
    QApplication::setOrganizationName(QStringLiteral("Sorvanta"));
    QApplication::setApplicationName(QStringLiteral("Sorvanta"));
    sorvanta::ui::MoveUnnamedSettings();
    QApplication::setDesktopFileName(QStringLiteral("sorvanta"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/sorvanta.svg")));
    sorvanta::ui::InstallQtChinese(app);
    // Colour buttons carry their state in their back colour; Fusion paints
    // a button's palette colour on every platform, native styles do not.
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));

    // Checked by start-up once the window shows, so a second copy's window
    // can say why it closes.
    sorvanta::ui::SingleInstance instance;
    sorvanta::ui::Fmain window;
    window.setSingleInstance(&instance);
    QWidget* shown = sorvanta::ui::ShowFitted(&window, window.screen()->availableGeometry());
    const int status = app.exec();
    // The host, when there is one, holds the window as its child: give the
    // window back before the host goes, so each is destroyed once.
    if (shown != &window) {
        static_cast<sorvanta::ui::WindowHost*>(shown)->takeWidget();
        delete shown;
    }
    return status;
}

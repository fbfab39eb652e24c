// A copy of the program for the single-instance tests, told apart from real
// copies by its instance name:
//
//     sorvanta_instance_probe NAME hold     the check alone
//     sorvanta_instance_probe NAME window   the window with its start-up
//
// It reports on standard output, one word a line: "first" or "second" (hold),
// "started" (window), "message TITLE|TEXT" for each message box, "shown"
// when a later copy asks it to the front, "quit" when it gives up. It ends
// when standard input closes or reads "quit", or after a minute.
#include "app/fmain.hpp"
#include "app/single_instance.hpp"
#include "shell/message_box.hpp"

#include <QApplication>
#include <QSocketNotifier>
#include <QTimer>

#include <cstdio>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

using namespace sorvanta::ui;

namespace {

void Say(const QString& line) {
    std::fputs(qPrintable(line + u'\n'), stdout);
    std::fflush(stdout);
}

void EndWhenToldTo() {
    QTimer::singleShot(60000, qApp, [] { QCoreApplication::exit(2); });
#ifdef Q_OS_UNIX
    auto* input = new QSocketNotifier(STDIN_FILENO, QSocketNotifier::Read, qApp);
    QObject::connect(input, &QSocketNotifier::activated, qApp, [input] {
        char buffer[64];
        const ssize_t got = ::read(STDIN_FILENO, buffer, sizeof buffer);
        if (got <= 0 || QByteArray(buffer, static_cast<int>(got)).contains("quit")) {
            input->setEnabled(false);
            QCoreApplication::exit(0);
        }
    });
#endif
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc < 3)
        return 64;
    const QString name = QString::fromLocal8Bit(argv[1]);
    const bool window = qstrcmp(argv[2], "window") == 0;

    SingleInstance instance(name);
    QObject::connect(&instance, &SingleInstance::activationRequested, [] { Say("shown"); });
    EndWhenToldTo();
    if (!window) {
        const bool second = instance.anotherCopyRunning();
        Say(second ? "second" : "first");
        return second ? 0 : app.exec();
    }

    MessageBox::setTestMode(true);
    Fmain fmain;
    fmain.setSingleInstance(&instance);
    fmain.setQuitHandler([] {
        for (const MessageBox::Shown& box : MessageBox::shown())
            Say(QStringLiteral("message %1|%2").arg(box.title, box.text));
        Say("quit");
        QCoreApplication::exit(3);
    });
    QObject::connect(&fmain, &Fmain::startupFinished, [] { Say("started"); });
    fmain.show();
    return app.exec();
}

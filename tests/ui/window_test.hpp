#pragma once

// The part every window suite's fixture shares: a started window, and
// widgets found by object name (a missing one ends the run).

#include "app/fmain.hpp"
#include "shell/message_box.hpp"
#include "shell/range_control.hpp"

#include <QMap>
#include <QObject>
#include <QSignalSpy>
#include <QString>
#include <QTest>

#include <memory>

namespace sorvanta::test {

class WindowTest : public QObject {
protected:
    std::unique_ptr<ui::Fmain> window;

    // A fresh window, shown, its start-up run.
    void openWindow() {
        ui::MessageBox::clearShown();
        window = std::make_unique<ui::Fmain>();
        QSignalSpy started(window.get(), &ui::Fmain::startupFinished);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        QVERIFY(started.count() == 1 || started.wait(5000));
    }

    // Ranges show their configured state only after their first 10 ms
    // rebuild; input written before it would be replaced.
    static void waitForRanges(const QWidget* panel) {
        for (ui::RangeControl* range : panel->findChildren<ui::RangeControl*>())
            QTRY_VERIFY(!range->rebuildPending());
    }

    template <typename T = QWidget> T* find(const QString& name) const {
        T* widget = window->findChild<T*>(name);
        if (!widget)
            qFatal("no widget named %s", qPrintable(name));
        return widget;
    }
};

} // namespace sorvanta::test

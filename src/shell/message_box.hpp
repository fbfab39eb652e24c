#pragma once

#include <QList>
#include <QString>

class QMessageBox;
class QWidget;

namespace sorvanta::ui {

// Every modal message of the program goes through here, so tests can answer
// a question and read what was shown without a real modal loop.
class MessageBox {
public:
    enum Answer { Ok, Yes, No };
    enum Kind { Information, Warning, Question };

    struct Shown {
        Kind kind;
        QString title;
        QString text;
    };

    static void information(QWidget* parent, const QString& title, const QString& text);
    static void warning(QWidget* parent, const QString& title, const QString& text);
    static Answer question(QWidget* parent, const QString& title, const QString& text);

    // Test hook: from now on no box is really shown; each one is recorded and
    // a question takes the next queued answer (No when none is queued).
    static void setTestMode(bool on);
    static void setNextAnswer(Answer answer);
    static const QList<Shown>& shown();
    static void clearShown();

    // Gives `box` the title, text, icon and buttons a box of `kind` shows
    // (for a picture of one without its modal loop).
    static void prepare(QMessageBox& box, Kind kind, const QString& title, const QString& text);

private:
    static Answer show(QWidget* parent, Kind kind, const QString& title, const QString& text);
};

} // namespace sorvanta::ui

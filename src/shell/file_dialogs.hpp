#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <cstddef>

class QWidget;

namespace sorvanta::ui {

// Every file dialog of the program goes through here, so tests (and a test
// that presses buttons at random) answer it without a modal loop. Each kind
// of file (`place`: "schemes", "numbers", "draws") opens where one of its
// kind was last chosen, kept with QSettings from one run to the next.
class FileDialogs {
public:
    enum Kind { Open, Save };

    struct Asked {
        Kind kind;
        QString title;
        QString folder;   // where the dialog opened
        QString fileName; // the name offered when saving
        QString filter;
    };

    // The chosen file's path, or the empty text when the player cancelled.
    static QString openFile(QWidget* parent, const QString& title, const QString& filter,
                            const QString& place);
    // `suffix` is added to a name typed without one ("json" for "周一").
    static QString saveFile(QWidget* parent, const QString& title, const QString& fileName,
                            const QString& filter, const QString& suffix, const QString& place);

    // The folder the dialogs of `place` open in: the last one chosen, else
    // the home folder.
    static QString lastFolder(const QString& place);

    // Test hook: from now on no dialog is shown; each one is recorded and
    // answered with the next queued path (a cancel when none is queued).
    static void setTestMode(bool on);
    static void setNextPath(const QString& path);
    static const QList<Asked>& asked();
    static void clearAsked();

private:
    static QString answer(QWidget* parent, const Asked& request, const QString& suffix,
                          const QString& place);
};

// Writes the whole file or leaves it as it was (QSaveFile): a full disk or
// a folder that cannot be written never leaves half a file behind. Returns
// the empty text on success, otherwise why not, as one line for a box.
QString WriteWholeFile(const QString& path, const QByteArray& bytes);

// Reads a file of at most `limit` bytes into `out` (a longer one, or one
// that never ends, is read no further). Returns the empty text on success,
// otherwise why not, as one line for a box.
QString ReadBoundedFile(const QString& path, std::size_t limit, QByteArray& out);

} // namespace sorvanta::ui

#pragma once

#include <QByteArray>
#include <QDialog>
#include <QList>
#include <QSize>

class QFrame;
class QLabel;
class QPushButton;

namespace sorvanta::ui {

// The description window: one illustration in the picture box Pic_dmsm and
// a "关闭" button under it.
class Fsm : public QDialog {
    Q_OBJECT
public:
    explicit Fsm(QWidget* parent = nullptr);

    // Decodes the JPEG bytes in memory into Image1. On failure the message
    // says why, Image1 is left empty and false comes back; the window can
    // still be shown.
    bool setPicture(const QByteArray& jpeg);

    int exec() override;

    // Test hook, like MessageBox's: from now on exec() records what the
    // window held and returns at once instead of running a modal loop.
    struct Shown {
        QString caption;
        QSize pictureBox;
        QSize image; // empty when no picture could be decoded
    };
    static void setTestMode(bool on);
    static const QList<Shown>& shown();
    static void clearShown();

private:
    QFrame* Pic_dmsm;
    QLabel* Image1;
    QPushButton* C_shuoming; // "关闭"
};

// The picture display of a help button: picture 1 (0 counts as 1) the
// banker codes, 2 the verification strip; other numbers show nothing.
// Returns when the window is closed.
void ShowPicture(QWidget* parent, int picture);
// The same for a picture named by its resource ("DM", "YL").
void ShowPictureResource(QWidget* parent, const QString& name);

} // namespace sorvanta::ui

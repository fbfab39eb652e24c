#pragma once

#include <QColor>
#include <QPushButton>

namespace sorvanta::ui {

// Colour values as the program stores them: 0x00BBGGRR, red in the low byte.
namespace Colour {
constexpr int On = 65280;           // green: chosen, kept
constexpr int Off = 14737632;       // light grey: not chosen
constexpr int Yellow = 65535;       // excluded (shape and pattern buttons)
constexpr int LightGreen = 8454016; // plain result / current page
constexpr int Red = 255;            // inverted result
constexpr int White = 16777215;
} // namespace Colour

QColor toQColor(int colourValue);

// A small button painted flat in its palette's button colour, its caption
// over the whole face rather than the style's padded contents, so the
// hundreds of small condition buttons keep their captions readable. Its
// minimum size is what its caption needs in the font it really has.
class FlatButton : public QPushButton {
    Q_OBJECT
public:
    explicit FlatButton(const QString& caption, QWidget* parent = nullptr);
    QSize minimumSizeHint() const override;
    QSize sizeHint() const override;

    // A small red dot in the corner: something behind this button is in
    // force though it is not in view (a page that holds a condition).
    void setMarked(bool marked);
    bool isMarked() const { return marked_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    bool marked_ = false;
};

// A command or toggle button whose state is its back colour, painted flat
// so "pure red" reads as red. There is no other "selected" flag: whoever
// needs the state compares backColor().
class ColourButton : public FlatButton {
    Q_OBJECT
public:
    explicit ColourButton(const QString& caption, QWidget* parent = nullptr,
                          int backColor = Colour::Off);

    int backColor() const { return backColor_; }
    void setBackColor(int colourValue);
    bool isOn() const { return backColor_ == Colour::On; }

signals:
    void backColorChanged(int colourValue);

private:
    int backColor_;
};

} // namespace sorvanta::ui

#include "shell/help_button.hpp"

#include "shell/colour_button.hpp"
#include "shell/control_registry.hpp"

#include <QButtonGroup>
#include <QEvent>
#include <QGroupBox>
#include <QLayout>
#include <QPointer>
#include <QStyle>
#include <QStyleOptionGroupBox>

namespace sorvanta::ui {

namespace {

class TitleLine : public QObject {
public:
    TitleLine(QGroupBox* box, const QList<QPushButton*>& buttons)
        : QObject(box), box_(box), buttons_(buttons.begin(), buttons.end()) {
        if (QLayout* layout = box->layout())
            baseTop_ = layout->contentsMargins().top();
        box->installEventFilter(this);
        place();
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        switch (event->type()) {
        case QEvent::Resize:
        case QEvent::Show:
        case QEvent::FontChange:
        case QEvent::StyleChange:
        case QEvent::LayoutRequest:
            place();
            break;
        default:
            break;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    // Where the title's text ends: the buttons must start beyond it.
    int titleEnd() const {
        QStyleOptionGroupBox option;
        option.initFrom(box_);
        option.text = box_->title();
        option.textAlignment = box_->alignment();
        option.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
        option.lineWidth = 1;
        return box_->style()
            ->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, box_)
            .right();
    }

    void place() {
        int x = box_->width() - 4;
        int tallest = 0;
        int widths = 0;
        for (auto it = buttons_.rbegin(); it != buttons_.rend(); ++it) {
            if (!*it)
                continue;
            x -= (*it)->width();
            (*it)->move(x, 0);
            (*it)->raise();
            x -= 2;
            widths += (*it)->width() + 2;
            tallest = qMax(tallest, (*it)->height());
        }
        const int needed = titleEnd() + 6 + widths + 4;
        if (box_->minimumWidth() < needed)
            box_->setMinimumWidth(needed);
        // The title takes the top of the contents margins; the layout starts
        // lower when a button is taller than the title.
        QLayout* layout = box_->layout();
        if (!layout)
            return;
        QMargins margins = layout->contentsMargins();
        const int top = qMax(baseTop_, tallest + 1 - box_->contentsRect().top());
        if (margins.top() != top) {
            margins.setTop(top);
            layout->setContentsMargins(margins);
        }
    }

    QGroupBox* box_;
    QList<QPointer<QPushButton>> buttons_;
    int baseTop_ = 0;
};

} // namespace

void PutInTitleLine(QGroupBox* box, const QList<QPushButton*>& buttons) {
    if (box)
        new TitleLine(box, buttons);
}

QPushButton* AddHelpButton(ControlRegistry& controls, QButtonGroup* helpButtons, int index,
                           QWidget* parent, const QString& caption) {
    auto* button = new FlatButton(caption, parent);
    controls.add(QStringLiteral("C_234_sm"), index, button);
    if (helpButtons)
        helpButtons->addButton(button, index);
    button->setFixedSize(button->minimumSizeHint() + QSize(6, 2));
    // Light blue: told apart from the condition buttons at a glance.
    QPalette palette = button->palette();
    palette.setColor(QPalette::Button, QColor(214, 234, 248));
    button->setPalette(palette);
    return button;
}

} // namespace sorvanta::ui

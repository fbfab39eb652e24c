#include "shell/accessible_names.hpp"

#include "shell/base_number_box.hpp"
#include "shell/range_control.hpp"
#include "shell/text_boxes.hpp"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHash>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QTextEdit>

namespace sorvanta::ui {

namespace {

// A caption or label as a name: one line, no accelerator mark, no trailing
// colon, and no long explanation in brackets ("杀垃圾复式（每行一注…" is
// "杀垃圾复式", "复式排除(十位)" stays).
QString Cleaned(QString text) {
    text.remove(u'&');
    text.replace(u'\n', u' ');
    text = text.simplified();
    for (QChar open : {u'（', u'('}) {
        const qsizetype at = text.indexOf(open);
        if (at > 0 && text.size() - at > 6)
            text.truncate(at);
    }
    if (text.startsWith(u'（') && text.endsWith(u'）'))
        text = text.mid(1, text.size() - 2);
    while (!text.isEmpty() && (text.endsWith(u'：') || text.endsWith(u':') || text.endsWith(u'=')))
        text.chop(1);
    return text.trimmed();
}

// A label that says what something is: not a count, not the "至" between a
// range's two lists.
QString LabelText(const QWidget* widget) {
    const auto* label = qobject_cast<const QLabel*>(widget);
    if (!label || label->isHidden())
        return {};
    const QString text = Cleaned(label->text());
    static const QRegularExpression figure(QStringLiteral("^[-0-9.* ]*$"));
    if (text.isEmpty() || text == u"至" || figure.match(text).hasMatch())
        return {};
    return text;
}

bool IsControlWidget(const QWidget* w) {
    return qobject_cast<const QAbstractButton*>(w) || qobject_cast<const QLineEdit*>(w) ||
           qobject_cast<const QPlainTextEdit*>(w) || qobject_cast<const QTextEdit*>(w) ||
           qobject_cast<const QComboBox*>(w) || qobject_cast<const QAbstractSpinBox*>(w) ||
           qobject_cast<const QAbstractItemView*>(w);
}

// The layout that holds `w` (anywhere in its parent's layout tree) and the
// index of its item there.
bool FindItem(QLayout* layout, const QWidget* w, QLayout** holder, int* index) {
    if (!layout)
        return false;
    for (int i = 0; i < layout->count(); ++i) {
        QLayoutItem* item = layout->itemAt(i);
        if (item->widget() == w) {
            *holder = layout;
            *index = i;
            return true;
        }
        if (item->layout() && FindItem(item->layout(), w, holder, index))
            return true;
    }
    return false;
}

// Where `w` sits in its parent's layout.
bool Locate(const QWidget* w, QLayout** holder, int* index) {
    return w->parentWidget() && FindItem(w->parentWidget()->layout(), w, holder, index);
}

int IndexOf(const QLayout* layout, const QLayout* child) {
    for (int i = 0; i < layout->count(); ++i)
        if (layout->itemAt(i)->layout() == child)
            return i;
    return -1;
}

QString FirstLabel(const QLayout* layout);

// A label item, or a row of items led by a label.
QString ItemLabel(QLayoutItem* item) {
    if (!item)
        return {};
    return item->layout() ? FirstLabel(item->layout()) : LabelText(item->widget());
}

// The label on the left of grid cell `index`, or above it.
QString GridLabel(const QGridLayout* grid, int index) {
    int row = 0, column = 0, rowSpan = 0, columnSpan = 0;
    grid->getItemPosition(index, &row, &column, &rowSpan, &columnSpan);
    for (int c = column - 1; c >= 0; --c)
        if (QString text = ItemLabel(grid->itemAtPosition(row, c)); !text.isEmpty())
            return text;
    return row > 0 ? ItemLabel(grid->itemAtPosition(row - 1, column)) : QString();
}

QString FirstLabel(const QLayout* layout) {
    for (int i = 0; i < layout->count(); ++i)
        if (QString text = LabelText(layout->itemAt(i)->widget()); !text.isEmpty())
            return text;
    return {};
}

// The label that comes before `w` in its layout. For a box, the item
// right before it (a heading row counts by its label), looked for in the
// layouts around when `w` leads its own. For a button of a row, with
// `acrossControls`, the nearest label before it on that row (the "胆码" in
// front of a row of digit buttons).
QString LabelBefore(const QWidget* w, bool acrossControls) {
    QLayout* layout = nullptr;
    int index = -1;
    if (!Locate(w, &layout, &index))
        return {};
    while (layout) {
        if (const auto* grid = qobject_cast<const QGridLayout*>(layout))
            return GridLabel(grid, index);
        for (int i = index - 1; i >= 0; --i) {
            QLayoutItem* item = layout->itemAt(i);
            if (item->layout() && !acrossControls)
                return FirstLabel(item->layout());
            if (!item->widget())
                continue; // spacing, stretch, a row of other controls
            if (QString text = LabelText(item->widget()); !text.isEmpty())
                return text;
            if (!acrossControls)
                return {};
        }
        if (acrossControls)
            return {};
        auto* outer = qobject_cast<QLayout*>(layout->parent());
        if (!outer)
            break;
        index = IndexOf(outer, layout);
        layout = outer;
    }
    return {};
}

// The heading over `w`'s column of a grid ("胆码开出个数" over the count
// buttons of every banker row).
QString ColumnHeader(const QWidget* w) {
    QLayout* layout = nullptr;
    int index = -1;
    if (!Locate(w, &layout, &index))
        return {};
    const auto* grid = qobject_cast<const QGridLayout*>(layout);
    if (!grid)
        return {};
    int row = 0, column = 0, rowSpan = 0, columnSpan = 0;
    grid->getItemPosition(index, &row, &column, &rowSpan, &columnSpan);
    for (int r = row - 1; r >= 0; --r)
        if (QString text = ItemLabel(grid->itemAtPosition(r, column)); !text.isEmpty())
            return text;
    return {};
}

// The widget `offset` items away from `w` in its layout, if any.
QWidget* Neighbour(const QWidget* w, int offset) {
    QLayout* layout = nullptr;
    int index = -1;
    if (!Locate(w, &layout, &index))
        return nullptr;
    const int at = index + offset;
    return at >= 0 && at < layout->count() ? layout->itemAt(at)->widget() : nullptr;
}

bool IsTo(const QWidget* w) {
    const auto* label = qobject_cast<const QLabel*>(w);
    return label && label->text().trimmed() == u"至";
}

// The two bounds of "L 至 U", named by the label before L.
QString BoundName(const QWidget* w) {
    if (IsTo(Neighbour(w, 1)))
        if (QString what = LabelBefore(w, false); !what.isEmpty())
            return what + QStringLiteral("下限");
    if (IsTo(Neighbour(w, -1)))
        if (const QWidget* lower = Neighbour(w, -2))
            if (QString what = LabelBefore(lower, false); !what.isEmpty())
                return what + QStringLiteral("上限");
    return {};
}

// What the group around `w` is called: a group box's title, or the label
// heading a frame's layout.
QString GroupTitle(const QWidget* w) {
    for (const QWidget* p = w->parentWidget(); p; p = p->parentWidget()) {
        if (const auto* box = qobject_cast<const QGroupBox*>(p))
            if (QString title = Cleaned(box->title()); !title.isEmpty())
                return title;
        if (!p->accessibleName().isEmpty() && !IsControlWidget(p))
            return p->accessibleName();
        // A frame headed by a row that a label leads (a page's title with
        // its tolerance and buttons); a label that merely begins a form's
        // first row is that row's, not a title.
        if (const QLayout* layout = p->layout(); layout && layout->count() > 0) {
            if (QLayoutItem* first = layout->itemAt(0); first->layout())
                if (QString heading = FirstLabel(first->layout()); !heading.isEmpty())
                    return heading;
        }
    }
    return {};
}

// What a one-character button does, in words: "清" empties its rows, "全"
// chooses all of them.
QString ActionName(const QString& caption) {
    if (caption == u"清")
        return QStringLiteral("清空");
    if (caption == u"全")
        return QStringLiteral("全选");
    if (caption == u"全清")
        return QStringLiteral("全部清空");
    return caption;
}

// The boxes of the parts that have no label of their own: their names from
// the part's registry name.
QString PartName(const QWidget* w) {
    const QWidget* parent = w->parentWidget();
    if (const auto* range = qobject_cast<const RangeControl*>(parent)) {
        QString what = LabelBefore(range, false);
        if (what.isEmpty())
            what = QStringLiteral("容错");
        return what + (w == range->lowerBox() ? QStringLiteral("下限") : QStringLiteral("上限"));
    }
    if (const auto* numbers = qobject_cast<const BaseNumberBox*>(parent)) {
        if (w == numbers->T_dd)
            return numbers->a_mydata_wz() + QStringLiteral("大底");
        // Its 清 and 粘 act on its own box.
        if (const auto* button = qobject_cast<const QAbstractButton*>(w))
            return numbers->a_mydata_wz() + QStringLiteral("大底 ") + ActionName(button->text());
    }
    return {};
}

// The few controls that neither a caption, a label nor a group names: their
// registry names' meanings.
QString KnownName(const QString& objectName) {
    static const QHash<QString, QString> names = {
        {QStringLiteral("Li_out"), QStringLiteral("四星缩水结果")},
        {QStringLiteral("T_jj_2"), QStringLiteral("交集结果")},
        {QStringLiteral("T_3x_ip_12"), QStringLiteral("交集结果")},
        {QStringLiteral("List1"), QStringLiteral("开奖号码")},
        {QStringLiteral("T_cs_ip_5"), QStringLiteral("要验证的号码")},
        {QStringLiteral("T_cs_ip_6"), QStringLiteral("提取的号码")},
        {QStringLiteral("L_3xwz_pp"), QStringLiteral("位置匹配规则")},
        {QStringLiteral("Cb_rc_2"), QStringLiteral("位置匹配左边位置")},
        {QStringLiteral("Cb_rc_3"), QStringLiteral("位置匹配比较")},
        {QStringLiteral("Cb_rc_4"), QStringLiteral("位置匹配右边位置")},
    };
    return names.value(objectName);
}

QString OwnName(const QWidget* w) {
    if (QString part = PartName(w); !part.isEmpty())
        return part;
    if (const auto* button = qobject_cast<const QAbstractButton*>(w)) {
        if (QString caption = Cleaned(button->text()); !caption.isEmpty())
            return caption;
        // The either-or switch puts an option's caption in a label behind it.
        if (QString after = LabelText(Neighbour(w, 1)); !after.isEmpty())
            return after;
    }
    if (QString bound = BoundName(w); !bound.isEmpty())
        return bound;
    return LabelBefore(w, false);
}

} // namespace

bool IsNamedControl(const QWidget* widget) {
    if (!IsControlWidget(widget))
        return false;
    // A drop-down's text field is named with the drop-down.
    const auto* line = qobject_cast<const QLineEdit*>(widget);
    return !(line && qobject_cast<const QComboBox*>(widget->parentWidget()));
}

void NameControls(QWidget* root) {
    // One rule for every control: its group, its row, the heading of its
    // column, and its own caption, each said once ("胆组 胆1 胆码开出个数 2",
    // "排除复式 十位 全选"). A row of a form with no group starts at the row.
    struct Named {
        QWidget* widget;
        QString group;
        QString row;
        QString name;
    };
    QList<Named> unnamed;
    // How many 清 each group has: a group's only 清 clears the whole group,
    // whatever row it stands on.
    QHash<QString, int> clears;
    for (QWidget* w : root->findChildren<QWidget*>()) {
        if (!IsNamedControl(w) || !w->accessibleName().isEmpty())
            continue;
        QString own = KnownName(w->objectName());
        if (own.isEmpty())
            own = OwnName(w);
        const bool button = qobject_cast<const QAbstractButton*>(w) != nullptr;
        const QString group = GroupTitle(w);
        QString row = button && !own.isEmpty() ? LabelBefore(w, true) : QString();
        QString header = ColumnHeader(w);
        if (header == row || header == own)
            header.clear();
        const QString caption = ActionName(own);
        if (button && own == u"清")
            ++clears[group];
        QStringList parts;
        // A caption is always said, last, even when the group shares it
        // ("输入上期三星奖号 算胆" beside its box, "输入上期三星奖号").
        for (const QString& part : {caption == group ? QString() : group, row, header, caption}) {
            if (part.isEmpty() || parts.contains(part))
                continue;
            // "胆组容错下限" says its group already.
            if (!parts.isEmpty() && part.startsWith(parts.last()))
                parts.last() = part;
            else
                parts << part;
        }
        unnamed.append({w, group, row, parts.join(u' ')});
    }
    for (Named& n : unnamed) {
        if (!n.row.isEmpty() && clears.value(n.group) == 1 &&
            static_cast<const QAbstractButton*>(n.widget)->text() == u"清")
            n.name =
                (n.group.isEmpty() ? QString() : n.group + u' ') + ActionName(QStringLiteral("清"));
        n.widget->setAccessibleName(n.name);
        if (n.widget->accessibleDescription().isEmpty() && !n.group.isEmpty() &&
            !n.name.startsWith(n.group))
            n.widget->setAccessibleDescription(n.group);
        if (auto* combo = qobject_cast<QComboBox*>(n.widget); combo && combo->lineEdit())
            combo->lineEdit()->setAccessibleName(n.name);
    }
}

} // namespace sorvanta::ui

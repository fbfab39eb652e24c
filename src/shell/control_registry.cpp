#include "shell/control_registry.hpp"

namespace sorvanta::ui {

void ControlRegistry::add(const QString& array, int index, QWidget* widget) {
    widget->setObjectName(QStringLiteral("%1_%2").arg(array).arg(index));
    arrays_[array][index] = widget;
}

void ControlRegistry::addSingle(const QString& name, QWidget* widget) {
    widget->setObjectName(name);
    arrays_[name][0] = widget;
}

QWidget* ControlRegistry::require(const QString& array, int index) const {
    QWidget* found = widget(array, index);
    Q_ASSERT_X(found, "ControlRegistry::require",
               qPrintable(QStringLiteral("%1 %2").arg(array).arg(index)));
    return found;
}

QWidget* ControlRegistry::widget(const QString& array, int index) const {
    auto a = arrays_.constFind(array);
    if (a == arrays_.constEnd())
        return nullptr;
    auto w = a->constFind(index);
    return w == a->constEnd() ? nullptr : w->data();
}

QMap<int, QWidget*> ControlRegistry::array(const QString& array) const {
    QMap<int, QWidget*> out;
    auto a = arrays_.constFind(array);
    if (a == arrays_.constEnd())
        return out;
    for (auto it = a->constBegin(); it != a->constEnd(); ++it)
        if (it.value())
            out.insert(it.key(), it.value().data());
    return out;
}

} // namespace sorvanta::ui

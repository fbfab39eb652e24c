#pragma once

#include <QHash>
#include <QMap>
#include <QPointer>
#include <QString>
#include <QWidget>

namespace sorvanta::ui {

// The window's control arrays by name ("C_bi", "T_ding"), each a sparse map
// from element index to widget, so helpers can address a run of elements
// the way the panels name them. Every registered widget also gets the object
// name "<array>_<index>" for tests and style sheets.
class ControlRegistry {
public:
    void add(const QString& array, int index, QWidget* widget);
    // A control that is no array: registered as element 0 of its own name and
    // keeping that name as its object name ("Check_dm_jchong").
    void addSingle(const QString& name, QWidget* widget);
    QWidget* widget(const QString& array, int index) const;
    template <typename T> T* at(const QString& array, int index) const {
        return qobject_cast<T*>(widget(array, index));
    }
    // A lookup that must succeed: a missing control is a fault of the code
    // that names it, so it stops test builds at once instead of doing nothing.
    QWidget* require(const QString& array, int index) const;
    // Elements of one array in index order; missing or destroyed ones left out.
    QMap<int, QWidget*> array(const QString& array) const;

private:
    QHash<QString, QMap<int, QPointer<QWidget>>> arrays_;
};

} // namespace sorvanta::ui

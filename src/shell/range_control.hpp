#pragma once

#include "common/allowed_counts.hpp"

#include <QWidget>

class QComboBox;
class QLabel;
class QTimer;

namespace sorvanta::ui {

// The fault-tolerance range (容错): two editable drop-down boxes "L 至 U".
// What the boxes show is the value; the three configuration properties only
// take effect at the next rebuild, 10 ms after the last write, so several
// writes cost one rebuild.
class RangeControl : public QWidget {
    Q_OBJECT
public:
    explicit RangeControl(int longest = 0, QWidget* parent = nullptr);

    int a_mydata_fw1() const { return fw1_; }
    int a_mydata_fw2() const { return fw2_; }
    int a_mydata_long() const { return long_; }
    void set_a_mydata_fw1(int value);
    void set_a_mydata_fw2(int value);
    void set_a_mydata_long(int value);

    void a_get_rcfw(AllowedCounts& table) const { table = allowedCounts(); }
    AllowedCounts allowedCounts() const;
    void a_huanyuan(int ks, int js);

    // The bounds as the panel's input holds them: the boxes' texts.
    RangeText text() const;
    void setText(const RangeText& range);

    QComboBox* lowerBox() const { return lower_; }
    QComboBox* upperBox() const { return upper_; }
    bool rebuildPending() const;

private:
    void scheduleRebuild();
    void rebuild();

    int fw1_ = 0;
    int fw2_ = 0;
    int long_ = 0;
    QComboBox* lower_;
    QComboBox* upper_;
    QLabel* to_;
    QTimer* rebuildTimer_;
};

} // namespace sorvanta::ui

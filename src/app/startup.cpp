#include "app/startup.hpp"

#include "app/single_instance.hpp"
#include "engine23/three_star_captions.hpp"
#include "panels/four_star/four_star_panel.hpp"
#include "panels/mode_commands.hpp"
#include "shell/control_registry.hpp"
#include "shell/from_utf8.hpp"
#include "shell/help_topics.hpp"
#include "shell/message_box.hpp"

#include <QComboBox>
#include <QCoreApplication>
#include <QSettings>
#include <QTimer>

namespace sorvanta::ui {

namespace {

template <std::size_t N> QStringList Items(const std::array<std::string_view, N>& captions) {
    QStringList items;
    for (std::string_view caption : captions)
        items << FromUtf8(caption);
    return items;
}

// Fills a list; `chosen` empty keeps the text the box shows and chooses
// nothing, as the tolerance boxes start.
void Fill(QComboBox* box, const QStringList& items, std::string_view chosen = {}) {
    if (!box)
        return;
    const QString shown = box->currentText();
    box->clear();
    box->addItems(items);
    if (chosen.empty()) {
        box->setCurrentIndex(-1);
        if (box->isEditable())
            box->setEditText(shown);
        return;
    }
    box->setCurrentIndex(box->findText(FromUtf8(chosen)));
}

void InitThreeTwoStarSets(const StartupParts& parts) {
    for (ModeCommands* mode : {parts.threeStar, parts.twoStar})
        if (mode)
            mode->initTables();
}

void Call(const std::function<void()>& hook) {
    if (hook)
        hook();
}

} // namespace

void FillThreeStarLists(const ControlRegistry& controls) {
    auto list = [&](int index) {
        return controls.at<QComboBox>(QStringLiteral("Cb_rc"), index);
    };
    const QStringList tolerance = Items(three::kPositionKillToleranceItems);
    Fill(list(0), tolerance);
    Fill(list(1), tolerance);
    Fill(list(2), Items(three::kPositionLetters), three::kDefaultMatchLeft);
    Fill(list(3), Items(three::kComparisons), three::kDefaultMatchComparison);
    Fill(list(4), Items(three::kPositionLetters), three::kDefaultMatchRight);
}

void MoveUnnamedSettings() {
    QSettings settings;
    if (!settings.allKeys().isEmpty())
        return;
    const QSettings unnamed(QStringLiteral("Unknown Organization"),
                            QCoreApplication::applicationName());
    for (const QString& key : unnamed.allKeys())
        settings.setValue(key, unnamed.value(key));
}

bool RunStartup(const StartupParts& parts) {
    // Stopped first, so the sequence runs once whatever it lets happen.
    if (parts.timer)
        parts.timer->stop();
    Call(parts.createHistoryTables);
    if (FourStarPanel* panel = parts.fourStar)
        panel->openFirstPage();
    if (parts.switchMode)
        parts.switchMode(2);
    if (FourStarPanel* panel = parts.fourStar) {
        panel->fillConditionToleranceLists();
        panel->fillTotalToleranceLists();
    }
    if (parts.controls)
        FillThreeStarLists(*parts.controls);
    if (parts.help) {
        parts.help->load();
        Call(parts.helpLoaded);
    }
    if (parts.fourStarCommands)
        parts.fourStarCommands->initTables();
    Call(parts.drawOmissionGrid);
    if (parts.instance && parts.instance->anotherCopyRunning()) {
        MessageBox::warning(parts.messageParent, QStringLiteral("错误提示"),
                            QStringLiteral("本软件已经打开了，不要重复打开，本界面将自动关闭"));
        Call(parts.quit);
        return false;
    }
    Call(parts.startHistory);
    InitThreeTwoStarSets(parts);
    return true;
}

} // namespace sorvanta::ui

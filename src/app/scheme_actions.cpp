#include "app/scheme_actions.hpp"

#include "app/backtest_dialog.hpp"
#include "app/fmain.hpp"
#include "app/history_source.hpp"
#include "common/limits.hpp"
#include "panels/four_star/four_star_panel.hpp"
#include "panels/three_star/three_star_panel.hpp"
#include "panels/two_star/two_star_panel.hpp"
#include "panels/verification/verification_strip.hpp"
#include "shell/file_dialogs.hpp"
#include "shell/message_box.hpp"

#include <QApplication>
#include <QDragEnterEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QPushButton>
#include <QTimer>
#include <QUrl>

#include <exception>

namespace sorvanta::ui {

namespace {

const QString kSchemePlace = QStringLiteral("schemes");
const QString kSchemeFilter = QStringLiteral("方案文件 (*.json);;所有文件 (*)");

// The message as the command-line tool prints it: one line, whatever line
// breaks or control characters a quoted value carried.
QString OneLine(const char* message) {
    QString line;
    for (QChar c : QString::fromUtf8(message)) {
        if (c == u'\n')
            line += QStringLiteral("\\n");
        else if (c == u'\r')
            line += QStringLiteral("\\r");
        else if (c.unicode() < 0x20)
            line += u' ';
        else
            line += c;
    }
    return line;
}

// The first local file of a drag that is a scheme by its name.
QString SchemeFileOf(const QMimeData* mime) {
    if (!mime || !mime->hasUrls())
        return {};
    for (const QUrl& url : mime->urls())
        if (url.isLocalFile() && QFileInfo(url.toLocalFile())
                                         .suffix()
                                         .compare(QLatin1String("json"), Qt::CaseInsensitive) == 0)
            return url.toLocalFile();
    return {};
}

} // namespace

SchemeActions::SchemeActions(Fmain& window) : QObject(&window), window_(window) {
    // Every control of the window, text boxes included, would take a drop
    // its own way; a scheme file is caught before any of them sees it.
    window_.setAcceptDrops(true);
    qApp->installEventFilter(this);
    if (HistorySource* source = window_.historySource())
        connect(source, &HistorySource::historyChanged, this, &SchemeActions::refreshBacktest);
}

SchemeActions::~SchemeActions() {
    delete dialog_;
}

BacktestDialog* SchemeActions::backtestDialog() const {
    return dialog_;
}

scheme::Scheme SchemeActions::currentScheme() const {
    const ControlRegistry& controls = window_.controls();
    switch (window_.currentMode()) {
    case 0:
        return scheme::Scheme(controls.at<TwoStarPanel>(QStringLiteral("Pic_di"), 0)->readInput());
    case 1:
        return scheme::Scheme(
            controls.at<ThreeStarPanel>(QStringLiteral("Pic_di"), 1)->readInput());
    default:
        return scheme::Scheme(window_.fourStar()->readInput());
    }
}

void SchemeActions::writeScheme(const scheme::Scheme& scheme) {
    const ControlRegistry& controls = window_.controls();
    switch (scheme.mode) {
    case Mode::Two:
        controls.at<TwoStarPanel>(QStringLiteral("Pic_di"), 0)
            ->writeInput(std::get<two::TwoStarInput>(scheme.input));
        break;
    case Mode::Three:
        controls.at<ThreeStarPanel>(QStringLiteral("Pic_di"), 1)
            ->writeInput(std::get<three::ThreeStarInput>(scheme.input));
        break;
    case Mode::Four:
        window_.fourStar()->writeInput(scheme.four());
        break;
    }
}

void SchemeActions::saveScheme() {
    const scheme::Scheme scheme = currentScheme();
    const QString path = FileDialogs::saveFile(&window_, QStringLiteral("保存方案"),
                                               ModeName(scheme.mode) + QStringLiteral("方案.json"),
                                               kSchemeFilter, QStringLiteral("json"), kSchemePlace);
    if (path.isEmpty())
        return;
    const std::string text = scheme::WriteScheme(scheme);
    const QString error =
        WriteWholeFile(path, QByteArray(text.data(), static_cast<qsizetype>(text.size())));
    if (!error.isEmpty())
        MessageBox::warning(&window_, QStringLiteral("错误提示"), error);
}

void SchemeActions::loadScheme() {
    const QString path =
        FileDialogs::openFile(&window_, QStringLiteral("载入方案"), kSchemeFilter, kSchemePlace);
    if (!path.isEmpty())
        loadSchemeFile(path);
}

bool SchemeActions::loadSchemeFile(const QString& path) {
    QByteArray bytes;
    if (const QString error = ReadBoundedFile(path, kMaxSchemeBytes, bytes); !error.isEmpty()) {
        MessageBox::warning(&window_, QStringLiteral("错误提示"), error);
        return false;
    }
    // Checked whole before anything is written: a refused scheme leaves
    // every panel exactly as it was.
    scheme::Scheme scheme;
    try {
        scheme = scheme::ParseScheme(std::string_view(bytes.constData(), bytes.size()));
    } catch (const std::exception& error) { // a SchemeError, or the reader out of memory
        MessageBox::warning(&window_, QStringLiteral("错误提示"), OneLine(error.what()));
        return false;
    }
    // A mode switch resets the strip's boxes; staying in the mode keeps them.
    if (window_.currentMode() != Index(scheme.mode))
        window_.switchMode(Index(scheme.mode));
    writeScheme(scheme);
    return true;
}

void SchemeActions::exportNumbers(const QString& numbers) {
    if (numbers.trimmed().isEmpty()) {
        MessageBox::information(&window_, QStringLiteral("温馨提示"),
                                QStringLiteral("没有可导出的号码"));
        return;
    }
    const QString path =
        FileDialogs::saveFile(&window_, QStringLiteral("导出号码"), QStringLiteral("号码.txt"),
                              QStringLiteral("文本文件 (*.txt);;所有文件 (*)"),
                              QStringLiteral("txt"), QStringLiteral("numbers"));
    if (path.isEmpty())
        return;
    if (const QString error = WriteWholeFile(path, numbers.toUtf8()); !error.isEmpty())
        MessageBox::warning(&window_, QStringLiteral("错误提示"), error);
}

QString SchemeActions::drawSourceName() const {
    const HistorySource* source = window_.historySource();
    if (!source)
        return {};
    const std::string_view name = history::LotteryName(source->lottery());
    return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())) +
           QStringLiteral(" 线路%1").arg(static_cast<int>(source->line()));
}

void SchemeActions::showBacktest() {
    const scheme::Scheme scheme = currentScheme();
    if (!dialog_) {
        dialog_ = new BacktestDialog(&window_);
        // The strip's own import, file dialog and summary line included.
        connect(dialog_, &BacktestDialog::importRequested, this,
                [this] { window_.strip()->importButton->click(); });
    }
    // A fresh look starts from the mode's positions; pressing again while
    // the dialog is open keeps the ones the player chose.
    const bool fresh = !dialog_->isVisible() || !dialog_->currentScheme() ||
                       dialog_->currentScheme()->mode != scheme.mode;
    dialog_->setScheme(scheme, fresh);
    dialog_->setDraws(&window_.historyState(), drawSourceName());
    dialog_->rerun();
    dialog_->show();
    dialog_->raise();
    dialog_->activateWindow();
}

void SchemeActions::refreshBacktest() {
    if (!dialog_ || !dialog_->isVisible())
        return;
    dialog_->setDraws(&window_.historyState(), drawSourceName());
    dialog_->rerun();
}

bool SchemeActions::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop)
        return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || widget->window() != &window_)
        return false;
    // The draw list imports whatever file it is given, as it always has.
    if (const QWidget* list = window_.strip()->List1; widget == list || list->isAncestorOf(widget))
        return false;
    auto* drop = static_cast<QDropEvent*>(event);
    const QString path = SchemeFileOf(drop->mimeData());
    if (path.isEmpty())
        return false;
    drop->acceptProposedAction();
    // The load may show a box; never a modal loop inside the drop itself.
    if (type == QEvent::Drop)
        QTimer::singleShot(0, this, [this, path] { emit schemeDropped(path); });
    return true;
}

} // namespace sorvanta::ui

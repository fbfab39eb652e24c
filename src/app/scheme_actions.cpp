#include "app/scheme_actions.hpp"

#include "app/backtest_dialog.hpp"
#include "app/fmain.hpp"
#include "app/history_source.hpp"
#include "common/limits.hpp"
#include "panels/verification/verification_strip.hpp"
#include "shell/file_dialogs.hpp"
#include "shell/from_utf8.hpp"
#include "shell/message_box.hpp"
#include "shell/mycode.hpp"

#include <QApplication>
#include <QDragEnterEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QTimer>
#include <QUrl>

#include <exception>

namespace sorvanta::ui {

namespace {

const QString kSchemePlace = QStringLiteral("schemes");
const QString kSchemeFilter = QStringLiteral("方案文件 (*.json);;所有文件 (*)");

QString KindText(scheme::ValueKind kind, long long count) {
    using scheme::ValueKind;
    switch (kind) {
    case ValueKind::Null:
        return QStringLiteral("空值");
    case ValueKind::Boolean:
        return QStringLiteral("true或false");
    case ValueKind::String:
    case ValueKind::Text:
        return QStringLiteral("文本");
    case ValueKind::Array:
        return QStringLiteral("数组");
    case ValueKind::Object:
        return QStringLiteral("对象");
    case ValueKind::Fraction:
        return QStringLiteral("小数");
    case ValueKind::Number:
        return QStringLiteral("数字");
    case ValueKind::Digits:
        return QStringLiteral("数字串");
    case ValueKind::Caption:
        return QStringLiteral("按钮名称");
    case ValueKind::Integer:
        return QStringLiteral("整数");
    case ValueKind::Bound:
        return QStringLiteral("文本或整数");
    case ValueKind::Range:
        return QStringLiteral("[下限, 上限]两个值的数组");
    case ValueKind::DigitRows:
        return QStringLiteral("%1个数字串的数组").arg(count);
    case ValueKind::Texts:
        return QStringLiteral("%1个文本的数组").arg(count);
    case ValueKind::TextList:
        return QStringLiteral("文本的数组");
    case ValueKind::Captions:
        return QStringLiteral("按钮名称的数组");
    case ValueKind::Integers:
        return QStringLiteral("整数的数组");
    case ValueKind::BankerRow:
        return QStringLiteral("含digits和counts的对象");
    case ValueKind::BankerRows:
        return QStringLiteral("胆组行的数组");
    }
    return {};
}

// The place inside a condition a path names after the condition itself
// ("[1].counts" in a banker row: 第2行的出现个数; a tolerance's bounds are its
// 下限 and 上限).
QString PlaceInside(QString rest, const QString& caption) {
    QString place;
    while (!rest.isEmpty()) {
        if (rest.startsWith(u'[')) {
            const qsizetype close = rest.indexOf(u']');
            if (close < 0)
                break;
            const int index = rest.mid(1, close - 1).toInt();
            rest = rest.mid(close + 1);
            if (caption.endsWith(QStringLiteral("容错")) && place.isEmpty() && index < 2)
                place += index == 0 ? QStringLiteral("的下限") : QStringLiteral("的上限");
            else
                place += QStringLiteral("第%1项").arg(index + 1);
        } else if (rest.startsWith(u'.')) {
            qsizetype end = 1;
            while (end < rest.size() && rest[end] != u'.' && rest[end] != u'[')
                ++end;
            const QString name = rest.mid(1, end - 1);
            rest = rest.mid(end);
            place += name == QLatin1String("digits")   ? QStringLiteral("的胆码")
                     : name == QLatin1String("counts") ? QStringLiteral("的出现个数")
                                                       : QStringLiteral("的「%1」").arg(name);
        } else {
            break;
        }
    }
    return place;
}

// Where a refusal happened, in a player's words: the condition by its panel
// caption where the field has one, else the field as the file names it.
// `inside`: the path ends in ".key", a key the field has not.
QString Where(const scheme::SchemeError& error, qsizetype inside = 0) {
    const QString path = FromUtf8(error.path()).chopped(inside);
    if (!error.captions().empty()) {
        QStringList captions;
        for (const std::string& caption : error.captions())
            captions << FromUtf8(caption);
        const QString inner = captions.back();
        return QStringLiteral("「%1」").arg(captions.join(u'·')) +
               PlaceInside(path.mid(FromUtf8(error.captionedPath()).size()), inner);
    }
    if (path.isEmpty())
        return QStringLiteral("方案文件");
    if (path == QLatin1String("conditions"))
        return QStringLiteral("方案的条件（conditions）");
    return QStringLiteral("方案文件中的「%1」").arg(path);
}

QString OneOf(const std::vector<std::string>& options) {
    QString text;
    for (std::size_t i = 0; i < options.size(); ++i)
        text += (i == 0                    ? QString()
                 : i + 1 == options.size() ? QStringLiteral("或")
                                           : QStringLiteral("、")) +
                FromUtf8(options[i]);
    return text;
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

QString SchemeRefusal(const scheme::SchemeError& error) {
    using scheme::SchemeFault;
    const scheme::SchemeFaultDetail& d = error.detail();
    const QString path = FromUtf8(error.path());
    const QString value = FromUtf8(d.value);
    switch (error.fault()) {
    case SchemeFault::Other:
        break;
    case SchemeFault::InvalidJson:
        return d.first > 0 ? QStringLiteral("方案文件不是有效的JSON（第%1行第%2列）")
                                 .arg(d.first)
                                 .arg(d.second)
                           : QStringLiteral("方案文件不是有效的JSON");
    case SchemeFault::NulByte:
        return QStringLiteral("方案文件不是有效的JSON（第%1个字节是空字符）").arg(d.first);
    case SchemeFault::TooDeep:
        return QStringLiteral("方案文件的嵌套超过%1层").arg(d.first);
    case SchemeFault::RepeatedField:
        return QStringLiteral("方案文件中「%1」出现了两次").arg(path);
    case SchemeFault::IntegerTooLarge:
        return QStringLiteral("方案文件中「%1」的整数太大（写成文本才会像输入框那样读取）")
            .arg(path);
    case SchemeFault::NumberOutOfRange:
        return QStringLiteral("方案文件中「%1」的数字超出范围").arg(path);
    case SchemeFault::UnknownField:
        if (!d.context.empty()) {
            const std::optional<Mode> mode = ModeFromName(d.context);
            return QStringLiteral("未知的条件「%1」（%2方案）")
                .arg(value, mode ? ModeName(*mode) : FromUtf8(d.context));
        }
        if (path == value)
            return QStringLiteral("方案文件中有未知的项「%1」").arg(value);
        if (!error.captions().empty())
            return QStringLiteral("%1中没有「%2」这一项")
                .arg(Where(error, value.size() + 1), value);
        return QStringLiteral("未知的项「%1」").arg(path);
    case SchemeFault::MissingField:
        if (path == QLatin1String("format"))
            return QStringLiteral("不是方案文件（缺少format）");
        if (path == QLatin1String("version"))
            return QStringLiteral("方案文件缺少版本号（version）");
        return QStringLiteral("方案文件缺少玩法（mode）");
    case SchemeFault::WrongValue:
        if (path == QLatin1String("format"))
            return QStringLiteral("不是方案文件（format应为%1）").arg(OneOf(d.options));
        if (path == QLatin1String("version"))
            return QStringLiteral("不支持的方案版本（version应为%1）").arg(OneOf(d.options));
        if (path == QLatin1String("mode"))
            return QStringLiteral("未知的玩法（mode应为%1）").arg(OneOf(d.options));
        return QStringLiteral("%1应为%2").arg(Where(error), OneOf(d.options));
    case SchemeFault::WrongType:
        return QStringLiteral("%1应为%2，实际为%3")
            .arg(Where(error), KindText(d.expected, d.first), KindText(d.found, 0));
    case SchemeFault::WrongCount:
        return QStringLiteral("%1应有%2项，实际为%3项")
            .arg(Where(error))
            .arg(d.first)
            .arg(d.second);
    case SchemeFault::TooMany:
        return QStringLiteral("%1最多%2行，实际为%3行")
            .arg(Where(error))
            .arg(d.first)
            .arg(d.second);
    case SchemeFault::TooLong:
        return QStringLiteral("%1超过%2个字符（共%3个）")
            .arg(Where(error))
            .arg(d.first)
            .arg(d.second);
    case SchemeFault::NotDigit:
        return QStringLiteral("%1中的“%2”不是数字").arg(Where(error), value);
    case SchemeFault::DigitOutOfRange:
    case SchemeFault::IntegerOutOfRange:
        return QStringLiteral("%1中的%2不在%3到%4之间")
            .arg(Where(error), value)
            .arg(d.first)
            .arg(d.second);
    case SchemeFault::NotCaption:
        return QStringLiteral("%1中没有“%2”这个按钮").arg(Where(error), value);
    }
    return OneLine(error.what());
}

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
    return scheme::Scheme(window_.currentPanel().readModeInput());
}

void SchemeActions::writeScheme(const scheme::Scheme& scheme) {
    window_.panel(scheme.mode).writeModeInput(scheme.input);
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
    } catch (const scheme::SchemeError& error) {
        MessageBox::warning(&window_, QStringLiteral("错误提示"), SchemeRefusal(error));
        return false;
    } catch (const std::exception&) { // the reader out of memory
        MessageBox::warning(&window_, QStringLiteral("错误提示"),
                            QStringLiteral("方案文件太大，内存不足，无法载入"));
        return false;
    }
    // A mode switch resets the strip's boxes; staying in the mode keeps them.
    if (window_.mode() != scheme.mode)
        window_.switchMode(scheme.mode);
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
    return FromUtf8(history::LotteryName(source->lottery())) +
           QStringLiteral(" 线路%1").arg(static_cast<int>(source->line()));
}

void SchemeActions::showBacktest() {
    const scheme::Scheme scheme = currentScheme();
    if (!dialog_) {
        dialog_ = new BacktestDialog(&window_);
        // The strip's own import, file dialog and summary line included.
        connect(dialog_, &BacktestDialog::importRequested, this,
                [this] { window_.strip()->requestImport(); });
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
    if (window_.strip()->inDrawList(widget))
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

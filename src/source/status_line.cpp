#include "source/status_line.hpp"

namespace sorvanta::source {

namespace {

QString FromUtf8(const std::string& text) {
    return QString::fromStdString(text);
}

QString Cause(const Outcome& o) {
    switch (o.failure) {
    case Failure::None:
        break;
    case Failure::NoAddress:
        return QStringLiteral("未设置数据源地址");
    case Failure::NoConnection:
        return QStringLiteral("无法连接数据源");
    case Failure::Timeout:
        return QStringLiteral("%1秒内无结果").arg((o.timeoutMs + 999) / 1000);
    case Failure::HttpStatus:
        return QStringLiteral("服务器返回%1").arg(o.httpStatus);
    case Failure::CutShort:
        return QStringLiteral("数据不完整，连接中途断开");
    case Failure::TooLarge:
        return QStringLiteral("数据超过8MB");
    case Failure::RedirectRefused:
        return QStringLiteral("服务器要求转向，已拒绝");
    case Failure::CannotDecompress:
        return QStringLiteral("压缩数据无法解开");
    case Failure::NoDraws:
        return QStringLiteral("没有开奖号码");
    case Failure::Unreadable:
        return FromUtf8(o.detail);
    case Failure::NotRegularFile:
        return QStringLiteral("不是普通文件，未读取");
    case Failure::CannotOpenFile:
        return QStringLiteral("无法读取文件");
    case Failure::FileTooLarge:
        return QStringLiteral("文件超过8MB");
    }
    return {};
}

// What a stored read adds to its line: draws the store kept, a store that
// refused the write.
QString Remarks(const Outcome& o) {
    QString remarks;
    if (o.conflicts > 0)
        remarks += QStringLiteral("，%1期与已存号码不同，保留已存").arg(o.conflicts);
    if (o.mixedPeriods)
        remarks += QStringLiteral("；期号有带日期和不带日期两种，无法按时间排序");
    if (o.storeFailed)
        remarks += QStringLiteral("；") + FromUtf8(o.detail);
    return remarks;
}

} // namespace

QString StatusLine(const Outcome& o, const QString& clock) {
    if (o.failure == Failure::NoAddress)
        return Cause(o);
    if (o.job == Job::Import) {
        if (o.failure == Failure::NoDraws)
            return QStringLiteral("没有读到开奖号码，跳过%1行").arg(o.skipped);
        if (!o.ok())
            return QStringLiteral("导入失败：") + Cause(o);
        return QStringLiteral("导入%1期，跳过%2行").arg(o.read).arg(o.skipped) + Remarks(o);
    }
    if (!o.ok())
        return clock + QStringLiteral(" 采集失败：") + Cause(o);
    return clock + QStringLiteral(" 采集%1期，新增%2期").arg(o.read).arg(o.added) + Remarks(o);
}

std::string EnglishStatusLine(const Outcome& o) {
    const std::string failed = "collection failed: ";
    switch (o.failure) {
    case Failure::None:
        break;
    case Failure::NoAddress:
        return "no source address set; give --source ADDRESS";
    case Failure::NoConnection:
        return failed + "no connection to the source";
    case Failure::Timeout:
        return failed + "no answer within " + std::to_string((o.timeoutMs + 999) / 1000) + " s";
    case Failure::HttpStatus:
        return failed + "the server answered HTTP " + std::to_string(o.httpStatus);
    case Failure::CutShort:
        return failed + "the body was cut short";
    case Failure::TooLarge:
        return failed + "the body is over 8 MiB";
    case Failure::RedirectRefused:
        return failed + "redirect refused";
    case Failure::CannotDecompress:
        return failed + "the body cannot be decompressed";
    case Failure::NoDraws:
        return failed + "no draws in the body (" + std::to_string(o.read) + " draws, " +
               std::to_string(o.skipped) + " lines skipped; at least 10 draws needed)";
    case Failure::Unreadable:
        return failed + "the body is over 8 MiB or 100000 lines";
    case Failure::NotRegularFile:
    case Failure::CannotOpenFile:
    case Failure::FileTooLarge:
        return failed + "not a collection";
    }
    if (o.storeFailed)
        return "collected " + std::to_string(o.read) +
               " draws but the store refused them: " + o.storeWords;
    std::string line =
        "collected " + std::to_string(o.read) + " draws, " + std::to_string(o.added) + " new";
    if (o.conflicts > 0)
        line += ", " + std::to_string(o.conflicts) +
                " draws differ from the store (kept the stored ones)";
    if (o.mixedPeriods)
        line += "\nwarning: this lottery and line now holds periods with and without a date, "
                "which cannot be put in time order";
    return line;
}

} // namespace sorvanta::source

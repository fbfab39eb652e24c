#include "shell/file_dialogs.hpp"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QSaveFile>
#include <QSettings>

namespace sorvanta::ui {

namespace {

bool testMode = false;
QList<QString> queuedPaths;
QList<FileDialogs::Asked> askedDialogs;

QString SettingsKey(const QString& place) {
    return QStringLiteral("folders/") + place;
}

QString Shown(const QString& path) {
    return QDir::toNativeSeparators(path);
}

// Qt's own error texts are English; the player reads Chinese.
QString WriteReason(QFileDevice::FileError error) {
    switch (error) {
    case QFileDevice::PermissionsError:
        return QStringLiteral("没有写入权限");
    case QFileDevice::OpenError:
        return QStringLiteral("文件夹不存在或不能写入");
    case QFileDevice::ResourceError:
    case QFileDevice::WriteError:
        return QStringLiteral("写入出错，磁盘空间可能不足");
    default:
        return QStringLiteral("写入出错");
    }
}

} // namespace

QString FileDialogs::openFile(QWidget* parent, const QString& title, const QString& filter,
                              const QString& place) {
    return answer(parent, {Open, title, lastFolder(place), QString(), filter}, QString(), place);
}

QString FileDialogs::saveFile(QWidget* parent, const QString& title, const QString& fileName,
                              const QString& filter, const QString& suffix, const QString& place) {
    return answer(parent, {Save, title, lastFolder(place), fileName, filter}, suffix, place);
}

QString FileDialogs::lastFolder(const QString& place) {
    const QString folder = QSettings().value(SettingsKey(place)).toString();
    return !folder.isEmpty() && QFileInfo(folder).isDir() ? folder : QDir::homePath();
}

QString FileDialogs::answer(QWidget* parent, const Asked& request, const QString& suffix,
                            const QString& place) {
    QString path;
    if (testMode) {
        askedDialogs.append(request);
        path = queuedPaths.isEmpty() ? QString() : queuedPaths.takeFirst();
    } else {
        QFileDialog dialog(parent, request.title, request.folder, request.filter);
        dialog.setAcceptMode(request.kind == Save ? QFileDialog::AcceptSave
                                                  : QFileDialog::AcceptOpen);
        dialog.setFileMode(request.kind == Save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
        if (!suffix.isEmpty())
            dialog.setDefaultSuffix(suffix);
        if (!request.fileName.isEmpty())
            dialog.selectFile(QDir(request.folder).filePath(request.fileName));
        if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
            path = dialog.selectedFiles().constFirst();
    }
    if (!path.isEmpty())
        QSettings().setValue(SettingsKey(place), QFileInfo(path).absolutePath());
    return path;
}

void FileDialogs::setTestMode(bool on) {
    testMode = on;
}
void FileDialogs::setNextPath(const QString& path) {
    queuedPaths.append(path);
}
const QList<FileDialogs::Asked>& FileDialogs::asked() {
    return askedDialogs;
}
void FileDialogs::clearAsked() {
    askedDialogs.clear();
    queuedPaths.clear();
}

QString WriteWholeFile(const QString& path, const QByteArray& bytes) {
    const QFileInfo info(path);
    if (info.isDir())
        return QStringLiteral("无法保存文件“%1”：这是一个文件夹").arg(Shown(path));
    // A device or a pipe would be replaced by the new file, not written to.
    if (info.exists() && !info.isFile())
        return QStringLiteral("无法保存文件“%1”：这不是普通文件").arg(Shown(path));
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return QStringLiteral("无法保存文件“%1”：%2").arg(Shown(path), WriteReason(file.error()));
    if (file.write(bytes) != bytes.size()) {
        const QFileDevice::FileError error = file.error();
        file.cancelWriting();
        return QStringLiteral("无法保存文件“%1”：%2").arg(Shown(path), WriteReason(error));
    }
    if (!file.commit())
        return QStringLiteral("无法保存文件“%1”：%2").arg(Shown(path), WriteReason(file.error()));
    return {};
}

QString ReadBoundedFile(const QString& path, std::size_t limit, QByteArray& out) {
    const QFileInfo info(path);
    if (!info.exists())
        return QStringLiteral("找不到文件“%1”").arg(Shown(path));
    if (info.isDir())
        return QStringLiteral("“%1”是一个文件夹，不是文件").arg(Shown(path));
    // A pipe would hold the window until something writes to it.
    if (!info.isFile())
        return QStringLiteral("“%1”不是普通文件").arg(Shown(path));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("无法读取文件“%1”").arg(Shown(path));
    // One byte past the limit tells a file at the limit from a longer one,
    // also for a device that reports no size.
    out = file.read(static_cast<qint64>(limit) + 1);
    if (file.error() != QFileDevice::NoError) {
        out.clear();
        return QStringLiteral("无法读取文件“%1”").arg(Shown(path));
    }
    if (static_cast<std::size_t>(out.size()) > limit) {
        out.clear();
        return QStringLiteral("文件“%1”大于%2 MiB，未读取")
            .arg(Shown(path))
            .arg(static_cast<qulonglong>(limit / (1024 * 1024)));
    }
    return {};
}

} // namespace sorvanta::ui

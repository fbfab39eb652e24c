#include "shell/help_topics.hpp"

#include "shell/mycode.hpp"

#include <QFile>

// The resources live in a static library, whose unreferenced objects the
// linker drops: the help resource is registered by name before it is read.
// Outside any namespace, so the name it declares is the one rcc defines.
static void RegisterHelpResource() {
    static const bool registered = [] {
        Q_INIT_RESOURCE(help);
        return true;
    }();
    (void)registered;
}

namespace sorvanta::ui {

QByteArray ResourceBytes(const QString& name) {
    RegisterHelpResource();
    QFile file(QStringLiteral(":/") + name);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

void HelpTopics::load() {
    loadGbk(ResourceBytes(QStringLiteral("SM234")));
}

void HelpTopics::loadGbk(const QByteArray& bytes) {
    store_.Load(DecodeGbk(bytes).toStdString());
}

QString HelpTopics::topic(const QString& key) const {
    return QString::fromStdString(store_.Topic(key.toStdString()));
}

QString HelpTopics::title(const QString& key) const {
    return QString::fromStdString(HelpTopicStore::Title(key.toStdString()));
}

QString HelpTopics::summary(const QString& key) const {
    const QStringList lines = topic(key).split(u'\n');
    for (const QString& line : lines)
        if (!line.trimmed().isEmpty())
            return line.trimmed();
    return {};
}

} // namespace sorvanta::ui

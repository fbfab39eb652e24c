#pragma once

#include "common/help_blocks.hpp"

#include <QByteArray>
#include <QString>

namespace sorvanta::ui {

// The bytes of an embedded resource ("SM234", "DM", "YL"), read whole; empty
// when the resource is not there.
QByteArray ResourceBytes(const QString& name);

// The window's help store: the GBK resource "SM234" decoded once, and the
// topics and titles the help buttons show, as Qt text.
class HelpTopics {
public:
    // Reads and decodes the resource; a missing resource leaves the store
    // empty, so every topic reads "无记录" rather than the window failing.
    void load();
    // The same from bytes already read, for other sources of the text.
    void loadGbk(const QByteArray& bytes);

    bool loaded() const { return !store_.Text().empty(); }
    const HelpTopicStore& store() const { return store_; }

    QString topic(const QString& key) const;
    QString title(const QString& key) const;
    // The first line of the topic that holds any text: what a help button
    // shows while the pointer rests on it.
    QString summary(const QString& key) const;

private:
    HelpTopicStore store_;
};

} // namespace sorvanta::ui

#pragma once

#include <QObject>
#include <QString>

#include <memory>

class QLocalServer;
class QLockFile;

namespace sorvanta::ui {

// One running copy per user. The first copy holds a lock file and listens on
// a local socket of the same name; a later copy finds the lock taken, asks
// the first copy to come to the front and gives up. A lock left by a copy
// that crashed is recognised by its dead process and taken over.
class SingleInstance : public QObject {
    Q_OBJECT
public:
    // `name` keeps tests and users apart; the lock file lies in the temporary
    // folder under this name.
    explicit SingleInstance(QString name = defaultName(), QObject* parent = nullptr);
    ~SingleInstance() override;

    static QString defaultName();
    QString lockFilePath() const;

    // True when another copy holds the name (it has been asked to show
    // itself). Otherwise this copy takes the name and keeps it until it is
    // destroyed; asking again then answers false.
    bool anotherCopyRunning();
    bool holdsName() const;

signals:
    // A later copy was started and gave up in favour of this one.
    void activationRequested();

private:
    void listen();

    QString name_;
    std::unique_ptr<QLockFile> lock_;
    QLocalServer* server_ = nullptr;
};

} // namespace sorvanta::ui

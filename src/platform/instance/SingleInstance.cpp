#include "instance/SingleInstance.h"

#include <QCryptographicHash>
#include <QLocalServer>
#include <QLocalSocket>

namespace {

// A socket name from the key: a hash, so titles with blanks and any length are fine.
QString SocketName(const QString& key) {
  return QStringLiteral("q7k-") +
         QString::fromLatin1(QCryptographicHash::hash(key.toUtf8(), QCryptographicHash::Sha1).toHex().left(16));
}

constexpr int kWaitMs = 500;

}  // namespace

SingleInstance::SingleInstance(const QString& key, std::function<void()> raise) : raise_(std::move(raise)) {
  const QString name = SocketName(key);
  QLocalSocket probe;
  probe.connectToServer(name);
  if (probe.waitForConnected(kWaitMs)) {
    probe.write("raise\n");
    probe.waitForBytesWritten(kWaitMs);
    probe.disconnectFromServer();
    another_ = true;
    return;
  }
  // Nobody answers: a socket left by an ended instance is taken over.
  QLocalServer::removeServer(name);
  server_ = new QLocalServer(this);
  QObject::connect(server_, &QLocalServer::newConnection, this, [this] {
    while (QLocalSocket* peer = server_->nextPendingConnection()) {
      QObject::connect(peer, &QLocalSocket::readyRead, peer, [this, peer] {
        if (peer->readAll().contains("raise") && raise_) raise_();
        peer->disconnectFromServer();
      });
      QObject::connect(peer, &QLocalSocket::disconnected, peer, &QObject::deleteLater);
    }
  });
  server_->listen(name);
}

SingleInstance::~SingleInstance() {
  if (server_) server_->close();
}

#include "TClientSocket.h"

#include <QHostAddress>
#include <QNetworkProxy>
#include <QMetaObject>
#include <QThread>
#include <utility>

#include "messages/QueuedCall.h"

TClientSocket::TClientSocket(QObject* owner) : QObject(owner), socket_(this) {
  // A direct connection, as the framework's socket makes: no system proxy is looked up.
  socket_.setProxy(QNetworkProxy::NoProxy);
  connect(&socket_, &QTcpSocket::stateChanged, this,
          [this](QAbstractSocket::SocketState s) { HandleStateChanged(s); });
  connect(&socket_, &QTcpSocket::readyRead, this, [this] { HandleRead(); });
  connect(&socket_, &QTcpSocket::errorOccurred, this,
          [this](QAbstractSocket::SocketError e) { HandleError(e); });
}

TClientSocket::~TClientSocket() {
  // No events from a socket that is going away.
  socket_.disconnect(this);
  socket_.abort();
}

void TClientSocket::SetActive(bool active) {
  if (active == active_) return;
  if (active) {
    active_ = true;
    socket_.connectToHost(address_, static_cast<quint16>(port_));
  } else {
    socket_.abort();
    active_ = false;
    connected_ = false;
  }
}

bool TClientSocket::Connected() const {
  return socket_.state() == QAbstractSocket::ConnectedState;
}

int TClientSocket::ReceiveBuf(void* buffer, int count) {
  if (count <= 0) return 0;
  const qint64 n = socket_.read(static_cast<char*>(buffer), count);
  if (n > 0) bytesTaken_ = true;
  return n > 0 ? static_cast<int>(n) : 0;
}

int TClientSocket::ReceiveLength() const { return static_cast<int>(socket_.bytesAvailable()); }

int TClientSocket::SendBuf(const void* buffer, int count) {
  if (count < 0) return -1;
  QByteArray bytes(static_cast<const char*>(buffer), count);
  if (QThread::currentThread() != thread()) {
    PostCall(&calls_, [this, bytes = std::move(bytes)] { WriteNow(bytes); });
    return count;
  }
  if (!Connected()) return -1;
  WriteNow(bytes);
  return count;
}

void TClientSocket::WriteNow(const QByteArray& bytes) {
  if (!Connected()) return;
  socket_.write(bytes);
  socket_.flush();
}

QString TClientSocket::RemoteAddress() const { return socket_.peerAddress().toString(); }

void TClientSocket::HandleStateChanged(QAbstractSocket::SocketState state) {
  switch (state) {
    case QAbstractSocket::ConnectingState:
      if (OnConnecting) OnConnecting(this);
      break;
    case QAbstractSocket::ConnectedState:
      socket_.setSocketOption(QAbstractSocket::LowDelayOption, 1);
      connected_ = true;
      if (OnConnect) OnConnect(this);
      break;
    case QAbstractSocket::UnconnectedState: {
      // OnDisconnect only ends a connection that was made, not a failed attempt.
      const bool wasConnected = connected_;
      connected_ = false;
      if (active_) {
        active_ = false;
        if (wasConnected && OnDisconnect) OnDisconnect(this);
      }
      break;
    }
    default:
      break;
  }
}

void TClientSocket::HandleRead() {
  bytesTaken_ = false;
  if (OnRead) OnRead(this);
  // Bytes the handler left behind after taking some raise the event again, as new data
  // would; a handler that takes nothing is not called again until more data arrives.
  if (bytesTaken_ && socket_.bytesAvailable() > 0 && !readScheduled_) {
    readScheduled_ = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
          readScheduled_ = false;
          if (socket_.bytesAvailable() > 0) HandleRead();
        },
        Qt::QueuedConnection);
  }
}

void TClientSocket::HandleError(QAbstractSocket::SocketError error) {
  TErrorEvent kind = eeGeneral;
  switch (error) {
    case QAbstractSocket::ConnectionRefusedError:
    case QAbstractSocket::SocketTimeoutError:
    case QAbstractSocket::NetworkError:
      kind = socket_.state() == QAbstractSocket::ConnectedState ? eeGeneral : eeConnect;
      break;
    case QAbstractSocket::HostNotFoundError:
      kind = eeLookup;
      break;
    case QAbstractSocket::RemoteHostClosedError:
      kind = eeDisconnect;
      break;
    default:
      break;
  }
  int code = static_cast<int>(error) + 1;
  if (OnError) OnError(this, kind, code);
  // An unhandled error (code left non-zero) ends the connection.
  if (code != 0) SetActive(false);
}

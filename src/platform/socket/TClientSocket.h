#pragma once
// The non-blocking TCP client socket with events, on a QTcpSocket. Its events come on the
// thread that owns it (the GUI thread), each called with the socket as sender:
// OnConnecting (name resolved, connecting), OnConnect, OnRead (bytes wait; read them with
// ReceiveBuf; the event comes again while bytes remain after a read), OnError (the handler may set the
// error code to 0 to mark it handled; an error left unhandled closes the socket) and
// OnDisconnect (a connection that was made has ended). TCP_NODELAY is set on every
// connection and each SendBuf goes out in one write.
//
// SendBuf may be called from any thread: a call from another thread copies the bytes and
// hands them to the socket's own thread, which writes them in order; everything else is
// for the owning thread only.
#include <QObject>
#include <QString>
#include <QTcpSocket>
#include <cstdint>
#include <functional>

#include "messages/MessageTarget.h"

enum TErrorEvent { eeGeneral, eeSend, eeReceive, eeConnect, eeDisconnect, eeAccept, eeLookup };

class TClientSocket : public QObject {
 public:
  using TSocketNotifyEvent = std::function<void(QObject* Sender)>;
  using TSocketErrorEvent = std::function<void(QObject* Sender, TErrorEvent event, int& errorCode)>;

  explicit TClientSocket(QObject* owner = nullptr);
  ~TClientSocket() override;

  // Where Open connects: a dotted address (or host name) and a port.
  QString GetAddress() const { return address_; }
  void SetAddress(const QString& address) { address_ = address; }
  int GetPort() const { return port_; }
  void SetPort(int port) { port_ = port; }

  // Connects (asynchronously) or closes; Active is true from Open until the socket closes.
  bool GetActive() const { return active_; }
  void SetActive(bool active);
  void Open() { SetActive(true); }
  void Close() { SetActive(false); }
  bool Connected() const;

  // Reads up to `count` waiting bytes; returns how many were read (0 when none wait).
  int ReceiveBuf(void* buffer, int count);
  int ReceiveLength() const;
  // Writes `count` bytes in one write; returns `count`, or -1 when not connected. From
  // another thread it returns `count` once the bytes are handed over.
  int SendBuf(const void* buffer, int count);
  // The connected peer's address as dotted text.
  QString RemoteAddress() const;

  TSocketNotifyEvent OnConnecting;
  TSocketNotifyEvent OnConnect;
  TSocketNotifyEvent OnRead;
  TSocketErrorEvent OnError;
  TSocketNotifyEvent OnDisconnect;

 private:
  void WriteNow(const QByteArray& bytes);
  void HandleRead();
  void HandleError(QAbstractSocket::SocketError error);
  void HandleStateChanged(QAbstractSocket::SocketState state);

  QTcpSocket socket_;
  QString address_;
  int port_ = 0;
  bool active_ = false;
  bool connected_ = false;
  bool readScheduled_ = false;
  bool bytesTaken_ = false;  // the running OnRead handler read bytes
  MessageTarget calls_;      // where other threads' SendBuf calls are queued (goes first)
};

#include <gtest/gtest.h>

#include "QtTestSupport.h"

#include <QCoreApplication>
#include <QHostAddress>
#include <QTcpServer>
#include <QTcpSocket>
#include <chrono>
#include <functional>
#include <thread>
#include <vector>

#include "socket/TClientSocket.h"

namespace {

class TClientSocketTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(server.listen(QHostAddress::LocalHost, 0));
    client.SetAddress("127.0.0.1");
    client.SetPort(server.serverPort());
    client.OnConnecting = [this](QObject* s) { events.push_back("connecting"); };
    client.OnConnect = [this](QObject* s) { events.push_back("connect"); };
    client.OnDisconnect = [this](QObject* s) { events.push_back("disconnect"); };
    client.OnRead = [this](QObject* s) {
      char buf[4];
      const int n = client.ReceiveBuf(buf, sizeof buf);  // a small bite: the event comes again
      read.append(buf, n);
      ++reads;
    };
  }

  void Connect() {
    client.Open();
    ASSERT_TRUE(PumpUntil([&] { return server.hasPendingConnections() && client.Connected(); }));
    peer = server.nextPendingConnection();
  }

  QTcpServer server;
  TClientSocket client;
  QTcpSocket* peer = nullptr;
  std::vector<std::string> events;
  QByteArray read;
  int reads = 0;
};

TEST_F(TClientSocketTest, ConnectsWithEventsAndNoDelay) {
  Connect();
  EXPECT_EQ(events, (std::vector<std::string>{"connecting", "connect"}));
  EXPECT_TRUE(client.GetActive());
  EXPECT_EQ(client.RemoteAddress(), "127.0.0.1");
  EXPECT_EQ(client.findChild<QTcpSocket*>()->socketOption(QAbstractSocket::LowDelayOption).toInt(), 1);
}

TEST_F(TClientSocketTest, ReadEventRepeatsWhileBytesRemain) {
  Connect();
  peer->write("0123456789");
  ASSERT_TRUE(PumpUntil([&] { return read.size() == 10; }));
  EXPECT_EQ(read, "0123456789");
  EXPECT_GE(reads, 3);
}

TEST_F(TClientSocketTest, HandlerThatReadsNothingIsNotCalledAgainUntilNewData) {
  client.OnRead = [this](QObject*) { ++reads; };  // leaves the bytes waiting
  Connect();
  peer->write("abc");
  ASSERT_TRUE(PumpUntil([&] { return reads == 1; }));
  for (int i = 0; i < 50; ++i) QCoreApplication::processEvents();  // no busy re-raising
  EXPECT_EQ(reads, 1);
  EXPECT_EQ(client.ReceiveLength(), 3);
  peer->write("d");
  ASSERT_TRUE(PumpUntil([&] { return reads == 2; }));
}

TEST_F(TClientSocketTest, SendsFromAnyThreadInOrder) {
  Connect();
  EXPECT_EQ(client.SendBuf("ab", 2), 2);
  TestThread worker("the worker sent four bytes", [&] {
    for (char c = 'c'; c <= 'f'; ++c) client.SendBuf(&c, 1);
  });
  ASSERT_TRUE(worker.Join());
  QByteArray got;
  ASSERT_TRUE(PumpUntil([&] {
    got += peer->readAll();
    return got.size() == 6;
  }));
  EXPECT_EQ(got, "abcdef");
}

TEST_F(TClientSocketTest, DisconnectByThePeerRaisesOnDisconnect) {
  client.OnError = [&](QObject*, TErrorEvent, int& code) { code = 0; };  // handled
  Connect();
  peer->disconnectFromHost();
  ASSERT_TRUE(PumpUntil([&] { return !client.GetActive(); }));
  EXPECT_EQ(events.back(), "disconnect");
}

TEST_F(TClientSocketTest, RefusedConnectionRaisesOnError) {
  const quint16 port = server.serverPort();
  server.close();
  client.SetPort(port);
  TErrorEvent kind = eeGeneral;
  bool raised = false;
  client.OnError = [&](QObject*, TErrorEvent e, int& code) {
    kind = e;
    raised = true;
    code = 0;
  };
  client.Open();
  ASSERT_TRUE(PumpUntil([&] { return raised; }));
  EXPECT_EQ(kind, eeConnect);
  EXPECT_EQ(client.SendBuf("x", 1), -1);
  ASSERT_TRUE(PumpUntil([&] { return !client.GetActive(); }));
  EXPECT_EQ(events, (std::vector<std::string>{"connecting"}));  // no connection, no disconnect
}

}  // namespace

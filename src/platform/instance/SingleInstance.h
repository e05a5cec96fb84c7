#pragma once
// The test for a running instance of a program, by the text of its main window's title:
// the first instance listens on a local socket named after the text; a later one that
// reaches it asks it to come to the front, and learns that it should give way.
#include <QObject>
#include <QString>

#include <functional>

class QLocalServer;

class SingleInstance : public QObject {
 public:
  // Listens under `key` unless another instance already does; `raise` runs in this
  // instance whenever a later one asks it to come forward.
  SingleInstance(const QString& key, std::function<void()> raise);
  ~SingleInstance() override;

  // True when another instance was listening under the key (and was asked to come forward).
  bool AnotherRunning() const { return another_; }

 private:
  QLocalServer* server_ = nullptr;
  bool another_ = false;
  std::function<void()> raise_;
};

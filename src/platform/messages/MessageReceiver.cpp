#include "MessageReceiver.h"

#include "MessageTarget.h"

MessageReceiver::MessageReceiver() : target_(std::make_unique<MessageTarget>(this)) {}

MessageReceiver::~MessageReceiver() = default;

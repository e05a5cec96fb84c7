#pragma once
// Raised when a reply is read at a payload byte it does not carry.
#include <cstddef>
#include <cstdint>
#include <stdexcept>

class ShortReplyError : public std::runtime_error {
 public:
  ShortReplyError(std::uint8_t code, std::size_t index, std::size_t size);

  std::uint8_t Code() const { return code_; }
  std::size_t Index() const { return index_; }
  std::size_t Size() const { return size_; }

 private:
  std::uint8_t code_;
  std::size_t index_;
  std::size_t size_;
};

#include "ShortReplyError.h"

#include <string>

namespace {
std::string Describe(std::uint8_t code, std::size_t index, std::size_t size) {
  return "Reply " + std::to_string(code) + " is too short: payload byte " + std::to_string(index) +
         " is missing (the payload has " + std::to_string(size) + " bytes)";
}
}  // namespace

ShortReplyError::ShortReplyError(std::uint8_t code, std::size_t index, std::size_t size)
    : std::runtime_error(Describe(code, index, size)), code_(code), index_(index), size_(size) {}

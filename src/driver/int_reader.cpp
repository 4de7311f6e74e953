// Buffer refills for int_reader: read(2) into a 1 MiB buffer, retried on EINTR.
// A read error ends the input like the end of file does.
#include "driver/int_reader.h"

#include <unistd.h>

#include <cerrno>

namespace vesqor {

namespace {
constexpr size_t buffer_size = size_t{1} << 20;
}

int_reader::int_reader(int fd) : fd_(fd), buffer_(new char[buffer_size]) {}

int_reader::int_reader(const char* data, size_t size) : p_(data), end_(data + size) {}

bool int_reader::refill() {
  if (fd_ < 0) return false;
  for (;;) {
    const ssize_t got = ::read(fd_, buffer_.get(), buffer_size);
    if (got > 0) {
      p_ = buffer_.get();
      end_ = p_ + got;
      return true;
    }
    if (got < 0 && errno == EINTR) continue;
    fd_ = -1;
    return false;
  }
}

}  // namespace vesqor

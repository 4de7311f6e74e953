// The floor for any run over a file: reads every integer with vesqor's own int_reader and prints
// how many there were and their sum. O(bytes) time, O(1) memory besides the reader's buffer.
//
// Usage: vesqor-parse-only FILE
#include <fcntl.h>
#include <unistd.h>

#include <cinttypes>
#include <cstdio>

#include "driver/int_reader.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fputs("usage: vesqor-parse-only FILE\n", stderr);
    return 2;
  }
  const int fd = ::open(argv[1], O_RDONLY | O_CLOEXEC);
  if (fd < 0) {
    std::perror(argv[1]);
    return 1;
  }
  uint64_t count = 0;
  int64_t sum = 0;
  {
    vesqor::int_reader in(fd);
    int32_t v = 0;
    // The sum is printed, so the reads cannot be optimised away.
    while (in.read(v)) {
      ++count;
      sum += v;
    }
  }
  ::close(fd);
  std::printf("%" PRIu64 " integers, sum %" PRId64 "\n", count, sum);
  return 0;
}

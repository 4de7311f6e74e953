// Entry point: solves every test case of "vesqor.in" into "vesqor.out" in the working folder.
// Exit status 0 when the input is exhausted, 1 when a test case is refused, 2 on output failure.
#include <fcntl.h>
#include <unistd.h>

#include <new>

#include "driver/answer_writer.h"
#include "driver/int_reader.h"
#include "driver/run_cases.h"

int main() {
  const int out_fd = ::open("vesqor.out", O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
  if (out_fd < 0) return 2;
  // A missing or unreadable input reads as an empty file.
  const int in_fd = ::open("vesqor.in", O_RDONLY | O_CLOEXEC);

  vesqor::answer_writer out(out_fd);
  vesqor::run_status status = vesqor::run_status::done;
  {
    vesqor::int_reader in(in_fd);
    try {
      status = vesqor::run_cases(in, out, vesqor::default_max_segments());
    } catch (const std::bad_alloc&) {
      status = vesqor::run_status::refused;
    }
  }
  if (in_fd >= 0) ::close(in_fd);
  const bool written = out.finish();
  if (::close(out_fd) != 0 || !written) return 2;
  return status == vesqor::run_status::done ? 0 : 1;
}

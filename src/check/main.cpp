// Entry point of vesqor-check: parses the command line, opens the file and runs the check.
// Exit status 0 within the input contract, 1 when errors were found, 2 when it cannot be read.
#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>

#include "check/check_file.h"
#include "driver/run_cases.h"

namespace {

const char usage[] =
    "usage: vesqor-check [FILE]\n"
    "Checks a vesqor input file (default \"vesqor.in\") and reports, as FILE:LINE:COLUMN:\n"
    "diagnostics, what lies outside the solver's input contract (errors) and what it reads\n"
    "but likely not as meant (warnings), then a summary line.\n"
    "\n"
    "  --help     show this help and exit\n"
    "  --version  show the version and exit\n"
    "\n"
    "Exit status: 0 within the contract (warnings allowed), 1 errors found,\n"
    "2 the file cannot be read or the command line is wrong.\n";

}  // namespace

int main(int argc, char** argv) {
  std::string file = "vesqor.in";
  bool named = false;
  bool options = true;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (options && arg == "--help") {
      std::fputs(usage, stdout);
      return 0;
    }
    if (options && arg == "--version") {
      std::puts("vesqor-check 1.0");
      return 0;
    }
    if (options && arg == "--") {
      options = false;
      continue;
    }
    if ((options && arg.size() > 1 && arg[0] == '-') || named) {
      std::fprintf(stderr, "vesqor-check: unexpected argument \"%s\"\n%s", arg.c_str(), usage);
      return 2;
    }
    file = arg;
    named = true;
  }

  const int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) {
    std::fprintf(stderr, "%s: error: cannot open: %s\n", file.c_str(), std::strerror(errno));
    return 2;
  }
  const int status =
      vesqor::check::check_file(fd, file, stdout, stderr, vesqor::default_max_segments());
  ::close(fd);
  if (std::fflush(stdout) != 0) return 2;
  return status;
}

// Runs the built vesqor binary in a fresh temporary folder per case: a table of the bad inputs
// users produce, a missing input, and outputs that cannot be written. VESQOR_WRAPPER, when set,
// prefixes the command (for instance with valgrind).
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>

namespace {

namespace fs = std::filesystem;

struct result {
  int status;
  std::string out;
};

class E2E : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string tmpl = (fs::temp_directory_path() / "vesqor-e2e-XXXXXX").string();
    ASSERT_NE(::mkdtemp(tmpl.data()), nullptr);
    dir_ = tmpl;
  }
  void TearDown() override {
    fs::permissions(dir_, fs::perms::owner_all, fs::perm_options::add);
    fs::remove_all(dir_);
    fs::remove(log_path());
  }

  fs::path log_path() const { return dir_.string() + ".log"; }

  // Runs the solver in the folder; prefix goes before the binary (a wrapper, a user switch).
  int run_binary(const std::string& prefix = "") {
    const char* wrapper = std::getenv("VESQOR_WRAPPER");
    const std::string cmd =
        "cd '" + dir_.string() + "' && " + prefix + " " + (wrapper ? wrapper : "") +
        " '" VESQOR_BIN "' >'" +
        (fs::temp_directory_path() / fs::path(dir_.filename().string() + ".log")).string() +
        "' 2>&1";
    const int raw = std::system(cmd.c_str());
    return WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  }

  std::string log() {
    std::ifstream f(log_path());
    std::stringstream ss;
    ss << f.rdbuf();
    return ss.str();
  }

  result run(const std::optional<std::string>& input) {
    fs::remove(dir_ / "vesqor.in");
    fs::remove(dir_ / "vesqor.out");
    if (input) std::ofstream(dir_ / "vesqor.in", std::ios::binary) << *input;
    result r{run_binary(), ""};
    std::ifstream out(dir_ / "vesqor.out", std::ios::binary);
    std::stringstream ss;
    ss << out.rdbuf();
    r.out = ss.str();
    return r;
  }

  fs::path dir_;
};

const std::string example = "1 2 12\n10 2\n2 4 5\n6 8 3\n";
const std::string example_answer = "4.666666666666667\n";
const std::string minus_one = "-1.000000000000000\n";

TEST_F(E2E, BadInputTable) {
  struct row {
    const char* what;
    std::optional<std::string> input;
    int status;
    std::string out;
  };
  const std::string huge_number = "1" + std::string(9999, '0') + "3";  // 3 modulo 2^32
  const row rows[] = {
      {"missing input file", std::nullopt, 0, ""},
      {"empty file", "", 0, ""},
      {"whitespace only", " \t\r\n\v\f\n", 0, ""},
      {"two cases", example + "0 1 5\n", 0, example_answer + minus_one},
      {"trailing incomplete header", example + "1 2", 0, example_answer},
      {"n = 0 reads nothing after its header", "0 1 5 " + example, 0, minus_one + example_answer},
      {"cut short: missing fields are 0", "1 2 12\n10 3\n2 4 5\n6 8 3\n", 0, example_answer},
      {"cut inside a segment", example + "1 2 12\n10 2\n2 4 5\n6", 0, example_answer + minus_one},
      {"bad token in a header ends the run", example + "1 x 12\n10 0\n" + example, 0,
       example_answer},
      // Item length 1 is read, its count is not: one filler of rate 0, then the run ends.
      {"bad token in an item line", example + "1 2 12\n1O 2\n2 4 5\n6 8 3\n" + example, 0,
       example_answer + minus_one},
      {"bad token in a segment", example + "1 2 12\n10 2\n2 4 5\n6 8 three\n" + example, 0,
       example_answer + minus_one},
      {"plus signs and leading zeros", "+1 +0002 0012\n010 +2\n+2 0004 05\n6 8 +003\n", 0,
       example_answer},
      {"tabs and CRLF", "1\t2\t12\r\n10\t2\r\n2\t4\t5\r\n6\t8\t3\r\n", 0, example_answer},
      {"NUL byte inside a segment",
       example + "1 2 12\n10 2\n2 4 5\n6 " + std::string(1, '\0') + " 8 3\n" + example, 0,
       example_answer + minus_one},
      {"2^31 - 1 as target and rate", "1 1 2147483647\n1 1\n0 1 2147483647\n", 0,
       "1.000000000000000\n"},
      {"-2^31 as target and rate", "1 1 -2147483648\n1 1\n0 1 -2147483648\n", 0,
       "1.000000000000000\n"},
      {"just past: 2147483648 reads as -2^31", "1 1 2147483648\n1 1\n0 1 -2147483648\n", 0,
       "1.000000000000000\n"},
      {"just past: -2147483649 reads as 2^31 - 1", "1 1 -2147483649\n1 1\n0 1 2147483647\n", 0,
       "1.000000000000000\n"},
      {"10,000-digit number", "1 2 12\n10 2\n2 4 5\n6 8 " + huge_number + "\n", 0, example_answer},
      {"negative item count", example + "-1 2 3\n" + example, 1, example_answer},
      {"negative segment count", example + "1 2 12\n10 -2\n2 4 5\n", 1, example_answer},
      // No memory holds 2^32 segments; refused at once rather than read as zeros.
      {"huge count then end of file", example + "2 2 12\n10 2147483647\n", 1, example_answer},
      {"zero target with speed-up 1", "1 1 0\n3 0\n1 1 -5\n3 0\n", 0, "nan\n-inf\n"},
  };
  for (const row& r : rows) {
    const result got = run(r.input);
    EXPECT_EQ(got.status, r.status) << r.what << "\n" << log();
    EXPECT_EQ(got.out, r.out) << r.what;
    EXPECT_EQ(log(), "") << r.what << ": the solver printed something";
  }
}

TEST_F(E2E, OutputThatCannotBeWritten) {
  std::ofstream(dir_ / "vesqor.in") << example;
  fs::create_directory(dir_ / "vesqor.out");  // a folder where the file should be
  EXPECT_EQ(run_binary(), 2);
  fs::remove(dir_ / "vesqor.out");

  if (fs::exists("/dev/full")) {  // every write fails with "no space left"
    fs::create_symlink("/dev/full", dir_ / "vesqor.out");
    EXPECT_EQ(run_binary(), 2);
    fs::remove(dir_ / "vesqor.out");
  }
}

TEST_F(E2E, ReadOnlyFolder) {
  std::ofstream(dir_ / "vesqor.in") << example;
  fs::permissions(dir_, fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                            fs::perms::others_read | fs::perms::others_exec);
  fs::permissions(dir_ / "vesqor.in",
                  fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  fs::permissions(dir_, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                  fs::perm_options::remove);
  std::string as_other_user;
  if (::geteuid() == 0) {  // root writes anywhere: run as nobody instead
    as_other_user = "setpriv --reuid=65534 --regid=65534 --clear-groups";
    const std::string probe = as_other_user + " test -x '" VESQOR_BIN "' 2>/dev/null";
    if (std::system(probe.c_str()) != 0) GTEST_SKIP() << "cannot run the binary as nobody";
  }
  EXPECT_EQ(run_binary(as_other_user), 2);
  EXPECT_FALSE(fs::exists(dir_ / "vesqor.out"));
}

}  // namespace

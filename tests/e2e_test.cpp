// Runs the built vesqor binary in a fresh temporary folder per case: file formats, a missing
// input, refused counts and an output that cannot be written.
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
  void TearDown() override { fs::remove_all(dir_); }

  result run(const std::optional<std::string>& input) {
    if (input) std::ofstream(dir_ / "vesqor.in", std::ios::binary) << *input;
    const std::string cmd = "cd '" + dir_.string() + "' && '" VESQOR_BIN "' >stdio.txt 2>&1";
    const int raw = std::system(cmd.c_str());
    result r{WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, ""};
    std::ifstream out(dir_ / "vesqor.out", std::ios::binary);
    std::stringstream ss;
    ss << out.rdbuf();
    r.out = ss.str();
    EXPECT_EQ(fs::file_size(dir_ / "stdio.txt"), 0u) << "the solver printed something";
    return r;
  }

  fs::path dir_;
};

TEST_F(E2E, FileFormats) {
  struct row {
    std::optional<std::string> input;
    int status;
    std::string out;
  };
  const row rows[] = {
      {"1 2 12\n10 2\n2 4 5\n6 8 3\n0 1 5\n", 0, "4.666666666666667\n-1.000000000000000\n"},
      {std::nullopt, 0, ""},  // missing input file
      {"", 0, ""},
      {"0 1 5\n7", 0, "-1.000000000000000\n"},                     // trailing incomplete header
      {"1 2 12\n10 3\n2 4 5\n6 8 3\n", 0, "4.666666666666667\n"},  // cut short by end of file
      {"1 2 12\n10 2\r\n2 4 5\r\n6 8 3\r\n", 0, "4.666666666666667\n"},
      {"0 1 5\n-3 1 1\n", 1, "-1.000000000000000\n"},  // negative count: refused
      // A count no memory could hold, then the end of the file: refused at once.
      {"0 1 5\n2 1 1\n5 2147483647\n", 1, "-1.000000000000000\n"},
  };
  for (const row& r : rows) {
    fs::remove(dir_ / "vesqor.in");
    const result got = run(r.input);
    EXPECT_EQ(got.status, r.status) << (r.input ? *r.input : "(no input)");
    EXPECT_EQ(got.out, r.out) << (r.input ? *r.input : "(no input)");
  }
}

TEST_F(E2E, UnwritableOutputFails) {
  fs::create_directory(dir_ / "vesqor.out");  // cannot be opened as a file
  std::ofstream(dir_ / "vesqor.in") << "0 1 5\n";
  const std::string cmd = "cd '" + dir_.string() + "' && '" VESQOR_BIN "'";
  const int raw = std::system(cmd.c_str());
  EXPECT_TRUE(WIFEXITED(raw) && WEXITSTATUS(raw) == 2);
}

TEST_F(E2E, FullDiskFails) {
  if (!fs::exists("/dev/full")) GTEST_SKIP() << "no /dev/full";
  fs::create_symlink("/dev/full", dir_ / "vesqor.out");
  std::ofstream(dir_ / "vesqor.in") << "0 1 5\n";
  const std::string cmd = "cd '" + dir_.string() + "' && '" VESQOR_BIN "'";
  const int raw = std::system(cmd.c_str());
  EXPECT_TRUE(WIFEXITED(raw) && WEXITSTATUS(raw) == 2);
}

}  // namespace

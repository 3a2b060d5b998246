// setrix-cli bank, run as a program: the picture files against the checked reference
// pictures of the bank drawing, and the refusals.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "raster/bitmap_io.h"

#include "run_cli.h"

namespace {

using setrix::test::CliRun;

// Standard output and standard error together.
CliRun RunCli(const std::string& args) { return setrix::test::RunCli(args, true); }

std::string Reference(const std::string& name) {
  return std::string(SETRIX_TEST_DIR) + "/../dipswitch/data/" + name;
}

std::string TempFile(const std::string& name) {
  return (std::filesystem::temp_directory_path() / ("setrix_bank_" + std::to_string(getpid()) + "_" + name))
      .string();
}

}  // namespace

TEST(BankCommand, WritesEachModeInEachFormat) {
  const struct {
    const char* args;
    const char* out;
    const char* reference;
    int width, height;
  } cases[] = {
      {"--count 8 --alignment 0 --value 13 --mode bitmap", "a.ppm", "bitmap_8_deg0_v13.ppm", 69, 37},
      {"--count 10 --alignment 270 --value 525 --mode bitmap", "b.bmp", "bitmap_10_deg270_v525.ppm", 37, 85},
      {"--count 8 --alignment 180 --value 13 --mode bw", "c.pbm", "bw_8_deg180_v13.pbm", 69, 37},
      {"--count 10 --alignment 90 --value 0x20D --mode bw", "d.bmp", "bw_10_deg90_v525.pbm", 37, 85},
      {"--count 10 --alignment 90 --value 525", "e.ppm", "screen_10_deg90_v525.ppm", 39, 87},  // screen
      {"--count 3 --alignment 90 --value -1 --mode screen", "f.BMP", "screen_3_deg90_empty.ppm", 39, 31},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.args);
    const std::string out = TempFile(c.out);
    const CliRun run = RunCli(std::string("bank ") + c.args + " --out " + out);
    ASSERT_EQ(run.status, 0) << run.output;
    EXPECT_EQ(run.output, out + ": " + std::to_string(c.width) + " x " + std::to_string(c.height) + " pixels\n");
    const auto bytes = setrix::raster::ReadFileBytes(out);
    EXPECT_EQ(bytes[0], out.back() == 'm' ? 'P' : 'B');  // the extension chose the format
    // Same pixels, and the same depth: 1 bit for black and white, 24 for colour.
    EXPECT_EQ(setrix::raster::DecodeImage(bytes), setrix::raster::ReadImageFile(Reference(c.reference)));
    std::filesystem::remove(out);
  }
}

TEST(BankCommand, BadCommandLinesNameTheOptionAndWhatItAccepts) {
  const std::string out = " --out " + TempFile("x.ppm");
  const struct {
    std::string args, message;
  } cases[] = {
      {"--count 11 --alignment 0 --value 1" + out, "--count: '11' is not accepted; use 2 to 10"},
      {"--count 1 --alignment 0 --value 1" + out, "--count: '1' is not accepted; use 2 to 10"},
      {"--count 8 --alignment 45 --value 1" + out, "--alignment: '45' is not accepted; use 0, 90, 180 or 270"},
      {"--count 8 --alignment 0 --value 1 --mode grey" + out,
       "--mode: 'grey' is not accepted; use screen, bitmap or bw"},
      {"--count 8 --alignment 0 --value 4294967296" + out,
       "--value: '4294967296' is not accepted; use a whole number from -2147483648 to 2147483647"},
      {"--count 8 --alignment 0 --value 1 --out bank.png",
       "--out: 'bank.png' has no accepted extension; use .pbm, .ppm or .bmp"},
      {"--count 8 --alignment 0 --value 1", "--out is required"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.args);
    const CliRun run = RunCli("bank " + c.args);
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.output.find(c.message), std::string::npos) << run.output;
  }
  EXPECT_FALSE(std::filesystem::exists(TempFile("x.ppm")));
}

TEST(BankCommand, WriteFailureGivesTheReasonAndStatusOne) {
  const CliRun run = RunCli("bank --count 8 --alignment 0 --value 1 --out /nonexistent-setrix-dir/bank.bmp");
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.output,
            "setrix-cli bank: cannot write /nonexistent-setrix-dir/bank.bmp: No such file or directory\n");
}

TEST(BankCommand, ReplacesPicturesSafely) {
  namespace fs = std::filesystem;
  const fs::path dir = TempFile("pictures");
  fs::remove_all(dir);
  fs::create_directories(dir / "archive");
  const std::string args = "bank --count 8 --alignment 0 --value 1 --out ";

  // A link to the archived picture: the picture is replaced, the link stays, the mode is kept.
  const fs::path archived = dir / "archive" / "s1.bmp";
  std::ofstream(archived) << "old picture";
  fs::permissions(archived, fs::perms::owner_read | fs::perms::owner_write);
  fs::create_symlink("archive/s1.bmp", dir / "s1.bmp");
  CliRun run = RunCli(args + (dir / "s1.bmp").string());
  ASSERT_EQ(run.status, 0) << run.output;
  EXPECT_TRUE(fs::is_symlink(dir / "s1.bmp"));
  EXPECT_EQ(setrix::raster::ReadFileBytes(archived.string())[0], 'B');
  EXPECT_EQ(fs::status(archived).permissions() & fs::perms::all, fs::perms::owner_read | fs::perms::owner_write);

  // A FIFO is refused at once (writing into it would wait for a reader), and left alone.
  const fs::path fifo = dir / "pipe.ppm";
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0644), 0);
  run = RunCli(args + fifo.string());
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.output, "setrix-cli bank: cannot write " + fifo.string() + ": Not a regular file (a FIFO)\n");
  EXPECT_TRUE(fs::is_fifo(fifo));
  EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 3);  // nothing left behind
  fs::remove_all(dir);
}

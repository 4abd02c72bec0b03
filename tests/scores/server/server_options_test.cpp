// The server's command line: what it takes and what it refuses, with reasons.
#include <gtest/gtest.h>

#include "scores/server/server_options.h"

namespace scores {
namespace {

OptionsParse parse(std::vector<std::string> words) { return parseServerOptions(words); }

TEST(ServerOptions, TakesTheDocumentedFormsAndDefaultsToLoopback) {
  auto plain = parse({"--db", "scores.sqlite"});
  ASSERT_TRUE(plain.options) << plain.error;
  EXPECT_EQ(plain.options->host, "127.0.0.1");
  EXPECT_EQ(plain.options->port, 8080);
  EXPECT_EQ(plain.options->verifiers, 1);
  EXPECT_FALSE(plain.options->verifyOnly);

  auto full = parse({"--db", "postgresql://u@h/db", "--listen", "[::1]:0", "--site", "s", "--assets", "a",
                     "--verifiers", "0", "--behind-proxy"});
  ASSERT_TRUE(full.options) << full.error;
  EXPECT_EQ(full.options->host, "[::1]");
  EXPECT_EQ(full.options->port, 0);
  EXPECT_EQ(full.options->siteFolder, "s");
  EXPECT_EQ(full.options->assetsFolder, "a");
  EXPECT_EQ(full.options->verifiers, 0);
  EXPECT_TRUE(full.options->behindProxy);

  EXPECT_TRUE(parse({"--verify-only", "--db", "x"}).options->verifyOnly);
  EXPECT_TRUE(parse({"--help"}).help);
}

TEST(ServerOptions, RefusesWithAReason) {
  EXPECT_EQ(parse({}).error, "--db is needed");
  EXPECT_EQ(parse({"--db"}).error, "--db needs a value");
  EXPECT_EQ(parse({"--db", "x", "--listen", "8080"}).error, "--listen wants HOST:PORT");
  EXPECT_EQ(parse({"--db", "x", "--listen", "h:65536"}).error, "--listen wants HOST:PORT");
  EXPECT_EQ(parse({"--db", "x", "--listen", "h:80x"}).error, "--listen wants HOST:PORT");
  EXPECT_NE(parse({"--db", "x", "--verifiers", "2"}).error.find("--verify-only"), std::string::npos);
  EXPECT_EQ(parse({"--db", "x", "--port", "1"}).error, "unknown argument --port");
}

}  // namespace
}  // namespace scores

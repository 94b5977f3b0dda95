#pragma once

#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>
#include <filesystem>
#include <string>

// The window takes the user's locale for the whole process; in a locale with a decimal comma
// the C library's own conversion would stop at the point of "3.1".
class CommaLocaleTest : public testing::Test {
  protected:
    void SetUp() override {
        char pattern[] = "/tmp/stowly-locale-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        directory = pattern;
        const std::string command =
            "localedef -i ru_RU -f UTF-8 " + directory + "/ru_RU.UTF-8 >/dev/null 2>&1";
        if (std::system(command.c_str()) != 0)
            GTEST_SKIP() << "no way to make a locale with a decimal comma here";
        setenv("LOCPATH", directory.c_str(), 1);
        if (!std::setlocale(LC_NUMERIC, "ru_RU.UTF-8"))
            GTEST_SKIP() << "the generated locale could not be set";
        ASSERT_EQ(std::strtod("3.1", nullptr), 3.0) << "the locale does not use a comma";
    }
    void TearDown() override {
        std::setlocale(LC_NUMERIC, "C");
        unsetenv("LOCPATH");
        std::filesystem::remove_all(directory);
    }
    std::string directory;
};

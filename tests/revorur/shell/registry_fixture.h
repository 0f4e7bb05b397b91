#pragma once
// Points the registry stand-in at a fresh hive in a temporary folder for one test.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace doz::testing {

class TempRegistry : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = std::filesystem::temp_directory_path() /
               ("doz-shell-" + std::to_string(::getpid()) + "-" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(dir_);
        std::filesystem::create_directories(dir_);
        hive_ = dir_ / "registry.reg";
        ::setenv("DOZAZAR_REGISTRY", hive_.c_str(), 1);
    }
    void TearDown() override {
        ::unsetenv("DOZAZAR_REGISTRY");
        std::filesystem::remove_all(dir_);
    }
    void writeHive(const std::string& text) { std::ofstream(hive_, std::ios::binary) << text; }
    std::string readHive() const {
        std::ifstream in(hive_, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }

    std::filesystem::path dir_;
    std::filesystem::path hive_;
};

} // namespace doz::testing

#pragma once

#include "bmpbytes.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

// A fresh, empty working directory for the test, removed afterwards.
class WorkingDirectoryTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        previous = std::filesystem::current_path();
        std::string pattern = (std::filesystem::temp_directory_path() / "zoddle-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        directory = pattern;
        std::filesystem::current_path(directory);
    }

    void TearDown() override
    {
        std::filesystem::current_path(previous);
        std::filesystem::remove_all(directory);
    }

    static void writeFile(const std::string& name, const Bytes& bytes)
    {
        std::ofstream file(name, std::ios::binary);
        file.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    }

    std::filesystem::path directory;

private:
    std::filesystem::path previous;
};

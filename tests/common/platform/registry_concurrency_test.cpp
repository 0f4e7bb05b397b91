#include "tests/support/temp_registry.h"

#include "common/platform/file_io.h"
#include "common/platform/registry.h"

#include <atomic>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace doz::platform::test {
namespace {

using namespace doz::test;

constexpr std::string_view kRaceKey = "SOFTWARE\\Dozazar\\Race";
constexpr int kValuesPerWriter = 40;

std::string valueName(int writer, int index) {
    return "w" + std::to_string(writer) + "-" + std::to_string(index);
}

// Each writer opens the key afresh for every value, as separate program runs would.
bool writeValues(int writer) {
    for (int i = 0; i < kValuesPerWriter; ++i) {
        auto key = createKey(RootKey::LocalMachine, kRaceKey);
        if (!key || !key->writeDword(valueName(writer, i), static_cast<std::uint32_t>(writer * 1000 + i)))
            return false;
    }
    return true;
}

void expectAllValues(int writers) {
    const auto key = openKey(RootKey::LocalMachine, kRaceKey);
    ASSERT_TRUE(key);
    EXPECT_EQ(key->valueNames().size(), static_cast<std::size_t>(writers * kValuesPerWriter));
    for (int writer = 0; writer < writers; ++writer) {
        for (int i = 0; i < kValuesPerWriter; ++i)
            EXPECT_EQ(key->readDword(valueName(writer, i)), static_cast<std::uint32_t>(writer * 1000 + i));
    }
}

class ConcurrentRegistry : public RegistryTest {};

TEST_F(ConcurrentRegistry, WritersInSeveralProcessesLoseNoValue) {
    constexpr int kWriters = 3;
    std::vector<pid_t> children;
    for (int writer = 0; writer < kWriters; ++writer) {
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0)
            ::_exit(writeValues(writer) ? 0 : 1);
        children.push_back(child);
    }
    for (const pid_t child : children) {
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    expectAllValues(kWriters);
}

TEST_F(ConcurrentRegistry, WriterThreadsLoseNoValueAndReadersAlwaysSeeAWholeHive) {
    ASSERT_TRUE(createKey(RootKey::LocalMachine, kRadezuviKey)->writeString("Task Folder", "/tasks"));
    constexpr int kWriters = 3;
    std::atomic<int> running{kWriters};
    std::atomic<bool> allWritten{true};
    std::vector<std::thread> writers;
    for (int writer = 0; writer < kWriters; ++writer) {
        writers.emplace_back([&, writer] {
            if (!writeValues(writer))
                allWritten = false;
            --running;
        });
    }
    int reads = 0;
    int wholeReads = 0;
    while (running > 0) {
        const auto key = openKey(RootKey::LocalMachine, kRadezuviKey);
        wholeReads += key && key->readString("Task Folder") == "/tasks" ? 1 : 0;
        ++reads;
    }
    for (std::thread& writer : writers)
        writer.join();
    EXPECT_TRUE(allWritten);
    EXPECT_EQ(wholeReads, reads);
    expectAllValues(kWriters);
}

} // namespace
} // namespace doz::platform::test

#include "support/private_cupsd.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <thread>

namespace {

bool Gone(pid_t pid)
{
    for (int i = 0; i < 100; ++i) {
        if (kill(pid, 0) != 0)
            return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return false;
}

// A test program killed while its print server runs takes the server with it.
TEST(PrivateCupsdTest, TheDaemonDiesWithAKilledTestProgram)
{
    int pids[2];
    ASSERT_EQ(pipe(pids), 0);
    const pid_t program = fork();
    ASSERT_GE(program, 0);
    if (program == 0) {
        PrivateCupsd cupsd;
        const pid_t daemon = cupsd.DaemonPid();
        if (write(pids[1], &daemon, sizeof daemon) != sizeof daemon)
            _exit(1);
        pause();
        _exit(0);
    }
    pid_t daemon = -1;
    ASSERT_EQ(read(pids[0], &daemon, sizeof daemon), ssize_t(sizeof daemon));
    ASSERT_GT(daemon, 0);
    EXPECT_EQ(kill(daemon, 0), 0);
    kill(program, SIGKILL);
    waitpid(program, nullptr, 0);
    EXPECT_TRUE(Gone(daemon));
}

}  // namespace

#pragma once

// A command that opens a named pipe and waits there for the pipe's other end
// would hang its test for good: WaitsOn opens that end after a few seconds
// and reads what comes, so the test goes on and fails.
#include <chrono>
#include <functional>
#include <future>
#include <string>

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

// Runs the command; true when it was still running after a few seconds, as
// one waiting on the pipe at `path` is.
inline bool WaitsOn(const std::string& path, const std::function<void()>& command)
{
    std::promise<void> done;
    auto watch = std::async(std::launch::async, [&path, ended = done.get_future()] {
        if (ended.wait_for(std::chrono::seconds(5)) == std::future_status::ready)
            return false;
        // Both ends: a reader waits in open() for a writer, a writer for a reader.
        const int reader = open(path.c_str(), O_RDONLY | O_NONBLOCK);
        close(open(path.c_str(), O_WRONLY | O_NONBLOCK));
        char chunk[4096];
        pollfd ready{reader, POLLIN, 0};
        for (int round = 0; round < 100; ++round) {
            poll(&ready, 1, 100);
            if (read(reader, chunk, sizeof chunk) == 0)
                break;  // no writer is left
        }
        close(reader);
        return true;
    });
    command();
    done.set_value();
    return watch.get();
}

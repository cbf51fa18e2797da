// A cupsd of the tests' own: its configuration, spool and logs live in a temporary folder,
// it listens on 127.0.0.1 only, and while it runs it is the print server of this process
// (CUPS_SERVER) and of every program the process starts. The machine's own cupsd and its
// lpoptions are never touched: HOME and CUPS_SERVERROOT point into a folder of the process.
// The daemon dies with the process that started it, and the next one clears the folders
// a killed process left.
// Build it before the first CUPS call of the process: libcups reads HOME once per thread.
#pragma once

#include <cups/ipp.h>
#include <sys/types.h>

#include <cstdint>
#include <filesystem>
#include <string>

class PrivateCupsd {
public:
    // Throws std::runtime_error, with the daemon's log, when it does not come up.
    PrivateCupsd();
    ~PrivateCupsd();
    PrivateCupsd(const PrivateCupsd&) = delete;
    PrivateCupsd& operator=(const PrivateCupsd&) = delete;

    // An enabled queue that writes each job, unfiltered, over the file OutputPath(name).
    void AddPrinter(const std::string& name);
    // Such a queue that also tells its paper over IPP, as a printer on the network
    // does: the server can make a queue of its own for it. Gives its address.
    std::string AddNetworkPrinter(const std::string& name);
    // As `cupsreject` and `cupsaccept` do.
    void AcceptJobs(const std::string& name, bool accept);
    // The server-wide default, as `lpadmin -d` sets it.
    void SetServerDefault(const std::string& name);

    std::filesystem::path OutputPath(const std::string& printer) const;
    std::uintmax_t OutputSize(const std::string& printer) const;
    int CompletedJobs(const std::string& printer) const;

    pid_t DaemonPid() const { return daemon_; }

    // Ends the daemon early, as a machine whose print server has stopped.
    void Stop();

private:
    void AddQueue(const std::string& name, const char* ppd);
    void WriteConfiguration() const;
    bool Start();
    bool WaitUntilAnswering() const;
    void SendAdminRequest(ipp_t* request, const char* file) const;
    std::string ErrorLog() const;

    std::filesystem::path root_;
    int port_ = 0;
    pid_t daemon_ = -1;
};

#include "support/private_cupsd.h"

#include <arpa/inet.h>
#include <cups/cups.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <memory>
#include <sstream>
#include <stdexcept>
#include <system_error>
#include <thread>

extern char** environ;

namespace fs = std::filesystem;

namespace {

// Passes every file type through, so a job's output is the document as it was sent.
const char kFilePrinterPpd[] =
    "*PPD-Adobe: \"4.3\"\n"
    "*FormatVersion: \"4.3\"\n"
    "*FileVersion: \"1.0\"\n"
    "*LanguageVersion: English\n"
    "*LanguageEncoding: ISOLatin1\n"
    "*PCFileName: \"QUILLORY.PPD\"\n"
    "*Manufacturer: \"Quillory\"\n"
    "*Product: \"(File Printer)\"\n"
    "*ModelName: \"Quillory File Printer\"\n"
    "*ShortNickName: \"Quillory File Printer\"\n"
    "*NickName: \"Quillory File Printer\"\n"
    "*PSVersion: \"(3010.000) 0\"\n"
    "*cupsFilter: \"*/* 0 gziptoany\"\n";

// A queue the server makes for a printer on the network asks it for its paper.
const char kPaperSizes[] =
    "*OpenUI *PageSize: PickOne\n"
    "*DefaultPageSize: A4\n"
    "*PageSize A4: \"\"\n"
    "*CloseUI: *PageSize\n"
    "*DefaultImageableArea: A4\n"
    "*ImageableArea A4: \"18 36 577 806\"\n"
    "*DefaultPaperDimension: A4\n"
    "*PaperDimension A4: \"595 842\"\n";

constexpr auto kPatience = std::chrono::seconds(30);
constexpr auto kPoll = std::chrono::milliseconds(50);

struct HttpCloser {
    void operator()(http_t* http) const { httpClose(http); }
};
using Connection = std::unique_ptr<http_t, HttpCloser>;

fs::path MakeTemporaryFolder(const fs::path& parent, const char* prefix) {
    std::string pattern = (parent / prefix).string() + "XXXXXX";
    if (!mkdtemp(pattern.data()))
        throw std::system_error(errno, std::generic_category(), "mkdtemp");
    return pattern;
}

void WriteFile(const fs::path& path, const std::string& text) {
    std::ofstream(path) << text;
}

// A folder is marked with the process that made it; one whose process is gone was
// left by a test program that was killed.
constexpr char kOwnerFile[] = "owner.pid";

void MarkOwner(const fs::path& folder) {
    WriteFile(folder / kOwnerFile, std::to_string(getpid()));
}

void RemoveAbandoned(const fs::path& parent, const std::string& prefix) {
    std::error_code ignored;
    for (const auto& entry : fs::directory_iterator(parent, ignored)) {
        if (entry.path().filename().string().rfind(prefix, 0) != 0)
            continue;
        pid_t owner = 0;
        std::ifstream(entry.path() / kOwnerFile) >> owner;
        if (owner > 0 && kill(owner, 0) != 0 && errno == ESRCH)
            fs::remove_all(entry.path(), ignored);
    }
}

// Where libcups keeps the client's lpoptions: ~/.cups for users, CUPS_SERVERROOT for root.
// One folder for the whole process, because libcups reads HOME only once per thread.
class ClientFolder {
public:
    ClientFolder() {
        RemoveAbandoned(fs::temp_directory_path(), "quillory-cups-client-");
        root_ = MakeTemporaryFolder(fs::temp_directory_path(), "quillory-cups-client-");
        MarkOwner(root_);
        fs::create_directories(root_ / "home");
        fs::create_directories(root_ / "etc");
        setenv("HOME", (root_ / "home").c_str(), 1);
        setenv("XDG_CONFIG_HOME", (root_ / "home" / ".config").c_str(), 1);
        setenv("CUPS_SERVERROOT", (root_ / "etc").c_str(), 1);
        unsetenv("LPDEST");
        unsetenv("PRINTER");
    }
    ~ClientFolder() {
        std::error_code ignored;
        fs::remove_all(root_, ignored);
    }
    void ForgetDefaults() const {
        fs::remove_all(root_ / "home" / ".cups");
        fs::remove(root_ / "etc" / "lpoptions");
    }

private:
    fs::path root_;
};

const ClientFolder& Client() {
    static const ClientFolder client;
    return client;
}

int FreeLoopbackPort() {
    const int probe = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    const bool bound = bind(probe, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 &&
                       getsockname(probe, reinterpret_cast<sockaddr*>(&address), &length) == 0;
    close(probe);
    if (!bound)
        throw std::runtime_error("no free loopback port");
    return ntohs(address.sin_port);
}

Connection Connect(int port, int msec) {
    return Connection(
        httpConnect2("127.0.0.1", port, nullptr, AF_INET, HTTP_ENCRYPTION_NEVER, 1, msec, nullptr));
}

void AddPrinterUri(ipp_t* request, const std::string& printer) {
    char uri[HTTP_MAX_URI];
    httpAssembleURIf(HTTP_URI_CODING_ALL, uri, sizeof uri, "ipp", nullptr, "localhost", 0,
                     "/printers/%s", printer.c_str());
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr, uri);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_NAME, "requesting-user-name", nullptr,
                 cupsUser());
}

}  // namespace

// Not under TMPDIR, which may be closed to the lp user that runs the filters.
PrivateCupsd::PrivateCupsd() : root_(MakeTemporaryFolder("/tmp", "quillory-cupsd-")) {
    RemoveAbandoned("/tmp", "quillory-cupsd-");
    MarkOwner(root_);
    Client().ForgetDefaults();
    // Filters run as the lp user and must reach the spool inside.
    fs::permissions(root_, fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                               fs::perms::others_read | fs::perms::others_exec);
    for (const char* folder : {"spool", "tmp", "cache", "state", "log"})
        fs::create_directories(root_ / folder);
    WriteFile(root_ / "file-printer.ppd", kFilePrinterPpd);
    WriteFile(root_ / "network-printer.ppd", std::string(kFilePrinterPpd) + kPaperSizes);
    // Another process may take the probed port before the daemon binds it.
    for (int attempt = 0; attempt < 3 && daemon_ < 0; ++attempt) {
        port_ = FreeLoopbackPort();
        WriteConfiguration();
        if (!Start() || !WaitUntilAnswering())
            Stop();
    }
    if (daemon_ < 0) {
        const std::string log = ErrorLog();
        std::error_code ignored;
        fs::remove_all(root_, ignored);
        throw std::runtime_error("the private cupsd did not start:\n" + log);
    }
    setenv("CUPS_SERVER", ("127.0.0.1:" + std::to_string(port_)).c_str(), 1);
    cupsSetServer(nullptr);
}

PrivateCupsd::~PrivateCupsd() {
    Stop();
    std::error_code ignored;
    fs::remove_all(root_, ignored);
}

void PrivateCupsd::WriteConfiguration() const {
    const std::string root = root_.string();
    std::ostringstream files;
    files << "ServerRoot " << root << "\n"
          << "RequestRoot " << root << "/spool\n"
          << "TempDir " << root << "/tmp\n"
          << "CacheDir " << root << "/cache\n"
          << "StateDir " << root << "/state\n"
          << "ErrorLog " << root << "/log/error_log\n"
          << "AccessLog " << root << "/log/access_log\n"
          << "PageLog " << root << "/log/page_log\n"
          << "Printcap " << root << "/printcap\n"
          << "SystemGroup root\n"
          << "FileDevice Yes\n";
    WriteFile(root_ / "cups-files.conf", files.str());
    std::ostringstream daemon;
    daemon << "Listen 127.0.0.1:" << port_ << "\n"
           << "Browsing No\n"
           << "BrowseLocalProtocols none\n"
           << "WebInterface No\n"
           << "DefaultAuthType None\n"
           << "LogLevel warn\n"
           << "<Location />\n  Order allow,deny\n  Allow all\n</Location>\n"
           << "<Policy default>\n  <Limit All>\n    Order allow,deny\n    Allow all\n"
           << "  </Limit>\n</Policy>\n";
    WriteFile(root_ / "cupsd.conf", daemon.str());
}

// The daemon dies with this process, however it ends: a killed test leaves no
// print server behind.
bool PrivateCupsd::Start() {
    const std::string daemon_conf = (root_ / "cupsd.conf").string();
    const std::string files_conf = (root_ / "cups-files.conf").string();
    const std::string output = (root_ / "log" / "cupsd.out").string();
    const char* argv[] = {"cupsd", "-f", "-c", daemon_conf.c_str(), "-s", files_conf.c_str(), nullptr};
    const pid_t parent = getpid();
    const pid_t pid = fork();
    if (pid == 0) {
        prctl(PR_SET_PDEATHSIG, SIGKILL);
        if (getppid() != parent)
            _exit(127);
        const int in = open("/dev/null", O_RDONLY);
        const int out = open(output.c_str(), O_WRONLY | O_CREAT | O_APPEND, 0644);
        dup2(in, 0);
        dup2(out, 1);
        dup2(out, 2);
        execve("/usr/sbin/cupsd", const_cast<char* const*>(argv), environ);
        _exit(127);
    }
    daemon_ = pid;
    return pid > 0;
}

bool PrivateCupsd::WaitUntilAnswering() const {
    const auto deadline = std::chrono::steady_clock::now() + kPatience;
    while (std::chrono::steady_clock::now() < deadline) {
        int status = 0;
        if (waitpid(daemon_, &status, WNOHANG) == daemon_)
            return false;
        if (Connection http = Connect(port_, 200)) {
            ippDelete(cupsDoRequest(http.get(), ippNewRequest(IPP_OP_CUPS_GET_PRINTERS), "/"));
            if (cupsLastError() <= IPP_STATUS_OK_CONFLICTING ||
                cupsLastError() == IPP_STATUS_ERROR_NOT_FOUND)
                return true;
        }
        std::this_thread::sleep_for(kPoll);
    }
    return false;
}

void PrivateCupsd::Stop() {
    if (daemon_ < 0)
        return;
    kill(daemon_, SIGTERM);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    int status = 0;
    while (waitpid(daemon_, &status, WNOHANG) == 0) {
        if (std::chrono::steady_clock::now() > deadline) {
            kill(daemon_, SIGKILL);
            waitpid(daemon_, &status, 0);
            break;
        }
        std::this_thread::sleep_for(kPoll);
    }
    daemon_ = -1;
}

void PrivateCupsd::SendAdminRequest(ipp_t* request, const char* file) const {
    Connection http = Connect(port_, 5000);
    if (!http) {
        ippDelete(request);
        throw std::runtime_error("the private cupsd does not answer");
    }
    ippDelete(cupsDoFileRequest(http.get(), request, "/admin/", file));
    if (cupsLastError() > IPP_STATUS_OK_CONFLICTING)
        throw std::runtime_error(std::string("the private cupsd refused: ") + cupsLastErrorString());
}

void PrivateCupsd::AddPrinter(const std::string& name) { AddQueue(name, "file-printer.ppd"); }

std::string PrivateCupsd::AddNetworkPrinter(const std::string& name) {
    AddQueue(name, "network-printer.ppd");
    return "ipp://127.0.0.1:" + std::to_string(port_) + "/printers/" + name;
}

void PrivateCupsd::AddQueue(const std::string& name, const char* ppd) {
    ipp_t* request = ippNewRequest(IPP_OP_CUPS_ADD_MODIFY_PRINTER);
    AddPrinterUri(request, name);
    const std::string device = "file://" + OutputPath(name).string();
    ippAddString(request, IPP_TAG_PRINTER, IPP_TAG_URI, "device-uri", nullptr, device.c_str());
    ippAddBoolean(request, IPP_TAG_PRINTER, "printer-is-accepting-jobs", 1);
    ippAddInteger(request, IPP_TAG_PRINTER, IPP_TAG_ENUM, "printer-state", IPP_PSTATE_IDLE);
    SendAdminRequest(request, (root_ / ppd).c_str());
}

void PrivateCupsd::AcceptJobs(const std::string& name, bool accept) {
    ipp_t* request = ippNewRequest(accept ? IPP_OP_CUPS_ACCEPT_JOBS : IPP_OP_CUPS_REJECT_JOBS);
    AddPrinterUri(request, name);
    SendAdminRequest(request, nullptr);
}

void PrivateCupsd::SetServerDefault(const std::string& name) {
    ipp_t* request = ippNewRequest(IPP_OP_CUPS_SET_DEFAULT);
    AddPrinterUri(request, name);
    SendAdminRequest(request, nullptr);
}

fs::path PrivateCupsd::OutputPath(const std::string& printer) const {
    return root_ / (printer + ".out");
}

std::uintmax_t PrivateCupsd::OutputSize(const std::string& printer) const {
    std::error_code missing;
    const std::uintmax_t size = fs::file_size(OutputPath(printer), missing);
    return missing ? 0 : size;
}

int PrivateCupsd::CompletedJobs(const std::string& printer) const {
    Connection http = Connect(port_, 5000);
    cups_job_t* jobs = nullptr;
    const int count = http ? cupsGetJobs2(http.get(), &jobs, printer.c_str(), 0, CUPS_WHICHJOBS_COMPLETED) : 0;
    int completed = 0;
    for (int i = 0; i < count; ++i)
        completed += jobs[i].state == IPP_JSTATE_COMPLETED;
    cupsFreeJobs(count, jobs);
    return completed;
}

std::string PrivateCupsd::ErrorLog() const {
    std::string log;
    for (const char* name : {"cupsd.out", "error_log"}) {
        std::ifstream file(root_ / "log" / name);
        log.append(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    }
    return log;
}

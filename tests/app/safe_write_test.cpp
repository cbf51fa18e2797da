#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <memory>
#include <vector>

#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include "app/control_ids.h"
#include "app/frame.h"
#include "app/puzzle.h"
#include "app/word_list_dlg.h"
#include "dialog_script.h"
#include "support/named_pipe.h"
#include "support/temp_file.h"

namespace {

constexpr uid_t Nobody = 65534;
constexpr uid_t Daemon = 1;

struct stat StatOf(const std::string& path, bool follow = true)
{
    struct stat st {};
    (follow ? stat : lstat)(path.c_str(), &st);
    return st;
}

std::ptrdiff_t Entries(const std::string& folder) { return std::distance(std::filesystem::directory_iterator(folder), {}); }

// Root may write anywhere: it tries a read-only folder as nobody.
void AsNobody(const std::function<void()>& run)
{
    const bool dropped = geteuid() == 0 && seteuid(Nobody) == 0;
    run();
    EXPECT_TRUE(!dropped || seteuid(0) == 0);
}

// A file size limit stops a write part-way, as a full disk would.
void WithTinyFileSizeLimit(const std::function<void()>& run)
{
    rlimit old{};
    getrlimit(RLIMIT_FSIZE, &old);
    const rlimit tiny{64, old.rlim_max};
    auto previous = std::signal(SIGXFSZ, SIG_IGN);
    setrlimit(RLIMIT_FSIZE, &tiny);
    run();
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, previous);
}

// Saves as the user makes them, a document with "Save..." and a word list with its
// dialog's "Save word list", each to a path and with the text its file starts with.
class SafeSaveTest : public testing::Test {
protected:
    void SetUp() override
    {
        CloseAllTabs();
        Dictionary list;
        list.AddWord("giraffe", "Tallest animal");
        AddGeneratedPuzzle(std::make_unique<Puzzle>(FreeformPuzzle), list, "Zoo");
        dialog = new WordListDlg(&frame, WordListDialogId, "");
        TypeRow(dialog, 0, "giraffe", std::string(200, 't'));
    }
    void TearDown() override
    {
        dialog->Destroy();
        CloseAllTabs();
    }

    struct Kind {
        std::function<void(const std::string&)> save;
        std::string starts;
        std::string extension;
    };
    std::vector<Kind> Kinds()
    {
        auto answer = [this](const std::string& path) { script.paths = {path}; };
        return {{[=](auto& path) { answer(path); RunMenuCommand(ID_Save); }, "<document type=\"freeform\">", ".qzl"},
                {[=](auto& path) { answer(path); Press(dialog, ID_SaveWordList); }, "giraffe\t" + std::string(200, 't'),
                 ".lst"}};
    }

    MyFrame& frame = TestFrame();
    DialogScript script;
    wxDialog* dialog = nullptr;
    TempFolder temp;
    const std::string folder = temp.path();
};

TEST_F(SafeSaveTest, ASaveKeepsLinksModesAndOwners)
{
    const bool root = geteuid() == 0;
    const std::string target = folder + "/target.txt", link = folder + "/link.txt", kept = folder + "/kept.txt";
    for (const auto& [save, starts, extension] : Kinds()) {
        SCOPED_TRACE(starts);
        std::ofstream(target) << "old";
        ASSERT_EQ(symlink("target.txt", link.c_str()), 0);
        save(link);
        EXPECT_TRUE(S_ISLNK(StatOf(link, false).st_mode)) << "the link stays a link";
        EXPECT_EQ(FileText(target).rfind(starts, 0), 0u) << "and its target gets the text";

        std::ofstream(kept) << "old";
        chmod(kept.c_str(), 0600);
        ASSERT_TRUE(!root || chown(kept.c_str(), Nobody, Nobody) == 0);
        save(kept);
        EXPECT_EQ(FileText(kept).rfind(starts, 0), 0u);
        EXPECT_EQ(StatOf(kept).st_mode & 07777, 0600u);
        EXPECT_TRUE(!root || (StatOf(kept).st_uid == Nobody && StatOf(kept).st_gid == Nobody));

        EXPECT_EQ(Entries(folder), 3) << "no temporary file is left";
        std::system(("rm -f " + folder + "/*").c_str());
    }
}

// A folder no one may write in, a write cut short (beside the file, or in place
// where the folder takes no new file), a folder in the file's place, a file the
// user may not write (the system says why, as writing it in place would), a
// named pipe (never waited on, nor replaced), and, where the test may make
// them: a link another user planted in a sticky folder anyone may write in, to
// a file of the user's; another user's pipe there; a device.
TEST_F(SafeSaveTest, AFailedSaveIsReportedAndLeavesTheOldFileWhole)
{
    const bool root = geteuid() == 0;
    const std::string locked = folder + "/locked.dir", inLocked = locked + "/old.txt", full = folder + "/full.txt";
    const std::string lockedMine = locked + "/mine.txt";
    const std::string mine = folder + "/mine.dir", readOnly = mine + "/read-only.txt";
    const std::string sticky = folder + "/sticky.dir", planted = sticky + "/puzzle.qzl", notes = folder + "/notes.txt";
    const std::string pipe = folder + "/pipe.qzl", othersPipe = sticky + "/pipe.qzl", device = folder + "/zero.dev";
    mkdir(locked.c_str(), 0755);
    std::ofstream(inLocked) << "old";
    std::ofstream(lockedMine) << "old";
    chmod(locked.c_str(), 0555);
    std::ofstream(full) << "old";
    mkdir(mine.c_str(), 0755);
    std::ofstream(readOnly) << "old";
    chmod(readOnly.c_str(), 0444);
    for (const std::string& owned : {mine, readOnly, lockedMine})
        ASSERT_TRUE(!root || chown(owned.c_str(), Nobody, Nobody) == 0);
    mkdir(sticky.c_str(), 0755);
    chmod(sticky.c_str(), 01777);
    std::ofstream(notes) << "old";
    ASSERT_EQ(symlink(notes.c_str(), planted.c_str()), 0);
    ASSERT_TRUE(!root || lchown(planted.c_str(), Daemon, Daemon) == 0);
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
    const auto asItIs = [](const std::function<void()>& run) { run(); };
    const auto inPlaceAndFull = [](const std::function<void()>& run) { AsNobody([&] { WithTinyFileSizeLimit(run); }); };
    struct Case {
        std::string path;
        std::function<void(const std::function<void()>&)> as;
        const char* says;
    };
    std::vector<Case> cases = {{inLocked, AsNobody, ""},
                               {full, WithTinyFileSizeLimit, ""},
                               {lockedMine, inPlaceAndFull, "File too large"},
                               {locked, asItIs, "it is a folder"},
                               {readOnly, AsNobody, "Permission denied"},
                               {pipe, asItIs, "it is a named pipe"}};
    if (root) {
        ASSERT_EQ(mkfifo(othersPipe.c_str(), 0666), 0);
        ASSERT_TRUE(chown(othersPipe.c_str(), Daemon, Daemon) == 0 && chmod(othersPipe.c_str(), 0666) == 0);
        ASSERT_EQ(mknod(device.c_str(), S_IFCHR | 0666, makedev(1, 5)), 0);  // as /dev/zero
        cases.insert(cases.end(), {{planted, asItIs, "Permission denied"},
                                   {othersPipe, AsNobody, "it is a named pipe"},
                                   {device, asItIs, "it is a device"}});
    }
    for (const Kind& kind : Kinds()) {
        SCOPED_TRACE(kind.starts);
        script.messages.clear();
        for (const Case& c : cases)
            EXPECT_FALSE(WaitsOn(c.path, [&] { c.as([&] { kind.save(c.path); }); })) << c.path;
        ASSERT_EQ(script.messages.size(), cases.size());
        for (std::size_t i = 0; i < cases.size(); ++i)
            EXPECT_TRUE(script.messages[i].Contains(cases[i].path) && script.messages[i].Contains(cases[i].says))
                << script.messages[i];
        EXPECT_EQ(frame.m_notebook->GetPageText(0), "Unnamed file");
        EXPECT_EQ(FileText(inLocked) + FileText(full) + FileText(readOnly) + FileText(notes) + FileText(lockedMine),
                  "oldoldoldoldold");
        EXPECT_TRUE(S_ISFIFO(StatOf(pipe).st_mode) && (!root || S_ISCHR(StatOf(device).st_mode)));
        EXPECT_EQ(Entries(locked) + Entries(folder) + Entries(mine) + Entries(sticky), root ? 12 : 10);
    }
}

// As the Windows dialogs do: "quiz" is saved as "quiz.qzl" or "quiz.lst", where
// the Open dialogs list it; a name with an extension is kept as typed.
TEST_F(SafeSaveTest, ANameTypedWithoutAnExtensionGetsTheFileType)
{
    mkdir((folder + "/week.3").c_str(), 0755);
    for (const auto& [save, starts, extension] : Kinds()) {
        SCOPED_TRACE(extension);
        const std::pair<std::string, std::string> typedAndSaved[] = {
            {"quiz", "quiz" + extension}, {"my.quiz", "my.quiz"}, {"week.3/quiz", "week.3/quiz" + extension}};
        for (const auto& [typed, saved] : typedAndSaved) {
            save(folder + "/" + typed);
            EXPECT_EQ(FileText(folder + "/" + saved).rfind(starts, 0), 0u) << typed;
        }
        EXPECT_EQ(Entries(folder) + Entries(folder + "/week.3"), 4) << "nothing saved under the name as typed";
        if (extension == ".qzl") {
            EXPECT_EQ(frame.m_notebook->GetPageText(0), "quiz.qzl");
        }
        std::system(("rm -rf " + folder + "/*; mkdir " + folder + "/week.3").c_str());
    }
}

}  // namespace

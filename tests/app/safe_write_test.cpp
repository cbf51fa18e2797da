#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <functional>

#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include "app/frame.h"
#include "app/puzzle.h"
#include "app/word_list_dlg.h"
#include "dialog_script.h"

namespace {

constexpr int SaveListButton = 1006;
constexpr uid_t Nobody = 65534;

// Saves as the user makes them: a document with "Save...", a word list with
// its dialog's "Save word list".
class SafeSaveTest : public testing::Test {
protected:
    struct Kind {
        std::string name;
        std::function<void()> save;
        std::string starts;
    };

    void SetUp() override
    {
        CloseAllTabs();
        char pattern[] = "/tmp/quillory-saves-XXXXXX";
        folder = mkdtemp(pattern);
        chmod(folder.c_str(), 0755);
        Dictionary list;
        list.AddWord("giraffe", "Tallest animal");
        AddGeneratedPuzzle(new Puzzle(FreeformPuzzle), list, "Zoo");
        dialog = new WordListDlg(&frame, WordListDialogId, "");
        TypeRow(dialog, 0, "giraffe", std::string(200, 't'));
    }
    void TearDown() override
    {
        dialog->Destroy();
        CloseAllTabs();
        std::system(("chmod -R u+w " + folder + "; rm -rf " + folder).c_str());
    }

    std::vector<Kind> Kinds()
    {
        return {{"document", [] { RunMenuCommand(ID_Save); }, "<document type=\"freeform\">"},
                {"word list", [this] { Press(dialog, SaveListButton); }, "giraffe\t" + std::string(200, 't')}};
    }

    void Save(const Kind& kind, const std::string& path)
    {
        script.paths = {path};
        kind.save();
    }

    bool Starts(const std::string& path, const std::string& text) { return FileText(path).rfind(text, 0) == 0; }

    static std::ptrdiff_t Entries(const std::string& inFolder)
    {
        return std::distance(std::filesystem::directory_iterator(inFolder), {});
    }

    MyFrame& frame = TestFrame();
    DialogScript script;
    wxDialog* dialog = nullptr;
    std::string folder;
};

struct stat StatOf(const std::string& path, bool follow = true)
{
    struct stat st {};
    (follow ? stat : lstat)(path.c_str(), &st);
    return st;
}

TEST_F(SafeSaveTest, ASaveKeepsLinksModesAndOwners)
{
    const bool root = geteuid() == 0;
    for (const Kind& kind : Kinds()) {
        SCOPED_TRACE(kind.name);
        const std::string target = folder + "/target", link = folder + "/link", kept = folder + "/kept";
        std::ofstream(target) << "old";
        ASSERT_EQ(symlink("target", link.c_str()), 0);
        Save(kind, link);
        EXPECT_TRUE(S_ISLNK(StatOf(link, false).st_mode)) << "the link stays a link";
        EXPECT_TRUE(Starts(target, kind.starts)) << "and its target gets the text";

        std::ofstream(kept) << "old";
        chmod(kept.c_str(), 0600);
        if (root)
            ASSERT_EQ(chown(kept.c_str(), Nobody, Nobody), 0);
        Save(kind, kept);
        EXPECT_TRUE(Starts(kept, kind.starts));
        EXPECT_EQ(StatOf(kept).st_mode & 07777, 0600u);
        if (root) {
            EXPECT_EQ(StatOf(kept).st_uid, Nobody);
            EXPECT_EQ(StatOf(kept).st_gid, Nobody);
        }

        const mode_t mask = umask(027);
        Save(kind, folder + "/new");
        umask(mask);
        EXPECT_EQ(StatOf(folder + "/new").st_mode & 07777, 0640u);
        EXPECT_TRUE(script.messages.empty());
        EXPECT_EQ(Entries(folder), 4) << "no temporary file is left";
        std::system(("rm -f " + folder + "/*").c_str());
    }
}

// Root may write anywhere: it tries the read-only folder as nobody.
class AsNobody {
public:
    AsNobody() : dropped_(geteuid() == 0 && seteuid(Nobody) == 0) {}
    ~AsNobody()
    {
        if (dropped_)
            EXPECT_EQ(seteuid(0), 0);
    }

private:
    bool dropped_;
};

TEST_F(SafeSaveTest, AFailedSaveLeavesTheOldFileWhole)
{
    const std::string locked = folder + "/locked", inLocked = locked + "/old", full = folder + "/full";
    mkdir(locked.c_str(), 0755);
    std::ofstream(inLocked) << "old";
    chmod(locked.c_str(), 0555);
    std::ofstream(full) << "old";
    for (const Kind& kind : Kinds()) {
        SCOPED_TRACE(kind.name);
        script.messages.clear();
        {
            AsNobody nobody;
            Save(kind, inLocked);
        }
        {
            // A file size limit stops the write part-way, as a full disk would.
            rlimit old{};
            getrlimit(RLIMIT_FSIZE, &old);
            rlimit small = old;
            small.rlim_cur = 64;
            auto previous = std::signal(SIGXFSZ, SIG_IGN);
            setrlimit(RLIMIT_FSIZE, &small);
            Save(kind, full);
            setrlimit(RLIMIT_FSIZE, &old);
            std::signal(SIGXFSZ, previous);
        }
        ASSERT_EQ(script.messages.size(), 2u);
        EXPECT_NE(script.messages[0].find(inLocked), wxString::npos) << script.messages[0];
        EXPECT_NE(script.messages[1].find(full), wxString::npos) << script.messages[1];
        EXPECT_EQ(FileText(inLocked), "old");
        EXPECT_EQ(FileText(full), "old");
        EXPECT_EQ(Entries(locked), 1);
        EXPECT_EQ(Entries(folder), 2);
    }
}

}  // namespace

#include "app/command_edge.h"

#include <exception>
#include <new>

#include <wx/msgdlg.h>

#include "app/letter_limit.h"
#include "app/text_encoding.h"
#include "engine/alphabet.h"
#include "engine/error.h"

namespace {

// A command that fails gives back the letters it added, so the next one starts
// where the last good one ended. A command run inside another (a dialog's Done
// within Edit word list) that ends well keeps its letters for the outer one too.
class LetterLedger {
public:
    LetterLedger() : before_(Alphabet::LetterCount()), outer_(innermost) { innermost = this; }
    ~LetterLedger()
    {
        innermost = outer_;
        if (!kept_)
            Alphabet::GiveBackLetters(before_);
    }
    LetterLedger(const LetterLedger&) = delete;
    LetterLedger& operator=(const LetterLedger&) = delete;

    void Keep()
    {
        kept_ = true;
        for (LetterLedger* ledger = outer_; ledger; ledger = ledger->outer_)
            ledger->before_ = Alphabet::LetterCount();
    }

private:
    static LetterLedger* innermost;
    int before_;
    LetterLedger* outer_;
    bool kept_ = false;
};

LetterLedger* LetterLedger::innermost = nullptr;

}  // namespace

void ShowInformation(wxWindow* parent, const wxString& message)
{
    wxMessageDialog box(parent, message, "Information", wxOK | wxICON_EXCLAMATION);
    box.ShowModal();
}

void RunCommand(wxWindow* parent, const std::function<void()>& command)
{
    try {
        LetterLedger letters;
        command();
        letters.Keep();
    } catch (const LetterLimitReached& e) {
        ShowInformation(parent, LetterLimitMessage(e, Alphabet::LetterCount()));
    } catch (const TooManyLetters& e) {
        ShowInformation(parent, LetterLimitMessage(e, Alphabet::LetterCount()));
    } catch (const error& e) {
        ShowInformation(parent, FromWindows1252(e.message()));
    } catch (const std::bad_alloc&) {
        ShowInformation(parent, "There was not enough memory to finish the command.");
    } catch (const std::exception&) {
        ShowInformation(parent, "The command could not be finished because of an unexpected failure.");
    }
}

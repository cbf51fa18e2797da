#include "app/word_list_file.h"

#include <algorithm>
#include <optional>
#include <sstream>

#include <wx/filedlg.h>
#include <wx/grid.h>

#include "app/file_choice.h"
#include "app/one_line.h"
#include "app/regular_file.h"
#include "app/safe_write.h"
#include "app/text_encoding.h"
#include "app/word_grid.h"

namespace {

// Bytes 0 at the very end pad a file (some programs write whole blocks); they
// are dropped as far as they do not end a unit of text of `unitBytes`.
std::string WithoutPadding(const std::string& bytes, std::size_t unitBytes)
{
    const std::size_t used = bytes.find_last_not_of('\0') + 1;  // 0 when all are 0
    return bytes.substr(0, std::min(bytes.size(), (used + unitBytes - 1) / unitBytes * unitBytes));
}

// Whether the ASCII character `c` is one of the UTF-16 units of `bytes`: at an
// even offset, in the byte order.
bool HoldsUnit(const std::string& bytes, char c, bool bigEndian)
{
    const std::string unit = bigEndian ? std::string{'\0', c} : std::string{c, '\0'};
    auto at = bytes.find(unit);
    while (at != std::string::npos && at % 2 != 0)
        at = bytes.find(unit, at + 1);
    return at != std::string::npos;
}

// Plainly UTF-16 in the byte order where no mark says so, whatever its letters
// (Gurmukhi, Gujarati and many Chinese ones hold a byte 0x0A): a TAB unit, as
// every entry holds, and either an LF unit or, for a single line, no CR LF
// pair of bytes, as an 8-bit file's line ends are. A stray byte 0 in an 8-bit
// file makes one such unit at most, not both; the LF unit is looked for in the
// text before its padding, whose first byte 0 would make one of an 8-bit LF.
bool IsPlainUtf16(const std::string& units, const std::string& text, bool bigEndian)
{
    return HoldsUnit(units, '\t', bigEndian) &&
           (HoldsUnit(text, '\n', bigEndian) || text.find("\r\n") == std::string::npos);
}

struct UnicodeForm {
    std::string mark;
    std::size_t unitBytes;
    bool bigEndian;
};

// UTF-32's little-endian mark begins with UTF-16's, so it is looked for first.
const UnicodeForm MarkedForms[] = {
    {{"\xFF\xFE\0\0", 4}, 4, false},
    {{"\0\0\xFE\xFF", 4}, 4, true},
    {"\xFF\xFE", 2, false},
    {"\xFE\xFF", 2, true},
};

// The file's text: the UTF-8 of UTF-16 or UTF-32 text, which Windows' Notepad
// saves as "Unicode" behind a byte order mark and other programs without one,
// else the bytes as they are. Padding is left out.
std::string FileText(const std::string& bytes)
{
    for (const UnicodeForm& form : MarkedForms) {
        if (bytes.compare(0, form.mark.size(), form.mark) == 0) {
            const std::string units = WithoutPadding(bytes.substr(form.mark.size()), form.unitBytes);
            return FromUtf16Or32(units, form.unitBytes, form.bigEndian).utf8_string();
        }
    }
    std::string text = WithoutPadding(bytes, 1);
    if (text.find('\0') == std::string::npos)  // a TAB in UTF-16 holds a byte 0
        return text;
    const std::string units = WithoutPadding(bytes, 2);
    for (const bool bigEndian : {false, true}) {
        if (IsPlainUtf16(units, text, bigEndian))
            return FromUtf16Or32(units, 2, bigEndian).utf8_string();
    }
    return text;
}

// From 1, the first line that holds the character 0; else 0.
int LineWithCharacter0(const std::vector<std::string>& lines)
{
    const auto line = std::find_if(lines.begin(), lines.end(),
                                   [](const std::string& text) { return text.find('\0') != std::string::npos; });
    return line == lines.end() ? 0 : int(line - lines.begin()) + 1;
}

// The lines of the text without their line ends.
std::vector<std::string> SplitLines(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(std::move(line));
    }
    return lines;
}

bool IsUtf8(const std::string& line) { return line.empty() || !wxString::FromUTF8(line.data(), line.size()).empty(); }

bool IsUtf8BeyondAscii(const std::vector<std::string>& lines)
{
    const auto beyondAscii = [](const std::string& line) {
        return std::any_of(line.begin(), line.end(), [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
    };
    return std::all_of(lines.begin(), lines.end(), IsUtf8) && std::any_of(lines.begin(), lines.end(), beyondAscii);
}

// Editors on Windows open UTF-8 files with a byte order mark.
void DropByteOrderMark(std::vector<std::string>& lines)
{
    if (!lines.empty() && lines[0].compare(0, 3, "\xEF\xBB\xBF") == 0)
        lines[0].erase(0, 3);
}

// Its word is blanks alone: an empty word still takes its row, with its clue.
bool HoldsBlankWord(const std::string& line)
{
    const std::string word = line.substr(0, line.find('\t'));
    return !word.empty() && !HoldsWord(word);
}

}  // namespace

std::vector<wxString> WordListNotes(const WordListReading& reading, const wxString& quotedPath)
{
    if (reading.tooLarge)
        return {"The word list " + quotedPath + " is larger than " + Thousands(MaxWordListFileBytes / (1024 * 1024)) +
                " MB, far more than a word list holds, so it was not loaded."};
    if (reading.character0Line > 0)
        return {wxString::Format("Line %d of the word list %s holds the character 0 (a NUL byte), which no word list "
                                 "holds, so the file was not loaded.",
                                 reading.character0Line, quotedPath)};
    std::vector<wxString> notes;
    if (reading.failed)
        notes.push_back("The word list " + quotedPath + " could not be read to its end.");
    if (reading.refusedLine > 0 && reading.tooLong.empty())
        notes.push_back(wxString::Format("Line %d of the word list %s holds a character that a word list cannot "
                                         "store, so loading stopped there. Please change it and load the file again.",
                                         reading.refusedLine, quotedPath));
    if (reading.refusedLine > 0 && !reading.tooLong.empty())
        notes.push_back(wxString::Format("Line %d of the word list %s is too long: ", reading.refusedLine,
                                         quotedPath) +
                        FromWindows1252(reading.tooLong) +
                        ". Loading stopped there. Please shorten it and load the file again.");
    if (reading.entries.empty() && !reading.failed && reading.refusedLine == 0)
        notes.push_back("The word list " + quotedPath +
                        " holds no word to load: each line needs a word, then a TAB, then the clue.");
    if (reading.leftOut > 0)
        notes.push_back(wxString::Format("The word list %s holds more entries than the %d rows: the first %d were "
                                         "loaded and the other %d left out.",
                                         quotedPath, MaxWordListEntries, MaxWordListEntries, reading.leftOut));
    return notes;
}

WordListReading ReadWordList(const std::string& bytes, bool broke)
{
    WordListReading reading;
    reading.failed = broke;
    if (bytes.size() > MaxWordListFileBytes) {
        reading.tooLarge = true;
        return reading;
    }
    const std::string text = FileText(bytes);
    std::vector<std::string> lines = SplitLines(text);
    // What a broken read leaves of its last line is no entry, whatever the
    // encoding: the line is cut where its end was not read.
    if (broke && !text.empty() && text.back() != '\n')
        lines.pop_back();
    reading.character0Line = LineWithCharacter0(lines);
    if (reading.character0Line > 0)
        return reading;
    const bool utf8 = IsUtf8BeyondAscii(lines);
    if (utf8)
        DropByteOrderMark(lines);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].find('\t') == std::string::npos)
            continue;
        const std::optional<std::string> line = utf8 ? ToWindows1252(wxString::FromUTF8(lines[i])) : lines[i];
        if (line && HoldsBlankWord(*line))
            continue;
        if (reading.entries.size() == MaxWordListEntries) {
            ++reading.leftOut;
            continue;
        }
        if (!line) {
            reading.refusedLine = int(i) + 1;
            break;
        }
        const auto tab = line->find('\t');
        WordListEntry entry{line->substr(0, tab), line->substr(tab + 1)};
        reading.tooLong = EntryFailure(entry.word, entry.clue);
        if (!reading.tooLong.empty()) {
            reading.refusedLine = int(i) + 1;
            break;
        }
        reading.entries.push_back(std::move(entry));
    }
    return reading;
}

void WriteWordList(std::ostream& out, const std::vector<WordListEntry>& entries)
{
    for (const WordListEntry& entry : entries) {
        if (HoldsWord(entry.word))
            out << entry.word << '\t' << entry.clue << "\r\n";
    }
}

void LoadWordListFile(wxWindow* parent, wxGrid* grid)
{
    const wxString path = ChooseFile(parent, WordListFiles, wxFD_OPEN | wxFD_FILE_MUST_EXIST);
    if (path.empty())
        return;
    const FileReading file = ReadRegularFile(std::string(path.fn_str()), MaxWordListFileBytes);
    if (!file.notOpened.empty()) {
        TellUser(parent, "The word list " + Quoted(path) + " could not be opened: " + file.notOpened + ".");
        return;
    }
    const WordListReading reading = ReadWordList(file.bytes, file.broke);
    if (!reading.NothingRead())
        ShowEntries(grid, reading.entries);
    for (const wxString& note : WordListNotes(reading, Quoted(path)))
        TellUser(parent, note);
}

void SaveWordListFile(wxWindow* parent, wxGrid* grid)
{
    if (!EndCellEditing(grid) || !EntriesWithinLimits(parent, grid, "The word list was not saved."))
        return;
    const auto entries = GridEntries(parent, grid);
    if (!entries)
        return;
    const wxString path = ChooseFile(parent, WordListFiles, wxFD_SAVE);
    if (path.empty())
        return;
    std::ostringstream text;
    WriteWordList(text, *entries);
    bool damaged = false;
    const std::string failure = WriteFileSafely(std::string(path.fn_str()), text.str(), &damaged);
    if (!failure.empty())
        TellUser(parent, "The word list could not be saved to " + Quoted(path) + ": " + failure + "." +
                             (damaged ? DamagedFileNote("The word list stays in the dialog") : ""));
}

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

// The file's bytes, one past the bound at most; `failed` when the stream broke
// before their end.
std::string ReadBytes(std::istream& in, bool& failed)
{
    std::string bytes;
    char chunk[4096];
    while (bytes.size() <= MaxWordListFileBytes && (in.read(chunk, sizeof chunk) || in.gcount() > 0))
        bytes.append(chunk, std::size_t(in.gcount()));
    failed = in.bad();
    return bytes;
}

// Plainly UTF-16 in that byte order: no character 0, and at least half the
// characters below U+0100, as nearly all of a word list that loads are. Their
// high bytes are the bytes 0 that no 8-bit text holds.
bool IsPlainUtf16(const std::string& bytes, bool bigEndian)
{
    std::size_t highZeros = 0;
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        const bool highZero = bytes[bigEndian ? i : i + 1] == '\0';
        if (highZero && bytes[bigEndian ? i + 1 : i] == '\0')
            return false;
        highZeros += highZero;
    }
    return 2 * highZeros >= bytes.size() / 2;
}

// Windows' Notepad saves "Unicode" as UTF-16 behind a byte order mark, other
// programs without one; such a file is read as the UTF-8 of its text, a file
// of other bytes 0 as none, and any other as it is.
std::optional<std::string> WithoutUtf16(std::string bytes)
{
    for (const bool bigEndian : {false, true}) {
        if (bytes.compare(0, 2, bigEndian ? "\xFE\xFF" : "\xFF\xFE") == 0)
            return FromUtf16(bytes.substr(2), bigEndian).utf8_string();
    }
    if (bytes.find('\0') == std::string::npos)
        return bytes;
    for (const bool bigEndian : {false, true}) {
        if (IsPlainUtf16(bytes, bigEndian))
            return FromUtf16(bytes, bigEndian).utf8_string();
    }
    return std::nullopt;
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

// Why nothing of the file was read, if nothing was.
wxString NotReadNote(const WordListReading& reading, const wxString& quotedPath)
{
    if (reading.tooLarge)
        return "The word list " + quotedPath + " is larger than " + Thousands(MaxWordListFileBytes / (1024 * 1024)) +
               " MB, far more than a word list holds, so it was not loaded.";
    if (reading.notText)
        return "The file " + quotedPath + " is not a word list of text, so it was not loaded. A word list holds a "
               "word, a TAB and the clue on each line.";
    return "";
}

// What the user hears of a reading besides its entries, one message each.
std::vector<wxString> ReadingNotes(const WordListReading& reading, const wxString& quotedPath)
{
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

}  // namespace

WordListReading ReadWordList(std::istream& in)
{
    WordListReading reading;
    std::string bytes = ReadBytes(in, reading.failed);
    if (bytes.size() > MaxWordListFileBytes) {
        reading.tooLarge = true;
        return reading;
    }
    const std::optional<std::string> text = WithoutUtf16(std::move(bytes));
    if (!text) {
        reading.notText = true;
        return reading;
    }
    std::vector<std::string> lines = SplitLines(*text);
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
    std::istringstream in(file.bytes);
    WordListReading reading = ReadWordList(in);
    reading.failed = file.broke;
    const wxString notRead = NotReadNote(reading, Quoted(path));
    if (!notRead.empty()) {
        TellUser(parent, notRead);
        return;
    }
    ShowEntries(grid, reading.entries);
    for (const wxString& note : ReadingNotes(reading, Quoted(path)))
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
    const std::string failure = WriteFileSafely(std::string(path.fn_str()), text.str());
    if (!failure.empty())
        TellUser(parent, "The word list could not be saved to " + Quoted(path) + ": " + failure + ".");
}

#pragma once

#include <string>
#include <vector>

// A document's markup as TinyXML meets it when it reads the text byte by byte,
// found by a walk before TinyXML reads it, so that no text makes TinyXML recurse
// past the stack or compare attributes for minutes.
struct DocumentMarkup {
    // False for markup the walk might read otherwise than TinyXML does, or
    // that would give a text the byte 0 (the program never writes such
    // markup); the counts are then not to be trusted.
    bool followed = true;
    // The deepest nesting of elements.
    int depth = 0;
    // The most attributes one element carries: TinyXML compares each with
    // every earlier one of its element.
    int attributes = 0;
    // The text to hand TinyXML: the given one, but where the content of an
    // element named in oneLine opens with text (the text a reader takes), a
    // character reference there to a line break or TAB stands as the blank
    // it becomes on one line.
    std::string text;
    // Whether such a text of an element named in noControl holds a character
    // reference to a control character (a line break, a TAB...). Saved, the
    // character would stand there as it is, where a line break ends the line.
    bool controlReference = false;
    // Whether that text, or a CDATA section that opens the element, holds a
    // control character itself, other than a line end: an LF, or a lone CR
    // between the lines of a grid's picture (after or before a "+", a "|" or
    // another line end), which loading makes an LF. Elsewhere a CR would cut a
    // line of the picture in two.
    bool controlByte = false;
};

DocumentMarkup ReadMarkup(const std::string& text, const std::vector<std::string>& oneLine = {},
                          const std::vector<std::string>& noControl = {});

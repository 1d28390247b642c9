#pragma once

#include <QString>
#include <span>

namespace orvel {

class TextModel;

// Auto Delete: removes the tag at the caret together with its partner, from a fixed table of
// recognised tags. Pairs lose their two tags and keep what stands between them; forms, tables,
// table rows and rules go whole, content included.
namespace autodel {

enum class Test {
    Whole,  // the selected tag is exactly the row's text
    Starts, // the selected tag begins with it (a tag with attributes)
    Opens,  // it begins with it, and only those characters are the opening (a comment)
};

enum class Method {
    PairWarn,  // nesting is reported; the opening tag goes alone
    PairQuiet, // nesting keeps the closing tag, silently
    Element,   // everything through the closing text goes; without it, a message
};

struct Row {
    Test test;
    const char* tag;
    Method method;
    const char* closing;
    const char* nesting; // "" for elements
    const char* message; // "" for none
    int removes = 0;     // characters removed at the closing text; 0 for its own length
};

// The table, in the order it is tried.
std::span<const Row> rows();

} // namespace autodel

// Options > Auto Delete: Smart Select takes the tag at the caret, then the first row of the table
// that fits it acts on it. Nothing happens when no row fits.
void autoDelete(TextModel& text);

} // namespace orvel

#ifndef ENGINE_ZE_TEXTREADER_H
#define ENGINE_ZE_TEXTREADER_H

#include <string>

// Whitespace-separated tokens of a small text file (".dat", ".map", "data.dat"), read whole at
// loading. Every read says whether it succeeded, so a loader can reject a malformed file
// instead of going on with garbage.
class ZE_TextReader {
public:
    explicit ZE_TextReader(const std::string& path);

    bool isOpen() const { return open; }
    // The next token; false at the end of the text.
    bool word(std::string& out);
    // The next token as a decimal integer with an optional sign and nothing else in it.
    bool integer(int& out);
    // The rest of the current line verbatim (a trailing carriage return dropped), then moves
    // past its line break.
    std::string restOfLine();

private:
    void skipBlanks();

    bool open = false;
    std::string text;
    std::string::size_type pos = 0;
};

#endif

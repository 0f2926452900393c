#include "engine/ZE_TextReader.h"

#include <cctype>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <fstream>
#include <sstream>

ZE_TextReader::ZE_TextReader(const std::string& path)
{
    std::ifstream file(path.c_str(), std::ios::in | std::ios::binary);
    if (!file.is_open())
        return;
    std::ostringstream all;
    all << file.rdbuf();
    text = all.str();
    open = true;
}

void ZE_TextReader::skipBlanks()
{
    while (pos < text.size() && std::isspace(static_cast<unsigned char>(text[pos])))
        ++pos;
}

bool ZE_TextReader::word(std::string& out)
{
    skipBlanks();
    if (pos >= text.size())
        return false;
    const std::string::size_type start = pos;
    while (pos < text.size() && !std::isspace(static_cast<unsigned char>(text[pos])))
        ++pos;
    out.assign(text, start, pos - start);
    return true;
}

bool ZE_TextReader::integer(int& out)
{
    std::string token;
    if (!word(token))
        return false;
    const char* begin = token.c_str();
    // strtol alone would accept "12abc" or leading blanks; demand digits to the end.
    std::string::size_type i = (token[0] == '-' || token[0] == '+') ? 1 : 0;
    if (i == token.size())
        return false;
    for (; i < token.size(); ++i)
        if (!std::isdigit(static_cast<unsigned char>(token[i])))
            return false;
    errno = 0;
    const long value = std::strtol(begin, nullptr, 10);
    if (errno == ERANGE || value > INT_MAX || value < INT_MIN)
        return false;
    out = static_cast<int>(value);
    return true;
}

std::string ZE_TextReader::restOfLine()
{
    std::string::size_type end = text.find('\n', pos);
    if (end == std::string::npos)
        end = text.size();
    std::string line(text, pos, end - pos);
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    pos = end < text.size() ? end + 1 : end;
    return line;
}

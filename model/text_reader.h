// TextReader: reads the program's own data files (".roz", ".stc", ".sav"):
// decimal numbers each followed by a fixed number of separator characters,
// whole lines and single characters.
//
// The whole file is read at once, and a CR LF pair counts as one line end, as
// a text-mode read on Windows sees it, so a file reads the same with either.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

class TextReader {
public:
    // False when the file cannot be read or is shorter than from. Reading
    // begins at byte offset from of the file as stored.
    bool Open(const char* path, size_t from = 0);
    // Byte offset in the file as stored of the next character, as ftell
    // gives it: a CR LF pair counts two here.
    size_t FilePosition() const;

    // A decimal number after any white space, then skip characters skipped
    // unread. False when no number stands there or it does not fit 32 bits.
    bool Number(int32_t& value, int32_t skip);
    // Number, which must also lie in [low, high].
    bool NumberIn(int32_t& value, int32_t low, int32_t high, int32_t skip);
    // The rest of the line without its line end; false when it is longer than maxChars.
    bool Line(std::string& line, size_t maxChars);
    // The next character that is not white space; false at the end.
    bool VisibleChar(char& c);
    // The next character as it stands, -1 at the end.
    int32_t RawChar();
    // Up to length characters into entry, ended early by a line feed, which
    // is taken and not stored. The characters stored, or -1 when the text
    // ended first.
    int32_t Entry(uint8_t* entry, int32_t length);
    int32_t PeekChar() const;  // the next character without taking it, -1 at the end
    void Skip(int32_t count);  // stops at the end

private:
    void SkipSpace();

    std::string text_;  ///< the file's bytes from `from_`, CR LF pairs made single line feeds
    size_t pos_ = 0;    ///< next character to read
    size_t from_ = 0;   ///< offset in the file of text_[0]
    std::vector<size_t> droppedCr_;  ///< ascending: positions in text_ of line feeds that lost their CR
};

// TextReader: numbers, lines and characters of the program's data files.
#include "model/text_reader.h"

#include <algorithm>
#include <cstdio>
#include <memory>

namespace {

bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f'; }

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};

}  // namespace

bool TextReader::Open(const char* path, size_t from)
{
    std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path, "rb"));
    if (!file) return false;
    text_.clear();
    pos_ = 0;
    from_ = from;
    droppedCr_.clear();
    char buffer[16384];
    size_t got;
    while ((got = std::fread(buffer, 1, sizeof buffer, file.get())) > 0) text_.append(buffer, got);
    if (std::ferror(file.get()) || from > text_.size()) return false;
    text_.erase(0, from);

    size_t out = 0;
    for (size_t in = 0; in < text_.size(); ++in) {
        if (text_[in] == '\r' && in + 1 < text_.size() && text_[in + 1] == '\n') {
            droppedCr_.push_back(out);
            continue;
        }
        text_[out++] = text_[in];
    }
    text_.resize(out);
    return true;
}

size_t TextReader::FilePosition() const
{
    // A line feed not yet read still has its CR before it.
    const auto crsBefore = std::lower_bound(droppedCr_.begin(), droppedCr_.end(), pos_) - droppedCr_.begin();
    return from_ + pos_ + static_cast<size_t>(crsBefore);
}

void TextReader::SkipSpace()
{
    while (pos_ < text_.size() && IsSpace(text_[pos_])) ++pos_;
}

bool TextReader::Number(int32_t& value, int32_t skip)
{
    value = 0;
    SkipSpace();
    bool negative = false;
    if (pos_ < text_.size() && (text_[pos_] == '-' || text_[pos_] == '+')) negative = text_[pos_++] == '-';
    int64_t magnitude = 0;
    size_t digits = 0;
    while (pos_ < text_.size() && text_[pos_] >= '0' && text_[pos_] <= '9') {
        magnitude = magnitude * 10 + (text_[pos_++] - '0');
        if (magnitude > INT64_C(2147483648)) return false;
        ++digits;
    }
    if (digits == 0) return false;
    const int64_t v = negative ? -magnitude : magnitude;
    if (v > INT32_MAX || v < INT32_MIN) return false;
    value = static_cast<int32_t>(v);
    Skip(skip);
    return true;
}

bool TextReader::NumberIn(int32_t& value, int32_t low, int32_t high, int32_t skip)
{
    return Number(value, skip) && value >= low && value <= high;
}

bool TextReader::Line(std::string& line, size_t maxChars)
{
    line.clear();
    while (pos_ < text_.size() && text_[pos_] != '\n') {
        if (line.size() == maxChars) return false;
        line += text_[pos_++];
    }
    if (pos_ < text_.size()) ++pos_;  // the line end
    return true;
}

bool TextReader::VisibleChar(char& c)
{
    SkipSpace();
    if (pos_ >= text_.size()) return false;
    c = text_[pos_++];
    return true;
}

int32_t TextReader::RawChar()
{
    if (pos_ >= text_.size()) return -1;
    return static_cast<unsigned char>(text_[pos_++]);
}

int32_t TextReader::Entry(uint8_t* entry, int32_t length)
{
    for (int32_t n = 0; n < length; ++n) {
        const int32_t c = RawChar();
        if (c < 0) return -1;
        if (c == '\n') return n;
        entry[n] = static_cast<uint8_t>(c);
    }
    return length;
}

int32_t TextReader::PeekChar() const
{
    return pos_ < text_.size() ? static_cast<unsigned char>(text_[pos_]) : -1;
}

void TextReader::Skip(int32_t count)
{
    const size_t left = text_.size() - pos_;
    pos_ += count > 0 ? std::min(static_cast<size_t>(count), left) : 0;
}


// The API key's texts, its trimming and its file.
#include "ui/api_key.h"

#include <cstdio>

namespace {


bool IsAsciiSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f'; }

bool IsContinuationByte(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

}  // namespace

std::string ApiKeyExplanation()
{
    return std::string("Rozkład na dziś bierze prawdziwy ruch z API PLK \"Otwarte Dane\".\r\n"
                       "Potrzebny jest do tego własny klucz - konto zakłada się za darmo\r\n"
                       "na ") +
           kOpenDataHost +
           ", a klucz przychodzi pocztą.\r\n"
           "\r\n"
           "Wklej go poniżej: gra zapisze go w pliku klucz-api.txt obok siebie\r\n"
           "i więcej o niego nie zapyta.";
}

std::string ApiKeyFromTyped(const std::string& typed)
{
    size_t end = typed.size();
    if (end > kApiKeyMaxBytes) {
        end = kApiKeyMaxBytes;
        while (end > 0 && IsContinuationByte(typed[end])) --end;  // never half a character
    }
    size_t begin = 0;
    while (begin < end && IsAsciiSpace(typed[begin])) ++begin;
    while (end > begin && IsAsciiSpace(typed[end - 1])) --end;
    return typed.substr(begin, end - begin);
}

std::string ApiKeyPath(const std::string& gameFolder) { return gameFolder + "\\" + kApiKeyFileName; }

bool WriteApiKeyFile(const std::string& path, const std::string& key)
{
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) return false;
    const bool whole = std::fwrite(key.data(), 1, key.size(), file) == key.size();
    return std::fclose(file) == 0 && whole;
}

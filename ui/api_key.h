// The player's key to the open-data API: the key dialog's texts, the typed
// key made fit to keep, and the key file beside the game.
#pragma once

#include <cstddef>
#include <string>

constexpr char kApiKeyFileName[] = "klucz-api.txt";
constexpr char kOpenDataHost[] = "dane-kolejowe.example.pl";  ///< the open-data API the key is for
constexpr size_t kApiKeyChars = 510;     ///< characters of the typed key that are read
constexpr size_t kApiKeyMaxBytes = 511;  ///< UTF-8 bytes of the key kept at most

constexpr char kApiKeyCaption[] = "Klucz do API PLK";
constexpr char kApiKeyEmpty[] = "Nie wkleiłeś klucza.";
constexpr char kApiKeyNotWritten[] = "Nie udało się zapisać pliku klucz-api.txt.";
constexpr char kApiKeyNoteText[] =
    "Klucz zostaje na tym komputerze - nie idzie ani do repozytorium,\r\nani do paczki dla graczy.";

// What the key is and where it is kept, in lines separated by CR LF.
std::string ApiKeyExplanation();

// The typed key (UTF-8) cut to kApiKeyMaxBytes on a character boundary and
// trimmed of ASCII white space at both ends; empty when nothing is left.
std::string ApiKeyFromTyped(const std::string& typed);

// gameFolder followed by "\klucz-api.txt".
std::string ApiKeyPath(const std::string& gameFolder);
// Writes exactly the key's bytes to path, replacing the file; false when it
// cannot be created or written whole.
bool WriteApiKeyFile(const std::string& path, const std::string& key);

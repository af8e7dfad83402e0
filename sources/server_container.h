// The timetable server's container and the window-free rules of its two
// requests: request paths, the station header, part names and the delays reply.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

extern const char kContainerMagic[];         // "SEMARION1" and a line feed
constexpr size_t kContainerMagicSize = 10;
constexpr size_t kMaxFileBytes = 8388608;     // files sent or read: 8 MiB each
constexpr size_t kMaxReplyBytes = 33554432;   // a longer reply is refused unread

// One named part: a header "name<TAB>size<LF>", then size bytes.
struct ContainerPart {
    std::string name;  ///< file name in the system code page, no folder
    std::string data;  ///< the part's bytes
};

// Why reading the parts stopped.
enum class PartsEnd {
    kComplete,    ///< the reply ended right after a part (or after the magic)
    kNoLineFeed,  ///< a header without its line feed
    kNoTab,       ///< a header without a TAB
    kCutShort,    ///< a part's data would run past the end of the reply
};

struct ContainerParts {
    std::vector<ContainerPart> parts;  ///< the parts read, in order
    PartsEnd end = PartsEnd::kComplete; ///< why reading stopped
};

std::string NewContainer();  // the magic alone
void AppendPart(std::string& body, const std::string& name, const std::string& bytes);
bool HasContainerMagic(const std::string& reply);
// Parts of a reply that begins with the magic, at most maxParts of them.
ContainerParts ReadContainerParts(const std::string& reply, size_t maxParts);

// The delays reply: the first part's data, or false with the error text
// (kCutDelaysReply for a reply that ends inside its first part).
extern const char kCutDelaysReply[];
bool FirstDelaysPart(const std::string& reply, std::string& text, std::string& error);

// The path a request goes to: the address's path ("/" when it has none) with
// the endpoint appended unless the path already names it.
std::wstring RequestPath(const std::wstring& addressPath, const std::wstring& endpoint);

// The station header: every byte of the UTF-8 text outside the unreserved
// set of RFC 3986 becomes "%" and two upper-case hexadecimal digits.
std::string PercentEncodeBytes(const std::string& utf8);

// The station file a timetable names on its second line ("<name>.stc"), or
// empty when it names none or a name that is no plain file name.
std::string StationFileNameFromTemplate(const std::string& timetable);

// A received part may only create a file beside the template: no folder, no
// drive, nothing Windows cannot hold in a file name, no device name.
bool IsPlainFileName(const std::string& name);

// Where a template timetable lies and what its request is called.
struct TemplatePlace {
    std::wstring folder;    ///< before the last "\" or "/", "." without one
    std::wstring fileName;  ///< after it, the whole path without one
    std::wstring station;   ///< the folder's last component
};
TemplatePlace SplitTemplatePath(const std::wstring& path);

bool EndsWithRoz(const std::string& name);  // longer than 4, ".roz" in any case

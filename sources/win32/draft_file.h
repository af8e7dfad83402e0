// Files replaced whole through a draft beside them: the draft is written,
// flushed to the disk and only then moved over the file in one step, so a
// crash or a kill at any moment leaves the old file or the new one, never a
// file half written.
#pragma once

#include <string>

constexpr char kDraftSuffix[] = ".tmp";  ///< a draft's name is its file's followed by this

// Puts the draft in the target's place when it was filled whole: flushed,
// then moved over the target (replacing it, written through). A draft not
// filled, or one that cannot be put there, is removed: false.
bool ReplaceWithDraft(const std::wstring& draft, const std::wstring& target, bool filled);

// MallocPtr: owns a text buffer that a model function allocated with malloc.
#pragma once

#include <cstdlib>
#include <utility>

class MallocPtr {
public:
    MallocPtr() = default;
    explicit MallocPtr(char* buffer) : buffer_(buffer) {}
    ~MallocPtr() { std::free(buffer_); }
    MallocPtr(const MallocPtr&) = delete;
    MallocPtr& operator=(const MallocPtr&) = delete;
    MallocPtr(MallocPtr&& other) noexcept : buffer_(std::exchange(other.buffer_, nullptr)) {}
    MallocPtr& operator=(MallocPtr&& other) noexcept
    {
        std::swap(buffer_, other.buffer_);
        return *this;
    }

    // Allocates size zeroed bytes; an empty holder when the allocation fails.
    static MallocPtr Zeroed(size_t size) { return MallocPtr(static_cast<char*>(std::calloc(size, 1))); }

    explicit operator bool() const { return buffer_ != nullptr; }
    char* Get() const { return buffer_; }                 // null when there is no text
    const char* Text() const { return buffer_ ? buffer_ : ""; }  // never null

private:
    char* buffer_ = nullptr;  ///< malloc'd buffer, freed with the holder
};

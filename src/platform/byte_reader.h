// Sequential reads through a buffer over any ByteSource, for the checks that walk a file's
// structure.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "platform/byte_source.h"

namespace quiltra {

// Sequential reads through a 64 KiB buffer that report the end of the bytes instead of failing.
class ByteReader {
public:
    explicit ByteReader(ByteSource& in) : in_(in) {}
    int get()   // -1 at the end
    {
        if (at_ == end_ && !fill())
            return -1;
        return buffer_[at_++];
    }
    bool skip(std::uint64_t n)
    {
        while (n > 0) {
            if (at_ == end_ && !fill())
                return false;
            const std::uint64_t step = std::min<std::uint64_t>(n, end_ - at_);
            at_ += std::size_t(step);
            n -= step;
        }
        return true;
    }
    // Moves on to the next byte equal to `value`, leaving it to be read; false when the bytes
    // end first. Searched with memchr, a buffer at a time: the entropy-coded data of a large
    // photo is megabytes with few marker bytes.
    bool skipTo(unsigned char value)
    {
        for (;;) {
            if (at_ == end_ && !fill())
                return false;
            const void* found = std::memchr(buffer_.data() + at_, value, end_ - at_);
            if (found) {
                at_ = std::size_t(static_cast<const unsigned char*>(found) - buffer_.data());
                return true;
            }
            at_ = end_;
        }
    }
    // Little-endian unsigned value of n bytes; -1 when the bytes end first.
    std::int64_t le(int n)
    {
        std::int64_t v = 0;
        for (int i = 0; i < n; ++i) {
            const int b = get();
            if (b < 0)
                return -1;
            v |= std::int64_t(b) << (8 * i);
        }
        return v;
    }
    // Big-endian unsigned value of n bytes; -1 when the bytes end first.
    std::int64_t be(int n)
    {
        std::int64_t v = 0;
        for (int i = 0; i < n; ++i) {
            const int b = get();
            if (b < 0)
                return -1;
            v = v << 8 | b;
        }
        return v;
    }
    // Reads on from `position`.
    void seek(std::uint64_t position)
    {
        next_ = position;
        at_ = end_ = 0;
    }

private:
    bool fill()
    {
        at_ = 0;
        end_ = in_.read(next_, buffer_.data(), buffer_.size());
        next_ += end_;
        return end_ > 0;
    }

    ByteSource& in_;
    std::uint64_t next_ = 0;   // where the next fill reads from
    std::array<unsigned char, 1 << 16> buffer_{};
    std::size_t at_ = 0, end_ = 0;
};

} // namespace quiltra

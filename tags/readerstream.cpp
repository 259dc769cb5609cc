#include "tags/readerstream.h"

#include <algorithm>
#include <climits>

namespace zelvio {

namespace {

constexpr long blockSize = 8192;

}  // namespace

ReaderStream::ReaderStream(std::unique_ptr<ByteReader> reader)
    : reader_(std::move(reader)), length_(static_cast<long>(std::min<std::int64_t>(reader_->size(), LONG_MAX))) {}

TagLib::FileName ReaderStream::name() const {
#ifdef _WIN32
    return TagLib::FileName(L"");
#else
    return "";
#endif
}

TagLib::ByteVector ReaderStream::readBlock(unsigned long length) {
    const long wanted = static_cast<long>(std::min<unsigned long>(length, static_cast<unsigned long>(length_ - position_)));
    if (wanted <= 0) return {};
    const long blockEnd = blockStart_ + static_cast<long>(block_.size());
    if (position_ < blockStart_ || position_ + wanted > blockEnd) {
        block_.resize(static_cast<std::size_t>(std::max(wanted, blockSize)));
        reader_->seek(position_);
        block_.resize(reader_->read(block_.data(), block_.size()));
        blockStart_ = position_;
    }
    const auto offset = static_cast<std::size_t>(position_ - blockStart_);
    const auto got = std::min(static_cast<std::size_t>(wanted), block_.size() - offset);
    position_ += static_cast<long>(got);
    return TagLib::ByteVector(block_.data() + offset, static_cast<unsigned int>(got));
}

void ReaderStream::seek(long offset, Position from) {
    const std::int64_t base = from == Beginning ? 0 : from == Current ? position_ : length_;
    // Past the end reads nothing, as a file does; before the start is the start.
    position_ = static_cast<long>(std::clamp<std::int64_t>(base + offset, 0, length_));
}

}  // namespace zelvio

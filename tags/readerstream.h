#pragma once
// TagLib's view of a file opened through our FileSystem: it reads what it
// asks for, block by block, and never writes. Only the tag service sees it.

#include "common/filesystem.h"

#include <taglib/tiostream.h>

#include <memory>
#include <string>

namespace zelvio {

class ReaderStream : public TagLib::IOStream {
public:
    // The file must be shorter than 2 GB, the most TagLib's positions hold.
    explicit ReaderStream(std::unique_ptr<ByteReader> reader);

    TagLib::FileName name() const override;
    TagLib::ByteVector readBlock(unsigned long length) override;
    void writeBlock(const TagLib::ByteVector&) override {}
    void insert(const TagLib::ByteVector&, unsigned long, unsigned long) override {}
    void removeBlock(unsigned long, unsigned long) override {}
    bool readOnly() const override { return true; }
    bool isOpen() const override { return true; }
    void seek(long offset, Position from) override;
    long tell() const override { return position_; }
    long length() override { return length_; }
    void truncate(long) override {}

private:
    std::unique_ptr<ByteReader> reader_;
    long length_;
    long position_ = 0;
    // The last block read: TagLib asks for a few bytes at a time, mostly near each other.
    std::string block_;
    long blockStart_ = 0;
};

}  // namespace zelvio

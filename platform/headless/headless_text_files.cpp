#include "platform/headless/headless_text_files.h"

#include "common/errors.h"
#include "platform/headless/headless_code_page.h"
#include "platform/headless/headless_node.h"
#include "platform/headless/headless_system_texts.h"

#include <algorithm>

namespace zelvio {

namespace {

class HeadlessLineReader : public LineReader {
public:
    explicit HeadlessLineReader(std::string bytes) : bytes_(std::move(bytes)) {}

    bool readLine(std::string& line) override {
        if (position_ >= bytes_.size()) return false;
        std::size_t end = bytes_.find('\n', position_);
        if (end == std::string::npos) end = bytes_.size();
        std::size_t stop = end;
        if (end < bytes_.size() && stop > position_ && bytes_[stop - 1] == '\r') --stop;
        line = bytes_.substr(position_, stop - position_);
        position_ = end + 1;
        return true;
    }

private:
    std::string bytes_;
    std::size_t position_ = 0;
};

class HeadlessLineWriter : public LineWriter {
public:
    HeadlessLineWriter(std::shared_ptr<HeadlessFileSystem::Node> file, std::optional<std::size_t> room,
                       TextEncoding encoding)
        : file_(std::move(file)), room_(room), encoding_(encoding) {
        ++file_->openWriters;
    }
    ~HeadlessLineWriter() override { release(); }

    void writeLine(std::string_view line) override {
        writeRaw(encoding_ == TextEncoding::Ansi ? windows1252FromUtf8(line) + "\r\n" : std::string(line) + "\r\n");
    }

    // A block of bytes counts as one line against the room on the disk.
    void writeRaw(std::string_view bytes) {
        if (closed_) throw InOutError(systemtext::InvalidHandle);
        if (room_ && written_ >= *room_) throw InOutError(systemtext::DiskFull);
        file_->bytes.append(bytes);
        ++written_;
    }

    // A disk that filled up fails the close too, however many lines fitted:
    // what was written stays, and the caller learns the file is incomplete.
    void close() override {
        release();
        if (room_) throw InOutError(systemtext::DiskFull);
    }

private:
    void release() {
        if (closed_) return;
        closed_ = true;
        --file_->openWriters;
    }

    std::shared_ptr<HeadlessFileSystem::Node> file_;
    std::optional<std::size_t> room_;
    TextEncoding encoding_;
    std::size_t written_ = 0;
    bool closed_ = false;
};

class HeadlessByteReader : public ByteReader {
public:
    explicit HeadlessByteReader(std::string bytes) : bytes_(std::move(bytes)) {}
    std::int64_t size() override { return static_cast<std::int64_t>(bytes_.size()); }
    std::size_t read(char* buffer, std::size_t count) override {
        const std::size_t got = bytes_.copy(buffer, count, position_);
        position_ += got;
        return got;
    }
    void seek(std::int64_t offset) override {
        position_ = static_cast<std::size_t>(std::clamp<std::int64_t>(offset, 0, size()));
    }

private:
    std::string bytes_;
    std::size_t position_ = 0;
};

class HeadlessByteWriter : public ByteWriter {
public:
    explicit HeadlessByteWriter(std::unique_ptr<LineWriter> lines) : lines_(std::move(lines)) {}
    void write(std::string_view bytes) override { static_cast<HeadlessLineWriter&>(*lines_).writeRaw(bytes); }
    void close() override { lines_->close(); }

private:
    std::unique_ptr<LineWriter> lines_;
};

}  // namespace

std::unique_ptr<ByteReader> makeHeadlessByteReader(std::string bytes) {
    return std::make_unique<HeadlessByteReader>(std::move(bytes));
}

std::unique_ptr<ByteWriter> makeHeadlessByteWriter(std::unique_ptr<LineWriter> lines) {
    return std::make_unique<HeadlessByteWriter>(std::move(lines));
}

std::unique_ptr<LineReader> makeHeadlessReader(std::string bytes) {
    return std::make_unique<HeadlessLineReader>(std::move(bytes));
}

std::unique_ptr<LineWriter> makeHeadlessWriter(std::shared_ptr<HeadlessFileSystem::Node> file,
                                               std::optional<std::size_t> room, TextEncoding encoding) {
    return std::make_unique<HeadlessLineWriter>(std::move(file), room, encoding);
}

}  // namespace zelvio

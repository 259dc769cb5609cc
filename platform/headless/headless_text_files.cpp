#include "platform/headless/headless_text_files.h"

#include "common/errors.h"
#include "platform/headless/headless_code_page.h"
#include "platform/headless/headless_node.h"
#include "platform/headless/headless_system_texts.h"

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
        if (closed_) throw InOutError(systemtext::InvalidHandle);
        if (room_ && written_ >= *room_) throw InOutError(systemtext::DiskFull);
        file_->bytes.append(encoding_ == TextEncoding::Ansi ? windows1252FromUtf8(line) : std::string(line)).append("\r\n");
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

}  // namespace

std::unique_ptr<LineReader> makeHeadlessReader(std::string bytes) {
    return std::make_unique<HeadlessLineReader>(std::move(bytes));
}

std::unique_ptr<LineWriter> makeHeadlessWriter(std::shared_ptr<HeadlessFileSystem::Node> file,
                                               std::optional<std::size_t> room, TextEncoding encoding) {
    return std::make_unique<HeadlessLineWriter>(std::move(file), room, encoding);
}

}  // namespace zelvio

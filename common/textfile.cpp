#include "common/textfile.h"

#include "common/replacefile.h"
#include "platform/filesystem.h"

namespace zelvio {

std::string readLineOrEmpty(LineReader& reader) {
    std::string line;
    if (!reader.readLine(line)) line.clear();
    return line;
}

std::vector<std::string> readAllLines(FileSystem& fs, const std::string& path) {
    std::vector<std::string> lines;
    auto reader = fs.openText(path);
    std::string line;
    while (reader->readLine(line)) lines.push_back(std::move(line));
    return lines;
}

void replaceWithLines(FileSystem& fs, const std::string& path, const std::vector<std::string>& lines,
                      TextEncoding encoding) {
    replaceWhenComplete(fs, path, [&](const std::string& temporary) {
        auto writer = fs.createText(temporary, encoding);
        for (const auto& line : lines) writer->writeLine(line);
        writer->close();
    });
}

}  // namespace zelvio

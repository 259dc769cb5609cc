#include "common/textfile.h"

#include "common/filesystem.h"
#include "common/replacefile.h"

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
        // Readers drop a byte-order mark at the start of a file: a first line
        // that begins with one (a name may) gets another in front to lose.
        const std::string mark = "\xEF\xBB\xBF";
        for (std::size_t i = 0; i < lines.size(); ++i) {
            const bool markToLose = i == 0 && encoding == TextEncoding::Utf8 && lines[0].starts_with(mark);
            writer->writeLine(markToLose ? mark + lines[0] : lines[i]);
        }
        writer->close();
    });
}

}  // namespace zelvio
